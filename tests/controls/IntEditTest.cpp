#include "controls/NumEditControls.h"

#include "platform/ComCtrls.h"
#include "tests/controls/FieldWindow.h"
#include "tests/platform/ActiveWindow.h"

#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

using namespace platform;

namespace {

using IntWindow = testsupport::FieldWindow<TIntEdit>;

TEST(IntEdit, ANewFieldShowsZeroInDecimal) {
    TIntEdit edit;
    EXPECT_EQ(edit.GetText(), "0");
    EXPECT_EQ(edit.InputMode, imDec);
    EXPECT_EQ(edit.OutputMode(), imDec);
    EXPECT_EQ(edit.FillType(), ftFillNone);
    EXPECT_EQ(edit.HexChar(), hcUpper);
    EXPECT_EQ(edit.Insertion(), inNone);
    EXPECT_EQ(edit.FillChar(), "");
}

struct FormatCase {
    std::int32_t Value;
    enIntEdit_IOMode OutputMode;
    enIntEdit_Insertion Insertion;
    std::string Prefix, Suffix;
    int MaxLength;
    std::string FillChar;
    enIntEdit_FillType FillType;
    std::string Shown;
    enIntEdit_HexChar HexChar = hcUpper;
};

TEST(IntEdit, BuildsTheDisplayWithGroupingPrefixSuffixAndFill) {
    const std::vector<FormatCase> cases = {
        {1234567, imDec, inThousand, "#", "pt", 14, "*", ftFillNone, "#1,234,567pt"},
        {1234567, imDec, inThousand, "#", "pt", 14, "*", ftLeftFillA, "**#1,234,567pt"},
        {1234567, imDec, inThousand, "#", "pt", 14, "*", ftLeftFillB, "#**1,234,567pt"},
        {1234567, imDec, inThousand, "#", "pt", 14, "*", ftRightFillA, "#1,234,567pt**"},
        {1234567, imDec, inThousand, "#", "pt", 14, "*", ftRightFillB, "#1,234,567**pt"},
        {255, imHex, inNone, "", "", 8, "0", ftLeftFillB, "000000FF"},
        {255, imHex, inNone, "$", "", 9, "0", ftLeftFillB, "$000000ff", hcLower},
        {255, imBin, inTenThousand, "", "", 12, "0", ftLeftFillB, "0001111 1111"},
        {-5, imDec, inNone, "", "", 5, "0", ftLeftFillB, "000-5"},
        {-1234, imDec, inTenThousand, "", "", 0, "0", ftLeftFillB, "-1234"},
        {-1, imHex, inNone, "", "", 0, "", ftFillNone, "FFFFFFFF"},
        {-1, imOct, inNone, "", "", 0, "", ftFillNone, "37777777777"},
        {-1, imBin, inNone, "", "", 0, "", ftFillNone, std::string(32, '1')},
        {-1, imHex, inThousand, "", "", 0, "", ftFillNone, "FF,FFF,FFF"},
        {42, imDec, inNone, "", "", 0, "*", ftLeftFillA, "42"},                    // MaxLength 0: no fill
        {42, imDec, inNone, "", "", 6, "", ftLeftFillA, "42"},                     // no fill character
        {123456, imDec, inThousand, "<", ">", 6, "*", ftLeftFillA, "<123,456>"},   // longer: not shortened
        {INT32_MIN, imDec, inThousand, "", "", 0, "", ftFillNone, "-2,147,483,648"},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.Shown);
        TIntEdit edit;
        edit.SetMaxLength(c.MaxLength);
        edit.SetInteger(c.Value);
        edit.SetPrefix(c.Prefix);
        edit.SetSuffix(c.Suffix);
        edit.SetHexChar(c.HexChar);
        edit.SetOutputMode(c.OutputMode);
        edit.SetInsertion(c.Insertion);
        edit.SetFillType(c.FillType);
        edit.SetFillChar(c.FillChar);
        EXPECT_EQ(edit.GetText(), c.Shown);
        EXPECT_EQ(edit.Real(), static_cast<double>(c.Value));
    }
}

