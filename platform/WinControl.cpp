#include "platform/WinControl.h"

#include "platform/QtText.h"

#include <QKeyEvent>

namespace platform {

std::intptr_t TWinControl::Perform(unsigned Msg, std::intptr_t WParam, std::intptr_t LParam) {
    TMessage message{Msg, WParam, LParam, 0};
    WndProc(message);
    return message.Result;
}

void TWinControl::WndProc(TMessage& Message) {
    if (Message.Msg == WM_KEYDOWN) {
        WORD key = static_cast<WORD>(Message.WParam);
        KeyDown(key, static_cast<TShiftState>(Message.LParam));
        if (key == 0) {
            Message.Result = 1;
            return;
        }
        Message.WParam = key;
    } else if (Message.Msg == WM_CHAR) {
        char key = static_cast<char>(Message.WParam);
        KeyPress(key);
        if (key == 0) {
            Message.Result = 1;
            return;
        }
        Message.WParam = static_cast<unsigned char>(key);
    }
    DefaultHandler(Message);
}

void TWinControl::DefaultHandler(TMessage&) {}

void TWinControl::KeyDown(WORD&, TShiftState) {}

void TWinControl::KeyPress(char&) {}

bool TWinControl::RouteKeyPress(QKeyEvent* Event) {
    // A key press carrying several characters (some compose sequences) is routed one character at a
    // time, so that each passes the character filter on its own.
    const QString text = Event->text();
    const bool onePair = text.size() == 2 && text[0].isHighSurrogate();
    if (text.size() > 1 && !onePair) {
        for (int i = 0; i < text.size(); ++i) {
            const int length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            QKeyEvent single(QEvent::KeyPress, 0, Event->modifiers() & Qt::ShiftModifier, text.mid(i, length));
            RouteKeyPress(&single);
            i += length - 1;
        }
        return true;
    }
    const WORD key = VirtualKeyOf(*Event);
    const TShiftState shift = ShiftStateOf(*Event);
    // Alt+key belongs to the window's menus and navigation.
    if (IsSpecialKey(key) && !(shift & ssAlt) && Perform(CM_WANTSPECIALKEY, key, 0) != 1) return false;

    QKeyEvent* outer = FCurrentKeyEvent;
    const bool outerHandled = FNativeKeyHandled;
    FCurrentKeyEvent = Event;
    FNativeKeyHandled = false;
    const bool consumed = key != 0 && Perform(WM_KEYDOWN, key, static_cast<std::intptr_t>(shift)) != 0;
    if (!consumed)
        for (char c : CharactersOf(*Event))
            Perform(WM_CHAR, static_cast<unsigned char>(c), 0);
    FCurrentKeyEvent = outer;
    FNativeKeyHandled = outerHandled;
    return true;
}

bool IsSpecialKey(WORD Key) {
    return Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || (Key >= VK_LEFT && Key <= VK_DOWN);
}

WORD VirtualKeyOf(const QKeyEvent& Event) {
    const int key = Event.key();
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return static_cast<WORD>(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return static_cast<WORD>(VK_F1 + (key - Qt::Key_F1));
    switch (key) {
    case Qt::Key_Backspace:
        return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Shift:
        return VK_SHIFT;
    case Qt::Key_Control:
        return VK_CONTROL;
    case Qt::Key_Alt:
        return VK_MENU;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_Insert:
        return VK_INSERT;
    case Qt::Key_Delete:
        return VK_DELETE;
    case Qt::Key_Minus:
        return 0xBD;
    case Qt::Key_Period:
        return 0xBE;
    case Qt::Key_Comma:
        return 0xBC;
    default:
        return 0;
    }
}

TShiftState ShiftStateOf(const QKeyEvent& Event) {
    TShiftState shift = 0;
    const Qt::KeyboardModifiers modifiers = Event.modifiers();
    if (modifiers & Qt::ShiftModifier) shift |= ssShift;
    if (modifiers & Qt::ControlModifier) shift |= ssCtrl;
    if (modifiers & Qt::AltModifier) shift |= ssAlt;
    if (Event.key() == Qt::Key_Backtab) shift |= ssShift;
    return shift;
}

std::string CharactersOf(const QKeyEvent& Event) {
    const int key = Event.key();
    const Qt::KeyboardModifiers modifiers = Event.modifiers();
    if (modifiers & Qt::AltModifier) return {};
    if (modifiers & Qt::ControlModifier) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z)
            return std::string(1, static_cast<char>(key - Qt::Key_A + 1));
        return {};
    }
    switch (key) {
    case Qt::Key_Backspace:
        return "\b";
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return "\t";
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return "\r";
    case Qt::Key_Escape:
        return "\x1b";
    default:
        break;
    }
    std::string text;
    for (QChar ch : Event.text()) {
        if (ch.unicode() < 0x20 || ch.unicode() == 0x7F) return {};
    }
    if (auto bytes = ToCp932(Event.text())) text = *bytes;
    return text;
}

} // namespace platform
