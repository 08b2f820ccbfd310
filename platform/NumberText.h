#pragma once
// The platform's number texts: reading and writing integers and reals as the components and the editor
// show and accept them. Texts are CP932 byte strings; only ASCII bytes ever belong to a number, and the
// decimal point is always ".", whatever the process locale says.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Integer reading: leading spaces (0x20) skipped, then either an optional "+" or "-" and decimal digits
// in -2147483648..2147483647, or one of the prefixes "$", "x", "X", "0x", "0X" and hexadecimal digits of
// either case up to FFFFFFFF, taken as a 32-bit two's-complement pattern. Nothing may follow.
std::optional<std::int32_t> TryStrToInt(std::string_view Text);
// As TryStrToInt; an unreadable text raises EConvertError.
std::int32_t StrToInt(std::string_view Text);
// As TryStrToInt; an empty, unreadable or out-of-range text gives Default.
std::int32_t StrToIntDef(std::string_view Text, std::int32_t Default);

// Decimal digits, "-" for negative values.
std::string IntToStr(std::int32_t Value);

// The C library's reading of a real from the start of a text: leading white space, optional sign, digits
// with an optional "." and fraction, optional exponent. The longest readable beginning counts and the
// rest is ignored; no readable beginning gives 0.0. Hexadecimal, "inf" and "nan" are not numbers here.
// Too large a magnitude gives an infinity, as strtod does.
double ReadLeadingReal(std::string_view Text);

// Whole-text real reading in extended precision: optional spaces, optional sign, digits with at most one
// ".", optionally E or e with an optional sign and digits, optional spaces; at least one digit. A value
// beyond the extended range does not convert.
std::optional<long double> TryStrToFloat(std::string_view Text);
// As TryStrToFloat; an unreadable text raises EConvertError.
long double StrToFloat(std::string_view Text);

// Fixed-point text with exactly NumDecimals decimals (a negative count counts as 0): rounded once, half
// away from zero, to NumDecimals decimals or 15 significant digits, whichever keeps fewer digits; the
// decimals past the 15th significant digit are zeros. An integer part of more than 15 digits is written
// in the exponent form of FloatToStr. A value that rounds to zero has no minus sign.
std::string FormatFixed(double Value, int NumDecimals);

// General real text: at most 15 significant digits, rounded half away from zero, no trailing zeros.
// Fixed-point for integer parts of at most 15 digits and magnitudes of at least 0.0001, otherwise the
// exponent form "1.5E20", "9E-5". Zero (of either sign) is "0". Infinities and NaN are "INF", "-INF" and
// "NAN" in both writers.
std::string FloatToStr(double Value);

// Truncation toward zero to a 64-bit integer. NaN and values outside the 64-bit range have no integer
// form; like the platform's floating-point unit they raise EInvalidOp.
std::int64_t TruncToInt64(long double Value);
// A real made an integer: truncated toward zero to 64 bits, of which the low 32 bits are the result.
std::int32_t TruncToInt32(long double Value);

} // namespace platform
