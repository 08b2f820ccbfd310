#include "controls/NumEdit.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {

struct ReadCase {
    std::int32_t (*Read)(std::string_view);
    const char* Name;
    std::string Text;
    std::int32_t Expected;
};

TEST(NumEditConversion, ReadsLeadingDigitsOfTheRadixAndWrapsAt32Bits) {
    const std::vector<ReadCase> cases = {
        {BinToIntEx, "bin", "1011", 11},
        {BinToIntEx, "bin", "101x1", 5},
        {BinToIntEx, "bin", "", 0},
        {BinToIntEx, "bin", "12", 1},
        {BinToIntEx, "bin", std::string(32, '1'), -1},
        {BinToIntEx, "bin", "1" + std::string(32, '0'), 0},
        {BinToIntEx, "bin", "1" + std::string(31, '0'), INT32_MIN},
        {OctToIntEx, "oct", "777", 511},
        {OctToIntEx, "oct", "18", 1},
        {OctToIntEx, "oct", "37777777777", -1},
        {OctToIntEx, "oct", "77777777777", -1}, // the top bit of the leading 7 is carried out
        {OctToIntEx, "oct", "47777777777", 0x3FFFFFFF},
        {HexToIntEx, "hex", "ff", 255},
        {HexToIntEx, "hex", "FF", 255},
        {HexToIntEx, "hex", "aBcD", 0xABCD},
        {HexToIntEx, "hex", "7FFFFFFF", INT32_MAX},
        {HexToIntEx, "hex", "80000000", INT32_MIN},
        {HexToIntEx, "hex", "FFFFFFFF", -1},
        {HexToIntEx, "hex", "123456789", 0x23456789},
        {HexToIntEx, "hex", "1G", 1},
        {HexToIntEx, "hex", "0x1F", 0},
        {HexToIntEx, "hex", "-1F", 0},
        {HexToIntEx, "hex", " 1F", 0},
        {HexToIntEx, "hex", "F,FF", 15},
        {HexToIntEx, "hex", std::string{'1', '\0', '2'}, 1},
        {HexToIntEx, "hex", "\x82\x60", 0}, // a double-byte character is never a digit
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(std::string(c.Name) + " of \"" + c.Text + "\"");
        EXPECT_EQ(c.Read(c.Text), c.Expected);
    }
}

TEST(NumEditConversion, WritesTheUnsignedPatternWithoutLeadingZeros) {
    struct Case {
        std::int32_t Value;
        std::string Bin, Oct, UpperHex, LowerHex;
    };
    const std::vector<Case> cases = {
        {0, "0", "0", "0", "0"},
        {5, "101", "5", "5", "5"},
        {8, "1000", "10", "8", "8"},
        {255, "11111111", "377", "FF", "ff"},
        {0xABCDEF, "101010111100110111101111", "52746757", "ABCDEF", "abcdef"},
        {INT32_MAX, std::string(31, '1'), "17777777777", "7FFFFFFF", "7fffffff"},
        {INT32_MIN, "1" + std::string(31, '0'), "20000000000", "80000000", "80000000"},
        {-1, std::string(32, '1'), "37777777777", "FFFFFFFF", "ffffffff"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Value);
        const auto pattern = static_cast<std::uint32_t>(c.Value);
        EXPECT_EQ(IntToBinEx(pattern), c.Bin);
        EXPECT_EQ(IntToOctEx(pattern), c.Oct);
        EXPECT_EQ(IntToHexEx(pattern, hcUpper), c.UpperHex);
        EXPECT_EQ(IntToHexEx(pattern, hcLower), c.LowerHex);
        EXPECT_EQ(IntToHexEx(pattern, static_cast<enIntEdit_HexChar>(7)), c.UpperHex);
    }
}

TEST(NumEditConversion, WritingAndReadingBackGiveTheSameValue) {
    std::mt19937 random(20240611);
    std::vector<std::int32_t> values = {0, 1, -1, INT32_MIN, INT32_MAX};
    for (int i = 0; i < 2000; ++i)
        values.push_back(static_cast<std::int32_t>(random()));
    for (std::int32_t value : values) {
        const auto pattern = static_cast<std::uint32_t>(value);
        ASSERT_EQ(BinToIntEx(IntToBinEx(pattern)), value);
        ASSERT_EQ(OctToIntEx(IntToOctEx(pattern)), value);
        ASSERT_EQ(HexToIntEx(IntToHexEx(pattern, hcUpper)), value);
        ASSERT_EQ(HexToIntEx(IntToHexEx(pattern, hcLower)), value);
    }
}

