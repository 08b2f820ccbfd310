#include "platform/PrintfText.h"

#include <charconv>
#include <cmath>

namespace platform {

std::string PrintfFixed(double Value, int Decimals) {
    if (std::isnan(Value)) return std::signbit(Value) ? "-nan" : "nan";
    if (std::isinf(Value)) return Value < 0 ? "-inf" : "inf";
    const int places = Decimals > 0 ? Decimals : 0;
    // Sign, at most 309 integer digits, the point and the places.
    std::string text(static_cast<std::size_t>(places) + 320, '\0');
    const auto written = std::to_chars(text.data(), text.data() + text.size(), Value, std::chars_format::fixed, places);
    text.resize(static_cast<std::size_t>(written.ptr - text.data()));
    return text;
}

} // namespace platform
