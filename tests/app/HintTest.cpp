#include "tests/app/EditorFixture.h"

#include "app/ColumnCatalogue.h"

namespace {

class HintTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        OpenSample();
        platform::Application().Idle();
    }
    QWidget* Viewport() { return window->StringGridEx1->viewport(); }
    QPoint CellCentre(int col, int row) {
        return window->StringGridEx1->CellRect(col, row).ToQRect().center();
    }
    void Rest(QPoint point) {
        QTest::mouseMove(Viewport(), point);
        platform::Application().Idle();
    }
    std::string Status() { return window->StatusBar1->SimpleText(); }
    std::string Tooltip() { return platform::Application().Tooltip(); }
    static std::string Long(int col) { return app::kColumnCatalogue[col].Status; }
    static std::string Short(int col) { return app::kColumnCatalogue[col].Tooltip; }
};

} // namespace

TEST_F(HintTest, HeaderCellsExplainTheirColumn) {
    Rest(CellCentre(5, 0));
    EXPECT_EQ(Tooltip(), "補給能力");
    EXPECT_EQ(Status(), "補給能力等（ビットごと）  16空港 8補給車 4港");

    // Down into the same column's data cells: both stay.
    Rest(CellCentre(5, 1));
    Rest(CellCentre(5, 3));
    EXPECT_EQ(Tooltip(), Short(5));
    EXPECT_EQ(Status(), Long(5));

    // Into another column's data cells: both go.
    Rest(CellCentre(6, 3));
    EXPECT_EQ(Tooltip(), "");
    EXPECT_EQ(Status(), "");

    // Back up into a header cell: the new column's explanation.
    Rest(CellCentre(20, 0));
    EXPECT_EQ(Tooltip(), Short(20));
    EXPECT_EQ(Status(), Long(20));
}

TEST_F(HintTest, SelectingACellBringsItsColumnBack) {
    Rest(CellCentre(6, 3));
    EXPECT_EQ(Status(), "");
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, CellCentre(6, 3));
    platform::Application().Idle();
    EXPECT_EQ(Status(), "通行変形占領能力等（ビットごと）  128河川 8搭載可 2変形能力 1占領能力");

    // Arrow keys to column 31 while the pointer rests on the grid.
    for (int col = 6; col < 31; ++col)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(window->StringGridEx1->Col(), 31);
    platform::Application().Idle();
    EXPECT_EQ(Status(), Long(31));
}

TEST_F(HintTest, APressOutsideEveryCellLeavesNoHint) {
    window->resize(1400, 500); // room to the right of the last column
    Rest(CellCentre(8, 2));
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, CellCentre(8, 2));
    platform::Application().Idle();
    EXPECT_EQ(Status(), Long(8));
    const QPoint outside(window->StringGridEx1->CellRect(46, 2).Right + 20, CellCentre(46, 2).y());
    ASSERT_LT(outside.x(), Viewport()->width());
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, outside);
    platform::Application().Idle();
    EXPECT_EQ(platform::ControlHint(window->StringGridEx1), "");
    EXPECT_EQ(Status(), "");
}

TEST_F(HintTest, TheFirstMoveOverTheCornerChangesNothing) {
    platform::SetControlHint(window->StringGridEx1, app::ColumnHints(9));
    Rest(CellCentre(0, 0));
    EXPECT_EQ(platform::ControlHint(window->StringGridEx1), app::ColumnHints(9));
    EXPECT_EQ(window->LastHintCol, 0);
    EXPECT_EQ(window->LastHintRow, 0);
}