TEST(NumEditConversion, InsertsSeparatorsBetweenGroupsCountedFromTheRight) {
    struct Case {
        std::string Text;
        enIntEdit_Insertion Insertion;
        enIntEdit_IOMode Radix;
        std::int32_t Value;
        std::string Expected;
    };
    const std::vector<Case> cases = {
        {"1234567", inThousand, imDec, 1234567, "1,234,567"},
        {"123", inThousand, imDec, 123, "123"},
        {"1234", inThousand, imDec, 1234, "1,234"},
        {"-1234", inThousand, imDec, -1234, "-1,234"},
        {"-123", inThousand, imDec, -123, "-123"},
        {"-123456", inThousand, imDec, -123456, "-123,456"},
        {"-2147483648", inThousand, imDec, INT32_MIN, "-2,147,483,648"},
        {"12345", inTenThousand, imDec, 12345, "1 2345"},
        {"-123456", inTenThousand, imDec, -123456, "-12 3456"},
        {"-1234", inTenThousand, imDec, -1234, "-1234"},
        {"2147483647", inTenThousand, imDec, 2147483647, "21 4748 3647"},
        {"FFFFFFFF", inThousand, imHex, -1, "FF,FFF,FFF"},
        {"FFFFFFFF", inTenThousand, imHex, -1, "FFFF FFFF"},
        {"11111111", inTenThousand, imBin, 255, "1111 1111"},
        {"37777777777", inThousand, imOct, -1, "37,777,777,777"},
        // Only a decimal text of a negative value has a sign; other texts count every character.
        {"-123", inThousand, imDec, 123, "-,123"},
        {"1234", inThousand, imHex, -1, "1,234"},
        {"\x82\x50\x82\x51", inThousand, imDec, 0, "\x82,\x50\x82\x51"}, // counted, not inspected
        {"1234", inNone, imDec, 1234, "1234"},
        {"1234", static_cast<enIntEdit_Insertion>(9), imDec, 1234, "1234"},
        {"5", inThousand, imDec, 5, "5"},
        {"-5", inThousand, imDec, -5, "-5"},
        {"", inThousand, imDec, 0, ""},
        {"", inTenThousand, imDec, -1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("\"" + c.Text + "\" grouping " + std::to_string(c.Insertion) + " radix " +
                     std::to_string(c.Radix) + " value " + std::to_string(c.Value));
        EXPECT_EQ(InsertionIn(c.Text, c.Insertion, c.Radix, c.Value), c.Expected);
    }
}

TEST(NumEditConversion, RemovesOnlyTheSeparatorOfTheGrouping) {
    struct Case {
        std::string Text;
        enIntEdit_Insertion Insertion;
        std::string Expected;
    };
    const std::vector<Case> cases = {
        {"1,234,567", inThousand, "1234567"},
        {",1,,2,", inThousand, "12"},
        {"1 234", inThousand, "1 234"},
        {"-12 3456", inTenThousand, "-123456"},
        {" 1 2 ", inTenThousand, "12"},
        {"1,234", inTenThousand, "1,234"},
        {"1,234", inNone, "1,234"},
        {"1,2 34", static_cast<enIntEdit_Insertion>(5), "1,2 34"},
        {"", inThousand, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("\"" + c.Text + "\" grouping " + std::to_string(c.Insertion));
        EXPECT_EQ(InsertionOut(c.Text, c.Insertion), c.Expected);
    }
}

std::string DecimalText(std::int32_t value) {
    return std::to_string(value);
}

TEST(NumEditConversion, RemovingSeparatorsUndoesInsertingThem) {
    std::mt19937 random(7);
    std::vector<std::int32_t> values = {0,    1,     -1,   9,     -9,     10,        999,      -999,
                                        1000, -1000, 9999, 10000, -10000, INT32_MIN, INT32_MAX};
    for (int i = 0; i < 3000; ++i) {
        const auto bits = static_cast<std::int32_t>(random());
        values.push_back(bits);
        values.push_back(bits >> (random() % 32)); // short texts as well as long ones
    }
    for (std::int32_t value : values) {
        const auto pattern = static_cast<std::uint32_t>(value);
        const std::vector<std::pair<enIntEdit_IOMode, std::string>> texts = {
            {imDec, DecimalText(value)},
            {imBin, IntToBinEx(pattern)},
            {imOct, IntToOctEx(pattern)},
            {imHex, IntToHexEx(pattern, hcUpper)},
        };
        for (const auto& [radix, text] : texts) {
            for (enIntEdit_Insertion insertion : {inNone, inThousand, inTenThousand}) {
                const std::string grouped = InsertionIn(text, insertion, radix, value);
                ASSERT_EQ(InsertionOut(grouped, insertion), text)
                    << "value " << value << " radix " << radix << " grouping " << insertion;
                // Separators never lead and never follow the sign.
                const char separator = insertion == inThousand ? ',' : ' ';
                ASSERT_TRUE(grouped.empty() || grouped.front() != separator) << grouped;
                ASSERT_TRUE(grouped.size() < 2 || grouped[0] != '-' || grouped[1] != separator) << grouped;
            }
        }
    }
}

} // namespace
