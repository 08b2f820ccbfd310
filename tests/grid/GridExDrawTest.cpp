#include "tests/grid/GridExWindow.h"

#include "platform/Graphics.h"

#include <QImage>
#include <QObject>
#include <QPainter>

#include <functional>

using namespace platform;
using gridtest::GridExWindow;

namespace {

constexpr TColor PaleCyan = 0x00FFFFC0;  // red 192, green 255, blue 255
constexpr TColor PaleGreen = 0x00C0FFC0; // red 192, green 255, blue 192
constexpr TColor PaleRed = 0x008080FF;   // red 255, green 128, blue 128
constexpr TColor NameBack = 0x0080FF80;  // header colour of column 0

// 4 columns and 4 rows, one fixed row and column, rows high enough that text stays in their upper half.
struct DrawGrid : GridExWindow {
    DrawGrid() : GridExWindow(4, 4) {
        Grid->SetDefaultRowHeight(40);
        Style(0).SetHeaderBack(NameBack);
        Style(0).SetDataBack(PaleRed);
        Style(1).SetDataBack(PaleCyan);
        Style(2).SetDataBack(PaleGreen);
        Style(2).SetDataAlignment(taRightJustify);
        Style(3).SetDataBack(clWindow);
        for (int row = 0; row < 4; ++row)
            for (int col = 0; col < 4; ++col)
                Grid->SetCells(col, row, "88");
    }

