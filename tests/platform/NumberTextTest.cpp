#include "platform/NumberText.h"

#include "platform/Exceptions.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace platform;

constexpr double Infinity = std::numeric_limits<double>::infinity();

std::string Shown(const std::string& text) {
    return "\"" + text + "\"";
}

TEST(NumberText, IntegerReadingAcceptsDecimalAndHexadecimalForms) {
    struct Case {
        std::string Text;
        std::optional<std::int32_t> Expected;
    };
    const std::vector<Case> cases = {
        {"0", 0},
        {"123", 123},
        {"+5", 5},
        {"-5", -5},
        {"-0", 0},
        {"007", 7},
        {"   42", 42},
        {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN},
        {"+0002147483647", INT32_MAX},
        {"$1F", 31},
        {"x1f", 31},
        {"X1F", 31},
        {"0x1F", 31},
        {"0X1f", 31},
        {" 0x10", 16},
        {"0xFFFFFFFF", -1},
        {"0x80000000", INT32_MIN},
        {"0x7fffffff", INT32_MAX},
        {"$000000000001", 1},
        // Failures: nothing may follow, every form needs digits, and the 32-bit limits hold.
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"-", std::nullopt},
        {"+", std::nullopt},
        {"42 ", std::nullopt},
        {"12a", std::nullopt},
        {"1 2", std::nullopt},
        {"1.5", std::nullopt},
        {"1e3", std::nullopt},
        {"\t5", std::nullopt},
        {"- 5", std::nullopt},
        {"+-5", std::nullopt},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999999", std::nullopt},
        {"0x", std::nullopt},
        {"$", std::nullopt},
        {"x", std::nullopt},
        {"0x100000000", std::nullopt},
        {"-0x1F", std::nullopt},
        {"+$1", std::nullopt},
        {"0x-1", std::nullopt},
        {"0x+1", std::nullopt},
        {"0x 1", std::nullopt},
        {"0x1G", std::nullopt},
        {"0x0x1", std::nullopt},
        {"$$1", std::nullopt},
        {"h10", std::nullopt},
        {std::string("5\0", 2), std::nullopt},
        {"\x82\x50", std::nullopt}, // a full-width digit
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Shown(c.Text));
        EXPECT_EQ(TryStrToInt(c.Text), c.Expected);
        EXPECT_EQ(StrToIntDef(c.Text, -77), c.Expected.value_or(-77));
        if (c.Expected) {
            EXPECT_EQ(StrToInt(c.Text), *c.Expected);
        } else {
            EXPECT_THROW(StrToInt(c.Text), EConvertError);
        }
    }
}

TEST(NumberText, IntegerConversionErrorNamesTheText) {
    try {
        StrToInt("12a");
        FAIL() << "no exception";
    } catch (const EConvertError& error) {
        EXPECT_NE(error.Message().find("'12a'"), std::string::npos) << error.Message();
    }
    try {
        StrToInt("\x82\x50"); // the CP932 text appears decoded in the UTF-8 message
        FAIL() << "no exception";
    } catch (const EConvertError& error) {
        EXPECT_NE(error.Message().find("'１'"), std::string::npos) << error.Message();
    }
}

TEST(NumberText, IntegerWritingAndReadingAgree) {
    for (std::int32_t value : {0, 7, -7, 1000, INT32_MAX, INT32_MIN}) {
        SCOPED_TRACE(value);
        EXPECT_EQ(IntToStr(value), std::to_string(value));
        EXPECT_EQ(StrToInt(IntToStr(value)), value);
    }
}

