#include "grid/GridTextFile.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <stdexcept>

using namespace std::string_literals;
using gridtext::GridExtent;
using gridtext::Row;

namespace {

// A grid's cells and counts, recording what a load does to them in order.
struct RecordingGrid {
    GridExtent Extent;
    std::map<std::pair<int, int>, std::string> Cells; // (col, row) -> text
    std::vector<std::string> Calls;

    std::string Cell(int col, int row) const {
        const auto it = Cells.find({col, row});
        return it == Cells.end() ? std::string() : it->second;
    }

    gridtext::LoadTarget Target() {
        return {[this](int count) {
                    Extent.RowCount = count;
                    Calls.push_back("rows " + std::to_string(count));
                },
                [this](int count) {
                    Extent.ColCount = count;
                    Calls.push_back("cols " + std::to_string(count));
                },
                [this](int col, int row, const std::string& field) {
                    Cells[{col, row}] = field;
                    Calls.push_back("cell " + std::to_string(col) + "," + std::to_string(row));
                }};
    }

    void Load(std::string_view content) { gridtext::LoadRows(gridtext::ReadRows(content), Extent, Target()); }
    std::string Save() const {
        return gridtext::WriteGrid(Extent, [this](int col, int row) { return Cell(col, row); });
    }
};

// One fixed row and column, RowCount 3, ColCount 4, with texts in the fixed cells that must not travel.
RecordingGrid WorkedExampleGrid() {
    RecordingGrid grid;
    grid.Extent = {1, 1, 3, 4};
    for (int col = 0; col < 4; ++col)
        grid.Cells[{col, 0}] = "head" + std::to_string(col);
    for (int row = 0; row < 3; ++row)
        grid.Cells[{0, row}] = "fixed" + std::to_string(row);
    grid.Cells[{1, 1}] = "a";
    grid.Cells[{2, 1}] = "b c";
    grid.Cells[{3, 1}] = "";
    grid.Cells[{1, 2}] = "x\"y";
    grid.Cells[{2, 2}] = "1,2";
    grid.Cells[{3, 2}] = "z";
    return grid;
}

const std::string WorkedExampleBytes = "a,\"b c\",\r\n\"x\"\"y\",\"1,2\",z\r\n";

} // namespace

TEST(GridTextFile, WorkedExampleSavesItsExactBytes) {
    const std::string bytes = WorkedExampleGrid().Save();
    EXPECT_EQ(bytes.size(), 26u);
    EXPECT_EQ(bytes, WorkedExampleBytes);
}

TEST(GridTextFile, WorkedExampleLoadsBackLeavingTheUnreadCellAndFixedCells) {
    EXPECT_EQ(gridtext::ReadRows(WorkedExampleBytes), (std::vector<Row>{{"a", "b c"}, {"x\"y", "1,2", "z"}}));

    RecordingGrid grid;
    grid.Extent = {1, 1, 3, 4};
    for (int col = 0; col < 4; ++col)
        for (int row = 0; row < 3; ++row)
            grid.Cells[{col, row}] = "old";
    grid.Load(WorkedExampleBytes);

    EXPECT_EQ(grid.Calls,
              (std::vector<std::string>{"cell 1,1", "cell 2,1", "cell 1,2", "cell 2,2", "cell 3,2"}));
    EXPECT_EQ(grid.Cell(1, 1), "a");
    EXPECT_EQ(grid.Cell(2, 1), "b c");
    EXPECT_EQ(grid.Cell(3, 1), "old");
    EXPECT_EQ(grid.Cell(1, 2), "x\"y");
    EXPECT_EQ(grid.Cell(3, 2), "z");
    EXPECT_EQ(grid.Cell(0, 1), "old");
    EXPECT_EQ(grid.Cell(2, 0), "old");
}

