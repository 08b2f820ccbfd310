#include "platform/Forms.h"
#include "platform/Exceptions.h"

#include "tests/platform/LoggingMenu.h"
#include "tests/support/ModalAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QStatusBar>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace platform;

namespace {

void ShowExposed(QWidget& Window) {
    Window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window));
}

void ShowActive(QWidget& Window) {
    Window.show();
    QApplication::setActiveWindow(&Window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window));
}

// Moves the pointer (a real mouse event) and lets the application go idle once.
void PointAt(QWidget* Control, QPoint Where = {5, 5}) {
    QTest::mouseMove(Control, Where);
    Application().Idle();
}

// The application object is shared by every test: each starts with tooltips on, no listener, and the
// pointer over nothing.
class ApplicationTest : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }

    static void Reset() {
        Application().OnHint = nullptr;
        Application().SetShowHint(true);
        Application().Title = "";
        QCursor::setPos(-1000, -1000);
        Application().Idle();
    }
};

// A window whose controls carry hints: a panel with tooltips on, holding a control with its own hint,
// one without (it passes on to the panel), one whose hint has no "|", and one with tooltips off.
struct HintWindow {
    QWidget Window;
    QWidget* Panel = new QWidget(&Window);
    QWidget* Labelled = new QWidget(Panel);
    QWidget* Plain = new QWidget(Panel);
    QWidget* Whole = new QWidget(Panel);
    QWidget* Quiet = new QWidget(Panel);
    QWidget* Bare = new QWidget(&Window);

    HintWindow() {
        Window.setGeometry(100, 100, 400, 300);
        Panel->setGeometry(0, 0, 300, 300);
        Labelled->setGeometry(10, 10, 100, 50);
        Plain->setGeometry(10, 80, 100, 50);
        Whole->setGeometry(10, 150, 100, 50);
        Quiet->setGeometry(10, 220, 100, 50);
        Bare->setGeometry(310, 0, 80, 300);
        SetControlHint(Panel, "Panel tip|Panel explanation");
        SetControlHint(Labelled, "補給能力|補給能力等（ビットごと）  16空港 8補給車 4港");
        SetControlHint(Whole, "Same for both");
        SetControlHint(Quiet, "Quiet tip|Quiet explanation");
        SetControlShowHint(Panel, true);
        SetControlShowHint(Quiet, false);
    }
};

TEST_F(ApplicationTest, HintIsTheLongPartOfTheHintUnderThePointerPassingEmptyHintsToTheParent) {
    HintWindow w;
    ShowExposed(w.Window);
    struct Case {
        QWidget* Control;
        std::string Hint;
    };
    const std::vector<Case> cases = {
        {w.Labelled, "補給能力等（ビットごと）  16空港 8補給車 4港"},
        {w.Plain, "Panel explanation"},
        {w.Whole, "Same for both"},
        {w.Quiet, "Quiet explanation"},
        {w.Bare, ""},
        {w.Panel, "Panel explanation"},
    };
    for (const Case& c : cases) {
        PointAt(c.Control);
        EXPECT_EQ(Application().Hint(), c.Hint) << c.Hint;
    }
    PointAt(&w.Window, {-50, -50});
    EXPECT_EQ(Application().Hint(), "") << "outside every window";
}

TEST_F(ApplicationTest, HintChangeEventOnlyWhenTheTextChanges) {
    HintWindow w;
    ShowExposed(w.Window);
    std::vector<std::string> seen;
    Application().OnHint = [&](TObject*) { seen.push_back(Application().Hint()); };

    PointAt(w.Plain);
    PointAt(w.Plain, {30, 30});
    PointAt(w.Panel, {200, 20}); // another control with the same hint text
    PointAt(w.Whole);
    Application().Idle();
    PointAt(w.Bare);

    EXPECT_EQ(seen, (std::vector<std::string>{"Panel explanation", "Same for both", ""}));
}

TEST_F(ApplicationTest, HintFollowsControlsThatAppearOrVanishUnderARestingPointer) {
    HintWindow w;
    ShowExposed(w.Window);
    PointAt(w.Labelled);
    ASSERT_EQ(Application().Hint(), "補給能力等（ビットごと）  16空港 8補給車 4港");

    w.Labelled->hide();
    Application().Idle();
    EXPECT_EQ(Application().Hint(), "Panel explanation");

    w.Labelled->show();
    SetControlHint(w.Labelled, "Changed|Changed explanation");
    Application().Idle();
    EXPECT_EQ(Application().Hint(), "Changed explanation");
}

