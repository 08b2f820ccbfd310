#include "grid/ColumnStyles.h"
#include "grid/GridEx.h"

#include "platform/Exceptions.h"
#include "platform/Graphics.h"

#include <QTest>

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>

using namespace platform;

namespace {

const std::string GridIndexError = "ｸﾞﾘｯﾄﾞｲﾝﾃﾞｯｸｽ が範囲を超えています";

std::string ListIndexError(int Index) {
    return "ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています (" + std::to_string(Index) + ")";
}

template <typename Error, typename F> std::string MessageOf(F&& Call) {
    try {
        Call();
    } catch (const Error& error) {
        return error.Message();
    }
    return "(no error)";
}

void ExpectDefaultSettings(const TColumnStyle& Style) {
    EXPECT_TRUE(Style.ClearStart());
    EXPECT_EQ(Style.ColumnStyle(), csCharacter);
    EXPECT_EQ(Style.DataAlignment(), taLeftJustify);
    EXPECT_EQ(Style.DataBack(), clWhite);
    EXPECT_EQ(Style.DataColor(), clBlack);
    EXPECT_EQ(Style.EditMask(), "");
    EXPECT_EQ(Style.Header(), "");
    EXPECT_EQ(Style.HeaderAlignment(), taCenter);
    EXPECT_EQ(Style.HeaderBack(), clBtnFace);
    EXPECT_EQ(Style.HeaderColor(), clBlack);
    EXPECT_EQ(Style.MaxLength(), 0);
    EXPECT_TRUE(Style.Selection());
    EXPECT_EQ(Style.Width(), 64);
}

void ExpectDefaultNumbers(const TColumnStyle& Style) {
    const TRxKnNumeric& numeric = Style.Numeric();
    EXPECT_EQ(numeric.Default, 0.0);
    EXPECT_EQ(numeric.HexChar, hcUpper);
    EXPECT_EQ(numeric.Insertion, inNone);
    EXPECT_EQ(numeric.InputMode, imDec);
    EXPECT_EQ(numeric.Max, 10000000.0);
    EXPECT_EQ(numeric.Min, -10000000.0);
    EXPECT_EQ(numeric.OutputMode, imDec);
    EXPECT_EQ(numeric.Prefix, "");
    EXPECT_EQ(numeric.Suffix, "");
    const TRxKnReal& real = Style.Real();
    EXPECT_EQ(real.Default, 0.0);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(real.Max), 0x4202A05F1FFFFFFFu);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(real.Min), 0xC202A05F1FFFFFFFu);
    EXPECT_LT(real.Max, 1e10);
    EXPECT_EQ(real.NumDecimals(), 0);
    EXPECT_EQ(real.Prefix, "");
    EXPECT_EQ(real.Suffix, "");
}

// Every setting of a style changed away from its default.
void ChangeEverything(TColumnStyle& Style) {
    Style.SetClearStart(false);
    Style.SetColumnStyle(csReal);
    Style.SetDataAlignment(taRightJustify);
    Style.SetDataBack(0x00C0FFFF);
    Style.SetDataColor(0x000000FF);
    Style.SetEditMask("999;0;_");
    Style.SetHeader("H");
    Style.SetHeaderAlignment(taLeftJustify);
    Style.SetHeaderBack(0x00FF0000);
    Style.SetHeaderColor(0x0000FF00);
    Style.SetMaxLength(16);
    Style.SetSelection(false);
    Style.SetWidth(33);
    Style.List().Add("one");
    Style.Numeric().Max = 255.0;
    Style.Numeric().OutputMode = imHex;
    Style.Numeric().Prefix = "0x";
    Style.Real().SetNumDecimals(3);
    Style.Real().Suffix = " kg";
}

// A component that is not a grid, named like the column-style editing dialog.
class TColumnEditExDialog : public TComponent {};

class TNamedComponent : public TComponent {
public:
    explicit TNamedComponent(std::string Name) : FName(std::move(Name)) {}
    std::string ClassName() const override { return FName; }

private:
    std::string FName;
};

