#include "platform/PrintfText.h"

#include <gtest/gtest.h>

#include <bit>
#include <clocale>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

using platform::PrintfFixed;

namespace {

// The C library itself is the reference, in the "C" locale.
std::string CPrintf(double Value, int Decimals) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    std::setlocale(LC_NUMERIC, "C");
    const int length = std::snprintf(nullptr, 0, "%.*f", Decimals, Value);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    // The buffer is sized by the measuring call above; GCC cannot see that.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-truncation"
    std::snprintf(text.data(), text.size(), "%.*f", Decimals, Value);
#pragma GCC diagnostic pop
    text.resize(static_cast<std::size_t>(length));
    std::setlocale(LC_NUMERIC, saved.c_str());
    return text;
}

TEST(PrintfText, WritesWhatPrintfWrites) {
    const double largestBelow1e10 = std::bit_cast<double>(std::uint64_t{0x4202A05F1FFFFFFF});
    const std::vector<double> values = {0, -0.0, 0.125, 0.375, 2.5, 3.5, -2.5, 3.14159, -0.001, 1e20, -1e20,
                                        1.7976931348623157e308, 5e-324, 0.1, 123456789.987654321,
                                        largestBelow1e10, -largestBelow1e10, 1e-5, 999.9999};
    for (double value : values)
        for (int decimals : {0, 1, 2, 6, 17, 40, 1074}) {
            SCOPED_TRACE(std::to_string(value) + " with " + std::to_string(decimals));
            EXPECT_EQ(PrintfFixed(value, decimals), CPrintf(value, decimals));
        }
}

TEST(PrintfText, HasNoLengthLimitAndNoDigitsForNonNumbers) {
    EXPECT_EQ(PrintfFixed(2.5, -3), "2");
    EXPECT_EQ(PrintfFixed(1.0, 5000), "1." + std::string(5000, '0'));
    EXPECT_EQ(PrintfFixed(1e300, 0).size(), 301u);
    EXPECT_EQ(PrintfFixed(std::numeric_limits<double>::infinity(), 2), "inf");
    EXPECT_EQ(PrintfFixed(-std::numeric_limits<double>::infinity(), 2), "-inf");
    EXPECT_EQ(PrintfFixed(std::numeric_limits<double>::quiet_NaN(), 2), "nan");
}

} // namespace
