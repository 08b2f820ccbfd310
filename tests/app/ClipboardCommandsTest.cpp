// Edit > Copy, Cut and Paste on the editor window, through the system clipboard, checked in the saved file.

#include "tests/app/BlockCommandsFixture.h"

#include <string>
#include <vector>

namespace {

struct CellWrite {
    int col;
    int row;
    unsigned value;
};

// A row of the sample as Copy writes it: the name, then the fields' decimal texts.
std::string CopiedLine(const fixture::Bytes& file, int row, const std::string& utf8Name, int lastCol) {
    std::string line = utf8Name;
    for (int col = 1; col <= lastCol; ++col)
        line += "\t" + std::to_string(fixture::ReadField(file, row - 1, col));
    return line + "\n";
}

} // namespace

using ClipboardCommandsTest = BlockCommandsTest;

TEST_F(ClipboardCommandsTest, PastedNumbersAreClampedCappedAndWritten) {
    struct Case {
        const char* name;
        int col, row;
        const char* text;
        std::vector<CellWrite> writes;
    } cases[] = {
        {"a TAB and an LF", 40, 10, "5\t7\n", {{40, 10, 5}, {41, 10, 7}}},
        {"surplus cells pile into column 46, the last wins",
         40,
         11,
         "1\t2\t3\t4\t5\t6\t7\t8\t9\t10\n",
         {{40, 11, 1}, {41, 11, 2}, {42, 11, 3}, {43, 11, 4}, {44, 11, 5}, {45, 11, 6}, {46, 11, 10}}},
        {"surplus lines pile into row 251, the last wins", 5, 250, "1\n2\n3\n", {{5, 250, 1}, {5, 251, 3}}},
        {"byte columns clamp",
         1,
         12,
         "300\t-5\t0x1F\t0xFFFFFFFF\t255\n",
         {{1, 12, 255}, {2, 12, 0}, {3, 12, 31}, {4, 12, 0}, {5, 12, 255}}},
        {"two-byte columns clamp at 999",
         31,
         13,
         "1000\t7\t65535\t300\n",
         {{31, 13, 999}, {32, 13, 7}, {33, 13, 999}, {34, 13, 300}}},
        {"hexadecimal after 0x or 0X only; x and $ do not begin a number",
         6,
         14,
         "0x1f\t0XfF\tx10\t$10\t-0\n",
         {{6, 14, 31}, {7, 14, 255}, {10, 14, 0}}},
        {"blanks and control characters around a number",
         15,
         15,
         " 12 \t\v13\x01\t7\r\n",
         {{15, 15, 12}, {16, 15, 13}, {17, 15, 7}}},
        {"CR LF lines", 20, 16, "1\t2\r\n3\t4\r\n", {{20, 16, 1}, {21, 16, 2}, {20, 17, 3}, {21, 17, 4}}},
        {"no line end after the last cell", 25, 18, "7", {{25, 18, 7}}},
        {"a TAB and no line end", 26, 19, "1\t23", {{26, 19, 1}, {27, 19, 23}}},
        {"texts that do not begin like a number are skipped",
         28,
         20,
         "x\t9\t+5\tabc\t９\t\t8\n",
         {{29, 20, 9}, {34, 20, 8}}},
        {"empty lines move down", 2, 21, "\n\n5\n", {{2, 23, 5}}},
    };
    OpenSample();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Every written cell starts with another value, so that the write shows.
        fixture::Bytes prepared = sample;
        for (const CellWrite& w : c.writes)
            SetField(prepared, w.col, w.row, w.value == 77 ? 78 : 77);
        Reopen(prepared);
        Click(c.col, c.row);
        PutClipboard(c.text);
        Shortcut(Qt::Key_V);

        fixture::Bytes expected = prepared;
        for (const CellWrite& w : c.writes) {
            SetField(expected, w.col, w.row, w.value);
            EXPECT_EQ(Grid().Cells(w.col, w.row), std::to_string(w.value)) << w.col << "," << w.row;
        }
        EXPECT_TRUE(SameBytes(expected, SaveAndRead()));
    }
}

