#include "controls/NumEditControls.h"

#include "platform/ComCtrls.h"
#include "platform/PrintfText.h"
#include "tests/controls/FieldWindow.h"
#include "tests/platform/ActiveWindow.h"

#include <QClipboard>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <bit>
#include <climits>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

using namespace platform;

namespace {

using NumWindow = testsupport::FieldWindow<TNumEdit>;

TEST(NumEdit, ANewFieldShowsZero) {
    TNumEdit edit;
    EXPECT_EQ(edit.GetText(), "0");
    EXPECT_EQ(edit.Real(), 0.0);
    EXPECT_EQ(edit.Integer(), 0);
    EXPECT_EQ(edit.FormatStr(), "%.lf");
    EXPECT_EQ(edit.ImeMode, imDisable);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(edit.Max), 0x4202A05F1FFFFFFFu);
    EXPECT_EQ(edit.Min, -edit.Max);
    EXPECT_LT(edit.Max, 1e10);
}

TEST(NumEdit, ShowsTheBareNumberWithFocusAndPrefixSuffixWithout) {
    NumWindow w;
    w.Field->SetNumDecimals(2);
    EXPECT_EQ(w.Field->FormatStr(), "%.2lf");
    w.Field->SetReal(3.14159);
    w.Field->SetPrefix("A");
    w.Field->SetSuffix("B");
    EXPECT_EQ(w.Field->GetText(), "A3.14B");
    EXPECT_EQ(w.Field->Real(), 3.14159) << "formatting alone does not round the number";
    w.Show();

    std::string shownOnExit;
    w.Field->OnExit = [&](TObject*) { shownOnExit = w.Field->GetText(); };
    w.Enter();
    EXPECT_EQ(w.Field->GetText(), "3.14");
    EXPECT_EQ(w.Field->Real(), 3.14) << "the number as shown";
    EXPECT_EQ(w.Field->GetSelLength(), 4) << "the whole text is selected";
    w.Leave();
    EXPECT_EQ(shownOnExit, "3.14");
    EXPECT_EQ(w.Field->GetText(), "A3.14B");
}

TEST(NumEdit, NegativeDecimalsMeanNone) {
    TNumEdit edit;
    edit.SetNumDecimals(-3);
    EXPECT_EQ(edit.NumDecimals(), 0);
    EXPECT_EQ(edit.FormatStr(), "%.lf");
    edit.SetReal(2.5);
    EXPECT_EQ(edit.GetText(), PrintfFixed(2.5, 0));
    edit.SetReal(-2.7);
    EXPECT_EQ(edit.Integer(), -2);
    EXPECT_EQ(edit.GetText(), "-3");
}

TEST(NumEdit, SettersDoNotLimit) {
    TNumEdit edit;
    edit.Max = 100;
    edit.SetReal(250.5);
    EXPECT_EQ(edit.Real(), 250.5);
    EXPECT_EQ(edit.Integer(), 250);
    EXPECT_EQ(edit.GetText(), "250");
    edit.SetInteger(-7);
    EXPECT_EQ(edit.Real(), -7.0);
    edit.Min = 0;
    EXPECT_EQ(edit.Integer(), -7) << "changing a limit does not limit the value";
}

TEST(NumEdit, LimitsWhileTypingAndOnLeaving) {
    NumWindow w;
    w.Field->Max = 100;
    w.Field->Min = -5;
    w.Show();
    w.Enter();
    std::vector<double> reals;
    w.Field->OnChange = [&](TObject*) { reals.push_back(w.Field->Real()); };
    w.Type("150");
    EXPECT_EQ(w.Field->GetText(), "150") << "the typed text stays while focused";
    EXPECT_EQ(reals, (std::vector<double>{1, 15, 100}));
    EXPECT_EQ(w.Field->Integer(), 100);
    w.Leave();
    EXPECT_EQ(w.Field->GetText(), "100");

    w.Enter();
    w.Type("-");
    EXPECT_EQ(w.Field->Real(), 0.0) << "a lone minus sign reads as 0";
    w.Type("-9");
    EXPECT_EQ(w.Field->Real(), -5.0);
    w.Leave();
    EXPECT_EQ(w.Field->GetText(), "-5");
}

