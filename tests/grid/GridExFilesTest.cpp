#include "grid/GridEx.h"

#include "platform/Exceptions.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

using namespace platform;
using namespace std::string_literals;

namespace {

std::string ReadBytes(const std::string& FileName) {
    std::ifstream in(FileName, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& FileName, const std::string& Bytes) {
    std::ofstream out(FileName, std::ios::binary | std::ios::trunc);
    out << Bytes;
}

// Every cell's text, row by row, and the counts: what a user could see of a grid.
struct GridContent {
    int RowCount, ColCount;
    std::vector<std::vector<std::string>> Cells;
    bool operator==(const GridContent&) const = default;
};

GridContent ContentOf(const TStringGridEx& Grid) {
    GridContent content{Grid.RowCount(), Grid.ColCount(), {}};
    for (int row = 0; row < Grid.RowCount(); ++row) {
        content.Cells.emplace_back();
        for (int col = 0; col < Grid.ColCount(); ++col)
            content.Cells.back().push_back(Grid.Cells(col, row));
    }
    return content;
}

void PrintTo(const GridContent& Content, std::ostream* Out) {
    *Out << Content.RowCount << "x" << Content.ColCount << ":";
    for (const auto& row : Content.Cells) {
        *Out << "\n ";
        for (const auto& cell : row)
            *Out << " [" << cell << "]";
    }
}

// One fixed row and one fixed column around DataCols x DataRows data cells; the fixed cells hold texts that
// must never travel.
void Shape(TStringGridEx& Grid, int DataCols, int DataRows) {
    Grid.SetColCount(DataCols + 1);
    Grid.SetRowCount(DataRows + 1);
    Grid.SetFixedCols(1);
    Grid.SetFixedRows(1);
    for (int col = 0; col <= DataCols; ++col)
        Grid.SetCells(col, 0, "head" + std::to_string(col));
    for (int row = 1; row <= DataRows; ++row)
        Grid.SetCells(0, row, "fixed" + std::to_string(row));
}

class GridExFiles : public ::testing::Test {
protected:
    QTemporaryDir Folder;
    std::string Path(const char* Name) const {
        return QFile::encodeName(Folder.filePath(QString::fromUtf8(Name))).toStdString();
    }
};

TEST_F(GridExFiles, WorkedExampleSavesAsItsTwentySixBytesAndLoadsBack) {
    TStringGridEx grid;
    Shape(grid, 3, 2);
    grid.SetCells(1, 1, "a");
    grid.SetCells(2, 1, "b c");
    grid.SetCells(1, 2, "x\"y");
    grid.SetCells(2, 2, "1,2");
    grid.SetCells(3, 2, "z");
    const GridContent before = ContentOf(grid);

    grid.SaveToFile(Path("example.csv"));
    EXPECT_EQ(ReadBytes(Path("example.csv")), "a,\"b c\",\r\n\"x\"\"y\",\"1,2\",z\r\n");
    EXPECT_EQ(ReadBytes(Path("example.csv")).size(), 26u);
    EXPECT_EQ(ContentOf(grid), before) << "saving changes nothing";

    TStringGridEx loaded;
    Shape(loaded, 3, 2);
    loaded.SetCells(3, 1, "kept");
    loaded.LoadFromFile(Path("example.csv"));
    GridContent expected = before;
    expected.Cells[1][3] = "kept"; // the trailing empty field is not read
    EXPECT_EQ(ContentOf(loaded), expected);
}

TEST_F(GridExFiles, LoadingGrowsRowsAndColumnsButNeverShrinksThem) {
    struct Case {
        const char* Name;
        std::string File;
        int RowCount, ColCount;
        std::vector<std::string> Row1, Row2;
    };
    // The grid before each load: 2 data columns, 2 data rows, all cells "old".
    const std::vector<Case> cases = {
        {"empty file", "", 3, 3, {"old", "old"}, {"old", "old"}},
        {"fewer lines than rows", "p,q\r\n", 3, 3, {"p", "q"}, {"old", "old"}},
        {"fewer fields than columns", "p\r\n\r\n", 3, 3, {"p", "old"}, {"old", "old"}},
        {"more lines", "1\r\n2\r\n3\r\n4\r\n", 5, 3, {"1", "old"}, {"2", "old"}},
        {"a long line, then a short one",
         "1,2,3,4\r\n5\r\n",
         3,
         5,
         {"1", "2", "3", "4"},
         {"5", "old", "", ""}},
        {"exactly the grid", "1,2\r\n3,4", 3, 3, {"1", "2"}, {"3", "4"}},
    };
    for (const Case& c : cases) {
        TStringGridEx grid;
        Shape(grid, 2, 2);
        for (int row = 1; row <= 2; ++row)
            for (int col = 1; col <= 2; ++col)
                grid.SetCells(col, row, "old");
        WriteBytes(Path("grow.csv"), c.File);

        grid.LoadFromFile(Path("grow.csv"));
        EXPECT_EQ(grid.RowCount(), c.RowCount) << c.Name;
        EXPECT_EQ(grid.ColCount(), c.ColCount) << c.Name;
        for (std::size_t j = 0; j < c.Row1.size(); ++j) {
            EXPECT_EQ(grid.Cells(1 + static_cast<int>(j), 1), c.Row1[j]) << c.Name << " row 1 field " << j;
            EXPECT_EQ(grid.Cells(1 + static_cast<int>(j), 2), c.Row2[j]) << c.Name << " row 2 field " << j;
        }
        EXPECT_EQ(grid.Cells(1, 0), "head1") << c.Name;
        EXPECT_EQ(grid.Cells(0, 1), "fixed1") << c.Name;
    }
}

// Data columns: 1 hexadecimal input 0..255, 2 real with two decimals and a suffix, 3 a list, 4 decimal
// starting from its default 7 when empty, 5 text. Column 0 is the fixed column.
enum Column { Hex = 1, Real, List, Defaulted, Text, DataColumns = 5 };

struct FormatGrid {
    TStringGridEx Grid;
    std::vector<std::string> Stored;

    explicit FormatGrid(int DataRows) {
        Shape(Grid, DataColumns, DataRows);
        Grid.ColumnStyles()->AdjustColumn();
        Style(Hex).SetColumnStyle(csNumeric);
        Style(Hex).Numeric().InputMode = imHex;
        Style(Hex).Numeric().Min = 0.0;
        Style(Hex).Numeric().Max = 255.0;
        Style(Real).SetColumnStyle(csReal);
        Style(Real).Real().SetNumDecimals(2);
        Style(Real).Real().Suffix = " kg";
        Style(List).SetColumnStyle(csList);
        for (const char* entry : {"red", "green", "blue"})
            Style(List).List().Add(entry);
        Style(Defaulted).SetColumnStyle(csNumeric);
        Style(Defaulted).SetClearStart(false);
        Style(Defaulted).Numeric().Default = 7.0;
        Grid.OnSetEditText = [this](TObject*, int ACol, int ARow, const std::string& Value) {
            Stored.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + " " + Value);
        };
    }

    TColumnStyle& Style(int Col) { return *Grid.ColumnStyles()->GetColumn(Col); }
};

TEST_F(GridExFiles, FormatFileCarriesEachCellInItsEditForm) {
    FormatGrid source(2);
    const std::vector<std::string> row1 = {"200", "1.50 kg", "blue", "12", "a, b"};
    const std::vector<std::string> row2 = {"0", "-3.25 kg", "red", "", "x"};
    for (int col = Hex; col <= Text; ++col) {
        source.Grid.SetCells(col, 1, row1[col - 1]);
        source.Grid.SetCells(col, 2, row2[col - 1]);
    }
    source.Grid.SaveToFormatFile(Path("format.csv"));
    EXPECT_EQ(ReadBytes(Path("format.csv")), "C8,1.50,2,12,\"a, b\"\r\n0,-3.25,0,7,x\r\n");

    FormatGrid target(1);
    WriteBytes(Path("format.csv"), "1FF,2.5,1,,\"say \"\"hi\"\"\"\r\nff, abc ,9,3\r\n");
    target.Grid.LoadFromFormatFile(Path("format.csv"));
    EXPECT_EQ(target.Grid.RowCount(), 3);
    const std::vector<std::vector<std::string>> expected = {
        {"255", "2.50 kg", "green", "0", "say \"hi\""},
        {"255", "0.00 kg", "red", "3", ""},
    };
    for (int row = 1; row <= 2; ++row)
        for (int col = Hex; col <= Text; ++col)
            EXPECT_EQ(target.Grid.Cells(col, row), expected[row - 1][col - 1])
                << "column " << col << " row " << row;
    EXPECT_EQ(target.Stored,
              (std::vector<std::string>{"1,1 255", "2,1 2.50 kg", "3,1 green", "4,1 0", "5,1 say \"hi\"",
                                        "1,2 255", "2,2 0.00 kg", "3,2 red", "4,2 3"}))
        << "every stored field is reported, as an edit by the user is";
}

TEST_F(GridExFiles, FormatLoadDropsFieldsOfColumnsThatHaveNoStyleYet) {
    FormatGrid grid(1);
    ASSERT_EQ(grid.Grid.ColumnStyles()->Count(), DataColumns + 1);
    WriteBytes(Path("wide.csv"), "1,2,0,4,t,six,seven\r\n");

    grid.Grid.LoadFromFormatFile(Path("wide.csv"));
    EXPECT_EQ(grid.Grid.ColCount(), DataColumns + 3);
    EXPECT_EQ(grid.Grid.ColumnStyles()->Count(), DataColumns + 1) << "styles come with the next painting";
    EXPECT_EQ(grid.Grid.Cells(Text, 1), "t");
    EXPECT_EQ(grid.Grid.Cells(DataColumns + 1, 1), "");
    EXPECT_EQ(grid.Grid.Cells(DataColumns + 2, 1), "");
    EXPECT_EQ(grid.Stored.size(), 5u);

    grid.Grid.LoadFromFile(Path("wide.csv"));
    EXPECT_EQ(grid.Grid.Cells(DataColumns + 2, 1), "seven") << "the plain variant stores every field";
}

TEST_F(GridExFiles, ErrorsNameTheFileAndAFailedOpenLeavesTheGridAsItWas) {
    TStringGridEx grid;
    Shape(grid, 2, 2);
    grid.SetCells(1, 1, "keep");
    grid.ColumnStyles()->AdjustColumn();
    const GridContent before = ContentOf(grid);
    const std::string missing = Path("missing.csv");
    const std::string noFolder = Path("no folder/out.csv");

    struct Case {
        const char* Name;
        std::function<void()> Call;
        std::string Message;
    };
    const std::vector<Case> cases = {
        {"load", [&] { grid.LoadFromFile(missing); }, "ﾌｧｲﾙ " + missing + " は開けません"},
        {"format load", [&] { grid.LoadFromFormatFile(missing); }, "ﾌｧｲﾙ " + missing + " は開けません"},
        {"save", [&] { grid.SaveToFile(noFolder); }, "ﾌｧｲﾙ " + noFolder + " を作成できません"},
        {"format save", [&] { grid.SaveToFormatFile(noFolder); }, "ﾌｧｲﾙ " + noFolder + " を作成できません"},
        {"save to a full device", [&] { grid.SaveToFile("/dev/full"); }, "ｽﾄﾘｰﾑへの書き込みｴﾗｰ"},
        {"format save to a full device", [&] { grid.SaveToFormatFile("/dev/full"); }, "ｽﾄﾘｰﾑへの書き込みｴﾗｰ"},
    };
    for (const Case& c : cases) {
        try {
            c.Call();
            ADD_FAILURE() << c.Name << ": expected an error";
        } catch (const EStreamError& error) {
            EXPECT_EQ(error.Message(), c.Message) << c.Name;
        }
        EXPECT_EQ(ContentOf(grid), before) << c.Name;
    }
    EXPECT_THROW(grid.LoadFromFile(missing), EFOpenError);
    EXPECT_THROW(grid.SaveToFile(noFolder), EFCreateError);
    EXPECT_THROW(grid.SaveToFile("/dev/full"), EWriteError);
    EXPECT_FALSE(QFile::exists(QFile::decodeName(noFolder.c_str())));
}

TEST_F(GridExFiles, RoundTripThroughEitherVariantGivesBackTheSameCells) {
    // Texts that need quoting, CP932 characters (one with 0x5C as its second byte), an empty cell among
    // others, and a one-column row whose only cell is empty.
    const std::vector<std::vector<std::string>> plain = {
        {"a,b", "say \"hi\"", " lead", "trail ", "tab\there"},
        {"\x95\xe2\x8b\x8b\x94\x5c\x97\xcd", "", "x\\y", "''", "-"},
    };
    const std::vector<std::vector<std::string>> single = {{""}, {"only"}, {""}};
    for (const auto& cells : {plain, single}) {
        TStringGridEx source;
        const int cols = static_cast<int>(cells[0].size());
        const int rows = static_cast<int>(cells.size());
        Shape(source, cols, rows);
        for (int row = 0; row < rows; ++row)
            for (int col = 0; col < cols; ++col)
                source.SetCells(col + 1, row + 1, cells[row][col]);
        source.SaveToFile(Path("plain.csv"));

        TStringGridEx target;
        Shape(target, cols, rows);
        target.LoadFromFile(Path("plain.csv"));
        EXPECT_EQ(ContentOf(target), ContentOf(source)) << ReadBytes(Path("plain.csv"));
    }

    FormatGrid source(3);
    const std::vector<std::vector<std::string>> values = {
        {"255", "1.50 kg", "blue", "12", "a, \"b\""},
        {"0", "-3.25 kg", "red", "7", ""},
        {"16", "0.00 kg", "green", "-40", "\x83\x86\x83\x6a\x83\x62\x83\x67"},
    };
    for (int row = 1; row <= 3; ++row)
        for (int col = Hex; col <= Text; ++col)
            source.Grid.SetCells(col, row, values[row - 1][col - 1]);
    source.Grid.SaveToFormatFile(Path("format.csv"));

    FormatGrid target(3);
    target.Grid.LoadFromFormatFile(Path("format.csv"));
    EXPECT_EQ(ContentOf(target.Grid), ContentOf(source.Grid)) << ReadBytes(Path("format.csv"));
}

} // namespace
