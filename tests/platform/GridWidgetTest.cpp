#include "platform/Grids.h"

#include "platform/Exceptions.h"
#include "platform/QtText.h"
#include "tests/platform/ActiveWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace platform;

namespace {

struct Stored {
    int Col, Row;
    std::string Text;
    bool operator==(const Stored&) const = default;
};

// A window with a grid of 5 columns and 30 rows (one fixed row and column) and a line edit after it.
struct GridWindow : ::testing::Test {
    QWidget Window;
    TStringGrid* Grid = new TStringGrid(&Window);
    QLineEdit* After = new QLineEdit(&Window);
    std::vector<Stored> Stores;
    std::vector<std::pair<int, int>> Asked;

    GridWindow() {
        Window.resize(400, 300);
        Grid->setGeometry(0, 0, 300, 240);
        After->setGeometry(0, 250, 100, 24);
        Grid->SetColCount(5);
        Grid->SetRowCount(30);
        Grid->SetDefaultColWidth(50);
        Grid->SetDefaultRowHeight(20);
        Grid->SetOptions(Grid->Options() & ~goRangeSelect);
        Grid->OnSetEditText = [this](TObject*, int ACol, int ARow, const std::string& Value) {
            Stores.push_back(Stored{ACol, ARow, Value});
        };
        Grid->OnSelectCell = [this](TObject*, int ACol, int ARow, bool&) { Asked.emplace_back(ACol, ARow); };
        for (int row = 0; row < Grid->RowCount(); ++row)
            for (int col = 0; col < Grid->ColCount(); ++col)
                Grid->SetCells(col, row, std::to_string(col) + "," + std::to_string(row));
    }

    void SetUp() override {
        testsupport::ShowActive(Window);
        Grid->setFocus();
    }