TEST(NumberText, RealReadingTakesTheLongestReadableBeginning) {
    struct Case {
        std::string Text;
        double Expected;
    };
    const std::vector<Case> cases = {
        {"3.14159", 3.14159},
        {"12 pcs", 12.0},
        {"  -2.5e3xyz", -2500.0},
        {"\t\n\v\f\r7", 7.0},
        {"+.5", 0.5},
        {"5.", 5.0},
        {"1e", 1.0},
        {"1e+", 1.0},
        {"1E-2", 0.01},
        {"2e+3", 2000.0},
        {"1.5.2", 1.5},
        {"1,5", 1.0},
        {"0.1", 0.1},
        {"1.7976931348623157e308", std::numeric_limits<double>::max()},
        {"4.9406564584124654e-324", std::numeric_limits<double>::denorm_min()},
        {"1e400", Infinity},
        {"-1e400", -Infinity},
        {"1e-400", 0.0},
        {"", 0.0},
        {"abc", 0.0},
        {".", 0.0},
        {"-", 0.0},
        {"+.e1", 0.0},
        {"e5", 0.0},
        {"--1", 0.0},
        {"- 1", 0.0},
        // Only decimal numbers: no hexadecimal, infinity or NaN words.
        {"0x1F", 0.0},
        {"inf", 0.0},
        {"-infinity", 0.0},
        {"nan", 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Shown(c.Text));
        EXPECT_EQ(ReadLeadingReal(c.Text), c.Expected);
    }
    EXPECT_TRUE(std::signbit(ReadLeadingReal("-0")));
    EXPECT_FALSE(std::signbit(ReadLeadingReal("-")));
}

TEST(NumberText, RealReadingIgnoresTheProcessLocale) {
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "fr_FR.UTF-8"))
        GTEST_SKIP() << "no locale with a decimal comma installed";
    const double read = ReadLeadingReal("2.5");
    const std::optional<long double> converted = TryStrToFloat("2.5");
    const std::string written = FormatFixed(2.5, 1);
    std::setlocale(LC_NUMERIC, previous.c_str());
    EXPECT_EQ(read, 2.5);
    EXPECT_EQ(converted, 2.5L);
    EXPECT_EQ(written, "2.5");
}

TEST(NumberText, FloatConversionAcceptsOnlyAWholeDecimalReal) {
    struct Case {
        std::string Text;
        std::optional<long double> Expected;
    };
    const std::vector<Case> cases = {
        {"1.5", 1.5L},
        {"  1.5  ", 1.5L},
        {"+2", 2.0L},
        {"-2.5e-3", -0.0025L},
        {".5", 0.5L},
        {"5.", 5.0L},
        {"1E2", 100.0L},
        {"0.1", 0.1L},     // extended precision, not the double 0.1
        {"1e309", 1e309L}, // beyond double, within extended
        {"1e4932", 1e4932L},
        {"1e-5000", 0.0L}, // underflow is not an error
        {"1e4933", std::nullopt},
        {"-1e4933", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {".", std::nullopt},
        {"-", std::nullopt},
        {"e5", std::nullopt},
        {"1e", std::nullopt},
        {"1e+", std::nullopt},
        {"1.5.2", std::nullopt},
        {"1,5", std::nullopt},
        {"1 2", std::nullopt},
        {"1.5x", std::nullopt},
        {"\t1", std::nullopt},
        {"1\t", std::nullopt},
        {"- 1", std::nullopt},
        {"0x10", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Shown(c.Text));
        EXPECT_EQ(TryStrToFloat(c.Text), c.Expected);
        if (c.Expected) {
            EXPECT_EQ(StrToFloat(c.Text), *c.Expected);
        } else {
            EXPECT_THROW(StrToFloat(c.Text), EConvertError);
        }
    }
    EXPECT_NE(TryStrToFloat("0.1"), static_cast<long double>(0.1));
}

TEST(NumberText, FixedPointRoundsOnceToDecimalsOrFifteenDigits) {
    struct Case {
        double Value;
        int NumDecimals;
        std::string Expected;
    };
    const std::vector<Case> cases = {
        {3.14159, 2, "3.14"},
        {3.14159, 0, "3"},
        {-3.14159, 3, "-3.142"},
        {0.0, 2, "0.00"},
        {0.0, 0, "0"},
        {-0.0, 2, "0.00"},
        {-0.001, 2, "0.00"},  // rounds to zero: no minus sign
        {-0.005, 2, "-0.01"}, // the double lies just beyond the half
        {2.675, 2, "2.67"},   // the double lies just below the half: rounded once, not via 2.675
        {1.005, 2, "1.00"},
        {0.95, 1, "0.9"},
        {0.05, 1, "0.1"},
        {0.5, 0, "1"}, // exact halves go away from zero
        {1.5, 0, "2"},
        {2.5, 0, "3"},
        {-2.5, 0, "-3"},
        {0.125, 2, "0.13"},
        {9.995, 2, "9.99"},
        {9.9951, 2, "10.00"},                        // carry into a new integer digit
        {1234567890123.125, 3, "1234567890123.130"}, // 16 digits: the 15th is rounded, an exact half
        {0.1 + 0.2, 20, "0.30000000000000000000"},
        {1.0 / 3, 20, "0.33333333333333300000"},
        {2.0 / 3, 17, "0.66666666666666700"},
        {123.456, 14, "123.45600000000000"},
        {1e11, 2, "100000000000.00"},
        {9999999999.999998, 2, "10000000000.00"}, // rounded to 15 significant digits first
        {9999999999.999998, 6, "10000000000.000000"},
        {123456789012345.0, 2, "123456789012345.00"},
        {999999999999999.0, 0, "999999999999999"},
        {999999999999999.9, 0, "1E15"}, // rounding makes a sixteenth integer digit
        {1e15, 2, "1E15"},
        {1e16, 0, "1E16"},
        {-1.5e20, 2, "-1.5E20"},
        {1234567890123456789.0, 2, "1.23456789012346E18"},
        {std::numeric_limits<double>::max(), 2, "1.79769313486232E308"},
        {std::numeric_limits<double>::denorm_min(), 2, "0.00"},
        {2.5, -3, "3"}, // a negative count is 0
        {Infinity, 2, "INF"},
        {-Infinity, 2, "-INF"},
        {std::numeric_limits<double>::quiet_NaN(), 2, "NAN"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.Value) + " with " + std::to_string(c.NumDecimals) + " decimals");
        EXPECT_EQ(FormatFixed(c.Value, c.NumDecimals), c.Expected);
    }
}

