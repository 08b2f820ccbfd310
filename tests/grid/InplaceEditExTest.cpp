#include "tests/grid/GridExWindow.h"

#include <QClipboard>
#include <QKeyEvent>

using namespace platform;
using gridtest::Cell;
using gridtest::GridExWindow;
using gridtest::Stored;

namespace {

// One column of each kind the filter tells apart.
enum Column {
    Byte = 1, // the editor window's parameter columns: decimal 0..255
    Signed,   // decimal, Min -100
    Hex,      // hexadecimal input, Min -100
    Binary,
    Octal,
    Real2,    // two decimals
    Real0,    // no decimals
    RealPlus, // Min 0
    List,
    Text,
    Name, // the editor window's name column: csMaskEdit without a mask, MaxLength 16
    ColumnCount
};

struct KindGrid : GridExWindow {
    KindGrid() : GridExWindow(ColumnCount, 4) {
        Grid->SetDefaultColWidth(40);
        Numeric(Byte, imDec, 0.0, 255.0);
        Numeric(Signed, imDec, -100.0, 100.0);
        Numeric(Hex, imHex, -100.0, 1000.0);
        Numeric(Binary, imBin, -100.0, 1000.0);
        Numeric(Octal, imOct, -100.0, 1000.0);
        RealColumn(Real2, 2, -100.0);
        RealColumn(Real0, 0, -100.0);
        RealColumn(RealPlus, 2, 0.0);
        Style(List).SetColumnStyle(csList);
        for (const char* entry : {"a", "b", "c", "d"})
            Style(List).List().Add(entry);
        Style(Name).SetColumnStyle(csMaskEdit);
        Style(Name).SetMaxLength(16);
    }

    void Numeric(int Col, enIntEdit_IOMode Mode, double Min, double Max) {
        Style(Col).SetColumnStyle(csNumeric);
        Style(Col).Numeric().InputMode = Mode;
        Style(Col).Numeric().Min = Min;
        Style(Col).Numeric().Max = Max;
    }

    void RealColumn(int Col, int Decimals, double Min) {
        Style(Col).SetColumnStyle(csReal);
        Style(Col).Real().SetNumDecimals(Decimals);
        Style(Col).Real().Min = Min;
    }