    QWidget* Focus() const { return QApplication::focusWidget(); }
    void Press(int Key, Qt::KeyboardModifiers Modifiers = Qt::NoModifier) {
        ASSERT_NE(Focus(), nullptr);
        QTest::keyClick(Focus(), static_cast<Qt::Key>(Key), Modifiers);
    }
    // Each character goes to whichever widget has the focus then, as typing does.
    void Type(const QString& Text) {
        for (char32_t point : Text.toUcs4()) {
            const QString text = QString::fromUcs4(&point, 1);
            const int key =
                point < 0x80 && text.at(0).isLetterOrNumber() ? text.toUpper().at(0).unicode() : 0;
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
            QApplication::sendEvent(Focus(), &press);
        }
    }
    void GoTo(int Col, int Row) {
        Grid->SetCol(Col);
        Grid->SetRow(Row);
        Asked.clear();
    }
    std::pair<int, int> Current() const { return {Grid->Col(), Grid->Row()}; }
    QPoint Centre(int Col, int Row) const { return Grid->CellRect(Col, Row).ToQRect().center(); }
    std::string EditorText() const { return Grid->InplaceEditor()->GetText(); }
};

struct MoveCase {
    const char* Name;
    std::pair<int, int> Start;
    int Key;
    Qt::KeyboardModifiers Modifiers;
    std::pair<int, int> End;
};

TEST_F(GridWindow, KeysMoveTheCurrentCellAndNeverIntoFixedCells) {
    const int page = Grid->VisibleRowCount();
    ASSERT_GT(page, 3);
    const std::vector<MoveCase> cases = {
        {"down", {1, 1}, Qt::Key_Down, {}, {1, 2}},
        {"up at the top", {1, 1}, Qt::Key_Up, {}, {1, 1}},
        {"left at the first column", {1, 1}, Qt::Key_Left, {}, {1, 1}},
        {"right", {1, 1}, Qt::Key_Right, {}, {2, 1}},
        {"right at the last column", {4, 1}, Qt::Key_Right, {}, {4, 1}},
        {"end", {2, 3}, Qt::Key_End, {}, {4, 3}},
        {"home", {3, 3}, Qt::Key_Home, {}, {1, 3}},
        {"ctrl end", {2, 3}, Qt::Key_End, Qt::ControlModifier, {4, 29}},
        {"ctrl home", {3, 5}, Qt::Key_Home, Qt::ControlModifier, {1, 1}},
        {"page down", {2, 1}, Qt::Key_PageDown, {}, {2, 1 + page}},
        {"page up", {2, 20}, Qt::Key_PageUp, {}, {2, 20 - page}},
        {"page up near the top", {2, 2}, Qt::Key_PageUp, {}, {2, 1}},
        {"page down near the end", {2, 28}, Qt::Key_PageDown, {}, {2, 29}},
    };
    for (const MoveCase& c : cases) {
        GoTo(c.Start.first, c.Start.second);
        Press(c.Key, c.Modifiers);
        EXPECT_EQ(Current(), c.End) << c.Name;
        EXPECT_EQ(Grid->Selection(), (TGridRect{c.End.first, c.End.second, c.End.first, c.End.second}))
            << c.Name;
        if (c.End != c.Start) {
            EXPECT_EQ(Asked, (std::vector<std::pair<int, int>>{c.End})) << c.Name;
        }
        EXPECT_NE(Grid->CellRect(c.End.first, c.End.second).Width(), 0) << c.Name << ": scrolled into view";
    }
}

TEST_F(GridWindow, ShiftedKeysExtendTheSelectionOnlyWithRangeSelect) {
    GoTo(2, 2);
    Press(Qt::Key_Right, Qt::ShiftModifier);
    Press(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(Current(), std::make_pair(3, 3));
    EXPECT_EQ(Grid->Selection(), (TGridRect{3, 3, 3, 3})) << "without range selection the cell just moves";

    Grid->SetOptions(Grid->Options() | goRangeSelect);
    GoTo(2, 2);
    Press(Qt::Key_Right, Qt::ShiftModifier);
    Press(Qt::Key_Down, Qt::ShiftModifier);
    Press(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(Current(), std::make_pair(3, 4));
    EXPECT_EQ(Grid->Selection(), (TGridRect{2, 2, 3, 4}));
    Press(Qt::Key_End, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(Grid->Selection(), (TGridRect{2, 2, 4, 29}));
    Press(Qt::Key_Left);
    EXPECT_EQ(Grid->Selection(), (TGridRect{3, 29, 3, 29})) << "an unshifted move collapses it";
}

TEST_F(GridWindow, MouseClicksDragsAndShiftClicksSelect) {
    Grid->SetOptions(Grid->Options() | goRangeSelect);
    QWidget* viewport = Grid->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, Centre(2, 2));
    EXPECT_EQ(Current(), std::make_pair(2, 2));
    QTest::mousePress(viewport, Qt::LeftButton, {}, Centre(1, 1));
    QTest::mouseMove(viewport, Centre(2, 3));
    QTest::mouseMove(viewport, Centre(3, 4));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, Centre(3, 4));
    EXPECT_EQ(Grid->Selection(), (TGridRect{1, 1, 3, 4}));
    EXPECT_EQ(Current(), std::make_pair(3, 4));
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ShiftModifier, Centre(4, 2));
    EXPECT_EQ(Grid->Selection(), (TGridRect{1, 1, 4, 2})) << "shift-click extends from the anchor";

    QTest::mouseClick(viewport, Qt::LeftButton, {}, Centre(0, 3));
    EXPECT_EQ(Grid->Selection(), (TGridRect{1, 1, 4, 2})) << "a fixed cell is not selected";

    Grid->SetOptions(Grid->Options() & ~goRangeSelect);
    QTest::mousePress(viewport, Qt::LeftButton, {}, Centre(1, 1));
    QTest::mouseMove(viewport, Centre(3, 3));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, Centre(3, 3));
    EXPECT_EQ(Grid->Selection(), (TGridRect{1, 1, 1, 1})) << "no dragging out a block";
}

