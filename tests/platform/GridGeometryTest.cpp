#include "platform/GridGeometry.h"

#include <gtest/gtest.h>

using platform::GridRectOf;
using platform::TGridAxis;
using platform::TGridCoord;
using platform::TGridRect;

namespace {

// 10 cells of 20 pixels and one line each: cell i of an unscrolled axis starts at 21 * i.
TGridAxis Axis(int Count = 10, int Fixed = 1) {
    TGridAxis axis;
    axis.Count = Count;
    axis.Fixed = Fixed;
    axis.DefaultSize = 20;
    axis.LineWidth = 1;
    axis.FirstScrollable = Fixed;
    return axis;
}

TEST(GridAxis, PositionsFollowFixedCellsThenTheFirstScrollableOne) {
    TGridAxis axis = Axis();
    EXPECT_EQ(axis.Position(0), 0);
    EXPECT_EQ(axis.Position(3), 63);
    axis.FirstScrollable = 4;
    EXPECT_EQ(axis.Position(0), 0) << "fixed cells never scroll";
    EXPECT_EQ(axis.Position(4), 21) << "the first scrollable cell follows the fixed one";
    EXPECT_EQ(axis.Position(5), 42);
    EXPECT_EQ(axis.Position(2), -1) << "scrolled out of sight";
    EXPECT_EQ(axis.Position(10), -1);
    EXPECT_EQ(axis.Position(-1), -1);
}

TEST(GridAxis, CustomSizesShiftTheCellsAfterThem) {
    TGridAxis axis = Axis();
    axis.SetSize(1, 50);
    EXPECT_EQ(axis.Size(1), 50);
    EXPECT_EQ(axis.Size(2), 20);
    EXPECT_EQ(axis.Position(2), 21 + 51);
    axis.ResetSizes();
    EXPECT_EQ(axis.Position(2), 42);
}

TEST(GridAxis, IndexAtCountsEachCellWithTheLineAfterIt) {
    TGridAxis axis = Axis(4, 1);
    struct Case {
        int Pixel, Index;
    };
    for (const Case& c :
         {Case{0, 0}, Case{19, 0}, Case{20, 0}, Case{21, 1}, Case{83, 3}, Case{84, -1}, Case{-1, -1}}) {
        EXPECT_EQ(axis.IndexAt(c.Pixel), c.Index) << "pixel " << c.Pixel;
    }
    axis.FirstScrollable = 2;
    EXPECT_EQ(axis.IndexAt(5), 0);
    EXPECT_EQ(axis.IndexAt(25), 2) << "after the fixed cell comes the first scrollable one";
    EXPECT_EQ(axis.IndexAt(63), -1);
}

TEST(GridAxis, VisibleCellsWithinAnExtent) {
    TGridAxis axis = Axis();
    EXPECT_EQ(axis.FixedExtent(), 21);
    EXPECT_EQ(axis.LastVisible(70), 3) << "cell 3 starts at 63, inside 70 pixels";
    EXPECT_EQ(axis.LastFullyVisible(70), 2) << "cell 3 would end at 83";
    EXPECT_EQ(axis.LastFullyVisible(83), 3) << "the line after the last cell need not fit";
    EXPECT_EQ(axis.LastFullyVisible(10), 1) << "at least the first scrollable cell";
}

TEST(GridAxis, ScrollIntoViewScrollsAsLittleAsPossible) {
    TGridAxis axis = Axis();
    axis.ScrollIntoView(5, 84); // room for 3 scrollable cells after the fixed one
    EXPECT_EQ(axis.FirstScrollable, 3);
    EXPECT_EQ(axis.LastFullyVisible(84), 5);
    axis.ScrollIntoView(4, 84);
    EXPECT_EQ(axis.FirstScrollable, 3) << "already visible";
    axis.ScrollIntoView(2, 84);
    EXPECT_EQ(axis.FirstScrollable, 2);
    axis.ScrollIntoView(0, 84);
    EXPECT_EQ(axis.FirstScrollable, 2) << "fixed cells need no scrolling";
}

TEST(GridAxis, ScrollingStopsWhenTheLastCellsFillTheExtent) {
    TGridAxis axis = Axis();
    EXPECT_EQ(axis.MaxFirstScrollable(84), 7) << "cells 7 to 9 fill the room after the fixed one";
    EXPECT_EQ(axis.MaxFirstScrollable(90), 7);
    EXPECT_EQ(axis.MaxFirstScrollable(1000), 1) << "everything fits";
    EXPECT_EQ(axis.MaxFirstScrollable(5), 9) << "too small for anything: the last cell";
    axis.FirstScrollable = 9;
    axis.ClampScroll(84);
    EXPECT_EQ(axis.FirstScrollable, 7);
    axis.FirstScrollable = 0;
    axis.ClampScroll(84);
    EXPECT_EQ(axis.FirstScrollable, 1) << "never into the fixed cells";
}

TEST(GridAxis, ResizeDropsSizesOfRemovedCellsAndKeepsTheScrollInside) {
    TGridAxis axis = Axis();
    axis.SetSize(8, 99);
    axis.FirstScrollable = 8;
    axis.Resize(5);
    EXPECT_EQ(axis.Count, 5);
    EXPECT_EQ(axis.FirstScrollable, 4);
    axis.Resize(10);
    EXPECT_EQ(axis.Size(8), 20) << "a cell added again starts with the default size";
}

TEST(GridAxis, ClampScrollableBringsAnIndexAmongTheScrollableCells) {
    struct Case {
        int Count, Fixed, Index, Clamped;
    };
    const Case cases[] = {
        {10, 1, 5, 5}, {10, 1, 0, 1}, {10, 1, -7, 1}, {10, 1, 10, 9}, {10, 0, 0, 0}, {10, 3, 99, 9},
        {2, 1, 5, 1}, // one scrollable cell
    };
    for (const Case& c : cases)
        EXPECT_EQ(Axis(c.Count, c.Fixed).ClampScrollable(c.Index), c.Clamped)
            << c.Count << " cells, " << c.Fixed << " fixed, index " << c.Index;
}

TEST(GridRect, SpansTwoCornersInAnyOrderInclusively) {
    const TGridRect rect = GridRectOf(TGridCoord{4, 1}, TGridCoord{2, 3});
    EXPECT_EQ(rect, (TGridRect{2, 1, 4, 3}));
    EXPECT_TRUE(rect.Contains(2, 1));
    EXPECT_TRUE(rect.Contains(4, 3));
    EXPECT_FALSE(rect.Contains(5, 3));
    EXPECT_FALSE(rect.Contains(3, 0));
}

} // namespace