    // Opens the editor on a cell of the column holding Text, then selects as given.
    void Edit(int Col, const std::string& Text, int SelStart, int SelLength) {
        Grid->HideEditor();
        GoTo(Col, 1);
        Grid->SetCells(Col, 1, Text);
        Press(Qt::Key_F2);
        ASSERT_TRUE(Grid->EditorMode());
        Editor()->SetSelStart(SelStart);
        Editor()->SetSelLength(SelLength);
    }
};

struct FilterCase {
    const char* Name;
    int Col;
    std::string Text;
    int SelStart, SelLength; // -1: the caret at the end
    QString Typed;
    std::string Result;
};

TEST(InplaceEditExFilter, TypedCharactersByColumnKind) {
    const std::vector<FilterCase> cases = {
        {"no minus where the column holds no negative values", Byte, "", -1, 0, QStringLiteral("-"), ""},
        {"digits only", Byte, "", -1, 0, QStringLiteral("12a "), "12"},
        {"minus at the start", Signed, "12", 0, 0, QStringLiteral("-"), "-12"},
        {"one minus only", Signed, "-12", 0, 0, QStringLiteral("-"), "-12"},
        {"no digit in front of the minus", Signed, "-12", 0, 0, QStringLiteral("5"), "-12"},
        {"a selection from the start is replaced", Signed, "-12", 0, 3, QStringLiteral("5"), "5"},
        {"minus replaces a selection from the start", Signed, "-12", 0, 3, QStringLiteral("-"), "-"},
        {"minus only at the start", Signed, "12", 1, 0, QStringLiteral("-"), "12"},
        {"hexadecimal", Hex, "", -1, 0, QStringLiteral("-Fg9a"), "F9a"},
        {"binary", Binary, "", -1, 0, QStringLiteral("0129"), "01"},
        {"octal", Octal, "", -1, 0, QStringLiteral("78-"), "7"},
        {"a decimal point", Real2, "3", -1, 0, QStringLiteral("."), "3."},
        {"a second point is refused", Real2, "3.1", -1, 0, QStringLiteral("."), "3.1"},
        {"a point may replace a selection covering the point", Real2, "3.1", 1, 2, QStringLiteral("."), "3."},
        {"a selection before the point keeps it", Real2, "13.1", 0, 1, QStringLiteral("."), "13.1"},
        {"real digits and sign", Real2, "", -1, 0, QStringLiteral("-1e5"), "-15"},
        {"no point without decimals", Real0, "5", -1, 0, QStringLiteral("."), "5"},
        {"no minus where reals cannot be negative", RealPlus, "", -1, 0, QStringLiteral("-2"), "2"},
        {"list indexes", List, "b", -1, 0, QStringLiteral("3-.x"), "13"},
        {"text takes everything", Text, "", -1, 0, QStringLiteral("a-.x&"), "a-.x&"},
        {"masked text takes everything", Name, "", -1, 0, QStringLiteral("A b-"), "A b-"},
        {"a double-byte character in a number column", Hex, "", -1, 0, QString::fromUtf8("アB"), "B"},
        {"a double-byte character in a text column", Text, "", -1, 0, QString::fromUtf8("アB"),
         "\x83\x41"
         "B"},
    };
    for (const FilterCase& c : cases) {
        KindGrid w;
        w.Show();
        w.Edit(c.Col, c.Text, c.SelStart < 0 ? static_cast<int>(c.Text.size()) : c.SelStart, c.SelLength);
        w.Type(c.Typed);
        EXPECT_EQ(w.EditorText(), c.Result) << c.Name;
    }
}

TEST(InplaceEditExFilter, BackspaceWorksAndClipboardCharactersDoNotInNumberColumns) {
    KindGrid w;
    w.Show();
    QApplication::clipboard()->setText(QStringLiteral("77"));
    w.Edit(Byte, "12", 2, 0);
    w.Press(Qt::Key_Backspace);
    EXPECT_EQ(w.EditorText(), "1");
    w.Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.EditorText(), "1") << "Ctrl+V arrives as character 22 and is refused";
    w.Press(Qt::Key_Delete);
    w.Press(Qt::Key_Left);
    w.Press(Qt::Key_Delete);
    EXPECT_EQ(w.EditorText(), "") << "keys without a character pass";

    w.Edit(Text, "x", 1, 0);
    w.Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.EditorText(), "x77");
}

// Some compose sequences deliver several characters in one key press; each goes through the filter.
TEST(InplaceEditExFilter, AKeyPressCarryingSeveralCharactersIsFilteredCharacterByCharacter) {
    KindGrid w;
    w.Show();
    w.Edit(Byte, "", 0, 0);
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("1a-2"));
    QApplication::sendEvent(w.Editor(), &press);
    EXPECT_EQ(w.EditorText(), "12");
    EXPECT_EQ(w.Grid->Cells(Byte, 1), "12");

    w.Edit(Name, "", 0, 0);
    QKeyEvent japanese(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("戦車"));
    QApplication::sendEvent(w.Editor(), &japanese);
    EXPECT_EQ(w.Grid->Cells(Name, 1), "\x90\xED\x8E\xD4");
}