TEST(GridTextFile, WritesFieldsBareOrQuoted) {
    struct Case {
        Row Cells;
        std::string Line;
    };
    const Case cases[] = {
        {{}, "\r\n"},
        {{""}, "\"\"\r\n"},  // lone empty cell reads back as one empty field
        {{"", ""}, ",\r\n"}, // empty among several: nothing between commas
        {{"a", "", "b"}, "a,,b\r\n"},
        {{"-1.5", "$FF", "~!@#;'"}, "-1.5,$FF,~!@#;'\r\n"},
        {{" a"}, "\" a\"\r\n"},
        {{"a "}, "\"a \"\r\n"},
        {{"a\tb"}, "\"a\tb\"\r\n"},
        {{"a\x01"}, "\"a\x01\"\r\n"},
        {{"a\r\nb"}, "\"a\r\nb\"\r\n"},
        {{"\""}, "\"\"\"\"\r\n"},
        {{"a\"b\"\""}, "\"a\"\"b\"\"\"\"\"\r\n"},
        {{","}, "\",\"\r\n"},
        {{"\x7F\x80\xFF"}, "\x7F\x80\xFF\r\n"},         // only bytes up to 0x20 count as blanks
        {{"\x83\x5C\x81\x40"}, "\x83\x5C\x81\x40\r\n"}, // double-byte characters, one a full-width space
        {{"a\0b"s}, "\"a\0b\"\r\n"s},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(gridtext::WriteLine(c.Cells), c.Line) << testing::PrintToString(c.Cells);
    }
    EXPECT_EQ(gridtext::WriteRows({{"a"}, {}, {""}}), "a\r\n\r\n\"\"\r\n");
}