    QImage Image() const { return Grid->viewport()->grab().toImage(); }
    TRect Rect(int Col, int Row) const { return Grid->CellRect(Col, Row); }
    QColor System(TColor Color) const { return ToQColor(Color, Grid->palette()); }
};

// A pixel in the lower part of a cell, below its text and clear of its edges.
QColor Background(const QImage& Image, const TRect& Cell) {
    return Image.pixelColor(Cell.Left + Cell.Width() / 2, Cell.Bottom - 4);
}

bool IsDark(const QColor& Color) {
    return Color.lightness() < 100;
}

// Horizontal extent of the dark (text) pixels in the inner rectangle of a cell; {-1, -1} when none.
std::pair<int, int> DarkColumns(const QImage& Image, const TRect& Cell,
                                const std::function<bool(QColor)>& Is = IsDark) {
    int first = -1, last = -1;
    for (int x = Cell.Left + 2; x < Cell.Right - 2; ++x)
        for (int y = Cell.Top + 2; y < Cell.Bottom - 2; ++y)
            if (Is(Image.pixelColor(x, y))) {
                if (first < 0) first = x;
                last = x;
                break;
            }
    return {first, last};
}

int LowestDarkRow(const QImage& Image, const TRect& Cell) {
    int lowest = -1;
    for (int y = Cell.Top + 2; y < Cell.Bottom - 2; ++y)
        for (int x = Cell.Left + 2; x < Cell.Right - 2; ++x)
            if (IsDark(Image.pixelColor(x, y))) lowest = y;
    return lowest;
}

TEST(GridExDraw, HeaderFixedColumnAndBandsTakeTheirStyleColours) {
    DrawGrid w;
    w.Show();
    w.GoTo(3, 3);
    const QImage image = w.Image();
    EXPECT_EQ(Background(image, w.Rect(1, 0)), w.System(clBtnFace)) << "header cell";
    EXPECT_EQ(Background(image, w.Rect(0, 0)), QColor(128, 255, 128))
        << "corner: a header row cell of column 0";
    EXPECT_EQ(Background(image, w.Rect(0, 2)), QColor(128, 255, 128)) << "fixed column: its HeaderBack";
    EXPECT_EQ(Background(image, w.Rect(1, 2)), QColor(192, 255, 255));
    EXPECT_EQ(Background(image, w.Rect(2, 1)), QColor(192, 255, 192));
    EXPECT_EQ(Background(image, w.Rect(3, 1)), w.System(clWindow)) << "a system colour as DataBack";

    w.Grid->SetFixedCols(0);
    const QImage unfixed = w.Image();
    EXPECT_EQ(Background(unfixed, w.Rect(0, 2)), QColor(255, 128, 128))
        << "an ordinary column 0: its DataBack";
    EXPECT_EQ(Background(unfixed, w.Rect(0, 0)), QColor(128, 255, 128)) << "still a header cell";
}

TEST(GridExDraw, TextIsAlignedByTheColumnAndStartsAtTheTop) {
    DrawGrid w;
    w.Style(1).SetHeader("H");
    w.Show();
    w.GoTo(3, 3);
    const QImage image = w.Image();
    const TRect left = w.Rect(1, 2), right = w.Rect(2, 2), header = w.Rect(1, 0);
    const auto [leftFirst, leftLast] = DarkColumns(image, left);
    const auto [rightFirst, rightLast] = DarkColumns(image, right);
    const auto [headerFirst, headerLast] = DarkColumns(image, header);
    ASSERT_GE(leftFirst, 0) << "text was painted";
    EXPECT_LE(leftFirst, left.Left + 4);
    EXPECT_LT(leftLast, left.Left + left.Width() / 2);
    EXPECT_GT(rightFirst, right.Left + right.Width() / 2) << "right-aligned text lies at the right";
    EXPECT_GE(rightLast, right.Right - 6);
    const int headerMiddle = (headerFirst + headerLast) / 2;
    EXPECT_NEAR(headerMiddle, header.Left + header.Width() / 2, 3) << "header text centred";
    EXPECT_LT(LowestDarkRow(image, right), right.Top + right.Height() / 2) << "text starts at the top";
    EXPECT_LT(LowestDarkRow(image, header), header.Top + header.Height() / 2) << "centred text too";
}

TEST(GridExDraw, SelectedAndFocusedCellsTakeTheHighlightColours) {
    DrawGrid w;
    w.Grid->SetOptions(w.Grid->Options() | goRangeSelect);
    w.Show();
    w.Grid->SetSelection(TGridRect{1, 1, 2, 2});
    ASSERT_TRUE(w.Grid->Focused());
    const QImage image = w.Image();
    const QColor navy(0, 0, 128);
    const auto isNavy = [&](QColor C) { return C == navy; };

    const TRect selected = w.Rect(1, 1);
    EXPECT_EQ(Background(image, selected), w.System(clHighlight))
        << "the base grid's highlight around the text";
    EXPECT_GE(DarkColumns(image, selected, isNavy).first, 0) << "the text's own background is navy";
    const auto whiteText = [&](QColor C) { return C == QColor(255, 255, 255); };
    EXPECT_GE(DarkColumns(image, selected, whiteText).first, 0) << "white text";

    const TRect current = w.Rect(2, 2);
    EXPECT_EQ(Background(image, current), w.System(clWindow)) << "the grid's colour, not the band";
    EXPECT_LT(DarkColumns(image, current, isNavy).first, 0);
    EXPECT_EQ(Background(image, w.Rect(3, 3)), w.System(clWindow));
    EXPECT_EQ(Background(image, w.Rect(1, 3)), QColor(192, 255, 255)) << "outside the selection";

    w.After->setFocus();
    const QImage unfocused = w.Image();
    EXPECT_EQ(Background(unfocused, current), w.System(clHighlight));
    EXPECT_GE(DarkColumns(unfocused, current, isNavy).first, 0)
        << "without focus the current cell is only selected";
}

TEST(GridExDraw, WithoutDefaultDrawingOnlyOnDrawCellPaints) {
    DrawGrid w;
    int drawn = 0;
    w.Grid->OnDrawCell = [&](TObject*, int ACol, int ARow, const TRect& Rect, TGridDrawState) {
        ++drawn;
        if (ACol == 1 && ARow == 3) w.Grid->Canvas().Painter().fillRect(Rect.ToQRect(), QColor(255, 0, 0));
    };
    w.Show();
    w.GoTo(3, 3);
    EXPECT_EQ(Background(w.Image(), w.Rect(1, 3)), QColor(255, 0, 0)) << "OnDrawCell paints over the default";
    drawn = 0;
    w.Grid->DefaultDrawing = false;
    const QImage image = w.Image();
    EXPECT_GT(drawn, 0);
    EXPECT_EQ(Background(image, w.Rect(1, 2)), w.System(clWindow)) << "no band colour";
    EXPECT_EQ(DarkColumns(image, w.Rect(2, 2)).first, -1) << "no text";
}

TEST(GridExDraw, MissingStylesAreAddedBeforeTheFirstCellIsPainted) {
    GridExWindow w(3, 3);
    w.Grid->SetColCount(5);
    ASSERT_EQ(w.Grid->ColumnStyles()->Count(), 3);
    w.Style(2).SetHeader("kept");
    w.Grid->ColumnStyles()->Default()->SetHeader("new");
    w.Grid->ColumnStyles()->Default()->SetWidth(30);
    w.Grid->ColumnStyles()->Default()->SetDataBack(PaleGreen);
    int firstPaintCount = -1;
    w.Grid->OnDrawCell = [&](TObject*, int, int, const TRect&, TGridDrawState) {
        if (firstPaintCount < 0) firstPaintCount = w.Grid->ColumnStyles()->Count();
    };
    w.Show();
    const QImage image = w.Grid->viewport()->grab().toImage();
    EXPECT_EQ(firstPaintCount, 5);
    EXPECT_EQ(w.Grid->Cells(2, 0), "kept");
    EXPECT_EQ(w.Grid->Cells(3, 0), "new");
    EXPECT_EQ(w.Grid->Cells(4, 0), "new");
    EXPECT_EQ(w.Grid->ColWidths(4), 30);
    EXPECT_EQ(w.Grid->ColWidths(2), 64) << "kept styles keep their widths";
    const QImage repainted = w.Grid->viewport()->grab().toImage();
    EXPECT_EQ(Background(repainted, w.Grid->CellRect(4, 2)), QColor(192, 255, 192));
}

// Paint events of the grid's viewport, to see whether a setter marked the grid for repainting.
struct PaintCounter : QObject {
    int Paints = 0;
    bool eventFilter(QObject*, QEvent* Event) override {
        if (Event->type() == QEvent::Paint) ++Paints;
        return false;
    }
};

TEST(GridExDraw, SettersRepaintExceptAnUnchangedColumnKind) {
    DrawGrid w;
    w.Show();
    PaintCounter counter;
    w.Grid->viewport()->installEventFilter(&counter);
    auto repaints = [&](const std::function<void()>& Change) {
        QTest::qWait(30);
        counter.Paints = 0;
        Change();
        return QTest::qWaitFor([&] { return counter.Paints > 0; }, 300);
    };
    EXPECT_FALSE(repaints([&] { w.Style(1).SetColumnStyle(csCharacter); })) << "unchanged kind";
    EXPECT_TRUE(repaints([&] { w.Style(1).SetColumnStyle(csNumeric); }));
    EXPECT_TRUE(repaints([&] { w.Style(1).SetDataColor(w.Style(1).DataColor()); })) << "unchanged colour";
    EXPECT_TRUE(repaints([&] { w.Grid->ColumnStyles()->Default()->SetDataBack(clNavy); }))
        << "Default repaints";
    EXPECT_FALSE(repaints([&] { w.Style(1).Assign(nullptr); })) << "resetting a style does not";
    EXPECT_FALSE(repaints([&] { w.Style(1).Real().SetNumDecimals(3); }));
    w.Grid->BeginLoading();
    EXPECT_FALSE(repaints([&] { w.Style(1).SetDataBack(clNavy); })) << "not while loading";
}

} // namespace
