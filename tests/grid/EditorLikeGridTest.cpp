// The grid set up as the editor window sets it up: 47 columns, 251 data rows, a name column and 46
// parameter columns with their limits and colour bands, stored form data with 50 style items.
#include "tests/grid/GridExWindow.h"

#include "platform/Graphics.h"

#include <QImage>

using namespace platform;
using gridtest::Cell;
using gridtest::GridExWindow;
using gridtest::Stored;

namespace {

struct EditorLikeGrid : GridExWindow {
    EditorLikeGrid() : GridExWindow(5, 5) {
        Window.resize(900, 500);
        Grid->setGeometry(0, 0, 880, 420);
        // Stored form data: the styles arrive while the grid is loading.
        Grid->BeginLoading();
        Grid->ColumnStyles()->Clear();
        Grid->SetColCount(47);
        Grid->SetRowCount(252);
        Grid->SetDefaultColWidth(24);
        Grid->SetDefaultRowHeight(16);
        for (int i = 0; i < 50; ++i) {
            TColumnStyle& style = *Grid->ColumnStyles()->Add();
            style.SetWidth(64);
            style.SetDataBack(clWhite);
        }
        Grid->Loaded();
        Grid->SetColWidths(0, 104);
        Grid->SetOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goEditing);
        Grid->SetEnterKeyToMove(true);
        Grid->SetEnterTo(etDown);
        // What the window does when it is first shown.
        Style(0).SetColumnStyle(csMaskEdit);
        Style(0).SetMaxLength(16);
        Style(0).SetDataBack(clWindow);
        for (int col = 1; col < 47; ++col) {
            TColumnStyle& style = Style(col);
            Grid->SetCells(col, 0, "P");
            style.SetDataAlignment(taRightJustify);
            style.SetColumnStyle(csNumeric);
            style.Numeric().Min = 0.0;
            style.Numeric().Max = col == 31 || col == 33 || col == 34 ? 999.0 : 255.0;
            style.SetDataBack(col >= 13 && col <= 18 ? 0xFFFFC0 : clWindow);
        }
        for (int row = 1; row < 252; ++row) {
            Grid->SetCells(0, row, "UNIT" + std::to_string(row));
            for (int col = 1; col < 47; ++col)
                Grid->SetCells(col, row, std::to_string((row + col) % 200));
        }
        Grid->SetColWidths(0, 104);
    }
};

TEST(EditorLikeGrid, StoredStylesLeaveTheWidthsOfTheFormAndTheHeaders) {
    EditorLikeGrid w;
    EXPECT_EQ(w.Grid->ColumnStyles()->Count(), 50);
    EXPECT_EQ(w.Grid->ColWidths(5), 24) << "loading wrote no width";
    EXPECT_EQ(w.Grid->Cells(3, 0), "P");
    w.Show();
    w.Grid->viewport()->grab();
    EXPECT_EQ(w.Grid->ColumnStyles()->Count(), 50) << "more styles than columns: none added or removed";
}

TEST(EditorLikeGrid, TypedValuesAreHeldToTheColumnLimits) {
    EditorLikeGrid w;
    w.Show();
    w.GoTo(33, 5);
    w.Type(QStringLiteral("1000"));
    EXPECT_EQ(w.Stores, (std::vector<Stored>{{33, 5, "1"}, {33, 5, "10"}, {33, 5, "100"}, {33, 5, "999"}}));
    w.Press(Qt::Key_Return);
    EXPECT_EQ(w.Grid->GetInteger(33, 5), 999);
    EXPECT_EQ(w.Current(), Cell(33, 6));
    w.Type(QStringLiteral("256"));
    w.Press(Qt::Key_Return);
    EXPECT_EQ(w.Grid->Cells(33, 6), "256") << "a two-byte column takes up to 999";
    w.GoTo(32, 251);
    w.Type(QStringLiteral("256"));
    w.Press(Qt::Key_Return);
    EXPECT_EQ(w.Grid->Cells(32, 251), "255");
    EXPECT_EQ(w.Current(), Cell(33, 1))
        << "Enter on the last unit row goes on at the next column's first row";
    w.GoTo(46, 251);
    w.Press(Qt::Key_Return);
    EXPECT_EQ(w.Current(), Cell(46, 251));
    w.Grid->SetInteger(1, 1, 300);
    EXPECT_EQ(w.Grid->Cells(1, 1), "255");
}

TEST(EditorLikeGrid, UnitNameModeEditsColumnZeroWithItsOwnStyle) {
    EditorLikeGrid w;
    w.Show();
    w.Grid->SetFixedCols(0);
    w.GoTo(0, 3);
    w.Type(QStringLiteral("ABC"));
    EXPECT_EQ(w.Stores.back(), (Stored{0, 3, "ABC"}));
    w.Type(QString::fromUtf8("アイウエオカキ"));
    EXPECT_EQ(w.EditorText(), "ABC\x83\x41\x83\x43\x83\x45\x83\x47\x83\x49\x83\x4a")
        << "no room for a 17th byte";
    w.Press(Qt::Key_Return);
    EXPECT_EQ(w.Current(), Cell(0, 4));
    w.Grid->SetFixedCols(1);
    EXPECT_EQ(w.Current(), Cell(1, 4)) << "a fixed column 0 cannot hold the current cell";
}

TEST(EditorLikeGrid, RangeModeSelectsBlocksAndTypesNothing) {
    EditorLikeGrid w;
    w.Show();
    w.Grid->SetOptions((w.Grid->Options() | goRangeSelect) & ~goEditing);
    w.GoTo(2, 2);
    w.Press(Qt::Key_Right, Qt::ShiftModifier);
    w.Press(Qt::Key_Down, Qt::ShiftModifier);
    w.Type(QStringLiteral("9"));
    EXPECT_FALSE(w.Grid->EditorMode());
    EXPECT_TRUE(w.Stores.empty());
    EXPECT_EQ(w.Grid->Selection(), (TGridRect{2, 2, 3, 3}));
}

TEST(EditorLikeGrid, MouseDownCoordinatesFindTheirCell) {
    EditorLikeGrid w;
    w.Show();
    std::vector<Cell> downs;
    w.Grid->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int X, int Y) {
        int col = 0, row = 0;
        w.Grid->MouseToCell(X, Y, col, row);
        downs.emplace_back(col, row);
    };
    const QPoint inside = w.Grid->CellRect(7, 9).ToQRect().center();
    QTest::mouseClick(w.Grid->viewport(), Qt::LeftButton, {}, inside);
    EXPECT_EQ(w.Current(), Cell(7, 9));
    EXPECT_EQ(downs, (std::vector<Cell>{{7, 9}}));
    EXPECT_EQ(w.Asked, (std::vector<Cell>{{7, 9}}));
}

TEST(EditorLikeGrid, PaintsTheBandsAndTheHeaderRow) {
    EditorLikeGrid w;
    w.Show();
    w.GoTo(2, 2);
    const QImage image = w.Grid->viewport()->grab().toImage();
    const auto below = [&](int Col, int Row) {
        const TRect rect = w.Grid->CellRect(Col, Row);
        return image.pixelColor(rect.Left + 2, rect.Bottom - 2);
    };
    EXPECT_EQ(below(14, 3), QColor(192, 255, 255));
    EXPECT_EQ(below(12, 3), ToQColor(clWindow, w.Grid->palette()));
    EXPECT_EQ(below(14, 0), ToQColor(clBtnFace, w.Grid->palette()));
    EXPECT_EQ(below(0, 3), ToQColor(clBtnFace, w.Grid->palette())) << "the fixed name column";
}

} // namespace
