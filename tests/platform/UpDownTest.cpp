#include "platform/ComCtrls.h"
#include "platform/StdCtrls.h"

#include "tests/platform/ActiveWindow.h"

#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace platform;

namespace {

// A buddy that records the text messages it receives.
class TRecordingEdit : public TCustomEdit {
public:
    using TCustomEdit::TCustomEdit;
    std::vector<std::string> Messages;
    void WndProc(TMessage& Message) override {
        if (Message.Msg == WM_GETTEXT) Messages.push_back("read");
        if (Message.Msg == WM_SETTEXT)
            Messages.push_back("write " + *reinterpret_cast<const std::string*>(Message.LParam));
        TCustomEdit::WndProc(Message);
    }
};

struct SpinWindow {
    QWidget Window;
    TRecordingEdit* Buddy = new TRecordingEdit(&Window);
    TUpDown* Spin = new TUpDown(&Window);

    SpinWindow() {
        Buddy->setGeometry(10, 10, 80, 24);
        Spin->SetAssociate(Buddy);
        Window.resize(200, 60);
    }
    void ClickUp() { QTest::mouseClick(Spin, Qt::LeftButton, {}, QPoint(Spin->width() / 2, 2)); }
    void ClickDown() { QTest::mouseClick(Spin, Qt::LeftButton, {}, QPoint(Spin->width() / 2, Spin->height() - 3)); }
};

TEST(UpDown, SitsAgainstItsBuddyAndKeepsFocusAway) {
    SpinWindow w;
    EXPECT_EQ(w.Spin->geometry().left(), w.Buddy->geometry().right() + 1);
    EXPECT_EQ(w.Spin->height(), w.Buddy->height());
    testsupport::ShowActive(w.Window);
    w.Buddy->setFocus();
    w.ClickUp();
    EXPECT_TRUE(w.Buddy->hasFocus());
}

TEST(UpDown, ReadsTheBuddyStepsAndWritesBackThroughTheTextMessages) {
    SpinWindow w;
    testsupport::ShowActive(w.Window);
    w.Buddy->SetText("41");
    w.Buddy->Messages.clear();

    w.ClickUp();
    EXPECT_EQ(w.Buddy->Messages, (std::vector<std::string>{"read", "write 42"}));
    EXPECT_EQ(w.Buddy->GetText(), "42");
    EXPECT_EQ(w.Spin->Position(), 42);
    w.ClickDown();
    w.ClickDown();
    EXPECT_EQ(w.Buddy->GetText(), "40");

    // Text that is no integer within the limits leaves the position as it was.
    w.Buddy->SetText("abc");
    w.ClickUp();
    EXPECT_EQ(w.Buddy->GetText(), "41");
    w.Buddy->SetText("500");
    w.ClickUp();
    EXPECT_EQ(w.Buddy->GetText(), "42");
}

TEST(UpDown, StopsOrWrapsAtTheEnds) {
    struct Case {
        bool Wrap;
        std::string Start;
        bool Up;
        std::string Shown;
    };
    const std::vector<Case> cases = {
        {false, "10", true, "10"}, {false, "0", false, "0"}, {true, "10", true, "0"}, {true, "0", false, "10"},
        {false, "9", true, "10"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Start + (c.Up ? " up" : " down") + (c.Wrap ? " wrapping" : ""));
        SpinWindow w;
        w.Spin->Max = 10;
        w.Spin->Wrap = c.Wrap;
        w.Buddy->SetText(c.Start);
        w.Buddy->Messages.clear();
        w.Spin->Click(c.Up ? btNext : btPrev);
        EXPECT_EQ(w.Buddy->GetText(), c.Shown);
        EXPECT_EQ(w.Buddy->Messages.size(), 3u) << "read, write, and the check here";
    }
}

TEST(UpDown, RaisesChangingBeforeTheReadAndClickAfterTheWrite) {
    SpinWindow w;
    w.Buddy->SetText("5");
    std::vector<std::string> order;
    bool allow = false;
    w.Spin->OnChanging = [&](TObject*, bool& AllowChange) {
        order.push_back("changing after " + std::to_string(w.Buddy->Messages.size()));
        AllowChange = allow;
    };
    w.Spin->OnClick = [&](TObject*, TUDBtnType Button) {
        order.push_back(std::string(Button == btNext ? "next" : "prev") + " after " +
                        std::to_string(w.Buddy->Messages.size()));
    };
    w.Buddy->Messages.clear();
    w.Spin->Click(btNext);
    EXPECT_TRUE(w.Buddy->Messages.empty()) << "a refused step touches nothing";
    allow = true;
    w.Spin->Click(btPrev);
    EXPECT_EQ(order, (std::vector<std::string>{"changing after 0", "changing after 0", "prev after 2"}));
    EXPECT_EQ(w.Buddy->GetText(), "4");
}

} // namespace
