#pragma once
// Radix conversion and digit grouping of the NumEdit unit: how a signed 32-bit integer is written as
// binary, octal or hexadecimal text and read back, and how digit-group separators are added and removed.
// Pure functions on CP932 byte strings; no sign is read or written here (decimal text belongs to the
// callers). The edit controls of the unit live in NumEditControls.h.

#include <cstdint>
#include <string>
#include <string_view>

// The enumerations have a fixed one-byte underlying type so that a stored value outside the listed
// ones is still a valid value; every function treats such a value as the rules below say.

// Radix of a number text.
enum enIntEdit_IOMode : std::uint8_t { imDec, imBin, imOct, imHex };

// Letter case of the hexadecimal digits 10 to 15 written by IntToHexEx.
enum enIntEdit_HexChar : std::uint8_t { hcUpper, hcLower };

// Digit grouping: none; groups of three separated by ","; groups of four separated by a space.
enum enIntEdit_Insertion : std::uint8_t { inNone, inThousand, inTenThousand };

// Where the integer edit control puts its fill characters.
enum enIntEdit_FillType : std::uint8_t { ftFillNone, ftLeftFillA, ftLeftFillB, ftRightFillA, ftRightFillB };

// Reads the leading digits of the radix; the first other character (sign, prefix, blank, separator)
// ends the scan. Digits beyond 32 bits wrap, and the bit pattern is returned as a signed value.
std::int32_t BinToIntEx(std::string_view Text);
std::int32_t OctToIntEx(std::string_view Text);
std::int32_t HexToIntEx(std::string_view Text);

// The 32-bit pattern as an unsigned number, without leading zeros, prefix or sign.
std::string IntToBinEx(std::uint32_t Value);
std::string IntToOctEx(std::uint32_t Value);
// Lower-case letters for hcLower, upper-case for hcUpper and any other value.
std::string IntToHexEx(std::uint32_t Value, enIntEdit_HexChar HexChar);

// Inserts group separators counted from the right end. Radix and Value only decide whether the first
// character is a minus sign (imDec with a negative Value); characters are counted, not inspected.
std::string InsertionIn(std::string_view Text, enIntEdit_Insertion Insertion, enIntEdit_IOMode Radix,
                        std::int32_t Value);

// Removes every separator of the grouping, wherever it stands; undoes InsertionIn of the same grouping.
std::string InsertionOut(std::string_view Text, enIntEdit_Insertion Insertion);