TEST(NumberText, FixedPointWritesAnyNumberOfDecimals) {
    struct Case {
        double Value;
        int NumDecimals;
        std::string Expected;
    };
    const std::vector<Case> cases = {
        {0.5, 400, "0.5" + std::string(399, '0')},
        {-1.0 / 3, 1000, "-0." + std::string(15, '3') + std::string(985, '0')},
        {1e-300, 400, "0." + std::string(299, '0') + "1" + std::string(100, '0')},
        {std::numeric_limits<double>::denorm_min(), 330, "0." + std::string(323, '0') + "4940656"},
        {12345.0, 100000, "12345." + std::string(100000, '0')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.Value) + " with " + std::to_string(c.NumDecimals) + " decimals");
        EXPECT_EQ(FormatFixed(c.Value, c.NumDecimals), c.Expected);
    }
}

// Away from exact halves the C library's correctly rounded "%.*f" is an independent reference.
TEST(NumberText, FixedPointAgreesWithTheCLibraryWithinFifteenDigits) {
    std::mt19937_64 random(99);
    std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
    std::uniform_int_distribution<int> scale(-6, 9);
    std::uniform_int_distribution<int> decimals(0, 5);
    for (int i = 0; i < 20000; ++i) {
        const double value = mantissa(random) * std::pow(10.0, scale(random));
        const int numDecimals = decimals(random);
        char buffer[400]; // |value| < 1e10 and at most 5 decimals
        std::snprintf(buffer, sizeof buffer, "%.*f", numDecimals, value);
        std::string expected = buffer;
        if (expected.find_first_not_of("-0.") == std::string::npos && expected[0] == '-')
            expected.erase(0, 1);
        ASSERT_EQ(FormatFixed(value, numDecimals), expected) << value << " with " << numDecimals;
    }
}

