#include "tests/app/EditorFixture.h"

#include "app/ColumnCatalogue.h"
#include "platform/Codec.h"

#include <QKeyEvent>

namespace {

// The bytes a save must hold: the sample with the given edits.
struct Expected {
    fixture::Bytes bytes;
    void Field(int row, int col, unsigned value) { fixture::WriteField(bytes, row - 1, col, value); }
    void Name(int row, const std::string& sixteen) {
        std::copy(sixteen.begin(), sixteen.end(),
                  bytes.begin() + static_cast<long>(fixture::NamePos(row - 1)));
    }
};

class EditingTest : public EditorTest {
protected:
    QWidget* Viewport() { return window->StringGridEx1->viewport(); }
    QPoint CellCentre(int col, int row) {
        return window->StringGridEx1->CellRect(col, row).ToQRect().center();
    }

    void ClickCell(int col, int row) {
        if (!window->isActiveWindow()) Activate();
        window->StringGridEx1->SetTopRow(std::max(1, row - 3));
        QTest::mouseClick(Viewport(), Qt::LeftButton, {}, CellCentre(col, row));
    }
    QWidget* Focused() { return QApplication::focusWidget(); }
    void Type(const char* keys) { QTest::keyClicks(Focused(), QString::fromLatin1(keys)); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(Focused(), key, modifiers);
    }
    // Text that has no key of its own (Japanese), as an input method commits it.
    void TypeText(const char* utf8) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8(utf8));
        QApplication::sendEvent(Focused(), &press);
    }
    unsigned ImageField(int row, int col) {
        const auto* image = reinterpret_cast<const std::uint8_t*>(&window->Image());
        fixture::Bytes bytes(image, image + fixture::kFileSize);
        return fixture::ReadField(bytes, row - 1, col);
    }
    fixture::Bytes Saved() {
        Shortcut(Qt::Key_S);
        return fixture::ReadBytes(Path("weapon.prm"));
    }
};

} // namespace

TEST_F(EditingTest, ShowingTheWindowSetsUpEveryColumn) {
    WriteSettings(Path("weapon.prm"));
    app::TForm1& form = CreateForm();
    TStringGridEx& grid = *form.StringGridEx1;
    EXPECT_EQ(grid.Cells(0, 0), fixture::Cp932("ユニット名"));
    const char* letters[] = {"存", "移", "用", "種"};
    for (int c = 1; c <= 4; ++c)
        EXPECT_EQ(grid.Cells(c, 0), fixture::Cp932(letters[c - 1]));
    EXPECT_EQ(grid.Cells(41, 0), fixture::Cp932("大"));
    EXPECT_EQ(grid.Cells(42, 0), fixture::Cp932("小"));
    EXPECT_EQ(grid.Cells(46, 0), fixture::Cp932("無"));

    const TColumnStyle* names = grid.ColumnStyles()->GetColumn(0);
    EXPECT_EQ(names->ColumnStyle(), csMaskEdit);
    EXPECT_EQ(names->MaxLength(), 16);
    EXPECT_EQ(names->DataAlignment(), platform::taLeftJustify);
    struct Band {
        int first, last;
        platform::TColor back;
        double max;
    } bands[] = {{1, 12, platform::clWindow, 255}, {13, 18, 0xFFFFC0, 255},
                 {19, 24, 0xC0FFC0, 255},          {25, 30, 0xFFC080, 255},
                 {31, 31, 0xC0FFFF, 999},          {32, 32, platform::clWindow, 255},
                 {33, 34, 0xC0FFFF, 999},          {35, 46, platform::clWindow, 255}};
    for (const Band& band : bands)
        for (int c = band.first; c <= band.last; ++c) {
            const TColumnStyle* style = grid.ColumnStyles()->GetColumn(c);
            EXPECT_EQ(style->ColumnStyle(), csNumeric) << c;
            EXPECT_EQ(style->DataBack(), band.back) << c;
            EXPECT_EQ(style->Numeric().Max, band.max) << c;
            EXPECT_EQ(style->Numeric().Min, 0.0) << c;
            EXPECT_EQ(style->DataAlignment(), platform::taRightJustify) << c;
            EXPECT_EQ(style->HeaderAlignment(), platform::taCenter) << c;
            EXPECT_EQ(style->HeaderBack(), platform::clBtnFace) << c;
        }
}

TEST_F(EditingTest, TypedValuesReachTheFileClampedToTheirColumn) {
    OpenSample();
    Expected expected{sample};
    struct Case {
        int col, row;
        const char* keys;
        unsigned stored;
        const char* shown;
    } cases[] = {
        {1, 10, "200", 200, "200"},  {2, 11, "300", 255, "255"},   {32, 12, "256", 255, "255"},
        {31, 13, "999", 999, "999"}, {33, 14, "1000", 999, "999"}, {34, 15, "42", 42, "42"},
        {13, 16, "007", 7, "7"},     {46, 251, "9", 9, "9"},
    };
    for (const Case& c : cases) {
        ClickCell(c.col, c.row);
        Type(c.keys);
        Key(Qt::Key_Return);
        EXPECT_EQ(window->StringGridEx1->Cells(c.col, c.row), c.shown) << c.col << "," << c.row;
        EXPECT_EQ(ImageField(c.row, c.col), c.stored) << c.col << "," << c.row;
        expected.Field(c.row, c.col, c.stored);
    }
    EXPECT_EQ(Saved(), expected.bytes);
}

