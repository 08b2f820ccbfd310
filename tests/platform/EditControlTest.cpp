#include "platform/StdCtrls.h"

#include "tests/platform/ActiveWindow.h"

#include <QDialog>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace platform;

namespace {

// An edit that keeps every special key, as a derived control claims one.
class TClaimingEdit : public TCustomEdit {
public:
    using TCustomEdit::TCustomEdit;
    void WndProc(TMessage& Message) override {
        if (Message.Msg == CM_WANTSPECIALKEY) {
            Message.Result = 1;
            return;
        }
        TCustomEdit::WndProc(Message);
    }
};

struct EditPair {
    QWidget Window;
    TCustomEdit* First = new TCustomEdit(&Window);
    TCustomEdit* Second = new TCustomEdit(&Window);
    int Enters = 0, Exits = 0, Changes = 0;

    EditPair() {
        Second->move(0, 40);
        Window.resize(200, 100);
        First->OnEnter = [this](TObject*) { ++Enters; };
        First->OnExit = [this](TObject*) { ++Exits; };
        First->OnChange = [this](TObject*) { ++Changes; };
    }
};

TEST(EditControl, SelectsAllOnEntryByKeyboardOrCodeButNotByClick) {
    EditPair w;
    w.First->SetText("12345");
    testsupport::ShowActive(w.Window);
    w.Second->setFocus();

    w.First->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(w.First->GetSelStart(), 0);
    EXPECT_EQ(w.First->GetSelLength(), 5);

    w.Second->setFocus();
    w.First->AutoSelect = false;
    QTest::keyClick(w.Second, Qt::Key_Backtab);
    ASSERT_TRUE(w.First->hasFocus());
    EXPECT_EQ(w.First->GetSelLength(), 0) << "Qt's own select-all on Tab is undone";

    w.Second->setFocus();
    w.First->AutoSelect = true;
    QTest::mouseClick(w.First, Qt::LeftButton, {}, QPoint(2, w.First->height() / 2));
    ASSERT_TRUE(w.First->hasFocus());
    EXPECT_EQ(w.First->GetSelLength(), 0);
}

TEST(EditControl, RaisesChangeOncePerDifferentText) {
    EditPair w;
    w.First->SetText("a");
    w.First->SetText("a");
    EXPECT_EQ(w.Changes, 1);
    w.First->Clear();
    EXPECT_EQ(w.First->GetText(), "");
    EXPECT_EQ(w.Changes, 2);

    testsupport::ShowActive(w.Window);
    w.First->setFocus();
    QTest::keyClicks(w.First, QStringLiteral("xy"));
    EXPECT_EQ(w.Changes, 4);
}

TEST(EditControl, FocusLeavingWithItsWindowIsNoExit) {
    EditPair w;
    testsupport::ShowActive(w.Window);
    w.First->setFocus();
    ASSERT_EQ(w.Enters, 1);

    QWidget other;
    testsupport::ShowActive(other);
    EXPECT_EQ(w.Exits, 0);
    testsupport::ShowActive(w.Window);
    EXPECT_TRUE(w.First->hasFocus());
    EXPECT_EQ(w.Enters, 1);

    QTest::keyClick(w.First, Qt::Key_Tab);
    EXPECT_TRUE(w.Second->hasFocus());
    EXPECT_EQ(w.Exits, 1);
}

TEST(EditControl, RaisesKeyEventsForKeysAndCharacters) {
    EditPair w;
    std::vector<WORD> keys;
    std::string characters;
    w.First->OnKeyDown = [&](TObject*, WORD& Key, TShiftState) { keys.push_back(Key); };
    w.First->OnKeyPress = [&](TObject*, char& Key) {
        characters += Key;
        if (Key == 'b') Key = 0; // a handler can swallow a character
    };
    testsupport::ShowActive(w.Window);
    w.First->setFocus();
    QTest::keyClicks(w.First, QStringLiteral("abc"));
    EXPECT_EQ(keys, (std::vector<WORD>{'A', 'B', 'C'}));
    EXPECT_EQ(characters, "abc");
    EXPECT_EQ(w.First->GetText(), "ac");
}

// A special key the control claims stays with it; one it leaves goes on to the dialog.
TEST(EditControl, AClaimedSpecialKeyNeverReachesTheDialog) {
    for (bool claim : {true, false}) {
        SCOPED_TRACE(claim ? "claimed" : "left to the dialog");
        QDialog dialog;
        TCustomEdit* edit = claim ? new TClaimingEdit(&dialog) : new TCustomEdit(&dialog);
        auto* next = new TCustomEdit(&dialog);
        next->move(0, 40);
        auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
        ok->move(0, 80);
        ok->setDefault(true);
        int clicks = 0;
        QObject::connect(ok, &QPushButton::clicked, [&clicks] { ++clicks; });
        testsupport::ShowActive(dialog);
        edit->setFocus();

        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_EQ(clicks, claim ? 0 : 1);
        QTest::keyClick(edit, Qt::Key_Tab);
        EXPECT_EQ(edit->hasFocus(), claim);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Escape);
        EXPECT_EQ(dialog.isVisible(), claim);
    }
}

} // namespace