TEST(ColumnStyles, NewCollectionHoldsNoItemsAndADefaultWithTheDefaultSettings) {
    TStringGridEx grid;
    TColumnStyles& styles = *grid.ColumnStyles();
    EXPECT_EQ(styles.Count(), 0);
    EXPECT_EQ(styles.Owner(), &grid);
    EXPECT_EQ(styles.GetOwner(), &grid);
    EXPECT_EQ(styles.Grid(), &grid);
    EXPECT_EQ(styles.GetColumn(-1), nullptr);
    EXPECT_EQ(MessageOf<EListError>([&] { styles.GetColumn(0); }), ListIndexError(0));
    ExpectDefaultSettings(*styles.Default());
    ExpectDefaultNumbers(*styles.Default());
    EXPECT_EQ(styles.Default()->Index(), -1) << "Default is no item";
    EXPECT_EQ(styles.Default()->Numeric().Styles(), &styles);
}

TEST(ColumnStyles, AnItemStartsWithTheDefaultSettingsAndIsFoundByItsIndex) {
    TColumnStyles styles(nullptr);
    TColumnStyle* first = styles.Add();
    TColumnStyle* second = new TColumnStyle(&styles);
    EXPECT_EQ(styles.Count(), 2);
    EXPECT_EQ(styles.GetColumn(0), first);
    EXPECT_EQ(styles.GetColumn(1), second);
    EXPECT_EQ(second->Index(), 1);
    EXPECT_EQ(second->Styles(), &styles);
    EXPECT_EQ(second->Real().Styles(), &styles);
    ExpectDefaultSettings(*second);
    ExpectDefaultNumbers(*second);
    EXPECT_EQ(second->List().Count(), 0);
    EXPECT_EQ(MessageOf<EListError>([&] { styles.GetColumn(2); }), ListIndexError(2));
}

TEST(ColumnStyles, AssignCopiesEverythingAndSharesNothing) {
    TColumnStyles styles(nullptr);
    TColumnStyle& source = *styles.Add();
    TColumnStyle& copy = *styles.Add();
    ChangeEverything(source);
    copy.Assign(&source);

    EXPECT_FALSE(copy.ClearStart());
    EXPECT_EQ(copy.ColumnStyle(), csReal);
    EXPECT_EQ(copy.DataAlignment(), taRightJustify);
    EXPECT_EQ(copy.DataBack(), 0x00C0FFFFu);
    EXPECT_EQ(copy.DataColor(), 0x000000FFu);
    EXPECT_EQ(copy.EditMask(), "999;0;_");
    EXPECT_EQ(copy.Header(), "H");
    EXPECT_EQ(copy.HeaderAlignment(), taLeftJustify);
    EXPECT_EQ(copy.HeaderBack(), 0x00FF0000u);
    EXPECT_EQ(copy.HeaderColor(), 0x0000FF00u);
    EXPECT_EQ(copy.MaxLength(), 16);
    EXPECT_FALSE(copy.Selection());
    EXPECT_EQ(copy.Width(), 33);
    EXPECT_EQ(copy.List().Strings(), std::vector<std::string>{"one"});
    EXPECT_EQ(copy.Numeric().Max, 255.0);
    EXPECT_EQ(copy.Numeric().OutputMode, imHex);
    EXPECT_EQ(copy.Numeric().Prefix, "0x");
    EXPECT_EQ(copy.Real().NumDecimals(), 3);
    EXPECT_EQ(copy.Real().Suffix, " kg");

    source.List().Put(0, "changed");
    source.List().Add("two");
    source.Numeric().Max = 1.0;
    source.Real().Suffix = "";
    EXPECT_EQ(copy.List().Strings(), std::vector<std::string>{"one"});
    EXPECT_EQ(copy.Numeric().Max, 255.0);
    EXPECT_EQ(copy.Real().Suffix, " kg");
}

TEST(ColumnStyles, AssignNullKeepsTheListAndNumberSettings) {
    TColumnStyles styles(nullptr);
    TColumnStyle& style = *styles.Add();
    ChangeEverything(style);
    style.Assign(nullptr);
    ExpectDefaultSettings(style);
    EXPECT_EQ(style.List().Strings(), std::vector<std::string>{"one"});
    EXPECT_EQ(style.Numeric().Max, 255.0);
    EXPECT_EQ(style.Real().NumDecimals(), 3);
}