TEST_F(EditingTest, EveryKeystrokeLandsAtOnce) {
    OpenSample();
    ClickCell(5, 20);
    Type("1");
    EXPECT_EQ(ImageField(20, 5), 1u);
    Type("2");
    EXPECT_EQ(ImageField(20, 5), 12u);
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(ImageField(20, 5), 0u) << "an emptied cell holds the column's minimum";
    Key(Qt::Key_Return);
    EXPECT_EQ(window->StringGridEx1->Row(), 21) << "Enter moves down";
    EXPECT_EQ(window->StringGridEx1->Cells(5, 20), "0");

    // Letters and signs are refused by the parameter columns; Esc puts back the text the editor had.
    ClickCell(6, 20);
    const unsigned before = ImageField(20, 6);
    Type("a-x");
    EXPECT_EQ(ImageField(20, 6), before);
    Type("9");
    EXPECT_EQ(ImageField(20, 6), 9u);
    Key(Qt::Key_Escape);
    EXPECT_EQ(ImageField(20, 6), before);
    EXPECT_EQ(window->StringGridEx1->Cells(6, 20), std::to_string(before));
}

TEST_F(EditingTest, TypingBeforeAFileIsLoadedChangesNoImageByte) {
    WriteSettings(Path("weapon.prm"));
    CreateForm();
    ClickCell(3, 3);
    Type("77");
    Key(Qt::Key_Return);
    const auto* image = reinterpret_cast<const std::uint8_t*>(&window->Image());
    EXPECT_TRUE(std::all_of(image, image + fixture::kFileSize, [](std::uint8_t b) { return b == 0; }));
    EXPECT_EQ(window->StringGridEx1->Cells(3, 3), "77");
}

TEST_F(EditingTest, UnitNamesAreEditedInUnitNameModeOnly) {
    OpenSample();
    ClickCell(1, 30);
    Key(Qt::Key_Left);
    EXPECT_EQ(window->StringGridEx1->Col(), 1) << "the name column is fixed outside unit-name mode";

    Shortcut(Qt::Key_U);
    EXPECT_TRUE(window->ModeU1->Checked());
    EXPECT_EQ(window->StringGridEx1->FixedCols(), 0);
    Expected expected{sample};
    struct Case {
        int row;
        const char* ascii;
        const char* japanese;
        std::string stored;
        std::string shown;
    } cases[] = {
        {30, "ABC", nullptr, "ABC             ", "ABC"},
        {31, nullptr, "戦車改", fixture::Cp932("戦車改") + "          ", fixture::Cp932("戦車改")},
        {32, "ABCDEFGHIJKLMNOPQRS", nullptr, "ABCDEFGHIJKLMNOP", "ABCDEFGHIJKLMNOP"},
        {33, "", nullptr, std::string(16, ' '), ""},
    };
    for (const Case& c : cases) {
        ClickCell(0, c.row);
        Key(Qt::Key_F2);
        Key(Qt::Key_End);
        Key(Qt::Key_Home, Qt::ShiftModifier);
        Key(Qt::Key_Delete);
        if (c.ascii) Type(c.ascii);
        if (c.japanese) TypeText(c.japanese);
        Key(Qt::Key_Return);
        EXPECT_EQ(window->StringGridEx1->Cells(0, c.row), c.shown) << c.row;
        expected.Name(c.row, c.stored);
    }
    // A character the code page cannot hold is refused, so the name never differs from what is shown.
    ClickCell(0, 34);
    Key(Qt::Key_F2);
    TypeText("\xF0\x9F\x98\x80");
    Key(Qt::Key_Return);
    EXPECT_EQ(window->StringGridEx1->Cells(0, 34),
              fixture::RawName(sample, 33).substr(0, fixture::RawName(sample, 33).find('\0')));

    EXPECT_EQ(Saved(), expected.bytes);
    Shortcut(Qt::Key_U);
    EXPECT_EQ(window->StringGridEx1->FixedCols(), 1);
}

TEST_F(EditingTest, RangeModeSelectsBlocksInsteadOfEditing) {
    OpenSample();
    auto& grid = *window->StringGridEx1;
    struct State {
        bool rangeSelect, editing, calc;
    };
    auto expectState = [&](State s, const char* when) {
        EXPECT_EQ((grid.Options() & platform::goRangeSelect) != 0, s.rangeSelect) << when;
        EXPECT_EQ((grid.Options() & platform::goEditing) != 0, s.editing) << when;
        EXPECT_EQ(window->Calc1->Enabled(), s.calc) << when;
        EXPECT_EQ(window->ModeM1->Checked(), s.rangeSelect) << when;
    };
    expectState({false, true, false}, "start");
    Shortcut(Qt::Key_R);
    expectState({true, false, true}, "on");
    Shortcut(Qt::Key_U);
    expectState({true, false, true}, "unit-name mode leaves range mode alone");
    EXPECT_EQ(grid.FixedCols(), 0);

    ClickCell(3, 40);
    const unsigned before = ImageField(40, 3);
    Type("5");
    EXPECT_EQ(ImageField(40, 3), before) << "typing does nothing in range mode";
    Key(Qt::Key_Right, Qt::ShiftModifier);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(grid.Selection(), (platform::TGridRect{3, 40, 4, 41}));

    Shortcut(Qt::Key_R);
    expectState({false, true, false}, "off");
    EXPECT_EQ(grid.FixedCols(), 0) << "range mode leaves unit-name mode alone";
    ClickCell(3, 40);
    Type("5");
    EXPECT_EQ(ImageField(40, 3), 5u);
}