TEST_F(ApplicationTest, DialogControlsDoNotTakeTheHintOfTheWindowOwningTheDialog) {
    HintWindow w;
    SetControlHint(&w.Window, "Window|Window explanation");
    ShowExposed(w.Window);
    QDialog dialog(&w.Window);
    dialog.setGeometry(600, 100, 150, 100);
    auto* inside = new QWidget(&dialog);
    inside->setGeometry(0, 0, 150, 100);
    ShowExposed(dialog);

    PointAt(w.Bare);
    EXPECT_EQ(Application().Hint(), "Window explanation");
    PointAt(inside);
    EXPECT_EQ(Application().Hint(), "");
}

TEST_F(ApplicationTest, TooltipShowsTheShortPartOnControlsWithTooltipsOn) {
    HintWindow w;
    ShowExposed(w.Window);
    struct Case {
        QWidget* Control;
        std::string Tooltip;
    };
    const std::vector<Case> cases = {
        {w.Labelled, "補給能力"},
        {w.Plain, "Panel tip"},
        {w.Whole, "Same for both"},
        {w.Quiet, ""}, // its own setting wins over the panel's
        {w.Bare, ""},
    };
    for (const Case& c : cases) {
        PointAt(c.Control);
        EXPECT_EQ(Application().Tooltip(), c.Tooltip) << c.Tooltip;
        EXPECT_EQ(QToolTip::isVisible(), !c.Tooltip.empty()) << c.Tooltip;
        if (!c.Tooltip.empty()) {
            EXPECT_EQ(QToolTip::text().toStdString(), c.Tooltip);
        }
    }
}

// The sequence the editor window runs when the pointer moves to another cell: tooltips off, the new
// hint, tooltips on.
TEST_F(ApplicationTest, SwitchingTooltipsOffRemovesTheTipAndOnOffersTheNextHintAfresh) {
    HintWindow w;
    ShowExposed(w.Window);
    PointAt(w.Labelled);
    ASSERT_EQ(Application().Tooltip(), "補給能力");

    PointAt(w.Labelled, {40, 20});
    EXPECT_EQ(Application().Tooltip(), "補給能力") << "moving within the control keeps the tip";

    Application().SetShowHint(false);
    EXPECT_EQ(Application().Tooltip(), "");
    EXPECT_FALSE(QToolTip::isVisible()) << "removed at once, not faded out later";
    PointAt(w.Labelled, {50, 20});
    EXPECT_FALSE(QToolTip::isVisible()) << "nothing is offered while tooltips are off";
    EXPECT_EQ(Application().Hint(), "補給能力等（ビットごと）  16空港 8補給車 4港")
        << "the hint still follows";

    QTest::mouseMove(w.Labelled, {60, 20});
    Application().SetShowHint(false);
    SetControlHint(w.Labelled, "移動力|移動力(Hex)");
    Application().SetShowHint(true);
    Application().Idle();
    EXPECT_EQ(Application().Tooltip(), "移動力");
    EXPECT_EQ(Application().Hint(), "移動力(Hex)");
}

TEST_F(ApplicationTest, ChangedHintIsNotOfferedAgainWhileThePointerStaysOnTheControl) {
    HintWindow w;
    ShowExposed(w.Window);
    PointAt(w.Labelled);
    ASSERT_EQ(Application().Tooltip(), "補給能力");

    SetControlHint(w.Labelled, "");
    PointAt(w.Labelled, {40, 20});
    EXPECT_EQ(Application().Tooltip(), "Panel tip") << "the hint now comes from the panel, another control";
    SetControlHint(w.Labelled, "移動力|移動力(Hex)");
    PointAt(w.Labelled, {50, 20});
    EXPECT_EQ(Application().Tooltip(), "移動力");

    SetControlHint(w.Labelled, "燃料|燃料（最大値999）");
    PointAt(w.Labelled, {60, 20});
    EXPECT_EQ(Application().Hint(), "燃料（最大値999）");
    EXPECT_EQ(Application().Tooltip(), "移動力") << "the tip shown stays until it is cancelled";
}

TEST_F(ApplicationTest, KeyOrMousePressCancelsTheTipUntilThePointerMovesAgain) {
    HintWindow w;
    ShowActive(w.Window);
    for (const bool byKey : {true, false}) {
        PointAt(w.Labelled, {20, 20});
        PointAt(w.Labelled);
        ASSERT_EQ(Application().Tooltip(), "補給能力") << byKey;

        if (byKey)
            QTest::keyClick(&w.Window, Qt::Key_Down);
        else
            QTest::mouseClick(w.Labelled, Qt::LeftButton, {}, {5, 5});
        EXPECT_EQ(Application().Tooltip(), "") << byKey;
        Application().Idle();
        EXPECT_FALSE(QToolTip::isVisible()) << "not offered again without a move " << byKey;

        PointAt(w.Labelled, {6, 6});
        EXPECT_EQ(Application().Tooltip(), "補給能力") << byKey;
        PointAt(w.Bare);
    }
}