TEST_F(GridWindow, MouseEventsReachTheHandlersWithViewportCoordinates) {
    std::vector<QPoint> downs, moves;
    Grid->OnMouseDown = [&](TObject*, TMouseButton Button, TShiftState, int X, int Y) {
        EXPECT_EQ(Button, mbRight);
        downs.emplace_back(X, Y);
    };
    Grid->OnMouseMove = [&](TObject*, TShiftState, int X, int Y) { moves.emplace_back(X, Y); };
    QTest::mouseMove(Grid->viewport(), QPoint(70, 30));
    QTest::mouseClick(Grid->viewport(), Qt::RightButton, {}, QPoint(75, 45));
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0], QPoint(75, 45));
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(moves.front(), QPoint(70, 30));
    EXPECT_EQ(Current(), std::make_pair(1, 1)) << "the right button selects nothing";
}

TEST_F(GridWindow, MouseToCellGivesMinusOneOutsideEveryCell) {
    struct Case {
        QPoint Point;
        std::pair<int, int> Cell;
    };
    for (const Case& c :
         {Case{Centre(0, 0), {0, 0}}, Case{Centre(3, 2), {3, 2}}, Case{QPoint(-1, 5), {-1, -1}},
          Case{QPoint(5 * 51 + 2, 10), {-1, -1}}, Case{QPoint(60, 0), {1, 0}}}) {
        int col = 99, row = 99;
        Grid->MouseToCell(c.Point.x(), c.Point.y(), col, row);
        EXPECT_EQ(std::make_pair(col, row), c.Cell) << c.Point.x() << "," << c.Point.y();
    }
}

TEST_F(GridWindow, ARefusedMoveLeavesTheCurrentCell) {
    Grid->OnSelectCell = [this](TObject*, int ACol, int ARow, bool& CanSelect) {
        Asked.emplace_back(ACol, ARow);
        CanSelect = ACol != 2;
    };
    Press(Qt::Key_Right);
    EXPECT_EQ(Current(), std::make_pair(1, 1));
    Grid->SetCol(3);
    EXPECT_EQ(Current(), std::make_pair(3, 1));
    Asked.clear();
    Grid->SetCol(3);
    Grid->SetRow(1);
    EXPECT_TRUE(Asked.empty()) << "setting the value it already has does nothing";
}

TEST_F(GridWindow, CountAndFixedChangesKeepTheCurrentCellInsideWithoutAsking) {
    Grid->OnSelectCell = [](TObject*, int, int, bool& CanSelect) { CanSelect = false; };
    Grid->SetFixedCols(3);
    EXPECT_EQ(Current(), std::make_pair(3, 1));
    Grid->SetFixedCols(0);
    EXPECT_EQ(Grid->CellRect(0, 1).Left, 0) << "the column that stopped being fixed shows";
    EXPECT_EQ(Grid->CellRect(1, 1).Left, 51);
    Grid->SetRowCount(2);
    Grid->SetColCount(2);
    EXPECT_EQ(Current(), std::make_pair(1, 1));
}

TEST_F(GridWindow, SizesOfCellsTheGridLacksAreRefused) {
    for (auto set :
         {+[](TStringGrid& G) { G.SetColWidths(5, 10); }, +[](TStringGrid& G) { G.SetColWidths(-1, 10); },
          +[](TStringGrid& G) { G.SetRowHeights(30, 10); }}) {
        try {
            set(*Grid);
            ADD_FAILURE() << "expected the grid index error";
        } catch (const EInvalidGridOperation& error) {
            EXPECT_EQ(error.Message(), "ｸﾞﾘｯﾄﾞｲﾝﾃﾞｯｸｽ が範囲を超えています");
        }
    }
}

TEST_F(GridWindow, SetSelectionClosesTheEditorIntoItsOwnCell) {
    Grid->SetOptions(Grid->Options() | goEditing | goRangeSelect);
    Press(Qt::Key_F2);
    Type(QStringLiteral("x"));
    Stores.clear();
    Grid->SetSelection(TGridRect{2, 2, 3, 4});
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Stores, (std::vector<Stored>{{1, 1, "1,1x"}}));
    EXPECT_EQ(Current(), std::make_pair(3, 4));
    EXPECT_EQ(Grid->Selection(), (TGridRect{2, 2, 3, 4}));
    EXPECT_TRUE(Asked.empty());
}

// ---- editing -----------------------------------------------------------------------------------------

