#include "controls/NumEdit.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace {

std::optional<std::uint32_t> DigitValue(char Character, std::uint32_t Radix) {
    std::uint32_t value;
    if (Character >= '0' && Character <= '9')
        value = static_cast<std::uint32_t>(Character - '0');
    else if (Character >= 'a' && Character <= 'f')
        value = static_cast<std::uint32_t>(Character - 'a' + 10);
    else if (Character >= 'A' && Character <= 'F')
        value = static_cast<std::uint32_t>(Character - 'A' + 10);
    else
        return std::nullopt;
    if (value >= Radix) return std::nullopt;
    return value;
}

// Unsigned arithmetic wraps modulo 2^32, which is exactly the carry-out rule.
std::int32_t LeadingDigitsValue(std::string_view Text, std::uint32_t Radix) {
    std::uint32_t accumulator = 0;
    for (char character : Text) {
        const auto digit = DigitValue(character, Radix);
        if (!digit) break;
        accumulator = accumulator * Radix + *digit;
    }
    return static_cast<std::int32_t>(accumulator);
}

std::string UnsignedText(std::uint32_t Value, int Radix) {
    char buffer[32]; // 32 binary digits at most
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, Value, Radix);
    return std::string(buffer, result.ptr);
}

} // namespace

std::int32_t BinToIntEx(std::string_view Text) {
    return LeadingDigitsValue(Text, 2);
}
std::int32_t OctToIntEx(std::string_view Text) {
    return LeadingDigitsValue(Text, 8);
}
std::int32_t HexToIntEx(std::string_view Text) {
    return LeadingDigitsValue(Text, 16);
}

std::string IntToBinEx(std::uint32_t Value) {
    return UnsignedText(Value, 2);
}
std::string IntToOctEx(std::uint32_t Value) {
    return UnsignedText(Value, 8);
}

std::string IntToHexEx(std::uint32_t Value, enIntEdit_HexChar HexChar) {
    std::string text = UnsignedText(Value, 16); // to_chars writes lower case
    if (HexChar != hcLower)
        std::transform(text.begin(), text.end(), text.begin(),
                       [](char c) { return (c >= 'a' && c <= 'f') ? static_cast<char>(c - 'a' + 'A') : c; });
    return text;
}

std::string InsertionIn(std::string_view Text, enIntEdit_Insertion Insertion, enIntEdit_IOMode Radix,
                        std::int32_t Value) {
    if ((Insertion != inThousand && Insertion != inTenThousand) || Text.size() < 2) return std::string(Text);
    const std::size_t groupSize = Insertion == inThousand ? 3 : 4;
    const char separator = Insertion == inThousand ? ',' : ' ';
    const std::size_t signLength = (Radix == imDec && Value < 0) ? 1 : 0;
    const std::size_t digitCount = Text.size() - signLength;

    std::string result(Text.substr(0, signLength));
    result.reserve(Text.size() + digitCount / groupSize);
    for (std::size_t i = 0; i < digitCount; ++i) {
        // A separator goes in front of every digit that starts a complete group counted from the right.
        if (i > 0 && (digitCount - i) % groupSize == 0) result += separator;
        result += Text[signLength + i];
    }
    return result;
}

std::string InsertionOut(std::string_view Text, enIntEdit_Insertion Insertion) {
    std::string result(Text);
    if (Insertion != inThousand && Insertion != inTenThousand) return result;
    const char separator = Insertion == inThousand ? ',' : ' ';
    result.erase(std::remove(result.begin(), result.end(), separator), result.end());
    return result;
}
