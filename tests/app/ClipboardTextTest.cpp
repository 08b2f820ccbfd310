#include "app/ClipboardText.h"

#include <gtest/gtest.h>

using app::PlacePasteText;
using app::ReadPastedNumber;
using app::TPasteCell;
using app::TPastedNumber;

TEST(ClipboardText, CopiedBlocksAreTabSeparatedLinesEachEndingInLf) {
    auto cell = [](int col, int row) { return std::to_string(col * 10 + row); };
    EXPECT_EQ(app::JoinBlockText(1, 1, 3, 1, cell), "11\t21\t31\n");
    EXPECT_EQ(app::JoinBlockText(1, 1, 2, 2, cell), "11\t21\n12\t22\n");
    EXPECT_EQ(app::JoinBlockText(4, 7, 4, 7, cell), "47\n");
    EXPECT_EQ(app::JoinBlockText(1, 1, 2, 2, [](int, int) { return std::string(); }), "\t\n\t\n");
}

TEST(ClipboardText, PastedCellsFollowTheCursorAndPileUpAtTheEdges) {
    struct Case {
        const char* name;
        std::string text;
        int left, top;
        std::vector<TPasteCell> expected;
    } cases[] = {
        {"two cells", "5\t7\n", 40, 3, {{40, 3, "5"}, {41, 3, "7"}}},
        {"no line end", "7", 2, 2, {{2, 2, "7"}}},
        {"tab then text", "1\t23", 2, 2, {{2, 2, "1"}, {3, 2, "23"}}},
        {"CR LF stays in the cell", "12\r\n", 2, 2, {{2, 2, "12\r"}}},
        {"two lines", "1\t2\n3\t4\n", 5, 10, {{5, 10, "1"}, {6, 10, "2"}, {5, 11, "3"}, {6, 11, "4"}}},
        {"empty cells", "\t\n", 1, 1, {{1, 1, ""}, {2, 1, ""}}},
        {"surplus columns land in 46",
         "1\t2\t3\t4\t5\t6\t7\t8\t9\t10\n",
         40,
         1,
         {{40, 1, "1"},
          {41, 1, "2"},
          {42, 1, "3"},
          {43, 1, "4"},
          {44, 1, "5"},
          {45, 1, "6"},
          {46, 1, "7"},
          {46, 1, "8"},
          {46, 1, "9"},
          {46, 1, "10"}}},
        {"surplus lines land in 251", "1\n2\n3\n", 3, 250, {{3, 250, "1"}, {3, 251, "2"}, {3, 251, "3"}}},
        {"empty text", "", 1, 1, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlacePasteText(c.text, c.left, c.top, 46, 251), c.expected) << c.name;
}

TEST(ClipboardText, PastedNumbersAreTrimmedAndReadLikeTheIntegerConversion) {
    struct Case {
        std::string text;
        TPastedNumber::TKind kind;
        int value;
    } cases[] = {
        {"300", TPastedNumber::Number, 300},
        {"-5", TPastedNumber::Number, -5},
        {"0x1F", TPastedNumber::Number, 31},
        {"0xFFFFFFFF", TPastedNumber::Number, -1},
        {" 12 ", TPastedNumber::Number, 12},
        {"12\r", TPastedNumber::Number, 12},
        {"\x01\x02"
         "9\x1f",
         TPastedNumber::Number, 9},
        {"abc", TPastedNumber::Skip, 0},
        {"", TPastedNumber::Skip, 0},
        {"   ", TPastedNumber::Skip, 0},
        {"+5", TPastedNumber::Skip, 0},
        {"$1F", TPastedNumber::Skip, 0},
        {"\x82\x50", TPastedNumber::Skip, 0}, // full-width 1
        {"x", TPastedNumber::Skip, 0},
        {"1.5", TPastedNumber::Invalid, 0},
        {"12a", TPastedNumber::Invalid, 0},
        {"-", TPastedNumber::Invalid, 0},
        {"1 2", TPastedNumber::Invalid, 0},
        {"0x", TPastedNumber::Invalid, 0},
        {"2147483648", TPastedNumber::Invalid, 0},
        {"2147483647", TPastedNumber::Number, 2147483647},
    };
    for (const Case& c : cases) {
        const TPastedNumber read = ReadPastedNumber(c.text);
        EXPECT_EQ(read.Kind, c.kind) << c.text;
        if (c.kind == TPastedNumber::Number) {
            EXPECT_EQ(read.Value, c.value) << c.text;
        }
    }
}
