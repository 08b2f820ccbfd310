#include "grid/CharacterFilter.h"

namespace gridex {

namespace {

using enum TCharacterVerdict;

TCharacterVerdict AcceptIf(bool Condition) {
    return Condition ? Accept : Refuse;
}

bool BeginsWithMinus(const TEditorInput& Input) {
    return Input.Text.starts_with('-');
}

// No digit in front of a minus sign.
TCharacterVerdict DigitRule(const TEditorInput& Input) {
    return AcceptIf(!(Input.SelStart == 0 && Input.SelLength == 0 && BeginsWithMinus(Input)));
}

// A minus sign only at the start, only once, and only where the column can hold negative values.
TCharacterVerdict MinusRule(const TEditorInput& Input, double Limit) {
    if (!(Limit < 0.0) || Input.SelStart != 0) return Refuse;
    return AcceptIf(Input.SelLength > 0 || !BeginsWithMinus(Input));
}

// One decimal point, only when the column shows decimals; a selection covering the present point may
// replace it.
TCharacterVerdict PointRule(const TEditorInput& Input, int NumDecimals) {
    if (NumDecimals <= 0) return Refuse;
    const std::size_t found = Input.Text.find('.');
    if (found == std::string_view::npos) return Accept;
    const int point = static_cast<int>(found);
    return AcceptIf(Input.SelStart <= point && Input.SelStart + Input.SelLength > point);
}

bool IsHexLetter(unsigned char Character) {
    return (Character >= 'A' && Character <= 'F') || (Character >= 'a' && Character <= 'f');
}

TCharacterVerdict NumericCharacter(const TColumnStyle& Style, unsigned char Character,
                                   const TEditorInput& Input) {
    const enIntEdit_IOMode mode = Style.Numeric().InputMode;
    if (Character == '-') return mode == imDec ? MinusRule(Input, Style.Numeric().Min) : Refuse;
    if (Character >= '0' && Character <= '9') {
        if (mode == imDec) return DigitRule(Input);
        const int digit = Character - '0';
        switch (mode) {
        case imBin:
            return AcceptIf(digit <= 1);
        case imOct:
            return AcceptIf(digit <= 7);
        case imHex:
            return Accept;
        default:
            return AcceptIf(digit <= 1);
        }
    }
    return AcceptIf(IsHexLetter(Character) && mode == imHex);
}

TCharacterVerdict RealCharacter(const TColumnStyle& Style, unsigned char Character,
                                const TEditorInput& Input) {
    if (Character == '-') return MinusRule(Input, Style.Real().Min);
    if (Character == '.') return PointRule(Input, Style.Real().NumDecimals());
    if (Character >= '0' && Character <= '9') return DigitRule(Input);
    return Refuse;
}

TCharacterVerdict ListCharacter(unsigned char Character, const TEditorInput& Input) {
    if (Character >= '0' && Character <= '9') return DigitRule(Input);
    return Refuse;
}

} // namespace

TCharacterVerdict FilterCharacter(const TColumnStyle* Style, unsigned char Character,
                                  const TEditorInput& Input) {
    switch (Character) {
    case 8:
    case 127:
        return Accept;
    case 9:
        return AcceptIf(!Input.TabToNextCell);
    case 13:
        return Input.EnterKeyToMove ? MoveToNext : Accept;
    default:
        break;
    }
    if (!Style) return Accept;
    switch (Style->ColumnStyle()) {
    case csNumeric:
        return NumericCharacter(*Style, Character, Input);
    case csReal:
        return RealCharacter(*Style, Character, Input);
    case csList:
        return ListCharacter(Character, Input);
    default:
        return Accept;
    }
}

} // namespace gridex
