#include "platform/StdCtrls.h"

#include "platform/QtText.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace platform {

namespace {

int ByteLength(const QString& Text) {
    auto bytes = ToCp932(Text);
    return bytes ? static_cast<int>(bytes->size()) : static_cast<int>(Text.toUtf8().size());
}

// Character position of a byte offset within Text.
int CharPosition(const QString& Text, int BytePos) {
    int bytes = 0;
    for (int i = 0; i < Text.size(); ++i) {
        if (bytes >= BytePos) return i;
        bytes += ByteLength(Text.mid(i, 1));
    }
    return static_cast<int>(Text.size());
}

} // namespace

TCustomEdit::TCustomEdit(QWidget* Parent) : QLineEdit(Parent) {
    connect(this, &QLineEdit::textChanged, this, [this] { TextChangedByQt(); });
}

std::string TCustomEdit::GetText() {
    std::string text;
    Perform(WM_GETTEXT, 0, reinterpret_cast<std::intptr_t>(&text));
    return text;
}

void TCustomEdit::SetText(const std::string& Value) {
    Perform(WM_SETTEXT, 0, reinterpret_cast<std::intptr_t>(&Value));
}

std::string TCustomEdit::ShownText() const {
    auto bytes = ToCp932(text());
    return bytes ? *bytes : std::string();
}

void TCustomEdit::Clear() { SetText(std::string()); }

int TCustomEdit::GetSelStart() const {
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    return ByteLength(text().left(start));
}

void TCustomEdit::SetSelStart(int Value) { setCursorPosition(CharPosition(text(), Value)); }

int TCustomEdit::GetSelLength() const { return hasSelectedText() ? ByteLength(selectedText()) : 0; }

void TCustomEdit::SetSelLength(int Value) {
    const int startByte = GetSelStart();
    const int start = CharPosition(text(), startByte);
    const int end = CharPosition(text(), startByte + Value);
    setSelection(start, end - start);
}

void TCustomEdit::SetEditMask(const std::string& Value) {
    FEditMask = Value;
    // The platform's mask is "mask;keep literals;blank"; Qt takes "mask;blank".
    std::string mask = Value;
    std::string blank;
    const auto first = mask.find(';');
    if (first != std::string::npos) {
        const auto second = mask.find(';', first + 1);
        if (second != std::string::npos && second + 1 < mask.size()) blank = mask.substr(second + 1, 1);
        mask.resize(first);
    }
    QString qtMask = FromCp932(mask);
    if (!qtMask.isEmpty() && !blank.empty()) qtMask += QLatin1Char(';') + FromCp932(blank);
    setInputMask(qtMask);
}

void TCustomEdit::DefaultHandler(TMessage& Message) {
    switch (Message.Msg) {
    case WM_GETTEXT: {
        *reinterpret_cast<std::string*>(Message.LParam) = ShownText();
        Message.Result = 1;
        break;
    }
    case WM_SETTEXT: {
        const QString value = FromCp932Lossless(*reinterpret_cast<const std::string*>(Message.LParam));
        if (value != text()) QLineEdit::setText(value);
        Message.Result = 1;
        break;
    }
    case WM_KEYDOWN:
    case WM_CHAR:
        // Hand the original key press to QLineEdit once: a key without a character at its key-down,
        // a key with characters at its first character that got through.
        if (QKeyEvent* event = CurrentKeyEvent(); event && !NativeKeyHandled()) {
            if (Message.Msg == WM_CHAR || CharactersOf(*event).empty()) {
                SetNativeKeyHandled();
                QLineEdit::keyPressEvent(event);
            }
        }
        break;
    default: break;
    }
}

