// The Calc menu on the editor window: operand dialog, every integer cell of the selected block changed,
// clamped and written; checked in the saved file.

#include "tests/app/BlockCommandsFixture.h"

#include <QTimer>

#include <string>
#include <vector>

namespace {

enum class Command { Add, Multiply, Divide, Or, And };

struct Dialog {
    const char* caption;
    const char* prompt;
};

Dialog DialogOf(Command command) {
    switch (command) {
    case Command::Add:
        return {"選択されたセル範囲への加減算", "セルの値＋（10進or16進整数）"};
    case Command::Multiply:
        return {"選択されたセル範囲への乗算", "セルの値ｘ（実数）"};
    case Command::Divide:
        return {"選択されたセル範囲への除算", "セルの値÷（実数）"};
    case Command::Or:
        return {"選択されたセル範囲への論理和", "セルの値｜（10進or16進整数）"};
    case Command::And:
        return {"選択されたセル範囲への論理積", "セルの値＆（10進or16進整数）"};
    }
    return {};
}

const char* const kIntegerMessage = "整数に変換できない文字があります\n16進数の場合0xを先頭につけて下さい";
const char* const kRealMessage = "実数に変換できない文字があります\n10進実数のみです";
const char* const kZeroDivide = "0 による浮動小数点数除算";
const char* const kInvalidOp = "不正な浮動小数点数演算命令";

} // namespace

class CalcCommandsTest : public BlockCommandsTest {
protected:
    // Add by its shortcut; the others have none and are chosen from the menu.
    void Run(Command command) {
        switch (command) {
        case Command::Add:
            Shortcut(Qt::Key_A);
            break;
        case Command::Multiply:
            window->CalcM1->Click();
            break;
        case Command::Divide:
            window->CalcD1->Click();
            break;
        case Command::Or:
            window->CalcO1->Click();
            break;
        case Command::And:
            window->CalcN1->Click();
            break;
        }
    }

    // Answers the operand dialog with the text, runs the command and checks the dialog's texts. With
    // thenMessage, the message box that follows the dialog is accepted and its text returned.
    QString RunWith(Command command, const char* operand, bool thenMessage = false) {
        auto seen = testsupport::AnswerNextInput(QString::fromUtf8(operand));
        auto message = thenMessage ? testsupport::AcceptNextMessage() : nullptr;
        Run(command);
        EXPECT_EQ(seen->Caption, QString::fromUtf8(DialogOf(command).caption));
        EXPECT_EQ(seen->Prompt, QString::fromUtf8(DialogOf(command).prompt));
        return message ? *message : QString();
    }

    // Reopens the sample with the given values down a column from row 10, and selects them.
    fixture::Bytes PrepareColumn(int col, const std::vector<unsigned>& values, bool withKeys) {
        fixture::Bytes prepared = sample;
        for (std::size_t i = 0; i < values.size(); ++i)
            SetField(prepared, col, 10 + static_cast<int>(i), values[i]);
        Reopen(prepared);
        const int bottom = 10 + static_cast<int>(values.size()) - 1;
        if (withKeys) {
            Click(col, 10);
            for (int row = 10; row < bottom; ++row)
                Press(Qt::Key_Down, Qt::ShiftModifier);
        } else {
            Drag(col, 10, col, bottom);
        }
        EXPECT_EQ(Grid().Selection(), (platform::TGridRect{col, 10, col, bottom}));
        return prepared;
    }
};