TEST(NumberText, GeneralRealWritingKeepsFifteenSignificantDigits) {
    struct Case {
        double Value;
        std::string Expected;
    };
    const std::vector<Case> cases = {
        {0.0, "0"},
        {-0.0, "0"},
        {1.0, "1"},
        {100.0, "100"},
        {-2.5, "-2.5"},
        {0.1, "0.1"},
        {0.1 + 0.2, "0.3"},
        {2.675, "2.675"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {12345678.9, "12345678.9"},
        {0.0001, "0.0001"},
        {0.00012345, "0.00012345"},
        {0.000099999999999999999, "0.0001"}, // rounds up to the fixed-point range
        {9e-5, "9E-5"},
        {-1.23456789012345678e-7, "-1.23456789012346E-7"},
        {123456789012345.0, "123456789012345"},
        {999999999999999.9, "1E15"},
        {1e15, "1E15"},
        {1.5e20, "1.5E20"},
        {1e100, "1E100"},
        {1e-300, "1E-300"},
        {1234567890123.125, "1234567890123.13"},
        {std::numeric_limits<double>::max(), "1.79769313486232E308"},
        {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
        {Infinity, "INF"},
        {-Infinity, "-INF"},
        {std::numeric_limits<double>::quiet_NaN(), "NAN"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Value);
        EXPECT_EQ(FloatToStr(c.Value), c.Expected);
    }
}

// Fifteen significant digits always survive a trip through a double, so writing what was read gives
// the same text, in both notations.
TEST(NumberText, GeneralRealTextReadsBackToTheSameText) {
    std::mt19937_64 random(5);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> scale(-30, 30);
    for (int i = 0; i < 20000; ++i) {
        const double value = (i % 2 ? -1 : 1) * mantissa(random) * std::pow(10.0, scale(random));
        const std::string text = FloatToStr(value);
        ASSERT_EQ(FloatToStr(ReadLeadingReal(text)), text) << value;
        ASSERT_EQ(FloatToStr(static_cast<double>(StrToFloat(text))), text) << value;
    }
}

TEST(NumberText, RealsBecomeIntegersByTruncationKeepingTheLow32Bits) {
    struct Case {
        long double Value;
        std::int64_t Expected64;
        std::int32_t Expected32;
    };
    const std::vector<Case> cases = {
        {2.9L, 2, 2},
        {-2.9L, -2, -2},
        {0.5L, 0, 0},
        {-0.0L, 0, 0},
        {2147483647.9L, 2147483647, INT32_MAX},
        {2147483648.0L, 2147483648, INT32_MIN},
        {-2147483649.0L, -2147483649, INT32_MAX},
        {4294967301.0L, 4294967301, 5},
        {1e10L, 10000000000, 1410065408},
        {9999999999.999998, 9999999999, 1410065407},
        {-1e10L, -10000000000, -1410065408},
        {9223372036854774784.0, 9223372036854774784, -1024}, // the largest double below 2^63
        {9223372036854775807.0L, INT64_MAX, -1},             // exact in extended precision
        {-9223372036854775808.0L, INT64_MIN, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.Value));
        EXPECT_EQ(TruncToInt64(c.Value), c.Expected64);
        EXPECT_EQ(TruncToInt32(c.Value), c.Expected32);
    }
}

TEST(NumberText, RealsWithoutA64BitIntegerFormRaiseInvalidOperation) {
    const std::vector<long double> values = {
        9223372036854775808.0L,  // 2^63
        -9223372036854775809.0L, // exact in extended precision, one below the range
        1e300L,
        std::numeric_limits<long double>::infinity(),
        -std::numeric_limits<long double>::infinity(),
        std::numeric_limits<long double>::quiet_NaN(),
    };
    for (long double value : values) {
        SCOPED_TRACE(static_cast<double>(value));
        EXPECT_THROW(TruncToInt64(value), EInvalidOp);
        try {
            TruncToInt32(value);
            ADD_FAILURE() << "no exception";
        } catch (const EInvalidOp& error) {
            EXPECT_EQ(error.Message(), "不正な浮動小数点数演算命令");
        }
    }
}

} // namespace