TEST(IntEdit, SettersRebuildTheTextAndFillCharKeepsOneByte) {
    TIntEdit edit;
    edit.SetMaxLength(6);
    edit.SetInteger(7);
    edit.SetFillChar("abc");
    EXPECT_EQ(edit.FillChar(), "a");
    EXPECT_EQ(edit.GetText(), "7") << "no fill type yet";
    edit.SetFillType(ftRightFillA);
    EXPECT_EQ(edit.GetText(), "7aaaaa");
    edit.SetFillChar("-");
    EXPECT_EQ(edit.GetText(), "7-----");
    edit.SetFillChar("");
    EXPECT_EQ(edit.GetText(), "7");

    edit.SetBin("101");
    EXPECT_EQ(edit.Integer(), 5);
    EXPECT_EQ(edit.GetText(), "5");
    edit.SetOct("777");
    EXPECT_EQ(edit.Oct(), "777");
    EXPECT_EQ(edit.Integer(), 511);
    edit.SetHex("fF");
    EXPECT_EQ(edit.Hex(), "FF");
    edit.SetHexChar(hcLower);
    EXPECT_EQ(edit.Hex(), "ff");
    EXPECT_EQ(edit.Bin(), "11111111");
    edit.SetOutputMode(imHex);
    EXPECT_EQ(edit.GetText(), "ff");
}

// Each row: the typed character and what an empty field holds after it in imDec, imBin, imOct, imHex.
TEST(IntEdit, FiltersTypedCharactersByInputMode) {
    struct Row {
        char Character;
        const char* Dec;
        const char* Bin;
        const char* Oct;
        const char* Hex;
    };
    const std::vector<Row> rows = {
        {'-', "-", "", "", ""},   {'.', "", "", "", ""},    {'0', "0", "0", "0", "0"},  {'1', "1", "1", "1", "1"},
        {'2', "2", "", "2", "2"}, {'7', "7", "", "7", "7"}, {'8', "8", "", "", "8"},    {'9', "9", "", "", "9"},
        {'A', "", "", "", "A"},   {'F', "", "", "", "F"},   {'a', "", "", "", "a"},     {'f', "", "", "", "f"},
        {'G', "", "", "", ""},    {'g', "", "", "", ""},    {' ', "", "", "", ""},      {'x', "", "", "", ""},
    };
    IntWindow w;
    w.Show();
    w.Enter();
    for (const Row& row : rows)
        for (enIntEdit_IOMode mode : {imDec, imBin, imOct, imHex}) {
            const char* expected[] = {row.Dec, row.Bin, row.Oct, row.Hex};
            SCOPED_TRACE(std::string("'") + row.Character + "' in mode " + std::to_string(mode));
            w.Field->InputMode = mode;
            w.Field->SetText("");
            QTest::keyClicks(w.Field, QString(QLatin1Char(row.Character)));
            EXPECT_EQ(w.Field->GetText(), expected[mode]);
        }
}

TEST(IntEdit, TheBaseFilterStillAppliesToWhatThePartHandsOn) {
    IntWindow w;
    w.Show();
    w.Enter();
    w.Field->SetText("-5");
    w.Field->SetSelStart(0);
    QTest::keyClicks(w.Field, QStringLiteral("3-"));
    EXPECT_EQ(w.Field->GetText(), "-5") << "nothing in front of the sign, no second sign";
    w.Field->EnableNegative = false;
    w.Field->SetText("5");
    w.Field->SetSelStart(0);
    QTest::keyClicks(w.Field, QStringLiteral("-"));
    EXPECT_EQ(w.Field->GetText(), "5");
}

