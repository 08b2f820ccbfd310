#include "platform/NumberText.h"

#include "platform/Codec.h"
#include "platform/Exceptions.h"

#include <locale.h>
#include <stdlib.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <new>
#include <system_error>

namespace platform {

namespace {

bool IsDigit(char Character) {
    return Character >= '0' && Character <= '9';
}

std::string_view SkipLeading(std::string_view Text, std::string_view Blanks) {
    const std::size_t start = Text.find_first_not_of(Blanks);
    return start == std::string_view::npos ? std::string_view() : Text.substr(start);
}

bool StartsWith(std::string_view Text, char Character) {
    return !Text.empty() && Text.front() == Character;
}

// Removes a leading "+" or "-"; true when it was a "-".
bool TakeSign(std::string_view& Text) {
    if (StartsWith(Text, '+') || StartsWith(Text, '-')) {
        const bool negative = Text.front() == '-';
        Text.remove_prefix(1);
        return negative;
    }
    return false;
}

// Digits only, all of them, no sign: from_chars on an unsigned type accepts nothing else.
template <typename Unsigned> std::optional<Unsigned> WholeUnsigned(std::string_view Digits, int Base) {
    Unsigned value = 0;
    const auto [end, error] = std::from_chars(Digits.data(), Digits.data() + Digits.size(), value, Base);
    if (error != std::errc() || end != Digits.data() + Digits.size()) return std::nullopt;
    return value;
}

std::optional<std::string_view> HexDigitsAfterPrefix(std::string_view Text) {
    if (Text.starts_with("0x") || Text.starts_with("0X")) return Text.substr(2);
    if (StartsWith(Text, '$') || StartsWith(Text, 'x') || StartsWith(Text, 'X')) return Text.substr(1);
    return std::nullopt;
}

std::optional<std::int32_t> SignedDecimal(std::string_view Text) {
    const bool negative = TakeSign(Text);
    const auto magnitude = WholeUnsigned<std::uint64_t>(Text, 10);
    const std::uint64_t limit = negative ? 2147483648u : 2147483647u;
    if (!magnitude || *magnitude > limit) return std::nullopt;
    const std::int64_t value =
        negative ? -static_cast<std::int64_t>(*magnitude) : static_cast<std::int64_t>(*magnitude);
    return static_cast<std::int32_t>(value);
}

// Length of the longest "digits [. digits] [e [sign] digits]" at the start of Text with at least one
// mantissa digit; 0 when there is none. An exponent without digits is not part of the number.
std::size_t UnsignedRealLength(std::string_view Text) {
    std::size_t i = 0;
    std::size_t mantissaDigits = 0;
    for (; i < Text.size() && IsDigit(Text[i]); ++i)
        ++mantissaDigits;
    if (i < Text.size() && Text[i] == '.')
        for (++i; i < Text.size() && IsDigit(Text[i]); ++i)
            ++mantissaDigits;
    if (mantissaDigits == 0) return 0;
    if (i < Text.size() && (Text[i] == 'e' || Text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < Text.size() && (Text[j] == '+' || Text[j] == '-')) ++j;
        const std::size_t exponentStart = j;
        while (j < Text.size() && IsDigit(Text[j]))
            ++j;
        if (j > exponentStart) i = j;
    }
    return i;
}

// The C library converts exactly (correct rounding, overflow to HUGE_VAL); the "C" locale keeps its
// decimal point "." whatever locale the application set.
locale_t ClassicLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t());
    if (locale == locale_t()) throw std::bad_alloc();
    return locale;
}

// Number holds only what UnsignedRealLength accepted.
double ConvertUnsignedReal(std::string_view Number) {
    return strtod_l(std::string(Number).c_str(), nullptr, ClassicLocale());
}

long double ConvertUnsignedExtended(std::string_view Number) {
    return strtold_l(std::string(Number).c_str(), nullptr, ClassicLocale());
}

std::string QuotedForMessage(std::string_view Text) {
    return "'" + Cp932ToUtf8(Text) + "'";
}

// A finite double as its exact decimal digits: Value = Digits[0].Digits[1...] x 10^Exponent.
struct DecimalDigits {
    bool Negative = false;
    std::string Digits; // no trailing zeros; empty for zero
    int Exponent = 0;
};

