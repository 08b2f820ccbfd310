#include "controls/NumEditControls.h"

#include "platform/NumberText.h"
#include "platform/PrintfText.h"

#include <algorithm>
#include <bit>
#include <cmath>

using namespace platform;

namespace {

// The largest double below 10^10.
const double DefaultMax = std::bit_cast<double>(std::uint64_t{0x4202A05F1FFFFFFF});

// No double has a non-zero digit past this decimal place; more places would only add zeros, so the
// shown text stops there however large NumDecimals is.
constexpr int MaxShownDecimals = 1074;

// Truncated toward zero, keeping the low 32 bits. A value past the 64-bit range keeps the low 32 bits
// of its exact integer value (fmod is exact); one without a value (NaN, infinity) gives 0.
std::int32_t IntegerOfReal(double Value) {
    if (!std::isfinite(Value)) return 0;
    const double truncated = std::trunc(Value);
    if (truncated >= -0x1p63 && truncated < 0x1p63) return TruncToInt32(truncated);
    double low = std::fmod(truncated, 0x1p32);
    if (low < 0) low += 0x1p32;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(low));
}

bool StartsWithMinus(const std::string& Text) { return !Text.empty() && Text.front() == '-'; }

bool IsHexLetter(unsigned char Character) {
    return (Character >= 'A' && Character <= 'F') || (Character >= 'a' && Character <= 'f');
}

} // namespace

// ---------------------------------------------------------------------------------------------------
// TCustomNumEdit

TCustomNumEdit::TCustomNumEdit(QWidget* Parent) : TCustomEditEx(Parent), Max(DefaultMax), Min(-DefaultMax) {
    SetFormatStr();
    ImeMode = imDisable;
    FUpDownState = 0;
}

void TCustomNumEdit::StoreReal(double Value) {
    FReal = Value;
    FInteger = IntegerOfReal(Value);
}

void TCustomNumEdit::StoreInteger(std::int32_t Value) {
    FInteger = Value;
    FReal = Value;
}

void TCustomNumEdit::SetInteger(std::int32_t Value) {
    StoreInteger(Value);
    SetTextEx();
}

void TCustomNumEdit::SetReal(double Value) {
    StoreReal(Value);
    SetTextEx();
}

void TCustomNumEdit::SetNumDecimals(int Value) {
    FNumDecimals = Value > 0 ? Value : 0;
    SetFormatStr();
}

void TCustomNumEdit::SetPrefix(const std::string& Value) {
    FPrefix = Value;
    SetFormatStr();
}

void TCustomNumEdit::SetSuffix(const std::string& Value) {
    FSuffix = Value;
    SetFormatStr();
}

void TCustomNumEdit::SetClearStart(bool Value) {
    FClearStart = Value;
    FBlank = Value;
    SetTextEx();
}

void TCustomNumEdit::Clear() {
    FBlank = true;
    SetTextEx();
}

void TCustomNumEdit::UpDownEntry(bool Accept) { FUpDownState = Accept ? 1 : -1; }

void TCustomNumEdit::SetFormatStr() {
    FFormatStr = FNumDecimals > 0 ? "%." + std::to_string(FNumDecimals) + "lf" : "%.lf";
    SetTextEx();
}

void TCustomNumEdit::SetTextEx() {
    const std::string number = PrintfFixed(FReal, std::min(FNumDecimals, MaxShownDecimals));
    if (FEditing) SetText(number);
    else if (FBlank) SetText(std::string());
    else SetText(FPrefix + number + FSuffix);
}

// The text on screen is read, not the text a read message would give: while an up-down exchange is
// armed that would be the old Integer, and what is typed meanwhile would be lost.
void TCustomNumEdit::UpdateNum() {
    if (!FEditing) return;
    const double number = ReadLeadingReal(ShownText());
    if (!(number >= Min)) StoreReal(Min);
    else if (number > Max) StoreReal(Max);
    else StoreReal(number);
}

void TCustomNumEdit::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_SETTEXT: wmSetTextEvent(Message); break;
    case WM_GETTEXT: wmGetTextEvent(Message); break;
    case WM_CHAR: wmCharEvent(Message); break;
    default: TCustomEditEx::WndProc(Message); break;
    }
}

void TCustomNumEdit::wmCharEvent(TMessage& Message) {
    const auto character = static_cast<unsigned char>(Message.WParam);
    const std::string text = ShownText();
    const int selStart = GetSelStart();
    const int selLength = GetSelLength();
    bool pass = false;
    if (character == VK_BACK || character == 127) {
        pass = true;
    } else if (character == VK_RETURN) {
        if (EnterKeyToExit) UpdateNum();
        pass = true;
    } else if (character == '-') {
        pass = selStart == 0 && EnableNegative && (selLength > 0 || !StartsWithMinus(text));
    } else if (character == '.') {
        const auto point = text.find('.');
        pass = FNumDecimals > 0 && (point == std::string::npos ||
                                    (std::size_t(selStart) <= point && point < std::size_t(selStart + selLength)));
    } else if (character >= '0' && character <= '9') {
        // nothing may be typed in front of the sign
        pass = !(selStart == 0 && selLength == 0 && StartsWithMinus(text));
    }
    if (pass) PassCharacter(Message);
    else DropCharacter(Message);
}

void TCustomNumEdit::wmGetTextEvent(TMessage& Message) {
    if (FUpDownState == 0) {
        TCustomEditEx::WndProc(Message);
        return;
    }
    *reinterpret_cast<std::string*>(Message.LParam) = IntToStr(FInteger);
    Message.Result = 1;
}