TEST(NumEdit, ReadsTheLeadingNumberOfTextThatArrivesUnfiltered) {
    NumWindow w;
    w.Field->SetNumDecimals(3);
    w.Show();
    w.Enter();
    const std::vector<std::pair<std::string, double>> cases = {
        {"  12.5abc", 12.5}, {"1e3", 1000}, {"-.5", -0.5}, {"abc", 0}, {"", 0}, {"1e999", w.Field->Max},
        {"-1e999", w.Field->Min},
    };
    for (const auto& [text, real] : cases) {
        w.Field->SetText(text);
        EXPECT_EQ(w.Field->Real(), real) << text;
    }
}

struct FilterCase {
    std::string Text;
    int SelStart, SelLength;
    QChar Character;
    std::string Expected;
    int NumDecimals = 2;
    bool EnableNegative = true;
};

TEST(NumEdit, FiltersTypedCharacters) {
    const std::vector<FilterCase> cases = {
        {"12", 2, 0, u'-', "12"},
        {"12", 0, 0, u'-', "-12"},
        {"12", 0, 0, u'-', "12", 2, false},
        {"-12", 0, 0, u'-', "-12"},
        {"-12", 0, 3, u'-', "-"},
        {"-12", 0, 1, u'-', "-12"},
        {"12", 1, 0, u'.', "12", 0},
        {"12", 1, 0, u'.', "1.2"},
        {"1.2", 3, 0, u'.', "1.2"},
        {"1.2", 2, 1, u'.', "1.2"},
        {"1.25", 1, 2, u'.', "1.5"},
        {"1.2", 0, 3, u'.', "."},
        {"-5", 0, 0, u'7', "-5"},
        {"-5", 1, 0, u'7', "-75"},
        {"-5", 0, 2, u'7', "7"},
        {"5", 1, 0, u'0', "50"},
        {"5", 1, 0, u'a', "5"},
        {"5", 1, 0, u'E', "5"},
        {"5", 1, 0, u'+', "5"},
        {"5", 1, 0, u' ', "5"},
        {"5", 1, 0, u',', "5"},
        {"5", 1, 0, QChar(0x3042), "5"}, // a double-byte character
    };
    NumWindow w;
    w.Show();
    w.Enter();
    for (const FilterCase& c : cases) {
        SCOPED_TRACE("\"" + c.Text + "\" [" + std::to_string(c.SelStart) + "," + std::to_string(c.SelLength) +
                     "] " + QString(c.Character).toStdString());
        w.Field->SetNumDecimals(c.NumDecimals);
        w.Field->EnableNegative = c.EnableNegative;
        w.Field->SetText(c.Text);
        w.Field->SetSelStart(c.SelStart);
        w.Field->SetSelLength(c.SelLength);
        if (c.Character.unicode() < 0x80) QTest::keyClicks(w.Field, QString(c.Character));
        else QTest::sendKeyEvent(QTest::Click, w.Field, Qt::Key_unknown, QString(c.Character), Qt::NoModifier);
        EXPECT_EQ(w.Field->GetText(), c.Expected);
    }
}

TEST(NumEdit, PassesEditingKeysAndDropsOtherControlCharacters) {
    NumWindow w;
    w.Show();
    w.Enter();
    w.Field->SetText("123");
    w.Field->SetSelStart(3);
    QTest::keyClick(w.Field, Qt::Key_Backspace);
    EXPECT_EQ(w.Field->GetText(), "12");
    EXPECT_EQ(w.Field->Perform(WM_CHAR, 127, 0), 0) << "character 127 passes";

    QApplication::clipboard()->setText(QStringLiteral("99"));
    QTest::keyClick(w.Field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.Field->GetText(), "12") << "Ctrl+V is a control character: dropped, no paste";
    w.Field->selectAll();
    QTest::keyClick(w.Field, Qt::Key_Delete);
    EXPECT_EQ(w.Field->GetText(), "") << "keys without a character go to the field";
}

