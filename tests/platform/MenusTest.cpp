#include "platform/Menus.h"
#include "platform/Exceptions.h"
#include "platform/Forms.h"

#include "tests/platform/LoggingMenu.h"
#include "tests/support/ModalAnswerer.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace platform;

namespace {

// Top > Sub > Item (Ctrl+K), with every click logged by name.
struct NestedMenu : testsupport::LoggingMenu {
    TMenuItem *Top, *Sub, *Item;

    NestedMenu() {
        Top = Add(&Menu.Items, "Top");
        Add(Top, "Before", scCtrl | 'J');
        Sub = Add(Top, "Sub");
        Item = Add(Sub, "Item", scCtrl | 'K');
    }
};

TEST(MenuShortCut, OpensEachMenuAboveTheItemOutermostFirstUntilADisabledOne) {
    struct Case {
        const char* Name;
        std::function<void(NestedMenu&)> Arrange;
        std::vector<std::string> Log;
    };
    const std::vector<Case> cases = {
        {"all enabled", [](NestedMenu&) {}, {"Top", "Sub", "Item"}},
        {"outer menu disabled", [](NestedMenu& m) { m.Top->SetEnabled(false); }, {}},
        {"inner menu disabled", [](NestedMenu& m) { m.Sub->SetEnabled(false); }, {"Top"}},
        {"item disabled", [](NestedMenu& m) { m.Item->SetEnabled(false); }, {"Top", "Sub"}},
        {"outer menu disables the inner one when opened",
         [](NestedMenu& m) {
             m.Top->OnClick = [&m](TObject*) {
                 m.Log.push_back("Top");
                 m.Sub->SetEnabled(false);
             };
         },
         {"Top"}},
        {"inner menu enables the item when opened",
         [](NestedMenu& m) {
             m.Item->SetEnabled(false);
             m.Sub->OnClick = [&m](TObject*) {
                 m.Log.push_back("Sub");
                 m.Item->SetEnabled(true);
             };
         },
         {"Top", "Sub", "Item"}},
    };
    for (const Case& c : cases) {
        NestedMenu m;
        c.Arrange(m);
        EXPECT_TRUE(m.Menu.DispatchShortCut(scCtrl | 'K')) << c.Name << ": the shortcut is the menu's";
        EXPECT_EQ(m.Log, c.Log) << c.Name;
    }
}

TEST(MenuShortCut, FindsOnlyExactShortcutsAndNeverSeparators) {
    NestedMenu m;
    auto* separator = m.Add(m.Top, "-", scCtrl | 'L');
    separator->SetCaption("-");

    EXPECT_EQ(m.Menu.FindShortCut(scCtrl | 'J')->Name(), "Before");
    EXPECT_EQ(m.Menu.FindShortCut(scCtrl | 'K'), m.Item);
    EXPECT_EQ(m.Menu.FindShortCut(scCtrl | scShift | 'K'), nullptr);
    EXPECT_EQ(m.Menu.FindShortCut('K'), nullptr);
    EXPECT_EQ(m.Menu.FindShortCut(scCtrl | 'L'), nullptr);
    EXPECT_EQ(m.Menu.FindShortCut(0), nullptr) << "items without a shortcut";
    EXPECT_FALSE(m.Menu.DispatchShortCut(scCtrl | 'L'));
    EXPECT_TRUE(m.Log.empty());

    m.Menu.DispatchShortCut(scCtrl | 'J');
    EXPECT_EQ(m.Log, (std::vector<std::string>{"Top", "Before"}));
}

// The editor's File menu on a window's menu bar.
struct MenuBarWindow : testsupport::LoggingMenu {
    TForm Form;
    TMenuItem *File, *Open, *Separator, *SaveAs, *Exit, *Mode, *ModeU;

    MenuBarWindow() {
        File = Add(&Menu.Items, "File1", "&File");
        Open = Add(File, "Open1", "開く(&O)...", scCtrl | 'O');
        Separator = Add(File, "N3", "-");
        SaveAs = Add(File, "SaveAs1", "名前を付けて保存(&A)...", scCtrl | scShift | 'S');
        Exit = Add(File, "Exit1", "終了(&X)", scAlt | TShortCut{VK_F4});
        Mode = Add(&Menu.Items, "Mode1", "&Mode");
        ModeU = Add(Mode, "ModeU1", "ユニット名編集モード(&U)", scCtrl | 'U');
        Form.SetMenu(&Menu);
        Form.resize(400, 200);
    }

