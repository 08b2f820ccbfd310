#include "controls/EditEx.h"

#include "tests/platform/ActiveWindow.h"

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace platform;

namespace {

class TProbeEdit : public TEditEx {
public:
    using TEditEx::TEditEx;
    bool Modified() const { return FModified; }
    const std::string& SavedText() const { return FSavedText; }
};

// A dialog with OK as default and Cancel as cancel button, laid out top to bottom in creation order.
struct EditDialog {
    QDialog Dialog;
    QVBoxLayout* Layout = new QVBoxLayout(&Dialog);
    int OkClicks = 0;
    std::vector<std::string> Events;

    template <typename T> T* Add(T* Widget) {
        Layout->addWidget(Widget);
        return Widget;
    }
    TProbeEdit* AddEdit(const char* Text = "") {
        auto* edit = Add(new TProbeEdit(&Dialog));
        edit->SetText(Text);
        return edit;
    }
    void AddButtons() {
        auto* ok = Add(new QPushButton(QStringLiteral("OK"), &Dialog));
        ok->setDefault(true);
        QObject::connect(ok, &QPushButton::clicked, [this] { ++OkClicks; });
    }
    // Records the key events of Edit.
    void Watch(TProbeEdit* Edit) {
        Edit->OnTabKey = [this](TObject*) { Events.push_back("tab"); };
        Edit->OnEnterKey = [this](TObject*) { Events.push_back("enter"); };
        Edit->OnCursorKey = [this](TObject*, char& Key) {
            Events.push_back("cursor " + std::to_string(Key));
            Key = VK_LEFT; // has no effect
        };
        Edit->OnEscapeKey = [this](TObject*, bool& CanReset, bool& CanExit) {
            Events.push_back(std::string("escape reset=") + (CanReset ? "1" : "0") + " exit=" + (CanExit ? "1" : "0"));
        };
        Edit->OnKeyPress = [this](TObject*, char& Key) { Events.push_back("press " + std::to_string(Key)); };
    }
    void Show(QWidget* FocusTo) {
        testsupport::ShowActive(Dialog);
        FocusTo->setFocus();
        Events.clear();
    }
};

TEST(EditEx, DefaultKeysTabMovesEnterAndEscStay) {
    EditDialog d;
    auto* edit = d.AddEdit("abc");
    auto* next = d.AddEdit();
    d.AddButtons();
    d.Watch(edit);
    EXPECT_FALSE(edit->EnterKeyToExit);
    EXPECT_FALSE(edit->EscToExit());
    EXPECT_FALSE(edit->EscToReset);
    EXPECT_TRUE(edit->TabKeyToExit);
    d.Show(edit);

    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(d.Events, (std::vector<std::string>{"press 13"})) << "the character takes the normal path";
    EXPECT_EQ(d.OkClicks, 0) << "the default button is not pressed";
    EXPECT_TRUE(edit->hasFocus());

    d.Events.clear();
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(d.Events, (std::vector<std::string>{"escape reset=0 exit=0", "press 27"}));
    EXPECT_TRUE(d.Dialog.isVisible()) << "Esc stays with the control";
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(edit->GetText(), "abc");

    d.Events.clear();
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_EQ(d.Events, (std::vector<std::string>{"tab"}));
    EXPECT_TRUE(next->hasFocus());
    QTest::keyClick(next, Qt::Key_Backtab);
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(d.Events, (std::vector<std::string>{"tab"})) << "the other edit has no handler";
}

TEST(EditEx, TabKeptInTheControlWhenTabKeyToExitIsOff) {
    EditDialog d;
    auto* edit = d.AddEdit("abc");
    d.AddEdit();
    d.Watch(edit);
    edit->TabKeyToExit = false;
    d.Show(edit);
    QTest::keyClick(edit, Qt::Key_Tab);
    QTest::keyClick(edit, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(d.Events, (std::vector<std::string>{"tab", "press 9", "tab", "press 9"}));
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(edit->GetText(), "abc") << "no tab character gets into the text";
}

TEST(EditEx, EnterMovesToTheNextFocusableControlWrappingAtTheEnd) {
    EditDialog d;
    auto* first = d.AddEdit();
    d.Add(new QLabel(QStringLiteral("label"), &d.Dialog));
    auto* disabled = d.AddEdit();
    disabled->setEnabled(false);
    auto* panel = d.Add(new QFrame(&d.Dialog));
    auto* panelLayout = new QVBoxLayout(panel);
    auto* inner1 = new TProbeEdit(panel);
    auto* inner2 = new TProbeEdit(panel);
    panelLayout->addWidget(inner1);
    panelLayout->addWidget(inner2);
    auto* noTabStop = d.AddEdit();
    noTabStop->setFocusPolicy(Qt::ClickFocus);
    d.AddButtons();
    auto* ok = d.Dialog.findChild<QPushButton*>();
    for (auto* edit : {first, inner1, inner2, noTabStop}) {
        edit->EnterKeyToExit = true;
        d.Watch(edit);
    }
    d.Show(first);

    QTest::keyClick(first, Qt::Key_Return);
    EXPECT_TRUE(inner1->hasFocus()) << "past the label, the disabled edit and the panel, into the panel";
    EXPECT_EQ(d.Events, (std::vector<std::string>{"enter"})) << "no key-press event for that Enter";
    QTest::keyClick(inner1, Qt::Key_Return);
    EXPECT_TRUE(inner2->hasFocus());
    QTest::keyClick(inner2, Qt::Key_Return);
    EXPECT_TRUE(noTabStop->hasFocus()) << "a control without tab stop is not passed over";
    QTest::keyClick(noTabStop, Qt::Key_Return);
    EXPECT_TRUE(ok->hasFocus());
    EXPECT_EQ(d.OkClicks, 0);
    QTest::keyClick(ok, Qt::Key_Tab);
    ASSERT_TRUE(first->hasFocus()) << "Tab from the button wraps to the first edit";
    panel->setEnabled(false);
    ok->setEnabled(false);
    QTest::keyClick(first, Qt::Key_Return);
    EXPECT_TRUE(noTabStop->hasFocus());
    QTest::keyClick(noTabStop, Qt::Key_Return);
    EXPECT_TRUE(first->hasFocus()) << "wrapped from the last control to the first";
}

TEST(EditEx, EnterLeavesFocusOnTheOnlyFocusableControl) {
    EditDialog d;
    auto* edit = d.AddEdit("x");
    d.Add(new QLabel(QStringLiteral("label"), &d.Dialog));
    d.AddEdit()->setEnabled(false);
    edit->EnterKeyToExit = true;
    d.Watch(edit);
    d.Show(edit);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(d.Events, (std::vector<std::string>{"enter"}));
    EXPECT_EQ(edit->GetText(), "x");
}

TEST(EditEx, EscResetRestoresTheTextOfFocusEntry) {
    EditDialog d;
    auto* edit = d.AddEdit("start");
    d.AddEdit();
    int changes = 0;
    edit->OnChange = [&changes](TObject*) { ++changes; };
    edit->EscToReset = true;
    d.Show(edit);
    EXPECT_EQ(edit->SavedText(), "start");
    EXPECT_FALSE(edit->Modified());

    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClicks(edit, QStringLiteral("ed"));
    EXPECT_TRUE(edit->Modified());
    changes = 0;
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(edit->GetText(), "start");
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(edit->Modified());
    EXPECT_TRUE(edit->hasFocus());

    // A text set from code counts as a change as well; an unchanged text raises nothing.
    edit->SetText("code");
    EXPECT_TRUE(edit->Modified());
    QTest::keyClick(edit, Qt::Key_Escape);
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(edit->GetText(), "start");
    EXPECT_EQ(changes, 3);
}

TEST(EditEx, AnOnEnterHandlerChangesWhatEscRestores) {
    EditDialog d;
    auto* other = d.AddEdit();
    auto* edit = d.AddEdit("old");
    edit->EscToReset = true;
    edit->OnEnter = [edit](TObject*) { edit->SetText("entered"); };
    d.Show(other);
    edit->setFocus();
    EXPECT_FALSE(edit->Modified());
    QTest::keyClicks(edit, QStringLiteral("x"));
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(edit->GetText(), "entered");
}

TEST(EditEx, EscToExitTurnsOnEscToResetAndBothMoveFocusAndCancelTheDialog) {
    EditDialog d;
    auto* edit = d.AddEdit("start");
    auto* next = d.AddEdit();
    auto* cancel = d.Add(new QPushButton(QStringLiteral("Cancel"), &d.Dialog));
    QObject::connect(cancel, &QPushButton::clicked, &d.Dialog, &QDialog::reject);
    d.Watch(edit);

    edit->SetEscToExit(true);
    EXPECT_TRUE(edit->EscToReset);
    edit->SetEscToExit(false);
    EXPECT_TRUE(edit->EscToReset) << "turning EscToExit off leaves EscToReset";
    edit->SetEscToExit(true);

    d.Show(edit);
    QTest::keyClicks(edit, QStringLiteral("typed"));
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(d.Events.back(), "escape reset=1 exit=1") << "no key-press event once focus has moved";
    EXPECT_EQ(edit->GetText(), "start");
    EXPECT_EQ(d.Dialog.focusWidget(), next);
    EXPECT_FALSE(d.Dialog.isVisible()) << "the dialog's own Esc handling ran as well";
    EXPECT_EQ(d.Dialog.result(), QDialog::Rejected);
}

TEST(EditEx, AnEscapeHandlerDecidesResetAndExit) {
    struct Case {
        bool EscToReset;
        bool HandlerReset, HandlerExit;
        std::string Text;
        bool FocusMoved;
    };
    const std::vector<Case> cases = {
        {false, false, true, "startX", true},  // exit without EscToExit
        {true, false, false, "startX", false}, // no reset despite EscToReset
        {false, true, false, "start", false},  // reset without EscToReset
    };
    for (const Case& c : cases) {
        EditDialog d;
        auto* edit = d.AddEdit("start");
        auto* next = d.AddEdit();
        edit->EscToReset = c.EscToReset;
        edit->OnEscapeKey = [&c](TObject*, bool& CanReset, bool& CanExit) {
            CanReset = c.HandlerReset;
            CanExit = c.HandlerExit;
        };
        d.Show(edit);
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClicks(edit, QStringLiteral("X"));
        QTest::keyClick(edit, Qt::Key_Escape);
        EXPECT_EQ(edit->GetText(), c.Text);
        EXPECT_EQ(d.Dialog.focusWidget() == next, c.FocusMoved);
        // Esc that moved focus goes on to the dialog, whose own Esc handling closes it.
        EXPECT_EQ(d.Dialog.isVisible(), !c.FocusMoved);
    }
}

TEST(EditEx, ArrowKeysRaiseTheirCodeAndMoveTheCaret) {
    EditDialog d;
    auto* edit = d.AddEdit("abcd");
    d.AddEdit();
    d.Watch(edit);
    edit->AutoSelect = false;
    d.Show(edit);
    edit->SetSelStart(2);
    QTest::keyClick(edit, Qt::Key_Right);
    EXPECT_EQ(edit->GetSelStart(), 3) << "the handler's change of Key has no effect";
    QTest::keyClick(edit, Qt::Key_Left);
    QTest::keyClick(edit, Qt::Key_Left);
    QTest::keyClick(edit, Qt::Key_Up);
    QTest::keyClick(edit, Qt::Key_Down);
    EXPECT_EQ(d.Events, (std::vector<std::string>{"cursor 39", "cursor 37", "cursor 37", "cursor 38", "cursor 40"}));
    EXPECT_EQ(edit->GetSelStart(), 1);
    EXPECT_TRUE(edit->hasFocus());
}

} // namespace