// Reads the next modal box as the user sees it, then presses OK.
struct SeenBox {
    QString Title, Text;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    int Buttons = 0;
};

std::shared_ptr<SeenBox> ReadNextBox() {
    auto seen = std::make_shared<SeenBox>();
    testsupport::AnswerNextModal([seen](QWidget* Modal) {
        auto* box = qobject_cast<QMessageBox*>(Modal);
        if (!box) {
            Modal->close();
            return;
        }
        seen->Title = box->windowTitle();
        seen->Text = box->text();
        seen->Icon = box->icon();
        seen->Buttons = static_cast<int>(box->buttons().size());
        box->button(QMessageBox::Ok)->click();
    });
    return seen;
}

TEST_F(ApplicationTest, MessageBoxShowsTheTextWithOneOkButtonCaptionedWithTheTitle) {
    Application().Title = "Data Editor";
    auto seen = ReadNextBox();
    Application().ShowMessage("初期化ファイルが見つかりませんでした\n ファイルオープン時に新規に作成します");
    EXPECT_EQ(seen->Title, QStringLiteral("Data Editor"));
    EXPECT_EQ(seen->Text,
              QStringLiteral("初期化ファイルが見つかりませんでした\n ファイルオープン時に新規に作成します"));
    EXPECT_EQ(seen->Buttons, 1);
}

TEST_F(ApplicationTest, ErrorEscapingACommandIsShownAndTheProgramGoesOn) {
    Application().Title = "Data Editor";
    auto seen = ReadNextBox();
    std::vector<std::string> done;
    Application().Protect([&] {
        done.push_back("before");
        throw EConvertError("'<b>12x</b>' is not a valid integer value");
        done.push_back("after");
    });
    Application().Protect([&] { done.push_back("next command"); });

    EXPECT_EQ(done, (std::vector<std::string>{"before", "next command"}));
    EXPECT_EQ(seen->Title, QStringLiteral("Data Editor"));
    EXPECT_EQ(seen->Text, QStringLiteral("'<b>12x</b>' is not a valid integer value"));
    EXPECT_EQ(seen->Icon, QMessageBox::Critical);
    EXPECT_EQ(seen->Buttons, 1);
}

TEST_F(ApplicationTest, ErrorsInWindowCreationAndFirstShowingGoToTheErrorBox) {
    TForm form;
    std::vector<std::string> done;
    form.OnCreate = [&](TObject*) { throw EFOpenError("cannot open"); };
    form.OnShow = [&](TObject*) {
        done.push_back("show");
        throw EListError("list index");
    };
    auto created = ReadNextBox();
    form.DoCreate();
    EXPECT_EQ(created->Text, QStringLiteral("cannot open"));

    auto shown = ReadNextBox();
    ShowExposed(form);
    EXPECT_EQ(shown->Text, QStringLiteral("list index"));
    form.hide();
    form.show();
    EXPECT_EQ(done, std::vector<std::string>{"show"}) << "only the first showing";
}

// A window with a File and an Edit menu over a focused line edit; every click is logged by name.
struct ShortcutWindow : testsupport::LoggingMenu {
    TForm Form;
    QLineEdit* Edit = new QLineEdit(&Form);
    TMenuItem *File, *Save, *Edit1, *Paste;

    ShortcutWindow() {
        File = Add(&Menu.Items, "File");
        Add(File, "Open", scCtrl | 'O');
        Save = Add(File, "Save", scCtrl | 'S');
        Add(File, "SaveAs", scCtrl | scShift | 'S');
        Add(File, "Exit", scAlt | TShortCut{VK_F4});
        Edit1 = Add(&Menu.Items, "Edit");
        Add(Edit1, "Cut", scCtrl | 'X');
        Add(Edit1, "Copy", scCtrl | 'C');
        Paste = Add(Edit1, "Paste", scCtrl | 'V');
        Add(Edit1, "All", scCtrl | 'A');
        Form.SetMenu(&Menu);
        Form.setCentralWidget(Edit);
        Form.resize(300, 100);
        Edit->setText(QStringLiteral("abc"));
    }
};

