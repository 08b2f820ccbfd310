#include "grid/CellConversion.h"
#include "grid/GridEx.h"

#include "platform/Exceptions.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace platform;

namespace {

// Columns of the cases: A hexadecimal display with prefix, B 0..255 decimal (the editor window's
// parameter columns), C two decimals, L a list, G thousands grouping with a suffix, H hexadecimal input,
// M minimum 0.5, E an empty list, T text.
enum Column { A = 1, B, C, L, G, H, M, E, T, ColumnCount };

struct Event {
    int Col, Row;
    std::string Text;
    bool operator==(const Event&) const = default;
};

struct ConversionColumns {
    TStringGridEx Grid;
    std::vector<Event> Events;

    ConversionColumns() {
        Grid.SetColCount(ColumnCount);
        Grid.SetRowCount(3);
        Grid.ColumnStyles()->AdjustColumn();
        Style(A).SetColumnStyle(csNumeric);
        Style(A).Numeric().OutputMode = imHex;
        Style(A).Numeric().Prefix = "0x";
        Style(B).SetColumnStyle(csNumeric);
        Style(B).Numeric().Min = 0.0;
        Style(B).Numeric().Max = 255.0;
        Style(C).SetColumnStyle(csReal);
        Style(C).Real().SetNumDecimals(2);
        Style(L).SetColumnStyle(csList);
        for (const char* entry : {"red", "green", "blue"})
            Style(L).List().Add(entry);
        Style(G).SetColumnStyle(csNumeric);
        Style(G).Numeric().Insertion = inThousand;
        Style(G).Numeric().Suffix = " pcs";
        Style(H).SetColumnStyle(csNumeric);
        Style(H).Numeric().InputMode = imHex;
        Style(M).SetColumnStyle(csNumeric);
        Style(M).Numeric().Min = 0.5;
        Style(E).SetColumnStyle(csList);
        Grid.OnSetEditText = [this](TObject*, int ACol, int ARow, const std::string& Value) {
            Events.push_back(Event{ACol, ARow, Value});
        };
    }