TEST_F(ClipboardCommandsTest, AMalformedNumberStopsThePasteAndKeepsWhatCameBefore) {
    const char* malformed[] = {"1.5",  "12a", "-",          "1 2",         "0x",
                               "0xG1", "- 5", "2147483648", "-2147483649", "0x100000000"};
    OpenSample();
    for (const char* token : malformed) {
        SCOPED_TRACE(token);
        fixture::Bytes prepared = sample;
        SetField(prepared, 10, 30, 77);
        Reopen(prepared);
        Click(10, 30);
        PutClipboard((std::string("9\t") + token + "\t8\n6\n").c_str());
        auto message = testsupport::AcceptNextMessage();
        Shortcut(Qt::Key_V);
        EXPECT_EQ(*message, QString::fromUtf8("タブ区切り数値テキストとして不正な文字があります"));

        fixture::Bytes expected = prepared;
        SetField(expected, 10, 30, 9);
        EXPECT_TRUE(SameBytes(expected, SaveAndRead()));
        EXPECT_EQ(Grid().Cells(10, 30), "9");
    }
}

TEST_F(ClipboardCommandsTest, NamesArePastedAsTheirSixteenStoredBytes) {
    struct Case {
        const char* text;
        std::string name; // the 16 bytes stored and shown
        std::vector<CellWrite> writes;
    } cases[] = {
        {"F-15\n", Padded("F-15"), {}},
        {"ABCDEFGHIJKLMNOあ\n", "ABCDEFGHIJKLMNO\x82", {}}, // cut inside the double-byte character
        {"名前\t5\r\n", Padded(fixture::Cp932("名前")), {{1, 40, 5}}},
        {"AB\r\n", Padded("AB\r"), {}},
        {"café\n", Padded("caf?"), {}}, // not in the code page
        {"\t6\n", std::string(16, ' '), {{1, 40, 6}}},
    };
    OpenSample();
    NameModeOn();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Reopen(sample);
        Click(0, 40);
        PutClipboard(c.text);
        Shortcut(Qt::Key_V);

        EXPECT_EQ(Grid().Cells(0, 40), c.name);
        fixture::Bytes expected = sample;
        SetName(expected, 40, c.name);
        for (const CellWrite& w : c.writes)
            SetField(expected, w.col, w.row, w.value);
        EXPECT_TRUE(SameBytes(expected, SaveAndRead()));
    }
}

TEST_F(ClipboardCommandsTest, CutThenPasteRestoresABlockWithNames) {
    OpenSample();
    NameModeOn();
    RangeModeOn();
    // Rows 5-7 include two-byte fields above 999 (1000 and 65535 in row 5).
    const char* names[] = {"駆逐艦004", "輸送機005", "歩兵006"};
    std::string copied;
    for (int row = 5; row <= 7; ++row) {
        const std::string name = fixture::Cp932(names[row - 5]);
        ASSERT_EQ(fixture::RawName(sample, row - 1), name + std::string(16 - name.size(), '\0'));
        copied += CopiedLine(sample, row, names[row - 5], 34);
    }
    SelectBlock(0, 5, 34, 7);

    Shortcut(Qt::Key_X);
    EXPECT_EQ(ClipboardText(), QString::fromUtf8(copied)) << "the texts before the cut";
    fixture::Bytes cut = sample;
    for (int row = 5; row <= 7; ++row) {
        SetName(cut, row, std::string(16, ' '));
        for (int col = 1; col <= 34; ++col)
            SetField(cut, col, row, 0);
        EXPECT_EQ(Grid().Cells(0, row), "");
        EXPECT_EQ(Grid().Cells(34, row), "0");
    }
    EXPECT_TRUE(SameBytes(cut, SaveAndRead()));

    Shortcut(Qt::Key_V);
    fixture::Bytes restored = sample;
    for (int row = 5; row <= 7; ++row) {
        SetName(restored, row, Padded(fixture::Cp932(names[row - 5])));
        EXPECT_EQ(Grid().Cells(0, row), Padded(fixture::Cp932(names[row - 5])));
        for (int col : {31, 33, 34})
            SetField(restored, col, row, std::min(Field(sample, col, row), 999u));
    }
    EXPECT_EQ(Field(restored, 34, 5), 999u);
    EXPECT_EQ(Grid().Cells(33, 5), "999");
    EXPECT_TRUE(SameBytes(restored, SaveAndRead()));
}