TEST(IntEdit, TypesInTheInputRadixAndShowsInTheOutputRadix) {
    IntWindow w;
    w.Field->InputMode = imHex;
    w.Field->SetInteger(255);
    EXPECT_EQ(w.Field->GetText(), "255");
    w.Show();
    w.Enter();
    EXPECT_EQ(w.Field->GetText(), "FF");
    w.Field->SetHexChar(hcLower);
    EXPECT_EQ(w.Field->GetText(), "ff") << "the editing text is rebuilt in the new case";
    QTest::keyClick(w.Field, Qt::Key_End);
    QTest::keyClicks(w.Field, QStringLiteral("g-."));
    EXPECT_EQ(w.Field->GetText(), "ff");
    w.Type("1a");
    EXPECT_EQ(w.Field->Integer(), 26);
    EXPECT_EQ(w.Field->Real(), 26.0);
    w.Leave();
    EXPECT_EQ(w.Field->GetText(), "26");
}

TEST(IntEdit, LimitsTypedValues) {
    IntWindow w;
    w.Field->Min = 0;
    w.Field->Max = 100;
    w.Field->InputMode = imHex;
    w.Show();
    w.Enter();
    w.Type("FF");
    EXPECT_EQ(w.Field->Integer(), 100);
    EXPECT_EQ(w.Field->GetText(), "FF");
    w.Leave();
    EXPECT_EQ(w.Field->GetText(), "100");

    // Not a 32-bit decimal: 0 at that change, then limited.
    w.Field->InputMode = imDec;
    w.Field->Min = 10;
    w.Field->Max = 1e12;
    w.Enter();
    std::vector<std::int32_t> values;
    w.Field->OnChange = [&](TObject*) { values.push_back(w.Field->Integer()); };
    w.Type("99999999999");
    ASSERT_EQ(values.size(), 11u);
    EXPECT_EQ(values[0], 10) << "9 is below Min";
    EXPECT_EQ(values[8], 999999999);
    EXPECT_EQ(values[9], 10) << "9999999999 is no 32-bit integer";
    EXPECT_EQ(values[10], 10);
    w.Field->Max = 50.9;
    w.Type("70");
    EXPECT_EQ(w.Field->Integer(), 50) << "a limit is truncated";
}

TEST(IntEdit, ChangingInputModeWaitsForTheNextFocusEntry) {
    IntWindow w;
    w.Field->SetInteger(10);
    w.Show();
    w.Field->InputMode = imBin;
    EXPECT_EQ(w.Field->GetText(), "10");
    w.Enter();
    EXPECT_EQ(w.Field->GetText(), "1010");
    w.Leave();
    EXPECT_EQ(w.Field->Integer(), 10);
    w.Field->InputMode = imOct;
    EXPECT_EQ(w.Field->GetText(), "10");
    w.Enter();
    EXPECT_EQ(w.Field->GetText(), "12");

    // Changed while focused, the radix applies to the text already typed when it is next read.
    w.Field->InputMode = imHex;
    w.Leave();
    EXPECT_EQ(w.Field->Integer(), 0x12);
}

TEST(IntEdit, StepsThroughAnUpDownControlWhateverTheDisplay) {
    IntWindow w;
    w.Field->SetMaxLength(5);
    w.Field->SetOutputMode(imHex);
    w.Field->SetPrefix("$");
    w.Field->SetFillChar("0");
    w.Field->SetFillType(ftLeftFillB);
    w.Field->SetInteger(255);
    EXPECT_EQ(w.Field->GetText(), "$00FF");
    auto* spin = new TUpDown(&w.Window);
    spin->Max = 1000;
    spin->OnChanging = [&](TObject*, bool&) { w.Field->UpDownEntry(true); };
    w.Show();
    spin->SetAssociate(w.Field);
    QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() / 2, 2));
    EXPECT_EQ(w.Field->Integer(), 256);
    EXPECT_EQ(w.Field->GetText(), "$0100");
}

} // namespace