TEST(NumEdit, EnterThatMovesFocusReadsTheNumberFirst) {
    NumWindow w;
    w.Field->EnterKeyToExit = true;
    w.Field->Max = 50;
    w.Show();
    w.Enter();
    double realAtEnterKey = -1;
    w.Field->OnEnterKey = [&](TObject*) { realAtEnterKey = w.Field->Real(); };
    w.Type("75");
    QTest::keyClick(w.Field, Qt::Key_Return);
    EXPECT_EQ(realAtEnterKey, 50);
    EXPECT_TRUE(w.Other->hasFocus()) << "wrapped to the first control";
    EXPECT_EQ(w.Field->GetText(), "50");
}

TEST(NumEdit, ClearStartIsBlankUntilLeftAfterAChange) {
    NumWindow w;
    w.Field->SetInteger(12);
    w.Field->SetClearStart(true);
    EXPECT_EQ(w.Field->GetText(), "");
    w.Show();
    w.Enter();
    EXPECT_EQ(w.Field->GetText(), "12");
    w.Leave();
    EXPECT_EQ(w.Field->GetText(), "") << "left without typing";
    w.Field->SetInteger(13);
    EXPECT_EQ(w.Field->GetText(), "") << "setting the number from code keeps the blank display";
    w.Enter();
    w.Type("14");
    w.Leave();
    EXPECT_EQ(w.Field->GetText(), "14");
    w.Enter();
    w.Leave();
    EXPECT_EQ(w.Field->GetText(), "14") << "the formatted display from then on";

    w.Field->SetClearStart(true);
    w.Field->SetClearStart(false);
    EXPECT_EQ(w.Field->GetText(), "14");
}

TEST(NumEdit, ClearBlanksTheDisplayButKeepsTheNumber) {
    NumWindow w;
    w.Field->SetPrefix("$");
    w.Field->SetInteger(8);
    w.Field->Clear();
    EXPECT_EQ(w.Field->GetText(), "");
    EXPECT_EQ(w.Field->Integer(), 8);

    w.Field->SetClearStart(false);
    w.Show();
    w.Enter();
    w.Field->Clear();
    EXPECT_EQ(w.Field->GetText(), "8") << "the bare number stays while focused";
    w.Leave();
    EXPECT_EQ(w.Field->GetText(), "");
    EXPECT_EQ(w.Field->Integer(), 8);
}

TEST(NumEdit, AnArmedExchangeReadsTheIntegerAndAppliesOrIgnoresTheNextWrite) {
    TNumEdit edit;
    edit.SetNumDecimals(2);
    edit.SetPrefix("A");
    edit.SetSuffix("B");
    edit.SetReal(3.75);

    edit.UpDownEntry(true);
    EXPECT_EQ(edit.GetText(), "3") << "the decimal Integer, not the shown text";
    EXPECT_EQ(edit.GetText(), "3") << "a read does not disarm";
    edit.SetText("42");
    EXPECT_EQ(edit.Integer(), 42);
    EXPECT_EQ(edit.Real(), 42.0);
    EXPECT_EQ(edit.GetText(), "A42.00B");
    edit.SetText("plain");
    EXPECT_EQ(edit.GetText(), "plain") << "the next write is handled normally";

    edit.SetReal(1.5);
    edit.UpDownEntry(true);
    edit.SetText("7x");
    EXPECT_EQ(edit.Integer(), 0) << "not a decimal integer";
    EXPECT_EQ(edit.GetText(), "A0.00B");

    edit.UpDownEntry(false);
    edit.SetText("99");
    EXPECT_EQ(edit.Integer(), 0);
    EXPECT_EQ(edit.GetText(), "A0.00B") << "the write is discarded";
    edit.SetText("99");
    EXPECT_EQ(edit.GetText(), "99");
}