TEST_F(CalcCommandsTest, EachCommandChangesTheBlockClampedToItsColumn) {
    struct Case {
        Command command;
        const char* operand;
        int col;
        std::vector<unsigned> values;
        std::vector<unsigned> results;
    } cases[] = {
        {Command::Add, "10", 1, {250, 5, 0}, {255, 15, 10}},
        {Command::Add, "-300", 1, {250}, {0}},
        {Command::Add, "-300", 34, {999, 300, 100}, {699, 0, 0}},
        {Command::Add, "0x10", 2, {5}, {21}},
        {Command::Add, "$10", 2, {5}, {21}},
        {Command::Add, "  7", 2, {5}, {12}},
        {Command::Add, "2147483647", 3, {250, 0}, {255, 255}}, // the sum is not wrapped around
        {Command::Add, "-2147483648", 33, {999}, {0}},
        {Command::Add, "0", 33, {1500}, {999}}, // a value beyond the limit is clamped once written
        {Command::Multiply, "1.5", 5, {7, 200, 0}, {10, 255, 0}},
        {Command::Multiply, "0.5", 5, {7}, {3}},
        {Command::Multiply, "2.9", 5, {1}, {2}}, // toward zero
        {Command::Multiply, "1e2", 6, {5}, {255}},
        {Command::Multiply, "1E2", 33, {5}, {500}},
        {Command::Multiply, " -1.5 ", 6, {7}, {0}},
        {Command::Multiply, "1e18", 31, {5}, {999}}, // beyond 32 bits, within 64: clamped
        {Command::Divide, "3", 7, {10, 255, 2}, {3, 85, 0}},
        {Command::Divide, "0.5", 7, {100, 200}, {200, 255}},
        {Command::Divide, "-1", 8, {50}, {0}},
        {Command::Divide, "3", 33, {999}, {333}},
        {Command::Divide, "1e-16", 33, {200}, {999}}, // 2e18: clamped
        {Command::Or, "0x80", 9, {1, 0x80}, {129, 0x80}},
        {Command::Or, "0x100", 34, {5}, {261}},
        {Command::Or, "-1", 9, {3}, {0}}, // all bits set is -1, clamped
        {Command::And, "0xF0", 11, {255, 0x0F}, {240, 0}},
        {Command::And, "0", 11, {77}, {0}},
        {Command::And, "0xFFFFFFFF", 34, {999}, {999}},
    };
    OpenSample();
    RangeModeOn();
    bool withKeys = false;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(DialogOf(c.command).caption) + " with " + c.operand + " in column " +
                     std::to_string(c.col));
        withKeys = !withKeys;
        const fixture::Bytes prepared = PrepareColumn(c.col, c.values, withKeys);
        RunWith(c.command, c.operand);

        fixture::Bytes expected = prepared;
        for (std::size_t i = 0; i < c.results.size(); ++i) {
            const int row = 10 + static_cast<int>(i);
            SetField(expected, c.col, row, c.results[i]);
            EXPECT_EQ(Grid().Cells(c.col, row), std::to_string(c.results[i])) << "row " << row;
        }
        EXPECT_TRUE(SameBytes(expected, SaveAndRead()));
    }
}

TEST_F(CalcCommandsTest, AnOperandThatDoesNotConvertChangesNothing) {
    struct Case {
        Command command;
        const char* operand;
        const char* message;
    } cases[] = {
        {Command::Add, "5 ", kIntegerMessage},       {Command::Add, "", kIntegerMessage},
        {Command::Add, "1.5", kIntegerMessage},      {Command::Add, "2147483648", kIntegerMessage},
        {Command::Or, "0x", kIntegerMessage},        {Command::And, "12a", kIntegerMessage},
        {Command::Multiply, "0x10", kRealMessage},   {Command::Multiply, "1,5", kRealMessage},
        {Command::Multiply, "1e5000", kRealMessage}, {Command::Divide, "", kRealMessage},
        {Command::Divide, "inf", kRealMessage},      {Command::Divide, "$10", kRealMessage},
    };
    OpenSample();
    RangeModeOn();
    SelectBlock(1, 10, 3, 12);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(DialogOf(c.command).caption) + " with '" + c.operand + "'");
        EXPECT_EQ(RunWith(c.command, c.operand, true), QString::fromUtf8(c.message));
        EXPECT_TRUE(SameBytes(sample, SaveAndRead()));
    }

    testsupport::CancelNextDialog();
    Run(Command::Add);
    EXPECT_TRUE(SameBytes(sample, SaveAndRead())) << "cancel";
}