// A special key that the control does not want gets Qt's own handling: focus navigation for Tab,
// and QLineEdit's, which passes Enter and Esc on to the window's default and cancel buttons.
bool TCustomEdit::event(QEvent* Event) {
    if (Event->type() != QEvent::KeyPress || FNativeEvent) return QLineEdit::event(Event);
    if (RouteClaimingKeyPress(static_cast<QKeyEvent*>(Event))) return true;
    FNativeEvent = true;
    const bool result = QLineEdit::event(Event);
    FNativeEvent = false;
    return result;
}

void TCustomEdit::keyPressEvent(QKeyEvent* Event) {
    if (FNativeEvent) QLineEdit::keyPressEvent(Event);
    else if (!RouteClaimingKeyPress(Event)) Event->ignore();
}

// A special key the control wanted stays with it: QLineEdit ignores Enter, Esc and Tab, and an ignored
// key would travel on to the parents (a dialog's default or cancel button, the parent's Tab navigation).
bool TCustomEdit::RouteClaimingKeyPress(QKeyEvent* Event) {
    if (!RouteKeyPress(Event)) return false;
    if (IsSpecialKey(VirtualKeyOf(*Event))) Event->accept();
    return true;
}

// Composed text arrives as characters, each through the character filter.
void TCustomEdit::inputMethodEvent(QInputMethodEvent* Event) {
    const QString commit = Event->commitString();
    if (commit.isEmpty() || ImeMode == imDisable) {
        if (ImeMode != imDisable) QLineEdit::inputMethodEvent(Event);
        return;
    }
    for (QChar ch : commit) {
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        RouteKeyPress(&key);
    }
}

QVariant TCustomEdit::inputMethodQuery(Qt::InputMethodQuery Query) const {
    if (Query == Qt::ImEnabled) return ImeMode != imDisable;
    return QLineEdit::inputMethodQuery(Query);
}

// Focus that leaves with the window or for a popup menu comes back to the same control: for the
// platform that is no exit and no entry, so the control keeps its editing state meanwhile.
void TCustomEdit::focusInEvent(QFocusEvent* Event) {
    QLineEdit::focusInEvent(Event);
    const Qt::FocusReason reason = Event->reason();
    if (FEntered && (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)) return;
    FEntered = true;
    // A click places the caret itself; QLineEdit selects all on Tab whatever AutoSelect says.
    if (reason != Qt::MouseFocusReason) {
        if (AutoSelect) selectAll();
        else deselect();
    }
    DoEnter();
}

void TCustomEdit::focusOutEvent(QFocusEvent* Event) {
    QLineEdit::focusOutEvent(Event);
    const Qt::FocusReason reason = Event->reason();
    if (!FEntered || reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return;
    FEntered = false;
    DoExit();
}

bool TCustomEdit::AcceptsEdit(const QString& Text) const {
    if (!ToCp932(Text)) return false;
    return FMaxLength <= 0 || ByteLength(Text) <= FMaxLength || ByteLength(Text) <= ByteLength(FLastAccepted);
}

// Edits by the user that the code page cannot hold or that pass the length limit are undone, so what
// the control shows is always what it stores. Text set from code is taken as it is.
void TCustomEdit::TextChangedByQt() {
    if (FReverting) return;
    const QString now = text();
    if (isModified() && !AcceptsEdit(now)) {
        FReverting = true;
        const int cursor = cursorPosition() - static_cast<int>(now.size() - FLastAccepted.size());
        QLineEdit::setText(FLastAccepted);
        setCursorPosition(std::max(0, cursor));
        FReverting = false;
        return;
    }
    FLastAccepted = now;
    setModified(false);
    Change();
}

void TCustomEdit::KeyDown(WORD& Key, TShiftState Shift) {
    if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TCustomEdit::KeyPress(char& Key) {
    if (OnKeyPress) OnKeyPress(this, Key);
}

void TCustomEdit::Change() {
    if (OnChange) OnChange(this);
}

void TCustomEdit::DoEnter() {
    if (OnEnter) OnEnter(this);
}

void TCustomEdit::DoExit() {
    if (OnExit) OnExit(this);
}

} // namespace platform