// At least the number of significant digits of the exact decimal form of a finite double. A double is
// M x 2^(E-52) with M below 2^53: at most 52 - E decimals and about E log10(2) integer digits. No double
// needs more than 767.
int ExactDigitsBound(double Value) {
    constexpr int MaxSignificantDigits = 767;
    if (Value == 0) return 1;
    const int binaryExponent = std::ilogb(Value);
    const int decimals = std::max(0, 52 - binaryExponent);
    const int integerDigits = binaryExponent >= 0 ? binaryExponent * 30103 / 100000 + 1 : 0;
    return std::min(MaxSignificantDigits, decimals + integerDigits + 1);
}

DecimalDigits ExactDigits(double Value) {
    const int significantDigits = ExactDigitsBound(Value);
    std::string text(static_cast<std::size_t>(significantDigits) + 16, '\0');
    const auto written = std::to_chars(text.data(), text.data() + text.size(), Value,
                                       std::chars_format::scientific, significantDigits - 1);
    text.resize(static_cast<std::size_t>(written.ptr - text.data()));

    DecimalDigits result;
    std::string_view rest = text;
    result.Negative = TakeSign(rest);
    const std::size_t exponentMark = rest.find('e');
    for (char character : rest.substr(0, exponentMark))
        if (character != '.') result.Digits += character;
    std::string_view exponent = rest.substr(exponentMark + 1);
    if (StartsWith(exponent, '+')) exponent.remove_prefix(1);
    std::from_chars(exponent.data(), exponent.data() + exponent.size(), result.Exponent);

    result.Digits.erase(result.Digits.find_last_not_of('0') + 1);
    if (result.Digits.empty()) result.Exponent = 0;
    return result;
}

// Keeps Keep significant digits (Keep may be 0 or negative: the rounding place lies above the first
// digit), rounding half away from zero on the exact digits, so the value is rounded only once.
void RoundToSignificant(DecimalDigits& Number, std::int64_t Keep) {
    if (Keep >= static_cast<std::int64_t>(Number.Digits.size())) return;
    if (Keep < 0) {
        Number.Digits.clear();
    } else {
        const auto kept = static_cast<std::size_t>(Keep);
        const bool roundUp = Number.Digits[kept] >= '5';
        Number.Digits.resize(kept);
        if (roundUp) {
            std::size_t i = kept;
            while (i > 0 && Number.Digits[i - 1] == '9')
                Number.Digits[--i] = '0';
            if (i == 0) {
                Number.Digits.insert(Number.Digits.begin(), '1');
                ++Number.Exponent;
            } else {
                ++Number.Digits[i - 1];
            }
        }
        Number.Digits.erase(Number.Digits.find_last_not_of('0') + 1);
    }
    if (Number.Digits.empty()) Number.Exponent = 0;
}

constexpr int SignificantDigits = 15;

std::string NonFiniteText(double Value) {
    if (std::isnan(Value)) return "NAN";
    return Value < 0 ? "-INF" : "INF";
}

std::string SignText(const DecimalDigits& Number) {
    return Number.Negative && !Number.Digits.empty() ? "-" : "";
}

std::string ExponentText(const DecimalDigits& Number) {
    std::string text = SignText(Number) + Number.Digits.substr(0, 1);
    if (Number.Digits.size() > 1) text += "." + Number.Digits.substr(1);
    return text + "E" + std::to_string(Number.Exponent);
}

// The digit at a decimal place: 0 for the units, 1 for the first decimal, -1 for the tens.
char DigitAtPlace(const DecimalDigits& Number, std::int64_t Place) {
    const std::int64_t index = static_cast<std::int64_t>(Number.Exponent) + Place;
    if (index < 0 || index >= static_cast<std::int64_t>(Number.Digits.size())) return '0';
    return Number.Digits[static_cast<std::size_t>(index)];
}

// The integer digits, then "." and the given count of decimals, without a sign.
std::string PlainDigits(const DecimalDigits& Number, std::int64_t Decimals) {
    std::string text;
    if (Number.Digits.empty() || Number.Exponent < 0)
        text = "0";
    else
        for (std::int64_t place = -Number.Exponent; place <= 0; ++place)
            text += DigitAtPlace(Number, place);
    if (Decimals <= 0) return text;
    text += '.';
    // Only the places that can hold a significant digit are looked at; the rest are zeros.
    const std::int64_t lastSignificantPlace =
        static_cast<std::int64_t>(Number.Digits.size()) - 1 - static_cast<std::int64_t>(Number.Exponent);
    const std::int64_t looked = std::clamp<std::int64_t>(lastSignificantPlace, 0, Decimals);
    text.reserve(text.size() + static_cast<std::size_t>(Decimals));
    for (std::int64_t place = 1; place <= looked; ++place)
        text += DigitAtPlace(Number, place);
    text.append(static_cast<std::size_t>(Decimals - looked), '0');
    return text;
}

} // namespace