TEST(InplaceEditExFilter, NameColumnTakesSixteenBytes) {
    KindGrid w;
    w.Show();
    w.Edit(Name, "", 0, 0);
    w.Type(QStringLiteral("ABCDEFGHIJKLMNOPQ"));
    EXPECT_EQ(w.EditorText(), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(w.Grid->Cells(Name, 1), "ABCDEFGHIJKLMNOP");

    w.Edit(Name, "", 0, 0);
    w.Type(QStringLiteral("ABCDEFGHIJKLMNO"));
    w.Type(QString::fromUtf8("ア"));
    EXPECT_EQ(w.EditorText(), "ABCDEFGHIJKLMNO") << "a double-byte character does not fit in the 16th byte";
    w.Press(Qt::Key_Backspace);
    w.Type(QString::fromUtf8("ア"));
    EXPECT_EQ(w.EditorText(), "ABCDEFGHIJKLMN\x83\x41");

    w.Edit(Text, "", 0, 0);
    w.Type(QStringLiteral("ABCDEFGHIJKLMNOPQRST"));
    EXPECT_EQ(w.EditorText().size(), 20u) << "no limit in a column with MaxLength 0";
}

TEST(InplaceEditExFilter, LimitDoesNotShortenALongerText) {
    KindGrid w;
    w.Show();
    w.Edit(Name, "ABCDEFGHIJKLMNOPQRS", 19, 0);
    w.Type(QStringLiteral("T"));
    EXPECT_EQ(w.EditorText(), "ABCDEFGHIJKLMNOPQRS");
    w.Press(Qt::Key_Backspace);
    EXPECT_EQ(w.EditorText(), "ABCDEFGHIJKLMNOPQR");
}

TEST(InplaceEditExFilter, InputMethodIsOffInNumberAndListColumns) {
    KindGrid w;
    w.Show();
    for (int col : {Byte, Real2, List}) {
        w.Edit(col, "", 0, 0);
        EXPECT_EQ(w.Editor()->ImeMode, imDisable) << col;
        EXPECT_FALSE(static_cast<QWidget*>(w.Editor())->inputMethodQuery(Qt::ImEnabled).toBool()) << col;
    }
    for (int col : {Text, Name}) {
        w.Edit(col, "", 0, 0);
        EXPECT_EQ(w.Editor()->ImeMode, imDontCare) << col;
    }
    EXPECT_EQ(w.Editor()->Style(), &w.Style(Name));
}

TEST(InplaceEditExFilter, StylesReplacedWhileTheEditorIsOpenAreLookedUpAgain) {
    KindGrid w;
    w.Show();
    w.Edit(Byte, "", 0, 0);
    w.Grid->SetColCount(ColumnCount - 1);
    w.Grid->ColumnStyles()->AdjustColumn(); // replaces every style: now all text columns
    w.Type(QStringLiteral("x"));
    EXPECT_EQ(w.EditorText(), "x");
}

TEST(InplaceEditExFilter, StylesReplacedWhileTheEditorIsFilledGiveTheLimitOfTheNewStyle) {
    KindGrid w;
    w.Show();
    bool replace = true;
    w.Grid->OnGetEditText = [&](TObject*, int, int, std::string&) {
        if (!replace) return;
        replace = false;
        w.Grid->ColumnStyles()->Clear();
        w.Grid->ColumnStyles()->AdjustColumn(); // every column a text column without a limit
    };
    w.GoTo(Name, 1);
    w.Press(Qt::Key_F2);
    w.Type(QStringLiteral("ABCDEFGHIJKLMNOPQRST"));
    EXPECT_EQ(w.EditorText().size(), 20u);
}

// ---- typing into cells, end to end -------------------------------------------------------------------

TEST(InplaceEditExTyping, EveryKeystrokeStoresTheClampedValueAndClosingStoresAgain) {
    KindGrid w;
    w.Show();
    w.GoTo(Byte, 2);
    w.Grid->SetCells(Byte, 2, "");
    w.Type(QStringLiteral("300"));
    EXPECT_EQ(w.EditorText(), "300") << "the editor shows what was typed";
    EXPECT_EQ(w.Grid->Cells(Byte, 2), "255");
    EXPECT_EQ(w.Stores, (std::vector<Stored>{{Byte, 2, "3"}, {Byte, 2, "30"}, {Byte, 2, "255"}}));
    EXPECT_EQ(w.Grid->GetInteger(Byte, 2), 255);
    w.Press(Qt::Key_Return);
    EXPECT_FALSE(w.Grid->EditorMode());
    EXPECT_EQ(w.Stores.back(), (Stored{Byte, 2, "255"}));
    EXPECT_EQ(w.Stores.size(), 4u);

    w.Press(Qt::Key_F2);
    EXPECT_EQ(w.EditorText(), "255") << "filled again from the cell";
}

TEST(InplaceEditExTyping, TypingReplacesTheValueAndEmptyingItStoresTheLowerLimit) {
    KindGrid w;
    w.Show();
    w.GoTo(Signed, 1);
    w.Grid->SetCells(Signed, 1, "42");
    w.Type(QStringLiteral("-7"));
    EXPECT_EQ(w.Grid->Cells(Signed, 1), "-7");
    w.Type(QStringLiteral("00"));
    EXPECT_EQ(w.EditorText(), "-700");
    EXPECT_EQ(w.Grid->Cells(Signed, 1), "-100");
    w.Editor()->SelectAll();
    w.Press(Qt::Key_Backspace);
    EXPECT_EQ(w.EditorText(), "");
    EXPECT_EQ(w.Stores.back(), (Stored{Signed, 1, "0"})) << "an empty edit text reads as 0";
}

TEST(InplaceEditExTyping, EscAfterTypingPutsTheOldValueBack) {
    KindGrid w;
    w.Show();
    w.GoTo(Byte, 3);
    w.Grid->SetCells(Byte, 3, "17");
    w.Type(QStringLiteral("99"));
    ASSERT_EQ(w.Grid->Cells(Byte, 3), "99");
    w.Stores.clear();
    w.Press(Qt::Key_Escape);
    EXPECT_FALSE(w.Grid->EditorMode());
    EXPECT_EQ(w.Grid->Cells(Byte, 3), "17");
    EXPECT_EQ(w.Stores, (std::vector<Stored>{{Byte, 3, "17"}}));
    EXPECT_EQ(w.DefaultPresses, 0);
}

TEST(InplaceEditExTyping, OpeningAndClosingLeavesAValueBeyondTheLimits) {
    KindGrid w;
    w.Show();
    w.GoTo(Byte, 1);
    w.Grid->SetCells(Byte, 1, "1500");
    w.Press(Qt::Key_F2);
    EXPECT_EQ(w.EditorText(), "1500");
    w.Press(Qt::Key_Return);
    w.Press(Qt::Key_F2);
    w.Press(Qt::Key_Down);
    EXPECT_EQ(w.Grid->Cells(Byte, 1), "1500");
    EXPECT_TRUE(w.Stores.empty());

    w.GoTo(Byte, 1);
    w.Press(Qt::Key_F2);
    w.Type(QStringLiteral("1"));
    EXPECT_EQ(w.Grid->Cells(Byte, 1), "255") << "an edit writes at most the limit";
    w.Press(Qt::Key_Escape);
    EXPECT_EQ(w.Grid->Cells(Byte, 1), "1500") << "Esc gives back the cell as it was";
    EXPECT_EQ(w.Stores.back(), (Stored{Byte, 1, "1500"}));
}

TEST(InplaceEditExTyping, ListColumnStoresTheEntryOfTheTypedIndex) {
    KindGrid w;
    w.Show();
    w.GoTo(List, 1);
    w.Grid->SetCells(List, 1, "c");
    w.Press(Qt::Key_F2);
    EXPECT_EQ(w.EditorText(), "2");
    w.Editor()->SelectAll();
    w.Type(QStringLiteral("3"));
    EXPECT_EQ(w.Grid->Cells(List, 1), "d");
    w.Type(QStringLiteral("1"));
    EXPECT_EQ(w.Grid->Cells(List, 1), "a") << "31 is past the list: the first entry";
}

} // namespace