struct EditingGrid : GridWindow {
    void SetUp() override {
        GridWindow::SetUp();
        Grid->SetOptions(Grid->Options() | goEditing);
    }
};

TEST_F(EditingGrid, F2OpensWithTheCaretAtTheEndAndEveryChangeIsStored) {
    GoTo(2, 3);
    Press(Qt::Key_F2);
    ASSERT_TRUE(Grid->EditorMode());
    EXPECT_EQ(Focus(), Grid->InplaceEditor());
    EXPECT_EQ(Grid->InplaceEditor()->GetSelLength(), 0);
    Type(QStringLiteral("ab"));
    Press(Qt::Key_Backspace);
    EXPECT_EQ(Stores, (std::vector<Stored>{{2, 3, "2,3a"}, {2, 3, "2,3ab"}, {2, 3, "2,3a"}}));
    Press(Qt::Key_Up);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Focus(), Grid);
    EXPECT_EQ(Current(), std::make_pair(2, 2));
    EXPECT_EQ(Stores.back(), (Stored{2, 3, "2,3a"})) << "closing stores once more";
    EXPECT_EQ(Stores.size(), 4u);
    EXPECT_EQ(Grid->Cells(2, 3), "2,3a");
}

TEST_F(EditingGrid, TypingOpensTheEditorAndReplacesTheText) {
    GoTo(1, 2);
    Type(QStringLiteral("7"));
    ASSERT_TRUE(Grid->EditorMode());
    EXPECT_EQ(EditorText(), "7");
    EXPECT_EQ(Grid->Cells(1, 2), "7");
    Press(Qt::Key_Down);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Current(), std::make_pair(1, 3));
    EXPECT_EQ(Stores, (std::vector<Stored>{{1, 2, "7"}, {1, 2, "7"}}));
}

TEST_F(EditingGrid, BackspaceInTheGridEmptiesTheCell) {
    Press(Qt::Key_Backspace);
    ASSERT_TRUE(Grid->EditorMode());
    EXPECT_EQ(Grid->Cells(1, 1), "");
}

TEST_F(EditingGrid, EscPutsBackWhatTheCellHeld) {
    GoTo(3, 2);
    Grid->SetCells(3, 2, "original");
    Grid->OnGetEditText = [](TObject*, int, int, std::string& Value) { Value = "edit form"; };
    Press(Qt::Key_F2);
    Type(QStringLiteral("!"));
    ASSERT_EQ(Grid->Cells(3, 2), "edit form!");
    Stores.clear();
    Press(Qt::Key_Escape);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Grid->Cells(3, 2), "original");
    EXPECT_EQ(Stores, (std::vector<Stored>{{3, 2, "original"}}));
    EXPECT_EQ(Focus(), Grid);
}

TEST_F(EditingGrid, AnEditorClosedUnchangedStoresNothing) {
    Press(Qt::Key_F2);
    Press(Qt::Key_Escape);
    Press(Qt::Key_F2);
    Press(Qt::Key_Right);
    EXPECT_TRUE(Stores.empty());
    EXPECT_EQ(Grid->Cells(1, 1), "1,1");
}

TEST_F(EditingGrid, ClickingTheCurrentCellAgainOpensTheEditor) {
    QTest::mouseClick(Grid->viewport(), Qt::LeftButton, {}, Centre(2, 2));
    EXPECT_FALSE(Grid->EditorMode()) << "the first click only moves";
    QTest::mouseClick(Grid->viewport(), Qt::LeftButton, {}, Centre(2, 2));
    EXPECT_TRUE(Grid->EditorMode());
    EXPECT_EQ(Grid->InplaceEditor()->geometry(), Grid->CellRect(2, 2).ToQRect());
}

TEST_F(EditingGrid, ClickingAnotherCellStoresIntoTheEditedOne) {
    GoTo(1, 1);
    Press(Qt::Key_F2);
    Type(QStringLiteral("z"));
    Stores.clear();
    QTest::mouseClick(Grid->viewport(), Qt::LeftButton, {}, Centre(3, 4));
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Current(), std::make_pair(3, 4));
    EXPECT_EQ(Stores, (std::vector<Stored>{{1, 1, "1,1z"}}));
}

