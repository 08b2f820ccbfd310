// File > Open and Save As while the table is being edited: what reaches the image, and where Save writes.

#include "tests/app/BlockCommandsFixture.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

using FileCommandsTest = BlockCommandsTest;

// A value typed into a cell whose editor is still open belongs to the file it was typed into; opening
// another file must not carry it, nor the value it replaced, into the new table.
TEST_F(FileCommandsTest, OpeningAFileWhileAnEditorIsOpenKeepsTheNewFileAsRead) {
    struct Case {
        const char* name;
        Qt::Key leaveBy; // Key_unknown: a click on another cell
    } cases[] = {{"leaving the cell", Qt::Key_unknown}, {"Esc in the editor", Qt::Key_Escape}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OpenSample();
        fixture::Bytes other = sample;
        SetField(other, 3, 3, 99);
        SetField(other, 31, 3, 1500);
        ASSERT_TRUE(fixture::WriteBytes(Path("other.prm"), other));

        Click(3, 3);
        Type("12");
        ASSERT_TRUE(Grid().EditorMode());
        OpenThroughDialog(Path("other.prm"));
        Activate();
        ASSERT_EQ(Grid().Cells(3, 3), "99");

        if (c.leaveBy == Qt::Key_unknown)
            Click(6, 6);
        else
            Press(c.leaveBy);
        EXPECT_EQ(Grid().Cells(3, 3), "99");
        Shortcut(Qt::Key_S);
        EXPECT_TRUE(SameBytes(other, fixture::ReadBytes(Path("other.prm"))));
        window.reset();
    }
}

// A Save As that fails while writing is reported and leaves Save aimed where it was.
TEST_F(FileCommandsTest, ASaveAsWriteFailureKeepsTheSaveTarget) {
    if (!QFileInfo::exists(QStringLiteral("/dev/full"))) GTEST_SKIP() << "needs /dev/full";
    OpenSample();
    fixture::Bytes expected = sample;
    Click(3, 3);
    Type("7");
    Click(6, 6);
    SetField(expected, 3, 3, 7);

    // A device that takes no bytes; the dialog asks before overwriting it, so its OK is pressed from the
    // event loop, where the question can be answered in turn.
    testsupport::AnswerNextModal([](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog) {
            ADD_FAILURE() << "no file dialog";
            return modal->close(), void();
        }
        dialog->selectFile(QStringLiteral("/dev/full"));
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    });
    testsupport::AnswerNextModal([](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) {
            ADD_FAILURE() << "no overwrite question";
            return modal->close(), void();
        }
        box->button(QMessageBox::Yes)->click();
    });
    auto error = testsupport::AcceptNextMessage();
    Shortcut(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    Activate();
    EXPECT_EQ(*error, QString::fromUtf8("ｽﾄﾘｰﾑへの書き込みｴﾗｰ"));
    EXPECT_EQ(window->windowTitle(), QString::fromStdString(Path("weapon.prm")));
    EXPECT_EQ(ReadSettings(), Path("weapon.prm"));
    ASSERT_EQ(window->SaveDialog1.FileName, Path("weapon.prm"));

    Shortcut(Qt::Key_S);
    EXPECT_TRUE(SameBytes(expected, fixture::ReadBytes(Path("weapon.prm"))));
}
