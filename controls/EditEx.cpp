#include "controls/EditEx.h"

#include "platform/FocusOrder.h"

#include <algorithm>

using namespace platform;

TCustomEditEx::TCustomEditEx(QWidget* Parent) : TCustomEdit(Parent) {}

void TCustomEditEx::SetEscToExit(bool Value) {
    FEscToExit = Value;
    if (Value) EscToReset = true;
}

void TCustomEditEx::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_CHAR: wmChar(Message); break;
    case CM_WANTSPECIALKEY: cmWantSpecialKey(Message); break;
    default: TCustomEdit::WndProc(Message); break;
    }
}

// Enter that moves focus is used up here: neither the key-press event nor the field sees it.
void TCustomEditEx::wmChar(TMessage& Message) {
    if (Message.WParam == VK_RETURN && EnterKeyToExit) {
        EnterKey();
        Message.Result = 1;
        return;
    }
    TCustomEdit::WndProc(Message);
}

void TCustomEditEx::cmWantSpecialKey(TMessage& Message) {
    bool claimed = false;
    switch (Message.WParam) {
    case VK_TAB:
        TabKey();
        claimed = !TabKeyToExit;
        break;
    case VK_RETURN: claimed = true; break;
    case VK_ESCAPE: claimed = EscapeKey(); break;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: CursorKey(static_cast<char>(Message.WParam)); break;
    default: break;
    }
    TCustomEdit::WndProc(Message);
    if (claimed) Message.Result = 1;
}

void TCustomEditEx::CursorKey(char Key) {
    if (OnCursorKey) OnCursorKey(this, Key);
}

void TCustomEditEx::EnterKey() {
    if (OnEnterKey) OnEnterKey(this);
    ExitExEvent();
}

bool TCustomEditEx::EscapeKey() {
    bool canReset = EscToReset;
    bool canExit = FEscToExit;
    if (OnEscapeKey) OnEscapeKey(this, canReset, canExit);
    if (canReset) {
        SetText(FSavedText);
        FModified = false;
    }
    if (canExit) {
        ExitExEvent();
        return false;
    }
    return true;
}

void TCustomEditEx::TabKey() {
    if (OnTabKey) OnTabKey(this);
}

void TCustomEditEx::ExitExEvent() {
    const std::vector<QWidget*> controls = TabOrderList(ParentWindow(this));
    const auto self = std::find(controls.begin(), controls.end(), this);
    if (self == controls.end()) return;
    const std::size_t start = static_cast<std::size_t>(self - controls.begin());
    for (std::size_t step = 1; step < controls.size(); ++step) {
        QWidget* candidate = controls[(start + step) % controls.size()];
        if (CanFocus(candidate) && ControlCount(candidate) == 0) {
            FocusControl(candidate);
            return;
        }
    }
}

void TCustomEditEx::DoEnter() {
    TCustomEdit::DoEnter();
    FSavedText = ShownText();
    FModified = false;
}

void TCustomEditEx::DoExit() { TCustomEdit::DoExit(); }

void TCustomEditEx::Change() {
    TCustomEdit::Change();
    FModified = true;
}