TEST(NumEdit, StepsThroughAnUpDownControl) {
    NumWindow w;
    w.Field->SetNumDecimals(2);
    w.Field->SetPrefix("A");
    w.Field->SetSuffix("B");
    w.Field->SetReal(3.75);
    auto* spin = new TUpDown(&w.Window);
    spin->Min = -10;
    spin->Max = 10;
    bool accept = true;
    spin->OnChanging = [&](TObject*, bool&) { w.Field->UpDownEntry(accept); };
    w.Show();
    spin->SetAssociate(w.Field);
    const QPoint up(spin->width() / 2, 2), down(spin->width() / 2, spin->height() - 3);

    QTest::mouseClick(spin, Qt::LeftButton, {}, up);
    EXPECT_EQ(w.Field->GetText(), "A4.00B");
    EXPECT_EQ(w.Field->Real(), 4.0);
    QTest::mouseClick(spin, Qt::LeftButton, {}, down);
    QTest::mouseClick(spin, Qt::LeftButton, {}, down);
    EXPECT_EQ(w.Field->Integer(), 2);

    accept = false;
    QTest::mouseClick(spin, Qt::LeftButton, {}, up);
    EXPECT_EQ(w.Field->Integer(), 2);
    EXPECT_EQ(w.Field->GetText(), "A2.00B");

    // With focus the field shows the bare number, and the step goes through all the same.
    accept = true;
    w.Enter();
    QTest::mouseClick(spin, Qt::LeftButton, {}, up);
    EXPECT_TRUE(w.Field->hasFocus());
    EXPECT_EQ(w.Field->GetText(), "3.00");
    w.Leave();
    EXPECT_EQ(w.Field->GetText(), "A3.00B");
}

TEST(NumEdit, FormatsAnyNumberOfDecimalsAndAnyValueWithoutALengthLimit) {
    TNumEdit edit;
    edit.SetReal(1.0 / 3.0);
    edit.SetNumDecimals(400);
    EXPECT_EQ(edit.GetText(), PrintfFixed(1.0 / 3.0, 400));
    edit.SetNumDecimals(INT_MAX);
    EXPECT_EQ(edit.GetText(), PrintfFixed(1.0 / 3.0, 1074)) << "past the last place a double can fill";

    edit.SetNumDecimals(2);
    edit.SetReal(1e300);
    EXPECT_EQ(edit.GetText(), PrintfFixed(1e300, 2));
    EXPECT_EQ(edit.GetText().size(), 304u);
}

TEST(NumEdit, RealsWithoutA32BitFormKeepTheirLowBits) {
    TNumEdit edit;
    edit.SetReal(4294967296.0 * 3 + 5.9);
    EXPECT_EQ(edit.Integer(), 5);
    edit.SetReal(-4294967296.0 - 1.5);
    EXPECT_EQ(edit.Integer(), -1);
    edit.SetReal(0x1p64 + 0x1p31 + 0x1p12);
    EXPECT_EQ(edit.Integer(), INT32_MIN + 4096);
    edit.SetReal(-1e30); // a double this large is a multiple of 2^47
    EXPECT_EQ(edit.Integer(), 0);
    edit.SetReal(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(edit.Integer(), 0);
    EXPECT_EQ(edit.GetText(), "nan");

    // A typed value past 64 bits, allowed by a wide Max, neither crashes nor stops typing.
    NumWindow w;
    w.Field->Max = 1e30;
    w.Show();
    w.Enter();
    w.Type("18446744075857039360"); // 2^64 + 2^31 + 2^12
    EXPECT_EQ(w.Field->Real(), 0x1p64 + 0x1p31 + 0x1p12);
    EXPECT_EQ(w.Field->Integer(), INT32_MIN + 4096);
}

TEST(NumEdit, EscRestoresTheBareNumberOfFocusEntry) {
    NumWindow w;
    w.Field->SetNumDecimals(1);
    w.Field->SetSuffix(" kg");
    w.Field->SetReal(2.5);
    w.Field->EscToReset = true;
    w.Show();
    w.Enter();
    w.Type("7");
    EXPECT_EQ(w.Field->Real(), 7.0);
    QTest::keyClick(w.Field, Qt::Key_Escape);
    EXPECT_EQ(w.Field->GetText(), "2.5");
    EXPECT_EQ(w.Field->Real(), 2.5);
    w.Leave();
    EXPECT_EQ(w.Field->GetText(), "2.5 kg");
}

} // namespace