std::optional<std::int32_t> TryStrToInt(std::string_view Text) {
    Text = SkipLeading(Text, " ");
    if (const auto hexDigits = HexDigitsAfterPrefix(Text)) {
        const auto pattern = WholeUnsigned<std::uint32_t>(*hexDigits, 16);
        if (!pattern) return std::nullopt;
        return static_cast<std::int32_t>(*pattern);
    }
    return SignedDecimal(Text);
}

std::int32_t StrToInt(std::string_view Text) {
    if (const auto value = TryStrToInt(Text)) return *value;
    throw EConvertError(QuotedForMessage(Text) + " は正しい整数ではありません");
}

std::int32_t StrToIntDef(std::string_view Text, std::int32_t Default) {
    return TryStrToInt(Text).value_or(Default);
}

std::string IntToStr(std::int32_t Value) {
    return std::to_string(Value);
}

double ReadLeadingReal(std::string_view Text) {
    Text = SkipLeading(Text, " \t\n\v\f\r");
    const bool negative = TakeSign(Text);
    const std::size_t length = UnsignedRealLength(Text);
    if (length == 0) return 0.0;
    const double magnitude = ConvertUnsignedReal(Text.substr(0, length));
    return negative ? -magnitude : magnitude;
}

std::optional<long double> TryStrToFloat(std::string_view Text) {
    Text = SkipLeading(Text, " ");
    const bool negative = TakeSign(Text);
    const std::size_t length = UnsignedRealLength(Text);
    if (length == 0 || !SkipLeading(Text.substr(length), " ").empty()) return std::nullopt;
    const long double magnitude = ConvertUnsignedExtended(Text.substr(0, length));
    if (std::isinf(magnitude)) return std::nullopt; // beyond the extended range
    return negative ? -magnitude : magnitude;
}

long double StrToFloat(std::string_view Text) {
    if (const auto value = TryStrToFloat(Text)) return *value;
    throw EConvertError(QuotedForMessage(Text) + " は正しい実数ではありません");
}

std::string FormatFixed(double Value, int NumDecimals) {
    if (!std::isfinite(Value)) return NonFiniteText(Value);
    const std::int64_t decimals = std::max(NumDecimals, 0);
    DecimalDigits number = ExactDigits(Value);
    RoundToSignificant(number, std::min<std::int64_t>(SignificantDigits, number.Exponent + 1 + decimals));
    if (number.Exponent >= SignificantDigits) return ExponentText(number);
    return SignText(number) + PlainDigits(number, decimals);
}

std::string FloatToStr(double Value) {
    if (!std::isfinite(Value)) return NonFiniteText(Value);
    DecimalDigits number = ExactDigits(Value);
    if (number.Digits.empty()) return "0";
    RoundToSignificant(number, SignificantDigits);
    if (number.Exponent >= SignificantDigits || number.Exponent < -4) return ExponentText(number);
    const std::int64_t decimals = std::max<std::int64_t>(
        0, static_cast<std::int64_t>(number.Digits.size()) - 1 - static_cast<std::int64_t>(number.Exponent));
    return SignText(number) + PlainDigits(number, decimals);
}

std::int64_t TruncToInt64(long double Value) {
    // -2^63 and 2^63 are exact in every floating type; NaN fails both comparisons.
    constexpr long double Lowest = -9223372036854775808.0L;
    constexpr long double PastHighest = 9223372036854775808.0L;
    const long double truncated = std::trunc(Value);
    if (!(truncated >= Lowest && truncated < PastHighest)) ThrowInvalidOp();
    return static_cast<std::int64_t>(truncated);
}

std::int32_t TruncToInt32(long double Value) {
    // Conversion to a narrower signed type keeps the low bits (two's complement) since C++20.
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(TruncToInt64(Value)));
}

} // namespace platform