    TColumnStyle& Style(int Col) { return *Grid.ColumnStyles()->GetColumn(Col); }
};

struct ConversionGrid : ::testing::Test, ConversionColumns {};

struct StoreCase {
    int Col;
    std::string Edit;
    std::string Cell;
};

TEST_F(ConversionGrid, SetEditTextStoresTheDisplayTextAndReportsIt) {
    const std::vector<StoreCase> cases = {
        {A, "255", "0xFF"},
        {A, "-1", "0xFFFFFFFF"},
        {B, "300", "255"},
        {B, "-7", "0"},
        {B, "", "0"},
        {B, "12a", "0"},
        {B, " 42", "42"},
        {B, "42 ", "0"},
        {B, "0x1F", "31"},
        {B, "255", "255"},
        {C, "3.14159", "3.14"},
        {C, "abc", "0.00"},
        {C, "1e11", "10000000000.00"},
        {C, "-2.5x", "-2.50"},
        {L, "2", "blue"},
        {L, "7", "red"},
        {L, "x", "red"},
        {G, "1234567", "1,234,567 pcs"},
        {G, "-1234", "-1,234 pcs"},
        {H, "ff", "255"},
        {M, "-5", "0"},
        {T, "any text", "any text"},
    };
    for (const StoreCase& c : cases) {
        Events.clear();
        Grid.SetEditText(c.Col, 1, c.Edit);
        EXPECT_EQ(Grid.Cells(c.Col, 1), c.Cell) << "column " << c.Col << " edit '" << c.Edit << "'";
        EXPECT_EQ(Events, (std::vector<Event>{{c.Col, 1, c.Cell}})) << "the event carries the display text";
    }
}

struct EditCase {
    std::string Name;
    int Col;
    std::string Cell;
    std::string Edit;
    std::function<void(TColumnStyle&)> Setup = nullptr;
};

TEST_F(ConversionGrid, GetEditTextGivesTheEditFormOfTheCell) {
    const std::vector<EditCase> cases = {
        {"hex display back to decimal", A, "0xFF", "255"},
        {"all 32 bits", A, "0xFFFFFFFF", "-1"},
        {"prefix missing", A, "FF", ""},
        {"prefix missing, start from the default", A, "FF", "5",
         [](TColumnStyle& s) {
             s.SetClearStart(false);
             s.Numeric().Default = 5.9;
         }},
        {"prefix alone reads as 0", A, "0x", "0"},
        {"affixes match, reading fails", B, "abc", "0"},
        {"empty cell", B, "", ""},
        {"empty cell, start from the default", B, "", "7",
         [](TColumnStyle& s) {
             s.SetClearStart(false);
             s.Numeric().Default = 7.9;
         }},
        {"the real body as it stands", C, "3.50", "3.50"},
        {"empty real cell from the default", C, "", "1.50",
         [](TColumnStyle& s) {
             s.SetClearStart(false);
             s.Real().Default = 1.5;
         }},
        {"real affixes stripped, not read", C, "$ 1.2.3 net", " 1.2.3",
         [](TColumnStyle& s) {
             s.Real().Prefix = "$";
             s.Real().Suffix = " net";
         }},
        {"list entry index", L, "green", "1"},
        {"list entries compare with case", L, "Green", "0"},
        {"empty cell in a list", L, "", "0"},
        {"list without entries", E, "anything", ""},
        {"grouping and suffix removed", G, "1,234,567 pcs", "1234567"},
        {"suffix missing", G, "1,234", ""},
        {"hex input written for editing", H, "255", "FF"},
        {"hex input in lower case", H, "255", "ff", [](TColumnStyle& s) { s.Numeric().HexChar = hcLower; }},
        {"text column unchanged", T, "a&b", "a&b"},
    };
    for (const EditCase& c : cases) {
        ConversionColumns fresh;
        if (c.Setup) c.Setup(fresh.Style(c.Col));
        fresh.Grid.SetCells(c.Col, 1, c.Cell);
        EXPECT_EQ(fresh.Grid.GetEditText(c.Col, 1), c.Edit) << c.Name;
    }
}

TEST_F(ConversionGrid, EditTextRoundTripsThroughTheDisplayForm) {
    for (int col : {A, B, G, H}) {
        for (const char* edit : {"0", "1", "42", "255"}) {
            Grid.SetEditText(col, 1, edit);
            const std::string display = Grid.Cells(col, 1);
            const std::string back = Grid.GetEditText(col, 1);
            Grid.SetEditText(col, 2, back);
            EXPECT_EQ(Grid.Cells(col, 2), display) << "column " << col << " value " << edit;
        }
    }
}

TEST_F(ConversionGrid, GetEditTextStartsFromTheBaseEditText) {
    Grid.OnGetEditText = [](TObject*, int, int, std::string& Value) { Value = "0x10"; };
    Grid.SetCells(A, 1, "0xFF");
    EXPECT_EQ(Grid.GetEditText(A, 1), "16");
}

TEST_F(ConversionGrid, ColumnsWithoutStyleAreLeftAlone) {
    Grid.SetColCount(ColumnCount + 1);
    ASSERT_EQ(Grid.ColumnStyles()->Count(), ColumnCount);
    const int unstyled = ColumnCount;
    Grid.SetCells(unstyled, 1, "keep");
    Grid.SetEditText(unstyled, 1, "new");
    Grid.SetEditText(-1, 1, "new");
    EXPECT_EQ(Grid.Cells(unstyled, 1), "keep");
    EXPECT_TRUE(Events.empty());
    EXPECT_EQ(Grid.GetEditText(unstyled, 1), "keep");

    const std::string indexError = "ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています (" + std::to_string(unstyled) + ")";
    for (const std::function<void()>& call : std::vector<std::function<void()>>{
             [&] { Grid.GetEditMask(unstyled, 1); }, [&] { Grid.GetInteger(unstyled, 1); },
             [&] { Grid.GetReal(unstyled, 1); }, [&] { Grid.SetReal(unstyled, 1, 1.0); }}) {
        try {
            call();
            ADD_FAILURE() << "expected the list index error";
        } catch (const EListError& error) {
            EXPECT_EQ(error.Message(), indexError);
        }
    }
    EXPECT_EQ(Grid.GetEditMask(-1, 1), "");
}

TEST_F(ConversionGrid, ListEntryThatDoesNotExistStoresNothing) {
    struct Case {
        int Col;
        std::string Edit;
        std::string Message;
    };
    for (const Case& c : {Case{L, "-1", "ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています (-1)"},
                          Case{E, "0", "ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています (0)"}}) {
        Events.clear();
        Grid.SetCells(c.Col, 1, "before");
        try {
            Grid.SetEditText(c.Col, 1, c.Edit);
            ADD_FAILURE() << "expected the list index error";
        } catch (const EListError& error) {
            EXPECT_EQ(error.Message(), c.Message);
        }
        EXPECT_EQ(Grid.Cells(c.Col, 1), "before");
        EXPECT_TRUE(Events.empty());
    }
}

TEST_F(ConversionGrid, EditMaskByColumnKind) {
    Grid.OnGetEditMask = [](TObject*, int, int, std::string& Mask) { Mask = "base"; };
    Style(A).SetEditMask("999");
    Style(T).SetEditMask("000");
    EXPECT_EQ(Grid.GetEditMask(A, 1), "") << "numeric";
    EXPECT_EQ(Grid.GetEditMask(C, 1), "");
    EXPECT_EQ(Grid.GetEditMask(L, 1), "");
    EXPECT_EQ(Grid.GetEditMask(T, 1), "base") << "a text column asks the base grid";
    Style(T).SetColumnStyle(csMaskEdit);
    EXPECT_EQ(Grid.GetEditMask(T, 1), "000");
}

struct ReadCase {
    std::string Name;
    int Col;
    std::string Cell;
    std::int32_t Integer;
    double Real;
};

TEST_F(ConversionGrid, GetIntegerAndGetRealReadTheWholeCellText) {
    Style(B).Numeric().Default = 7.9;
    Style(C).Real().Default = -2.5;
    const std::vector<ReadCase> cases = {
        {"decimal", B, "12", 12, 12.0},
        {"empty numeric cell gives the default", B, "", 7, 7.9},
        {"grouped text is no decimal", B, "1,234", 7, 1.0},
        {"suffix text", B, "12 pcs", 7, 12.0},
        {"the 0x form is read", A, "0xFF", 255, 0.0},
        {"real text is no integer", C, "3.7", -2, 3.7},
        {"empty real cell", C, "", -2, -2.5},
        {"text column", T, "5", 0, 5.0},
        {"empty text column", T, "", 0, 0.0},
        {"list column", L, "2", 0, 2.0},
    };
    for (const ReadCase& c : cases) {
        Grid.SetCells(c.Col, 1, c.Cell);
        EXPECT_EQ(Grid.GetInteger(c.Col, 1), c.Integer) << c.Name;
        EXPECT_DOUBLE_EQ(Grid.GetReal(c.Col, 1), c.Real) << c.Name;
    }
}

TEST_F(ConversionGrid, SetRealTruncatesForIntegerColumnsBeforeClamping) {
    struct Case {
        int Col;
        double Value;
        std::string Cell;
    };
    for (const Case& c : {Case{B, 2.9, "2"}, Case{B, -2.9, "0"}, Case{B, 1e3, "255"}, Case{L, 1.7, "green"},
                          Case{C, 2.5, "2.50"}, Case{T, 1.5e20, "1.5E20"}, Case{T, 0.25, "0.25"}}) {
        Events.clear();
        Grid.SetReal(c.Col, 1, c.Value);
        EXPECT_EQ(Grid.Cells(c.Col, 1), c.Cell) << "column " << c.Col << " value " << c.Value;
        EXPECT_EQ(Events.size(), 1u);
    }
}

TEST_F(ConversionGrid, SetIntegerIsReadAgainInTheInputNotation) {
    Grid.SetInteger(H, 1, 16);
    EXPECT_EQ(Grid.Cells(H, 1), "22") << "16 read as hexadecimal";
    Grid.SetInteger(B, 1, 300);
    EXPECT_EQ(Grid.Cells(B, 1), "255");
    Grid.SetInteger(G, 1, -5000);
    EXPECT_EQ(Grid.Cells(G, 1), "-5,000 pcs");
}

// A derived grid that replaces SetEditText receives the accessors' stores.
class RecordingGrid : public TStringGridEx {
public:
    std::vector<std::string> Stored;
    void SetEditText(int ACol, int ARow, const std::string& Value) override {
        Stored.push_back(Value);
        TStringGridEx::SetEditText(ACol, ARow, Value);
    }
};

TEST(GridExAccessors, StoreThroughTheOverridableSetEditText) {
    RecordingGrid grid;
    grid.ColumnStyles()->AdjustColumn();
    grid.ColumnStyles()->GetColumn(1)->SetColumnStyle(csNumeric);
    grid.SetInteger(1, 1, 12);
    grid.SetReal(1, 1, 3.9);
    grid.SetReal(2, 1, 0.5);
    EXPECT_EQ(grid.Stored, (std::vector<std::string>{"12", "3", "0.5"}));
}

TEST(StripAffixes, ComparesBytesAndNeedsABodyBeyondTheSuffix) {
    struct Case {
        std::string Text, Prefix, Suffix;
        std::optional<std::string> Body;
    };
    const std::vector<Case> cases = {
        {"0xFF", "0x", "", "FF"},
        {"12 pcs", "", " pcs", "12"},
        {"", "", "", std::nullopt},
        {" pcs", "", " pcs", std::nullopt},
        {"0X1", "0x", "", std::nullopt},
        {"0", "0x", "", std::nullopt},
        {"abc", "ab", "bc", ""},
        {"x1y", "x", "y", "1"},
        {"x1z", "x", "y", std::nullopt},
        {"\x82\xa0"
         "5",
         "\x82\xa0", "", "5"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(gridex::StripAffixes(c.Text, c.Prefix, c.Suffix), c.Body)
            << "'" << c.Text << "' between '" << c.Prefix << "' and '" << c.Suffix << "'";
    }
}

} // namespace
