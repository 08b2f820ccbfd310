#include "platform/FocusOrder.h"

#include "tests/platform/ActiveWindow.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include <gtest/gtest.h>

#include <vector>

using namespace platform;

namespace {

// A window with a label, an edit, a panel holding a label and two edits, an edit that takes focus by
// click only, and an empty panel.
struct FocusWindow {
    QWidget Window;
    QLabel* Caption = new QLabel(QStringLiteral("caption"), &Window);
    QLineEdit* First = new QLineEdit(&Window);
    QFrame* Panel = new QFrame(&Window);
    QLabel* PanelCaption = new QLabel(QStringLiteral("inside"), Panel);
    QLineEdit* Inner1 = new QLineEdit(Panel);
    QLineEdit* Inner2 = new QLineEdit(Panel);
    QLineEdit* ClickOnly = new QLineEdit(&Window);
    QFrame* EmptyPanel = new QFrame(&Window);

    FocusWindow() {
        ClickOnly->setFocusPolicy(Qt::ClickFocus);
        Window.resize(300, 200);
    }
};

TEST(FocusOrder, ListsControlsDepthFirstInTabOrderWithoutLabels) {
    FocusWindow w;
    EXPECT_EQ(TabOrderList(&w.Window),
              (std::vector<QWidget*>{w.First, w.Panel, w.Inner1, w.Inner2, w.ClickOnly}));

    // Tab order among siblings follows the focus chain.
    QWidget::setTabOrder(w.Inner2, w.Inner1);
    QWidget::setTabOrder(w.Inner1, w.First);
    EXPECT_EQ(TabOrderList(&w.Window),
              (std::vector<QWidget*>{w.Panel, w.Inner2, w.Inner1, w.First, w.ClickOnly}));
}

TEST(FocusOrder, AFocusableCompositeIsOneControl) {
    QWidget window;
    auto* spin = new QSpinBox(&window); // built from a line edit and buttons
    EXPECT_EQ(TabOrderList(&window), std::vector<QWidget*>{spin});
    EXPECT_EQ(ControlCount(spin), 0);
}

TEST(FocusOrder, CountsControlsInsideAndTestsWhetherFocusCanBeTaken) {
    FocusWindow w;
    EXPECT_FALSE(CanFocus(w.First)) << "the window is not shown yet";
    testsupport::ShowActive(w.Window);

    EXPECT_EQ(ControlCount(w.Panel), 2);
    EXPECT_EQ(ControlCount(w.First), 0);
    EXPECT_EQ(ControlCount(&w.Window), 3);

    EXPECT_TRUE(CanFocus(w.First));
    EXPECT_TRUE(CanFocus(w.ClickOnly));
    EXPECT_FALSE(CanFocus(w.Panel)) << "a container takes no focus itself";
    EXPECT_FALSE(CanFocus(w.Caption));

    w.First->setEnabled(false);
    EXPECT_FALSE(CanFocus(w.First));
    w.Panel->setEnabled(false);
    EXPECT_FALSE(CanFocus(w.Inner1)) << "a disabled parent";
    w.Panel->setEnabled(true);
    w.Panel->hide();
    EXPECT_FALSE(CanFocus(w.Inner1)) << "a hidden parent";
    w.Panel->show();
    EXPECT_TRUE(CanFocus(w.Inner1));

    FocusControl(w.Inner2);
    EXPECT_TRUE(w.Inner2->hasFocus());
    EXPECT_EQ(ParentWindow(w.Inner2), &w.Window);
}

} // namespace
