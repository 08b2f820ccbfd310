#pragma once
// The conversions of the extended string grid between a cell's display text (what it stores and shows:
// prefix, value in the output notation with digit grouping, suffix) and its edit text (what the in-place
// editor works on: the bare value in the input notation, a real without decorations, a list index).
// Pure functions over CP932 byte strings and the column settings; no Qt.

#include "grid/ColumnStyles.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gridex {

// The text between Prefix and Suffix, compared byte for byte. Fails when Text does not start with
// Prefix, is no longer than Suffix (an empty Text always fails) or does not end with Suffix. Prefix and
// Suffix overlapping in Text give an empty body.
std::optional<std::string> StripAffixes(std::string_view Text, std::string_view Prefix,
                                        std::string_view Suffix);

// A value read in a notation: decimal with 0 as default, or the leading binary, octal or hex digits.
std::int32_t ReadInNotation(std::string_view Text, enIntEdit_IOMode Mode);
// A value written in a notation; binary, octal and hex write the 32-bit pattern.
std::string WriteInNotation(std::int32_t Value, enIntEdit_IOMode Mode, enIntEdit_HexChar HexChar);

// Display text to edit text of an integer column: empty when the affixes do not match; the value is
// not clamped.
std::string NumericCellToEdit(std::string_view Cell, const TRxKnNumeric& Numeric);
// Edit text to the grouped value of an integer column, clamped to Min and Max (without the affixes).
std::string NumericEditToCell(std::string_view Edit, const TRxKnNumeric& Numeric);
// Display text to edit text of a real column: the body between the affixes as it stands.
std::string RealCellToEdit(std::string_view Cell, const TRxKnReal& Real);
// Edit text to display text of a real column: read, clamped, fixed-point, with the affixes.
std::string RealEditToCell(std::string_view Edit, const TRxKnReal& Real);
// The decimal index of the first entry equal to Cell; "0" when none is, empty for an empty list.
std::string ListCellToEdit(std::string_view Cell, const platform::TStringList& List);
// The entry that an edit text names; an index past the list is entry 0. A negative index, or an empty
// list, raises the list index error.
const std::string& ListEditToCell(std::string_view Edit, const platform::TStringList& List);

// The edit text the in-place editor starts from for a cell of a styled column (the base edit text given).
std::string EditTextOf(const TColumnStyle& Style, const std::string& BaseEditText);
// The display text that an edit text becomes in a styled column.
std::string DisplayTextOf(const TColumnStyle& Style, const std::string& EditText);

// A cell's text read as an integer or a real by the column's kind. Null stands for a column without a
// style and reads like a text column.
std::int32_t IntegerOf(const TColumnStyle* Style, std::string_view Cell);
double RealOf(const TColumnStyle* Style, std::string_view Cell);
// The edit text by which a real is stored in a column.
std::string EditTextOfReal(const TColumnStyle* Style, double Value);

} // namespace gridex