TEST_F(ApplicationTest, ShortcutsOpenEachMenuAboveTheirItemAndWinOverTheFocusedEdit) {
    ShortcutWindow w;
    ShowActive(w.Form);
    w.Edit->setFocus();
    struct Case {
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
        std::vector<std::string> Log;
    };
    const std::vector<Case> cases = {
        {Qt::Key_O, Qt::ControlModifier, {"File", "Open"}},
        {Qt::Key_S, Qt::ControlModifier, {"File", "Save"}},
        {Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier, {"File", "SaveAs"}},
        {Qt::Key_F4, Qt::AltModifier, {"File", "Exit"}},
        {Qt::Key_X, Qt::ControlModifier, {"Edit", "Cut"}},
        {Qt::Key_C, Qt::ControlModifier, {"Edit", "Copy"}},
        {Qt::Key_V, Qt::ControlModifier, {"Edit", "Paste"}},
        {Qt::Key_A, Qt::ControlModifier, {"Edit", "All"}},
        {Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier, {}},
        {Qt::Key_F4, Qt::NoModifier, {}},
    };
    for (const Case& c : cases) {
        w.Log.clear();
        QApplication::clipboard()->setText(QStringLiteral("from the clipboard"));
        w.Edit->setText(QStringLiteral("abc"));
        w.Edit->setSelection(0, 2);
        QTest::keyClick(w.Edit, c.Key, c.Modifiers);
        const std::string key = QKeySequence(c.Key | c.Modifiers).toString().toStdString();
        EXPECT_EQ(w.Log, c.Log) << key;
        EXPECT_EQ(w.Edit->text(), QStringLiteral("abc")) << key;
        EXPECT_EQ(w.Edit->selectedText(), QStringLiteral("ab")) << key;
        EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("from the clipboard")) << key;
    }
}

TEST_F(ApplicationTest, ShortcutOfADisabledItemOrUnderADisabledMenuDoesNothingAndIsStillTaken) {
    ShortcutWindow w;
    ShowActive(w.Form);
    w.Edit->setFocus();
    QApplication::clipboard()->setText(QStringLiteral("pasted"));

    w.Paste->SetEnabled(false);
    QTest::keyClick(w.Edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.Log, std::vector<std::string>{"Edit"});
    EXPECT_EQ(w.Edit->text(), QStringLiteral("abc")) << "the edit does not paste either";

    w.Log.clear();
    w.File->SetEnabled(false);
    QTest::keyClick(w.Edit, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(w.Log.empty());

    // The menu's own opening action may enable the item first, as the Edit menu refreshes Paste.
    w.Log.clear();
    w.Edit1->OnClick = [&](TObject*) {
        w.Log.push_back("Edit");
        w.Paste->SetEnabled(true);
    };
    QTest::keyClick(w.Edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.Log, (std::vector<std::string>{"Edit", "Paste"}));
}

TEST_F(ApplicationTest, ShortcutsBelongToTheirOwnWindow) {
    ShortcutWindow w;
    ShowExposed(w.Form);
    QWidget other;
    other.setGeometry(500, 100, 200, 50);
    auto* otherEdit = new QLineEdit(&other);
    ShowActive(other);
    otherEdit->setFocus();

    QTest::keyClick(otherEdit, Qt::Key_O, Qt::ControlModifier);
    QTest::keyClicks(otherEdit, QStringLiteral("xy"));
    EXPECT_TRUE(w.Log.empty());
    EXPECT_EQ(otherEdit->text(), QStringLiteral("xy"));
}

TEST_F(ApplicationTest, ErrorEscapingAShortcutCommandGoesToTheErrorBox) {
    ShortcutWindow w;
    ShowActive(w.Form);
    w.Edit->setFocus();
    w.Save->OnClick = [](TObject*) { throw EFCreateError("cannot create"); };
    auto seen = ReadNextBox();
    QTest::keyClick(w.Edit, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(seen->Text, QStringLiteral("cannot create"));

    w.Log.clear();
    QTest::keyClick(w.Edit, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(w.Log, (std::vector<std::string>{"File", "Open"}));
}

TEST_F(ApplicationTest, StatusBarSimpleTextStaysWhenAMenuShowsItsStatusTip) {
    TForm form;
    TStatusBar bar(form.statusBar());
    ShowExposed(form);
    bar.SetSimpleText("<b>補給能力等</b>（ビットごと）");
    EXPECT_EQ(bar.SimpleText(), "<b>補給能力等</b>（ビットごと）");

    form.statusBar()->showMessage(QStringLiteral("a menu item's tip"));
    auto* label = form.statusBar()->findChild<QLabel*>();
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->isVisible());
    EXPECT_EQ(label->text(), QStringLiteral("<b>補給能力等</b>（ビットごと）"));
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
}

} // namespace
