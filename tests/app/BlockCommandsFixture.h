#pragma once
// The editor window driven as a user drives its block commands: cells picked with the mouse (the grid
// scrolled with its scroll bars first) or with shifted arrow keys, commands by their shortcuts, and the
// results read back from the saved file.

#include "tests/app/EditorFixture.h"

#include <QClipboard>
#include <QScrollBar>

#include <string>

class BlockCommandsTest : public EditorTest {
protected:
    app::TEditorGrid& Grid() { return *window->StringGridEx1; }

    // Scrolls step by step, as a click on a scroll bar arrow does, until the cell lies wholly in view;
    // returns its centre in the viewport.
    QPoint Centre(int col, int row) {
        app::TEditorGrid& grid = Grid();
        for (int step = 0; step < 1000; ++step) {
            const platform::TRect cell = grid.CellRect(col, row);
            const QSize view = grid.viewport()->size();
            const bool colSeen = cell.Width() > 0 && cell.Right <= view.width();
            const bool rowSeen = cell.Height() > 0 && cell.Bottom <= view.height();
            if (colSeen && rowSeen) return cell.ToQRect().center();
            if (!colSeen) StepTowards(grid.horizontalScrollBar(), col >= grid.LeftCol());
            if (!rowSeen) StepTowards(grid.verticalScrollBar(), row >= grid.TopRow());
        }
        ADD_FAILURE() << "cell " << col << "," << row << " could not be scrolled into view";
        return {};
    }

    // A click activates the window, as it does after a dialog has closed.
    void Click(int col, int row, Qt::KeyboardModifiers modifiers = {}) {
        if (QApplication::activeWindow() != window.get()) Activate();
        const QPoint where = Centre(col, row);
        QTest::mouseClick(Grid().viewport(), Qt::LeftButton, modifiers, where);
    }

    // Presses on one cell, moves to the other and releases there; both must fit in one view.
    void Drag(int fromCol, int fromRow, int toCol, int toRow) {
        const QPoint to = Centre(toCol, toRow);
        const QPoint from = Centre(fromCol, fromRow);
        ASSERT_EQ(Centre(toCol, toRow), to) << "the drag's ends do not fit in one view";
        if (QApplication::activeWindow() != window.get()) Activate();
        QWidget* viewport = Grid().viewport();
        QTest::mousePress(viewport, Qt::LeftButton, {}, from);
        QTest::mouseMove(viewport, (from + to) / 2);
        QTest::mouseMove(viewport, to);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
    }

    // A click on one corner and a shifted click on the other, scrolling between them as needed.
    void SelectBlock(int left, int top, int right, int bottom) {
        Click(left, top);
        Click(right, bottom, Qt::ShiftModifier);
        const platform::TGridRect selection = Grid().Selection();
        ASSERT_EQ(selection, (platform::TGridRect{left, top, right, bottom}));
    }

    // A key press to whatever has the focus (the grid, or its editor while that is open).
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) { Shortcut(key, modifiers); }
    void Type(const char* text) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
        QTest::keyClicks(target, QString::fromUtf8(text));
    }

    void RangeModeOn() {
        if (!window->ModeM1->Checked()) Shortcut(Qt::Key_R);
        ASSERT_TRUE(window->ModeM1->Checked());
    }
    void NameModeOn() {
        if (!window->ModeU1->Checked()) Shortcut(Qt::Key_U);
        ASSERT_TRUE(window->ModeU1->Checked());
    }

    // Puts the bytes in place of the sample file and opens it again; the modes stay as they are.
    void Reopen(const fixture::Bytes& bytes) {
        ASSERT_TRUE(fixture::WriteBytes(Path("weapon.prm"), bytes));
        OpenThroughDialog(Path("weapon.prm"));
        Activate();
    }

    // File > Save (Ctrl+S) and the bytes it wrote.
    fixture::Bytes SaveAndRead() {
        Shortcut(Qt::Key_S);
        return fixture::ReadBytes(Path("weapon.prm"));
    }

    static void PutClipboard(const char* utf8) {
        QApplication::clipboard()->setText(QString::fromUtf8(utf8));
    }
    static QString ClipboardText() { return QApplication::clipboard()->text(); }

    // Grid rows are records counted from 1.
    static unsigned Field(const fixture::Bytes& file, int col, int row) {
        return fixture::ReadField(file, row - 1, col);
    }
    static void SetField(fixture::Bytes& file, int col, int row, unsigned value) {
        fixture::WriteField(file, row - 1, col, value);
    }
    static void SetName(fixture::Bytes& file, int row, const std::string& sixteenBytes) {
        ASSERT_EQ(sixteenBytes.size(), 16u);
        std::copy(sixteenBytes.begin(), sixteenBytes.end(), file.begin() + fixture::NamePos(row - 1));
    }
    static std::string Padded(const std::string& name) { return (name + std::string(16, ' ')).substr(0, 16); }

private:
    static void StepTowards(QScrollBar* bar, bool forward) {
        const int before = bar->value();
        bar->triggerAction(forward ? QAbstractSlider::SliderSingleStepAdd
                                   : QAbstractSlider::SliderSingleStepSub);
        if (bar->value() == before) ADD_FAILURE() << "scroll bar stuck at " << before;
    }
};

// Reports the first differing bytes of two files, as field or name positions where that helps.
inline ::testing::AssertionResult SameBytes(const fixture::Bytes& expected, const fixture::Bytes& actual) {
    if (expected.size() != actual.size())
        return ::testing::AssertionFailure() << "size " << actual.size() << ", expected " << expected.size();
    ::testing::AssertionResult result = ::testing::AssertionSuccess();
    int shown = 0;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (expected[i] == actual[i]) continue;
        if (shown == 0) result = ::testing::AssertionFailure();
        if (++shown > 8) {
            result << " ...";
            break;
        }
        const long inRecords = static_cast<long>(i) - static_cast<long>(fixture::kHeaderSize);
        result << " [byte " << i << ", row " << inRecords / 65 + 1 << " offset " << inRecords % 65 << ": "
               << int(actual[i]) << " instead of " << int(expected[i]) << "]";
    }
    return result;
}
