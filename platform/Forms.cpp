#include "platform/Forms.h"

#include "platform/QtText.h"
#include "platform/WinControl.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QToolTip>

namespace platform {

namespace {
const char* const kHintProperty = "platformHint";
const char* const kShowHintProperty = "platformShowHint";
} // namespace

void SetControlHint(QWidget* Control, const std::string& Hint) {
    Control->setProperty(kHintProperty, U(Hint));
}

std::string ControlHint(const QWidget* Control) { return Control->property(kHintProperty).toString().toStdString(); }

void SetControlShowHint(QWidget* Control, bool Show) { Control->setProperty(kShowHintProperty, Show); }

bool ControlShowHint(const QWidget* Control) { return Control->property(kShowHintProperty).toBool(); }

std::string GetShortHint(const std::string& Hint) { return Hint.substr(0, Hint.find('|')); }

std::string GetLongHint(const std::string& Hint) {
    const auto bar = Hint.find('|');
    return bar == std::string::npos ? Hint : Hint.substr(bar + 1);
}

TApplication& TApplication::Instance() {
    static TApplication* instance = new TApplication;
    return *instance;
}

void TApplication::ShowMessage(const std::string& Text) {
    QMessageBox box(QMessageBox::NoIcon, U(Title), U(Text), QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void TApplication::HandleException(const std::exception& Error) {
    QMessageBox box(QMessageBox::Critical, U(Title), U(Error.what()), QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void TApplication::SetShowHint(bool Value) {
    if (FShowHint == Value) return;
    FShowHint = Value;
    if (!Value && !FTooltip.empty()) {
        QToolTip::hideText();
        FTooltip.clear();
    }
    FTooltipSource.clear();
}

void TApplication::Idle() {
    // A control with an empty hint passes on to its parent's hint.
    const QWidget* control = FMouseControl;
    std::string hint;
    const QWidget* owner = control;
    for (; owner; owner = owner->parentWidget()) {
        hint = ControlHint(owner);
        if (!hint.empty()) break;
    }
    const std::string longHint = GetLongHint(hint);
    if (longHint != FHint) {
        FHint = longHint;
        if (OnHint) OnHint(this);
    }
    const std::string shortHint = GetShortHint(hint);
    const bool offer = FShowHint && owner && ControlShowHint(owner) && !shortHint.empty();
    if (!offer) {
        if (!FTooltip.empty()) QToolTip::hideText();
        FTooltip.clear();
        FTooltipSource.clear();
        return;
    }
    if (shortHint != FTooltipSource) {
        FTooltipSource = shortHint;
        FTooltip = shortHint;
        QToolTip::showText(FMouseGlobal, U(shortHint), const_cast<QWidget*>(owner));
    }
}

void TApplication::Initialize() {
    if (FInitialized) return;
    FInitialized = true;
    qApp->installEventFilter(this);
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [this] { Idle(); });
}

int TApplication::Run() {
    Initialize();
    return QApplication::exec();
}

bool TApplication::eventFilter(QObject* Watched, QEvent* Event) {
    if (Event->type() == QEvent::MouseMove || Event->type() == QEvent::Enter) {
        if (auto* widget = qobject_cast<QWidget*>(Watched)) {
            if (Event->type() == QEvent::MouseMove) {
                FMouseControl = widget;
                FMouseGlobal = static_cast<QMouseEvent*>(Event)->globalPosition().toPoint();
            } else if (!FMouseControl || !widget->isAncestorOf(FMouseControl)) {
                FMouseControl = widget;
            }
        }
    } else if (Event->type() == QEvent::Leave) {
        if (Watched == FMouseControl.data()) FMouseControl = nullptr;
    }
    return false;
}

TForm::TForm(QWidget* Parent) : QMainWindow(Parent) { qApp->installEventFilter(this); }

void TForm::SetMenu(TMainMenu* Menu) {
    FMenu = Menu;
    for (int i = 0; i < Menu->Items.Count(); ++i) Menu->Items.Items(i)->Attach(menuBar());
}

void TForm::SetCaption(const std::string& Utf8Caption) { setWindowTitle(U(Utf8Caption)); }

std::string TForm::Caption() const { return windowTitle().toStdString(); }

void TForm::DoCreate() {
    Application().Protect([this] {
        if (OnCreate) OnCreate(this);
    });
}

void TForm::showEvent(QShowEvent* Event) {
    QMainWindow::showEvent(Event);
    if (FShown) return;
    FShown = true;
    Application().Protect([this] {
        if (OnShow) OnShow(this);
    });
}

// Menu shortcuts come first, whichever control of this window has the focus.
bool TForm::eventFilter(QObject* Watched, QEvent* Event) {
    if (!FMenu || (Event->type() != QEvent::KeyPress && Event->type() != QEvent::ShortcutOverride)) return false;
    auto* widget = qobject_cast<QWidget*>(Watched);
    if (!widget || widget->window() != this || QApplication::activeModalWidget()) return false;
    auto* key = static_cast<QKeyEvent*>(Event);
    const WORD vk = VirtualKeyOf(*key);
    if (vk == 0 || vk == VK_SHIFT || vk == VK_CONTROL || vk == VK_MENU) return false;
    TShortCut shortCut = vk;
    const TShiftState shift = ShiftStateOf(*key);
    if (shift & ssShift) shortCut |= scShift;
    if (shift & ssCtrl) shortCut |= scCtrl;
    if (shift & ssAlt) shortCut |= scAlt;
    if (!FMenu->FindShortCut(shortCut)) return false;
    if (Event->type() == QEvent::ShortcutOverride) {
        Event->accept();
        return true;
    }
    Application().Protect([&] { FMenu->DispatchShortCut(shortCut); });
    return true;
}

void TStatusBar::SetSimpleText(const std::string& Utf8Text) {
    // A permanent label rather than showMessage(): QStatusBar clears messages when menus show tips.
    auto* label = FBar->findChild<QLabel*>(QStringLiteral("SimpleText"));
    if (!label) {
        label = new QLabel(FBar);
        label->setObjectName(QStringLiteral("SimpleText"));
        FBar->addWidget(label, 1);
    }
    label->setText(U(Utf8Text));
}

std::string TStatusBar::SimpleText() const {
    auto* label = FBar->findChild<QLabel*>(QStringLiteral("SimpleText"));
    return label ? label->text().toStdString() : std::string();
}

} // namespace platform