TEST_F(ClipboardCommandsTest, BlocksTravelThroughTheUnicodeClipboardWithJapaneseNames) {
    OpenSample();
    NameModeOn();
    RangeModeOn();
    Drag(0, 1, 2, 3);
    ASSERT_EQ(Grid().Selection(), (platform::TGridRect{0, 1, 2, 3}));
    Shortcut(Qt::Key_C);
    const std::string copied = CopiedLine(sample, 1, "戦闘機ファルコン", 2) +
                               CopiedLine(sample, 2, "ABC", 2) + CopiedLine(sample, 3, "ABCDEFGHIJKLMNOP", 2);
    EXPECT_EQ(ClipboardText(), QString::fromUtf8(copied));
    EXPECT_TRUE(SameBytes(sample, SaveAndRead())) << "copying changes nothing";

    // A spreadsheet gives back Unicode text with CR LF line ends.
    PutClipboard("新型戦闘機\t12\t34\r\n攻撃ヘリ改\t56\t300\r\ncafé\t-1\t9\r\n");
    Click(0, 20);
    Shortcut(Qt::Key_V);
    fixture::Bytes expected = sample;
    SetName(expected, 20, Padded(fixture::Cp932("新型戦闘機")));
    SetName(expected, 21, Padded(fixture::Cp932("攻撃ヘリ改")));
    SetName(expected, 22, Padded("caf?"));
    const unsigned values[3][2] = {{12, 34}, {56, 255}, {0, 9}};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 2; ++j)
            SetField(expected, j + 1, 20 + i, values[i][j]);
    EXPECT_TRUE(SameBytes(expected, SaveAndRead()));

    // Copied again, the names come out padded, as they are stored.
    SelectBlock(0, 20, 2, 22);
    Shortcut(Qt::Key_C);
    EXPECT_EQ(ClipboardText(), QString::fromUtf8("新型戦闘機      \t12\t34\n攻撃ヘリ改      \t56\t255\n"
                                                 "caf?            \t0\t9\n"));
}

TEST_F(ClipboardCommandsTest, CopyOfOneCellOutsideRangeMode) {
    OpenSample();
    Click(7, 9);
    Shortcut(Qt::Key_C);
    EXPECT_EQ(ClipboardText(), QString::fromStdString(std::to_string(Field(sample, 7, 9)) + "\n"));
}

TEST_F(ClipboardCommandsTest, PasteAndCutCloseAnOpenEditorFirst) {
    OpenSample();
    fixture::Bytes expected = sample;

    Click(3, 3);
    Type("12");
    ASSERT_TRUE(Grid().EditorMode());
    PutClipboard("77\n");
    Shortcut(Qt::Key_V);
    Click(6, 6); // leaving the cell must not bring the typed text back
    SetField(expected, 3, 3, 77);
    EXPECT_EQ(Grid().Cells(3, 3), "77");

    Click(4, 4);
    Type("12");
    ASSERT_TRUE(Grid().EditorMode());
    Shortcut(Qt::Key_X);
    EXPECT_EQ(ClipboardText(), QStringLiteral("12\n"));
    Click(6, 6);
    SetField(expected, 4, 4, 0);
    EXPECT_EQ(Grid().Cells(4, 4), "0");
    EXPECT_TRUE(SameBytes(expected, SaveAndRead()));
}

TEST_F(ClipboardCommandsTest, PasteAndCutDoNothingBeforeAFileIsLoaded) {
    WriteSettings(Path("weapon.prm"));
    app::TForm1& form = CreateForm();
    Click(2, 2);
    PutClipboard("5\t6\n");
    Shortcut(Qt::Key_V);
    Shortcut(Qt::Key_X);
    EXPECT_EQ(Grid().Cells(2, 2), "");
    EXPECT_EQ(Grid().Cells(3, 2), "");
    EXPECT_FALSE(form.Paste1->Enabled());
    EXPECT_EQ(ClipboardText(), QStringLiteral("5\t6\n")) << "Cut did not run";
}
