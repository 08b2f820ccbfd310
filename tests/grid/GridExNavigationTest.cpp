#include "tests/grid/GridExWindow.h"

#include <algorithm>
#include <functional>

using namespace platform;
using gridtest::Cell;
using gridtest::GridExWindow;
using gridtest::Stored;

namespace {

// 4 columns and 3 rows with one fixed row and column: data cells are columns 1-3, rows 1-2.
struct SmallGrid : GridExWindow {
    SmallGrid() : GridExWindow(4, 3) {}
};

struct KeyCase {
    const char* Name;
    std::function<void(TStringGridEx&)> Setup;
    Cell Start;
    int Key;
    Qt::KeyboardModifiers Modifiers;
    Cell End;
    std::vector<Cell> Path; // the cells OnSelectCell was asked for, in order
};

void EnterMovesDown(TStringGridEx& Grid) {
    Grid.SetEnterKeyToMove(true);
    Grid.SetEnterTo(etDown);
}

void EnterMovesAlong(TStringGridEx& Grid) {
    Grid.SetEnterKeyToMove(true);
    Grid.SetEnterTo(etLeft);
}

void TabMoves(TStringGridEx& Grid) {
    Grid.SetTabAction(taNext);
}

TEST(GridExKeys, EnterAndTabMoveAndWrapAsTheSettingsSay) {
    const std::vector<KeyCase> cases = {
        {"enter down", EnterMovesDown, {1, 1}, Qt::Key_Return, {}, {1, 2}, {{1, 2}}},
        {"enter down wraps to the next column",
         EnterMovesDown,
         {1, 2},
         Qt::Key_Return,
         {},
         {2, 1},
         {{2, 2}, {2, 1}}},
        {"enter down at the last cell", EnterMovesDown, {3, 2}, Qt::Key_Return, {}, {3, 2}, {}},
        {"enter along wraps to the next row",
         EnterMovesAlong,
         {3, 1},
         Qt::Key_Return,
         {},
         {1, 2},
         {{3, 2}, {1, 2}}},
        {"enter along", EnterMovesAlong, {1, 1}, Qt::Key_Enter, {}, {2, 1}, {{2, 1}}},
        {"shift does not reverse enter",
         EnterMovesDown,
         {2, 1},
         Qt::Key_Return,
         Qt::ShiftModifier,
         {2, 2},
         {{2, 2}}},
        {"enter without moving", [](TStringGridEx&) {}, {1, 1}, Qt::Key_Return, {}, {1, 1}, {}},
        {"tab wraps to the next row", TabMoves, {3, 1}, Qt::Key_Tab, {}, {1, 2}, {{3, 2}, {1, 2}}},
        {"tab ignores the enter direction",
         [](TStringGridEx& G) {
             TabMoves(G);
             EnterMovesDown(G);
         },
         {1, 1},
         Qt::Key_Tab,
         {},
         {2, 1},
         {{2, 1}}},
        {"shift tab wraps back",
         TabMoves,
         {1, 2},
         Qt::Key_Backtab,
         Qt::ShiftModifier,
         {3, 1},
         {{1, 1}, {3, 1}}},
        {"shift tab at the first cell", TabMoves, {1, 1}, Qt::Key_Backtab, Qt::ShiftModifier, {1, 1}, {}},
        {"tab at the last cell", TabMoves, {3, 2}, Qt::Key_Tab, {}, {3, 2}, {}},
    };
    for (const KeyCase& c : cases) {
        SmallGrid w;
        c.Setup(*w.Grid);
        w.Show();
        w.GoTo(c.Start.first, c.Start.second);
        w.Press(c.Key, c.Modifiers);
        EXPECT_EQ(w.Current(), c.End) << c.Name;
        EXPECT_EQ(w.Asked, c.Path) << c.Name;
        EXPECT_FALSE(w.Grid->EditorMode()) << c.Name << ": no move opens the editor";
        EXPECT_EQ(w.Focus(), w.Grid) << c.Name;
        EXPECT_EQ(w.DefaultPresses, 0) << c.Name << ": Enter never reaches the default button";
    }
}

TEST(GridExKeys, BackwardVerticalMovesWrapToTheEndOfThePreviousColumn) {
    SmallGrid w;
    w.Grid->SetEnterTo(etDown);
    w.Show();
    w.GoTo(2, 1);
    w.Grid->GridMoveTo(13, true);
    EXPECT_EQ(w.Current(), Cell(1, 2));
    EXPECT_EQ(w.Asked, (std::vector<Cell>{{1, 1}, {1, 2}}));
    w.GoTo(1, 1);
    w.Grid->GridMoveTo(13, true);
    EXPECT_EQ(w.Current(), Cell(1, 1));
    w.Grid->GridMoveTo('x', false);
    EXPECT_EQ(w.Current(), Cell(2, 1)) << "any other key moves along the row";
}

TEST(GridExKeys, ARefusedIntermediateCellLeavesTheSecondStepInTheOldColumnOrRow) {
    SmallGrid w;
    w.Grid->SetEnterKeyToMove(true);
    w.Grid->SetEnterTo(etDown);
    w.Grid->SetTabAction(taNext);
    std::vector<Cell> refused;
    w.Grid->OnSelectCell = [&](TObject*, int ACol, int ARow, bool& CanSelect) {
        w.Asked.emplace_back(ACol, ARow);
        CanSelect = std::find(refused.begin(), refused.end(), Cell(ACol, ARow)) == refused.end();
    };
    w.Show();

    refused = {{2, 2}};
    w.GoTo(1, 2);
    w.Press(Qt::Key_Return);
    EXPECT_EQ(w.Current(), Cell(1, 1)) << "vertical: the old column's first row";
    EXPECT_EQ(w.Asked, (std::vector<Cell>{{2, 2}, {1, 1}}));

    refused = {{3, 2}};
    w.GoTo(3, 1);
    w.Press(Qt::Key_Tab);
    EXPECT_EQ(w.Current(), Cell(1, 1)) << "horizontal: the old row's first column";

    refused = {{1, 1}};
    w.GoTo(1, 2);
    w.Press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(w.Current(), Cell(3, 2)) << "backward: the old row's last column";
}

TEST(GridExKeys, WithOneScrollableColumnHorizontalMovesWrapDownIt) {
    SmallGrid w;
    w.Grid->SetFixedCols(3);
    w.Grid->SetTabAction(taNext);
    w.Show();
    w.GoTo(3, 1);
    w.Press(Qt::Key_Tab);
    EXPECT_EQ(w.Current(), Cell(3, 2));
    w.Press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(w.Current(), Cell(3, 1));
}

TEST(GridExKeys, TabWithExitLeavesTheGrid) {
    SmallGrid w;
    w.Show();
    w.Press(Qt::Key_Tab);
    EXPECT_EQ(w.Focus(), w.DefaultButton) << "the next control of the window";
    EXPECT_EQ(w.Current(), Cell(1, 1));

    w.Grid->setFocus();
    w.Grid->SetOptions(w.Grid->Options() | goTabs);
    w.Press(Qt::Key_Tab);
    EXPECT_EQ(w.Focus(), w.Grid) << "the base grid's own Tab option keeps it";
    EXPECT_EQ(w.Current(), Cell(2, 1));
}

TEST(GridExKeys, EnterInTheEditorStoresClosesAndMoves) {
    SmallGrid w;
    w.Grid->SetEnterKeyToMove(true);
    w.Grid->SetEnterTo(etDown);
    w.Show();
    w.Grid->SetCells(1, 1, "ab");
    w.Press(Qt::Key_F2);
    w.Type(QStringLiteral("c"));
    w.Press(Qt::Key_Return);
    EXPECT_FALSE(w.Grid->EditorMode());
    EXPECT_EQ(w.Current(), Cell(1, 2));
    EXPECT_EQ(w.Stores, (std::vector<Stored>{{1, 1, "abc"}, {1, 1, "abc"}}));
    EXPECT_EQ(w.Focus(), w.Grid);
    EXPECT_EQ(w.DefaultPresses, 0);
}

TEST(GridExKeys, EnterInTheEditorWithoutMovingClosesIt) {
    SmallGrid w;
    w.Show();
    w.Press(Qt::Key_F2);
    w.Type(QStringLiteral("x"));
    w.Press(Qt::Key_Return);
    EXPECT_FALSE(w.Grid->EditorMode());
    EXPECT_EQ(w.Current(), Cell(1, 1));
    EXPECT_EQ(w.Grid->Cells(1, 1), "x");
    EXPECT_EQ(w.DefaultPresses, 0);
    w.Press(Qt::Key_Return);
    EXPECT_FALSE(w.Grid->EditorMode()) << "Enter in the grid does not open the editor";
    EXPECT_EQ(w.DefaultPresses, 0);
}

TEST(GridExKeys, TabInTheEditorMovesToTheNextCellWithoutATab) {
    SmallGrid w;
    w.Grid->SetTabAction(taNext);
    w.Show();
    w.Press(Qt::Key_F2);
    w.Type(QStringLiteral("q"));
    w.Press(Qt::Key_Tab);
    EXPECT_EQ(w.Current(), Cell(2, 1));
    EXPECT_FALSE(w.Grid->EditorMode());
    EXPECT_EQ(w.Grid->Cells(1, 1), "q");
    EXPECT_EQ(w.Stores.back(), (Stored{1, 1, "q"}));
}

TEST(GridExKeys, TabInTheEditorWithExitStoresAndLeaves) {
    SmallGrid w;
    w.Show();
    w.Press(Qt::Key_F2);
    w.Type(QStringLiteral("q"));
    w.Press(Qt::Key_Tab);
    EXPECT_EQ(w.Focus(), w.DefaultButton);
    EXPECT_FALSE(w.Grid->EditorMode());
    EXPECT_EQ(w.Stores.back(), (Stored{1, 1, "q"}));
}

TEST(GridExKeys, OtherKeysKeepTheBaseGridBehaviour) {
    SmallGrid w;
    w.Show();
    w.Press(Qt::Key_Down);
    w.Press(Qt::Key_Right);
    EXPECT_EQ(w.Current(), Cell(2, 2));
    w.Press(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(w.Current(), Cell(1, 1));
    w.Type(QStringLiteral("k"));
    EXPECT_TRUE(w.Grid->EditorMode()) << "typing opens the editor";
    EXPECT_EQ(w.Grid->Cells(1, 1), "k");
}

} // namespace