TEST(ColumnStyles, NumberSettingsAssignAndNumDecimals) {
    TColumnStyles styles(nullptr);
    TRxKnNumeric numeric(&styles);
    numeric.Max = 5.0;
    numeric.Assign(nullptr);
    EXPECT_EQ(numeric.Max, 5.0) << "null changes nothing";
    TRxKnNumeric other(nullptr);
    other.Assign(&numeric);
    EXPECT_EQ(other.Max, 5.0);
    EXPECT_EQ(other.Styles(), nullptr) << "the owning collection is not copied";

    TRxKnReal real(&styles);
    real.SetNumDecimals(4);
    real.SetNumDecimals(-1);
    EXPECT_EQ(real.NumDecimals(), 4) << "a negative count is ignored";
    real.Assign(nullptr);
    EXPECT_EQ(real.NumDecimals(), 4);
    TRxKnReal copy(nullptr);
    real.Min = -1.0;
    copy.Assign(&real);
    EXPECT_EQ(copy.NumDecimals(), 4);
    EXPECT_EQ(copy.Min, -1.0);
}

struct StyledGrid : ::testing::Test {
    TStringGridEx Grid;
    TColumnStyles& Styles = *Grid.ColumnStyles();
    StyledGrid() {
        Grid.SetColCount(5);
        Grid.SetRowCount(4);
        Grid.SetFixedRows(2);
    }
};

TEST_F(StyledGrid, HeaderAndWidthSettersWriteTheGrid) {
    Styles.AdjustColumn();
    TColumnStyle& style = *Styles.GetColumn(2);
    style.SetHeader("\x83\x5e"); // a double-byte character
    style.SetWidth(91);
    EXPECT_EQ(Grid.Cells(2, 0), "\x83\x5e") << "row 0, whatever the fixed rows";
    EXPECT_EQ(Grid.Cells(2, 1), "");
    EXPECT_EQ(Grid.ColWidths(2), 91);
    style.SetDataBack(clNavy);
    EXPECT_EQ(Grid.Cells(2, 0), "\x83\x5e") << "other settings write no cell";
}

TEST_F(StyledGrid, WidthOfAColumnTheGridDoesNotHaveIsRefusedAfterItIsStored) {
    Styles.AdjustColumn();
    TColumnStyle& extra = *Styles.Add();
    EXPECT_EQ(MessageOf<EInvalidGridOperation>([&] { extra.SetWidth(40); }), GridIndexError);
    EXPECT_EQ(extra.Width(), 40);
    EXPECT_EQ(MessageOf<EInvalidGridOperation>([&] { extra.Assign(Styles.Default()); }), GridIndexError);
}

TEST_F(StyledGrid, AssignWritesTheHeaderAndWidthOfItsColumn) {
    Styles.AdjustColumn();
    TColumnStyles others(nullptr);
    TColumnStyle& source = *others.Add();
    source.SetHeader("T");
    source.SetWidth(50);
    Styles.GetColumn(3)->Assign(&source);
    EXPECT_EQ(Grid.Cells(3, 0), "T");
    EXPECT_EQ(Grid.ColWidths(3), 50);
}

TEST_F(StyledGrid, AdjustColumnAddsCopiesOfDefaultAndKeepsTheStylesThere) {
    for (int i = 0; i < 3; ++i) {
        TColumnStyle& style = *Styles.Add();
        style.SetHeader("kept" + std::to_string(i));
        style.Numeric().Max = 10.0 + i;
    }
    Styles.Default()->SetHeader("new");
    Styles.Default()->SetWidth(80);
    Styles.Default()->Numeric().Max = 99.0;
    Grid.SetCells(3, 0, "old");
    Styles.AdjustColumn();

    ASSERT_EQ(Styles.Count(), 5);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Styles.GetColumn(i)->Header(), "kept" + std::to_string(i));
        EXPECT_EQ(Styles.GetColumn(i)->Numeric().Max, 10.0 + i);
        EXPECT_EQ(Grid.ColWidths(i), 64);
    }
    for (int i = 3; i < 5; ++i) {
        EXPECT_EQ(Styles.GetColumn(i)->Numeric().Max, 99.0);
        EXPECT_EQ(Grid.Cells(i, 0), "new");
        EXPECT_EQ(Grid.ColWidths(i), 80);
    }
    Styles.Default()->Numeric().Max = 1.0;
    EXPECT_EQ(Styles.GetColumn(4)->Numeric().Max, 99.0) << "a later change of Default reaches no column";
}

