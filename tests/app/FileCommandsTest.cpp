// File > Open and Save As while the table is being edited: what reaches the image, and where Save writes.

#include "tests/app/BlockCommandsFixture.h"

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