    QMenu* Opened() const { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }

    // Opens a menu of the bar with a real click; the popup it shows, or null.
    QMenu* OpenFromBar(TMenuItem* TopItem) {
        QMenuBar* bar = Form.menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(TopItem->Action()).center());
        return Opened();
    }
};

TEST(MenuBar, ShowsCaptionsWithShortcutTextAndFollowsEnabledAndCheckedStates) {
    MenuBarWindow w;
    EXPECT_EQ(w.File->Action()->text(), QStringLiteral("&File"));
    EXPECT_EQ(w.Open->Action()->text(), QStringLiteral("開く(&O)...\tCtrl+O"));
    EXPECT_EQ(w.SaveAs->Action()->text(), QStringLiteral("名前を付けて保存(&A)...\tCtrl+Shift+S"));
    EXPECT_EQ(w.Exit->Action()->text(), QStringLiteral("終了(&X)\tAlt+F4"));
    EXPECT_TRUE(w.Separator->Action()->isSeparator());
    EXPECT_TRUE(w.Open->Action()->shortcut().isEmpty()) << "the window dispatches shortcuts, not Qt";

    w.SaveAs->SetEnabled(false);
    w.ModeU->SetChecked(true);
    EXPECT_FALSE(w.SaveAs->Action()->isEnabled());
    EXPECT_TRUE(w.ModeU->Action()->isChecked());
    w.ModeU->SetChecked(false);
    EXPECT_FALSE(w.ModeU->Action()->isChecked());
    w.SaveAs->SetCaption("保存(&A)");
    EXPECT_EQ(w.SaveAs->Action()->text(), QStringLiteral("保存(&A)\tCtrl+Shift+S"));
}

TEST(MenuBar, OpeningAMenuRunsItsClickAndChoosingAnItemRunsThatItem) {
    MenuBarWindow w;
    w.Form.show();
    QApplication::setActiveWindow(&w.Form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.Form));

    QMenu* file = w.OpenFromBar(w.File);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(w.Log, std::vector<std::string>{"File1"});
    QTest::mouseClick(file, Qt::LeftButton, {}, file->actionGeometry(w.Open->Action()).center());
    EXPECT_EQ(w.Log, (std::vector<std::string>{"File1", "Open1"}));

    w.Log.clear();
    w.Mode->SetEnabled(false);
    EXPECT_EQ(w.OpenFromBar(w.Mode), nullptr);
    EXPECT_TRUE(w.Log.empty()) << "a disabled menu does not open";
}

TEST(MenuBar, ErrorEscapingAChosenItemGoesToTheErrorBox) {
    MenuBarWindow w;
    w.Open->OnClick = [](TObject*) { throw EFOpenError("cannot open"); };
    auto message = testsupport::AcceptNextMessage();
    w.Open->Action()->trigger();
    EXPECT_EQ(*message, QStringLiteral("cannot open"));

    w.Exit->Action()->trigger();
    EXPECT_EQ(w.Log, std::vector<std::string>{"Exit1"});
}

TEST(MenuBar, MenuTreeAndWindowMayGoInEitherOrder) {
    bool clicked = false;
    auto addItem = [&](TMainMenu& Tree) {
        auto* top = Tree.Items.Add(std::make_unique<TMenuItem>("Top"));
        top->SetCaption("&Top");
        auto* item = top->Add(std::make_unique<TMenuItem>("Item"));
        item->SetCaption("&Item");
        item->OnClick = [&](TObject*) { clicked = true; };
        return item;
    };
    {
        TForm form;
        auto tree = std::make_unique<TMainMenu>();
        TMenuItem* item = addItem(*tree);
        form.SetMenu(tree.get());
        QAction* action = item->Action();
        tree.reset();
        action->trigger();
        EXPECT_FALSE(clicked) << "the menu bar no longer calls a destroyed item";
    }
    {
        TMainMenu tree;
        TMenuItem* item = addItem(tree);
        {
            TForm form;
            form.SetMenu(&tree);
        }
        item->SetEnabled(false);
        item->SetCaption("Still here");
        EXPECT_EQ(item->Action(), nullptr);
        EXPECT_FALSE(item->Enabled());
    }
}

} // namespace