TEST(GridTextFile, ReadsFieldsAndLines) {
    struct Case {
        std::string Content;
        std::vector<Row> Rows;
    };
    const Case cases[] = {
        {"", {}},
        {"\r\n", {{}}},
        {" \t \r\n", {{}}},
        {"a,b", {{"a", "b"}}},
        {"  a  ,\tb\t", {{"a", "b"}}},
        {"a b", {{"a", "b"}}}, // a blank ends a bare field
        {"a\x01"
         "b",
         {{"a", "b"}}},
        {"a,,b", {{"a", "", "b"}}},
        {"a, ,b", {{"a", "", "b"}}},
        {",a", {{"", "a"}}},
        {"a,", {{"a"}}},
        {"a,  ", {{"a"}}},
        {"a,,", {{"a", ""}}},
        {",", {{""}}},
        {"\"\"", {{""}}},
        {"\"a\"\"b\"", {{"a\"b"}}},
        {"\"\"\"\"", {{"\""}}},
        {"\" a , b \"", {{" a , b "}}},
        {"\"ab\"cd,e", {{"ab", "cd", "e"}}}, // text after a closing quote is a new field
        {"\"a\" , b", {{"a", "b"}}},
        {"\"a\",,b", {{"a", "", "b"}}},
        {"\"ab", {{"ab"}}}, // no closing quote: runs to the end of the line
        {"\"ab\"\"", {{"ab\""}}},
        {"a\"b,c", {{"a\"b", "c"}}}, // a quote inside a bare field is text
        {"a\rb\nc\r\nd", {{"a"}, {"b"}, {"c"}, {"d"}}},
        {"a\r\r\nb", {{"a"}, {}, {"b"}}},
        {"a\n\r", {{"a"}, {}}},
        {"a\r\n\r\n", {{"a"}, {}}},
        {"a\r\n", {{"a"}}},
        {"a\0b\r\nc"s, {{"a"}}}, // NUL ends the text
        {"\0a"s, {}},
        {"\"a\0b\""s, {{"a"}}},
        {"\"a\r\nb\",c\r\nd", {{"a\r\nb", "c"}, {"d"}}}, // a line break inside quotes stays in the field
        {"\"a\r\n", {{"a"}}},                          // an unclosed quote ends with its line
        {"\"a\"\"b\nc,d\r\ne", {{"a\"b"}, {"c", "d"}, {"e"}}}, // ... not swallowing later lines
        {"x,\"a\rb", {{"x", "a"}, {"b"}}},
        {"\x83\x5C,\x95\x5C\x81\x40x", {{"\x83\x5C", "\x95\x5C\x81\x40x"}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(gridtext::ReadRows(c.Content), c.Rows) << testing::PrintToString(c.Content);
    }
}

TEST(GridTextFile, CellsWithSpecialBytesRoundTrip) {
    RecordingGrid source;
    source.Extent = {1, 1, 4, 4};
    const Row texts[] = {
        {"a,b", " lead", "trail "},
        {"in ner", "tab\there", "q\"uote\""},
        {"two\r\nlines", "\x83\x5C\x83\x5C", "\x81\x40"},
    };
    for (int row = 1; row <= 3; ++row)
        for (int col = 1; col <= 3; ++col)
            source.Cells[{col, row}] = texts[row - 1][col - 1];

    RecordingGrid target;
    target.Extent = {1, 1, 2, 2};
    target.Load(source.Save());

    EXPECT_EQ(target.Extent.RowCount, 4);
    EXPECT_EQ(target.Extent.ColCount, 4);
    for (int row = 1; row <= 3; ++row)
        for (int col = 1; col <= 3; ++col)
            EXPECT_EQ(target.Cell(col, row), texts[row - 1][col - 1]);
}

TEST(GridTextFile, SingleDataColumnKeepsEmptyCells) {
    RecordingGrid source;
    source.Extent = {1, 1, 4, 2};
    source.Cells[{1, 1}] = "a";
    source.Cells[{1, 3}] = "c";
    EXPECT_EQ(source.Save(), "a\r\n\"\"\r\nc\r\n");

    RecordingGrid target;
    target.Extent = {1, 1, 4, 2};
    for (int row = 1; row < 4; ++row)
        target.Cells[{1, row}] = "old";
    target.Load(source.Save());
    EXPECT_EQ(target.Cell(1, 2), "");
}

TEST(GridTextFile, GridWithoutDataRowsOrColumns) {
    RecordingGrid noRows;
    noRows.Extent = {1, 1, 1, 5};
    EXPECT_EQ(noRows.Save(), "");

    RecordingGrid noCols;
    noCols.Extent = {1, 1, 3, 1};
    EXPECT_EQ(noCols.Save(), "\r\n\r\n");
}

TEST(GridTextFile, LoadGrowsTheGridButNeverShrinksIt) {
    RecordingGrid grid;
    grid.Extent = {1, 1, 3, 3};
    grid.Load("a,b,c,d\r\ne\r\nf,g\r\nh\r\n");
    EXPECT_EQ(grid.Calls,
              (std::vector<std::string>{"rows 5", "cols 5", "cell 1,1", "cell 2,1", "cell 3,1", "cell 4,1",
                                        "cell 1,2", "cell 1,3", "cell 2,3", "cell 1,4"}));

    RecordingGrid large;
    large.Extent = {2, 0, 10, 8};
    large.Cells[{0, 5}] = "kept";
    large.Load("a,b\r\nc\r\n");
    EXPECT_EQ(large.Extent.RowCount, 10);
    EXPECT_EQ(large.Extent.ColCount, 8);
    EXPECT_EQ(large.Cell(0, 2), "a");
    EXPECT_EQ(large.Cell(0, 3), "c");
    EXPECT_EQ(large.Cell(0, 5), "kept");

    RecordingGrid unchanged;
    unchanged.Extent = {1, 1, 3, 3};
    unchanged.Load("");
    unchanged.Load(std::string("\0a,b\r\n", 6));
    EXPECT_TRUE(unchanged.Calls.empty());
}

TEST(GridTextFile, GrownCountRefusesCountsBeyondInt) {
    EXPECT_EQ(gridtext::GrownCount(5, 1, 3), 5);
    EXPECT_EQ(gridtext::GrownCount(5, 1, 4), 5);
    EXPECT_EQ(gridtext::GrownCount(5, 1, 6), 7);
    const int max = std::numeric_limits<int>::max();
    EXPECT_EQ(gridtext::GrownCount(1, 1, static_cast<std::size_t>(max) - 1), max);
    EXPECT_THROW(gridtext::GrownCount(1, 1, static_cast<std::size_t>(max)), std::length_error);
}