void TCustomNumEdit::wmSetTextEvent(TMessage& Message) {
    if (FUpDownState == 0) {
        TCustomEditEx::WndProc(Message);
        return;
    }
    const bool accept = FUpDownState == 1;
    FUpDownState = 0;
    if (accept) SetInteger(StrToIntDef(*reinterpret_cast<const std::string*>(Message.LParam), 0));
    Message.Result = 1;
}

void TCustomNumEdit::DoEnter() {
    FEditing = true;
    SetTextEx();
    TCustomEditEx::DoEnter();
    if (AutoSelect) SelectAll();
}

void TCustomNumEdit::DoExit() {
    UpdateNum();
    TCustomEditEx::DoExit();
    FEditing = false;
    if (FModified) FBlank = false;
    SetTextEx();
}

void TCustomNumEdit::Change() {
    UpdateNum();
    TCustomEditEx::Change();
}

// ---------------------------------------------------------------------------------------------------
// TIntEdit

TIntEdit::TIntEdit(QWidget* Parent) : TCustomNumEdit(Parent) {}

void TIntEdit::SetFillChar(const std::string& Value) {
    FFillChar = Value.substr(0, 1);
    if (FFillType != ftFillNone) SetTextEx();
}

void TIntEdit::SetFillType(enIntEdit_FillType Value) {
    FFillType = Value;
    SetTextEx();
}

void TIntEdit::SetHexChar(enIntEdit_HexChar Value) {
    FHexChar = Value;
    SetTextEx();
}

void TIntEdit::SetInsertion(enIntEdit_Insertion Value) {
    FInsertion = Value;
    SetTextEx();
}

void TIntEdit::SetOutputMode(enIntEdit_IOMode Value) {
    FOutputMode = Value;
    SetTextEx();
}

std::string TIntEdit::GetBin() const { return IntToBinEx(static_cast<std::uint32_t>(Integer())); }
std::string TIntEdit::GetOct() const { return IntToOctEx(static_cast<std::uint32_t>(Integer())); }
std::string TIntEdit::GetHex() const { return IntToHexEx(static_cast<std::uint32_t>(Integer()), FHexChar); }

void TIntEdit::SetBin(const std::string& Value) { SetInteger(BinToIntEx(Value)); }
void TIntEdit::SetOct(const std::string& Value) { SetInteger(OctToIntEx(Value)); }
void TIntEdit::SetHex(const std::string& Value) { SetInteger(HexToIntEx(Value)); }

std::optional<std::string> TIntEdit::IntegerText(enIntEdit_IOMode Radix) const {
    switch (Radix) {
    case imDec: return IntToStr(Integer());
    case imBin: return GetBin();
    case imOct: return GetOct();
    case imHex: return GetHex();
    }
    return std::nullopt;
}

// Grouping goes into the digits only; the fill knows nothing of grouping or sign.
std::string TIntEdit::FormattedText() const {
    const std::string digits = InsertionIn(IntegerText(FOutputMode).value_or(std::string()), FInsertion, FOutputMode,
                                           Integer());
    const std::size_t length = Prefix().size() + digits.size() + Suffix().size();
    const auto maxLength = static_cast<std::size_t>(std::max(GetMaxLength(), 0));
    std::string fill;
    if (maxLength > length && !FFillChar.empty()) fill.assign(maxLength - length, FFillChar.front());
    switch (FFillType) {
    case ftLeftFillA: return fill + Prefix() + digits + Suffix();
    case ftLeftFillB: return Prefix() + fill + digits + Suffix();
    case ftRightFillA: return Prefix() + digits + Suffix() + fill;
    case ftRightFillB: return Prefix() + digits + fill + Suffix();
    case ftFillNone: break;
    }
    return Prefix() + digits + Suffix();
}

void TIntEdit::SetTextEx() {
    if (FEditing) {
        if (const auto text = IntegerText(InputMode)) SetText(*text);
    } else if (FBlank) {
        SetText(std::string());
    } else {
        SetText(FormattedText());
    }
}

void TIntEdit::UpdateNum() {
    if (!FEditing) return;
    const std::string text = ShownText();
    std::int32_t value = Integer();
    switch (InputMode) {
    case imDec: value = StrToIntDef(text, 0); break;
    case imBin: value = BinToIntEx(text); break;
    case imOct: value = OctToIntEx(text); break;
    case imHex: value = HexToIntEx(text); break;
    }
    if (value < Min) value = IntegerOfReal(Min);
    else if (value > Max) value = IntegerOfReal(Max);
    StoreInteger(value);
}

// Decides by the input radix; what it hands on meets the number filter of the base control, except
// hexadecimal letters, which that filter would drop.
void TIntEdit::wmCharEvent(TMessage& Message) {
    const auto character = static_cast<unsigned char>(Message.WParam);
    enum { Base, Drop, Insert } action = Base;
    if (character == '-') action = InputMode == imDec ? Base : Drop;
    else if (character == '.') action = Drop;
    else if (character >= '2' && character <= '7') action = InputMode == imBin ? Drop : Base;
    else if (character == '8' || character == '9') action = InputMode == imBin || InputMode == imOct ? Drop : Base;
    else if (IsHexLetter(character)) action = InputMode == imHex ? Insert : Drop;

    switch (action) {
    case Base: TCustomNumEdit::wmCharEvent(Message); break;
    case Drop: DropCharacter(Message); break;
    case Insert: PassCharacter(Message); break;
    }
}