TEST_F(StyledGrid, AdjustColumnWithMoreStylesThanColumnsReplacesThemAll) {
    for (int i = 0; i < 6; ++i)
        Styles.Add()->SetDataBack(clNavy);
    Styles.AdjustColumn();
    ASSERT_EQ(Styles.Count(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Styles.GetColumn(i)->DataBack(), clWhite);
}

TEST_F(StyledGrid, DefaultStylesNoColumn) {
    Styles.AdjustColumn();
    for (int i = 0; i < Grid.ColCount(); ++i)
        Grid.SetCells(i, 0, "cell");
    Styles.Default()->SetHeader("D");
    Styles.Default()->SetWidth(12);
    TColumnStyle& column = *Styles.GetColumn(4);
    column.SetHeader("col");
    column.SetWidth(70);
    column.Numeric().Max = 7.0;
    Styles.SetDefault(column);
    column.Numeric().Max = 8.0;
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Grid.Cells(i, 0), "cell");
        EXPECT_EQ(Grid.ColWidths(i), 64);
    }
    EXPECT_EQ(Styles.Default()->Header(), "col");
    EXPECT_EQ(Styles.Default()->Width(), 70);
    EXPECT_EQ(Styles.Default()->Numeric().Max, 7.0) << "SetDefault copies; the column stays its own";
}

TEST_F(StyledGrid, WhileLoadingNothingReachesTheGridAndLoadedCopiesTheHeaders) {
    Grid.BeginLoading();
    Styles.Clear();
    for (int i = 0; i < 5; ++i) {
        TColumnStyle& style = *Styles.Add();
        style.SetHeader(std::string(1, static_cast<char>('A' + i)));
        style.SetWidth(30 + i);
    }
    Styles.GetColumn(1)->Assign(Styles.GetColumn(2));
    EXPECT_EQ(Grid.Cells(1, 0), "");
    EXPECT_EQ(Grid.ColWidths(1), 64);
    Grid.Loaded();
    EXPECT_FALSE(Grid.Loading());
    EXPECT_EQ(Grid.Cells(0, 0), "A");
    EXPECT_EQ(Grid.Cells(1, 0), "C");
    EXPECT_EQ(Grid.Cells(4, 0), "E");
    EXPECT_EQ(Grid.ColWidths(1), 64) << "loading copies only the headers";
    Styles.GetColumn(1)->SetHeader("after");
    EXPECT_EQ(Grid.Cells(1, 0), "after");
}

TEST_F(StyledGrid, LoadedWithFewerStylesThanColumnsStopsAtTheMissingOne) {
    Grid.BeginLoading();
    Styles.Add()->SetHeader("A");
    Styles.Add()->SetHeader("B");
    EXPECT_EQ(MessageOf<EListError>([&] { Grid.Loaded(); }), ListIndexError(2));
    EXPECT_EQ(Grid.Cells(1, 0), "B");
    EXPECT_FALSE(Grid.Loading());
}

TEST(ColumnStylesOwner, AnEditingDialogOwnerIsRecognisedInAnyLetterCase) {
    for (const char* name : {"TColumnEditExDialog", "tcolumneditexdialog", "TCOLUMNEDITEXDIALOG"}) {
        TNamedComponent owner(name);
        EXPECT_TRUE(TColumnStyles::IsEditDialog(&owner)) << name;
        EXPECT_EQ(TColumnStyles(&owner).Grid(), nullptr);
    }
    for (const char* name : {"TColumnEditExDialog2", "TStringGridEx", ""}) {
        TNamedComponent owner(name);
        EXPECT_FALSE(TColumnStyles::IsEditDialog(&owner)) << name;
    }
}

TEST(ColumnStylesOwner, CollectionOfAnEditingDialogAdjustsToNoGrid) {
    TColumnEditExDialog dialog;
    ASSERT_EQ(dialog.ClassName(), "TColumnEditExDialog");
    TColumnStyles styles(&dialog);
    EXPECT_EQ(styles.Owner(), &dialog);
    EXPECT_EQ(styles.Grid(), nullptr);
    styles.AdjustColumn();
    EXPECT_EQ(styles.Count(), 0);
    TColumnStyle& style = *styles.Add();
    style.SetWidth(10);
    style.SetHeader("h");
    style.Assign(styles.Default());
    EXPECT_EQ(style.Width(), 64);
}

} // namespace