TEST_F(CalcCommandsTest, ABlockSpanningTheNameColumnLeavesTheNamesAlone) {
    OpenSample();
    NameModeOn();
    RangeModeOn();
    // Record 1's name has bytes after its NUL; they must survive too.
    Drag(0, 1, 2, 3);
    RunWith(Command::Add, "1");
    fixture::Bytes expected = sample;
    for (int row = 1; row <= 3; ++row)
        for (int col = 1; col <= 2; ++col)
            SetField(expected, col, row, std::min(Field(sample, col, row) + 1, 255u));
    EXPECT_TRUE(SameBytes(expected, SaveAndRead()));
    EXPECT_EQ(Grid().Cells(0, 2), "ABC");
}

TEST_F(CalcCommandsTest, DivisionByZeroIsReportedBeforeAnyCellChanges) {
    struct Case {
        const char* operand;
        std::vector<unsigned> values;
        const char* error;
    } cases[] = {
        {"0", {8, 0, 4}, kZeroDivide}, {"0.0", {0, 8}, kInvalidOp}, // 0 / 0
    };
    OpenSample();
    RangeModeOn();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.operand);
        const fixture::Bytes prepared = PrepareColumn(12, c.values, false);
        EXPECT_EQ(RunWith(Command::Divide, c.operand, true), QString::fromUtf8(c.error));
        EXPECT_EQ(Grid().Cells(12, 10), std::to_string(c.values[0]));
        EXPECT_TRUE(SameBytes(prepared, SaveAndRead()));
    }
}

TEST_F(CalcCommandsTest, AProductBeyondSixtyFourBitsStopsWithEarlierCellsKept) {
    struct Case {
        const char* operand;
        unsigned first; // processed before the failing cell
        unsigned firstResult;
    } cases[] = {
        {"2e18", 3, 255},   // 6e18 fits in 64 bits, 1e19 does not
        {"1.1e4932", 0, 0}, // 5.5e4932 is beyond the extended range itself
    };
    OpenSample();
    RangeModeOn();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.operand);
        // Column by column, top to bottom: (13,10), then (13,11) fails, (14,10) and (14,11) are not reached.
        fixture::Bytes prepared = sample;
        SetField(prepared, 13, 10, c.first);
        SetField(prepared, 13, 11, 5);
        SetField(prepared, 14, 10, 1);
        SetField(prepared, 14, 11, 1);
        Reopen(prepared);
        Drag(13, 10, 14, 11);
        EXPECT_EQ(RunWith(Command::Multiply, c.operand, true), QString::fromUtf8(kInvalidOp));
        fixture::Bytes expected = prepared;
        SetField(expected, 13, 10, c.firstResult);
        EXPECT_TRUE(SameBytes(expected, SaveAndRead()));
    }
}

TEST_F(CalcCommandsTest, CtrlADoesNothingWhileRangeModeIsOff) {
    OpenSample();
    // Any dialog that appears is recorded and closed, so a wrong one cannot hang the test.
    int dialogs = 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ++dialogs;
            modal->close();
        }
    });
    watch.start(5);

    Click(5, 5);
    Shortcut(Qt::Key_A);
    Shortcut(Qt::Key_R);
    Shortcut(Qt::Key_R); // on and off again
    ASSERT_FALSE(window->ModeM1->Checked());
    Click(6, 6);
    Shortcut(Qt::Key_A);
    QTest::qWait(30);
    EXPECT_EQ(dialogs, 0);
    EXPECT_FALSE(window->Calc1->Enabled());
    EXPECT_TRUE(SameBytes(sample, SaveAndRead()));
}

TEST_F(CalcCommandsTest, AValueBeingTypedIsStoredBeforeTheBlockIsCalculated) {
    OpenSample();
    Click(5, 10);
    Type("12");
    ASSERT_TRUE(Grid().EditorMode());
    RangeModeOn();
    EXPECT_FALSE(Grid().EditorMode());
    Drag(5, 10, 5, 11);
    RunWith(Command::Add, "1");
    Shortcut(Qt::Key_R);
    Click(7, 7);
    fixture::Bytes expected = sample;
    SetField(expected, 5, 10, 13);
    SetField(expected, 5, 11, std::min(Field(sample, 5, 11) + 1, 255u));
    EXPECT_EQ(Grid().Cells(5, 10), "13");
    EXPECT_TRUE(SameBytes(expected, SaveAndRead()));
}
