#include "platform/Forms.h"

#include "platform/QtText.h"
#include "platform/WinControl.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCursor>
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

// The control and its parents up to its window; a dialog does not reach the window that owns it.
const QWidget* ParentOf(const QWidget* Control) {
    return Control->isWindow() ? nullptr : Control->parentWidget();
}

} // namespace

void SetControlHint(QWidget* Control, const std::string& Hint) {
    Control->setProperty(kHintProperty, U(Hint));
}

std::string ControlHint(const QWidget* Control) {
    return Control->property(kHintProperty).toString().toStdString();
}

void SetControlShowHint(QWidget* Control, bool Show) {
    Control->setProperty(kShowHintProperty, Show);
}

bool ControlShowHint(const QWidget* Control) {
    for (; Control; Control = ParentOf(Control)) {
        const QVariant show = Control->property(kShowHintProperty);
        if (show.isValid()) return show.toBool();
    }
    return false;
}

std::string GetShortHint(const std::string& Hint) {
    return Hint.substr(0, Hint.find('|'));
}

std::string GetLongHint(const std::string& Hint) {
    const auto bar = Hint.find('|');
    return bar == std::string::npos ? Hint : Hint.substr(bar + 1);
}

namespace {

// The control whose hint counts for Control: the first from Control up with a hint; a control with an
// empty hint passes on to its parent.
const QWidget* HintOwner(const QWidget* Control) {
    for (; Control; Control = ParentOf(Control))
        if (!ControlHint(Control).empty()) return Control;
    return nullptr;
}

std::string InheritedHint(const QWidget* Control) {
    const QWidget* owner = HintOwner(Control);
    return owner ? ControlHint(owner) : std::string();
}

bool IsTooltipWindow(const QWidget* Widget) {
    return Widget->window()->windowType() == Qt::ToolTip;
}

// QToolTip::hideText() fades the tip out on a timer; a tooltip switched off must be gone at once.
void HideTooltipNow() {
    QToolTip::hideText();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->windowType() == Qt::ToolTip && window->inherits("QTipLabel")) window->hide();
}

void ShowMessageBox(QMessageBox::Icon Icon, const std::string& Title, const std::string& Text) {
    QMessageBox box(Icon, U(Title), U(Text), QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

TApplication& TApplication::Instance() {
    static TApplication* instance = new TApplication;
    return *instance;
}

void TApplication::ShowMessage(const std::string& Text) {
    ShowMessageBox(QMessageBox::NoIcon, Title, Text);
}

void TApplication::HandleException(const std::exception& Error) {
    ShowMessageBox(QMessageBox::Critical, Title, Error.what());
}

void TApplication::SetShowHint(bool Value) {
    FShowHint = Value;
    if (!Value) CancelTooltip();
}

std::string TApplication::Tooltip() const {
    // Qt removes a tip by itself too (the pointer leaving its control, a click, its display time).
    if (FTooltip.empty() || !QToolTip::isVisible() || QToolTip::text() != U(FTooltip)) return {};
    return FTooltip;
}

void TApplication::Idle() {
    const QPoint pointer = QCursor::pos();
    const bool moved = pointer != FLastPointer;
    FLastPointer = pointer;
    QWidget* control = ControlAtPointer(pointer);

    const std::string hint = GetLongHint(InheritedHint(control));
    if (hint != FHint) {
        FHint = hint;
        if (OnHint) OnHint(this);
    }
    UpdateTooltip(control, pointer, moved);
}

QWidget* TApplication::ControlAtPointer(const QPoint& Pointer) {
    QWidget* control = QApplication::widgetAt(Pointer);
    // Our own tooltip under the pointer hides nothing: the control below it still counts.
    if (control && IsTooltipWindow(control)) return FMouseControl;
    FMouseControl = control;
    return control;
}

// A tooltip is offered once when the pointer comes to a control with tooltips on; a hint that changes
// while the pointer stays is offered only after tooltips were switched off and on, or after the
// tooltip was cancelled and the pointer moves again.
void TApplication::UpdateTooltip(QWidget* Control, const QPoint& Pointer, bool PointerMoved) {
    if (!FShowHint) return;
    QWidget* owner = ControlShowHint(Control) ? const_cast<QWidget*>(HintOwner(Control)) : nullptr;
    if (owner && owner == FHintControl) return;
    CancelTooltip();
    if (!owner || !PointerMoved) return;
    FHintControl = owner;
    const std::string text = GetShortHint(ControlHint(owner));
    if (text.empty()) return;
    if (!FFiltering) {
        FFiltering = true;
        qApp->installEventFilter(this);
    }
    FTooltip = text;
    QToolTip::showText(Pointer, U(text), owner);
}

void TApplication::CancelTooltip() {
    if (!FTooltip.empty()) HideTooltipNow();
    FTooltip.clear();
    FHintControl = nullptr;
}

void TApplication::Initialize() {
    if (FInitialized) return;
    FInitialized = true;
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [this] { Idle(); });
}

int TApplication::Run() {
    Initialize();
    return QApplication::exec();
}

bool TApplication::eventFilter(QObject*, QEvent* Event) {
    switch (Event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        if (FHintControl) CancelTooltip();
        break;
    default:
        break;
    }
    return false;
}

TForm::TForm(QWidget* Parent) : QMainWindow(Parent) {
    qApp->installEventFilter(this);
}

void TForm::SetMenu(TMainMenu* Menu) {
    FMenu = Menu;
    for (int i = 0; i < Menu->Items.Count(); ++i)
        Menu->Items.Items(i)->Attach(menuBar());
}

void TForm::SetCaption(const std::string& Utf8Caption) {
    setWindowTitle(U(Utf8Caption));
}

std::string TForm::Caption() const {
    return windowTitle().toStdString();
}

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
    if (!FMenu || (Event->type() != QEvent::KeyPress && Event->type() != QEvent::ShortcutOverride))
        return false;
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
    // A permanent label rather than showMessage(): the status tips of menus would hide or clear it.
    auto* label = FBar->findChild<QLabel*>(QStringLiteral("SimpleText"));
    if (!label) {
        label = new QLabel(FBar);
        label->setObjectName(QStringLiteral("SimpleText"));
        label->setTextFormat(Qt::PlainText);
        FBar->addPermanentWidget(label, 1);
    }
    label->setText(U(Utf8Text));
}

std::string TStatusBar::SimpleText() const {
    auto* label = FBar->findChild<QLabel*>(QStringLiteral("SimpleText"));
    return label ? label->text().toStdString() : std::string();
}

} // namespace platform
