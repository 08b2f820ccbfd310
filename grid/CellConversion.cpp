#include "grid/CellConversion.h"

#include "platform/Exceptions.h"
#include "platform/NumberText.h"

namespace gridex {

using platform::TruncToInt32;

std::optional<std::string> StripAffixes(std::string_view Text, std::string_view Prefix,
                                        std::string_view Suffix) {
    if (!Text.starts_with(Prefix)) return std::nullopt;
    const std::ptrdiff_t bodyEnd =
        static_cast<std::ptrdiff_t>(Text.size()) - static_cast<std::ptrdiff_t>(Suffix.size());
    if (bodyEnd < 1) return std::nullopt;
    if (Text.substr(static_cast<std::size_t>(bodyEnd)) != Suffix) return std::nullopt;
    const std::size_t bodyStart = Prefix.size();
    if (static_cast<std::size_t>(bodyEnd) <= bodyStart) return std::string();
    return std::string(Text.substr(bodyStart, static_cast<std::size_t>(bodyEnd) - bodyStart));
}

std::int32_t ReadInNotation(std::string_view Text, enIntEdit_IOMode Mode) {
    switch (Mode) {
    case imBin:
        return BinToIntEx(Text);
    case imOct:
        return OctToIntEx(Text);
    case imHex:
        return HexToIntEx(Text);
    default:
        return platform::StrToIntDef(Text, 0);
    }
}

std::string WriteInNotation(std::int32_t Value, enIntEdit_IOMode Mode, enIntEdit_HexChar HexChar) {
    const auto pattern = static_cast<std::uint32_t>(Value);
    switch (Mode) {
    case imBin:
        return IntToBinEx(pattern);
    case imOct:
        return IntToOctEx(pattern);
    case imHex:
        return IntToHexEx(pattern, HexChar);
    default:
        return platform::IntToStr(Value);
    }
}

std::string NumericCellToEdit(std::string_view Cell, const TRxKnNumeric& Numeric) {
    const auto body = StripAffixes(Cell, Numeric.Prefix, Numeric.Suffix);
    if (!body) return std::string();
    const std::string digits = InsertionOut(*body, Numeric.Insertion);
    return WriteInNotation(ReadInNotation(digits, Numeric.OutputMode), Numeric.InputMode, Numeric.HexChar);
}

// A limit is compared as a real and, when it applies, stored as an integer.
std::string NumericEditToCell(std::string_view Edit, const TRxKnNumeric& Numeric) {
    std::int32_t value = ReadInNotation(Edit, Numeric.InputMode);
    if (value < Numeric.Min)
        value = TruncToInt32(Numeric.Min);
    else if (value > Numeric.Max)
        value = TruncToInt32(Numeric.Max);
    const std::string written = WriteInNotation(value, Numeric.OutputMode, Numeric.HexChar);
    return InsertionIn(written, Numeric.Insertion, Numeric.OutputMode, value);
}

std::string RealCellToEdit(std::string_view Cell, const TRxKnReal& Real) {
    return StripAffixes(Cell, Real.Prefix, Real.Suffix).value_or(std::string());
}

std::string RealEditToCell(std::string_view Edit, const TRxKnReal& Real) {
    double value = platform::ReadLeadingReal(Edit);
    if (Real.Min > value)
        value = Real.Min;
    else if (Real.Max < value)
        value = Real.Max;
    return Real.Prefix + platform::FormatFixed(value, Real.NumDecimals()) + Real.Suffix;
}

std::string ListCellToEdit(std::string_view Cell, const platform::TStringList& List) {
    if (List.Count() == 0) return std::string();
    for (int i = 0; i < List.Count(); ++i)
        if (List.Get(i) == Cell) return platform::IntToStr(i);
    return "0";
}

const std::string& ListEditToCell(std::string_view Edit, const platform::TStringList& List) {
    std::int32_t index = platform::StrToIntDef(Edit, 0);
    if (index >= List.Count()) index = 0;
    return List.Get(index);
}

std::string EditTextOf(const TColumnStyle& Style, const std::string& BaseEditText) {
    switch (Style.ColumnStyle()) {
    case csNumeric: {
        const TRxKnNumeric& numeric = Style.Numeric();
        std::string edit = NumericCellToEdit(BaseEditText, numeric);
        if (edit.empty() && !Style.ClearStart())
            edit = WriteInNotation(TruncToInt32(numeric.Default), numeric.InputMode, numeric.HexChar);
        return edit;
    }
    case csReal: {
        const TRxKnReal& real = Style.Real();
        std::string edit = RealCellToEdit(BaseEditText, real);
        if (edit.empty() && !Style.ClearStart())
            edit = platform::FormatFixed(real.Default, real.NumDecimals());
        return edit;
    }
    case csList:
        return ListCellToEdit(BaseEditText, Style.List());
    default:
        return BaseEditText;
    }
}

std::string DisplayTextOf(const TColumnStyle& Style, const std::string& EditText) {
    switch (Style.ColumnStyle()) {
    case csNumeric: {
        const TRxKnNumeric& numeric = Style.Numeric();
        return numeric.Prefix + NumericEditToCell(EditText, numeric) + numeric.Suffix;
    }
    case csReal:
        return RealEditToCell(EditText, Style.Real());
    case csList:
        return ListEditToCell(EditText, Style.List());
    default:
        return EditText;
    }
}

namespace {

// The Default of a number column; nothing for the other kinds and for a column without a style.
std::optional<double> NumberDefault(const TColumnStyle* Style) {
    if (!Style) return std::nullopt;
    switch (Style->ColumnStyle()) {
    case csNumeric:
        return Style->Numeric().Default;
    case csReal:
        return Style->Real().Default;
    default:
        return std::nullopt;
    }
}

} // namespace

// An empty or unreadable text gives the column's Default.
std::int32_t IntegerOf(const TColumnStyle* Style, std::string_view Cell) {
    const std::optional<double> fallback = NumberDefault(Style);
    return fallback ? platform::StrToIntDef(Cell, TruncToInt32(*fallback)) : 0;
}

// Any non-empty text is read as a real, whatever the kind; only an empty cell depends on it.
double RealOf(const TColumnStyle* Style, std::string_view Cell) {
    if (!Cell.empty()) return platform::ReadLeadingReal(Cell);
    return NumberDefault(Style).value_or(0.0);
}

std::string EditTextOfReal(const TColumnStyle* Style, double Value) {
    const enRxColumnStyle kind = Style ? Style->ColumnStyle() : csCharacter;
    if (kind == csNumeric || kind == csList) return platform::IntToStr(TruncToInt32(Value));
    return platform::FloatToStr(Value);
}

} // namespace gridex