TEST_F(EditingGrid, WithoutEditingTypingDoesNothing) {
    Grid->SetOptions(Grid->Options() & ~goEditing);
    Type(QStringLiteral("5"));
    Press(Qt::Key_F2);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Grid->Cells(1, 1), "1,1");
}

TEST_F(EditingGrid, ADoubleByteCharacterTypedIntoTheGridArrivesOnce) {
    Type(QString::fromUtf8("ア"));
    EXPECT_EQ(EditorText(), "\x83\x41");
    EXPECT_EQ(Grid->Cells(1, 1), "\x83\x41");
}

TEST_F(EditingGrid, TextTheCodePageCannotHoldIsRefusedTypedOrPasted) {
    Press(Qt::Key_F2);
    Type(QString::fromUtf8("a😀é"));
    EXPECT_EQ(EditorText(), "1,1a");
    QApplication::clipboard()->setText(QString::fromUtf8("x😀"));
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(EditorText(), "1,1a");
    QApplication::clipboard()->setText(QString::fromUtf8("表"));
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(EditorText(), "1,1a\x95\x5c");
    EXPECT_EQ(Grid->Cells(1, 1), "1,1a\x95\x5c");
}

TEST_F(EditingGrid, TabFromTheEditorLeavesTheGridAndStores) {
    Press(Qt::Key_F2);
    Type(QStringLiteral("t"));
    Stores.clear();
    Press(Qt::Key_Tab);
    EXPECT_EQ(Focus(), After);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Stores, (std::vector<Stored>{{1, 1, "1,1t"}}));
    Press(Qt::Key_Backtab);
    EXPECT_EQ(Focus(), Grid);
}

TEST_F(EditingGrid, TheCellUnderTheEditorIsNotPainted) {
    std::set<std::pair<int, int>> painted;
    Grid->OnDrawCell = [&](TObject*, int ACol, int ARow, const TRect&, TGridDrawState) {
        painted.emplace(ACol, ARow);
    };
    GoTo(2, 2);
    Press(Qt::Key_F2);
    Grid->viewport()->grab();
    EXPECT_FALSE(painted.contains({2, 2}));
    EXPECT_TRUE(painted.contains({1, 2}));
    EXPECT_TRUE(painted.contains({0, 0}));
}

// ---- painting ----------------------------------------------------------------------------------------

QColor Pixel(const QImage& Image, const TRect& Cell) {
    // Low in the cell, right of the text start and clear of the edges and lines.
    return Image.pixelColor(Cell.Left + 3 * Cell.Width() / 4, Cell.Bottom - 3);
}

TEST_F(GridWindow, BaseFillByCellState) {
    Grid->SetOptions(Grid->Options() | goRangeSelect);
    Grid->SetSelection(TGridRect{1, 1, 2, 2});
    const QPalette& palette = Grid->palette();
    const QImage image = Grid->viewport()->grab().toImage();
    EXPECT_EQ(Pixel(image, Grid->CellRect(3, 3)), ToQColor(clWindow, palette)) << "plain cell";
    EXPECT_EQ(Pixel(image, Grid->CellRect(1, 0)), ToQColor(clBtnFace, palette)) << "fixed cell";
    EXPECT_EQ(Pixel(image, Grid->CellRect(1, 1)), ToQColor(clHighlight, palette)) << "selected cell";
    EXPECT_EQ(Pixel(image, Grid->CellRect(2, 2)), ToQColor(clWindow, palette)) << "focused current cell";
    Grid->SetOptions(Grid->Options() | goDrawFocusSelected);
    const QImage focusSelected = Grid->viewport()->grab().toImage();
    EXPECT_EQ(Pixel(focusSelected, Grid->CellRect(2, 2)), ToQColor(clHighlight, palette));
    After->setFocus();
    const QImage unfocused = Grid->viewport()->grab().toImage();
    EXPECT_EQ(Pixel(unfocused, Grid->CellRect(2, 2)), ToQColor(clHighlight, palette))
        << "the current cell of a grid without focus is only selected";
}

} // namespace
