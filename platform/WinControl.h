#pragma once
// Message handling shared by the platform's windowed controls: one virtual WndProc per control, the
// platform's own handling in DefaultHandler, and the translation of Qt key presses into the
// want-special-key query, the key-down hook and character messages.

#include "platform/Messages.h"

#include <string>

class QKeyEvent;
class QWidget;

namespace platform {

class TWinControl {
public:
    virtual ~TWinControl() = default;

    std::intptr_t Perform(unsigned Msg, std::intptr_t WParam = 0, std::intptr_t LParam = 0);
    // Dispatches WM_KEYDOWN to KeyDown and WM_CHAR to KeyPress; what they leave non-zero, and every
    // other message, goes on to DefaultHandler.
    virtual void WndProc(TMessage& Message);
    virtual void DefaultHandler(TMessage& Message);

    virtual void KeyDown(WORD& Key, TShiftState Shift);
    virtual void KeyPress(char& Key);

protected:
    // Runs a Qt key press through the messages. Returns false when the key is left to Qt's own
    // navigation (a special key that the control does not want).
    bool RouteKeyPress(QKeyEvent* Event);
    // The Qt key press being routed, for DefaultHandler to hand to the native widget; null otherwise.
    QKeyEvent* CurrentKeyEvent() const { return FCurrentKeyEvent; }
    // Whether the current key press already reached the native widget.
    bool NativeKeyHandled() const { return FNativeKeyHandled; }
    void SetNativeKeyHandled() { FNativeKeyHandled = true; }

private:
    QKeyEvent* FCurrentKeyEvent = nullptr;
    bool FNativeKeyHandled = false;
};

// Virtual-key code of a Qt key (0 when it has none) and the shift state of a key event.
WORD VirtualKeyOf(const QKeyEvent& Event);
TShiftState ShiftStateOf(const QKeyEvent& Event);
// The character codes a key press produces, as the platform numbers them (Ctrl+letter 1-26,
// Backspace 8, Tab 9, Enter 13, Esc 27); text characters as CP932 bytes.
std::string CharactersOf(const QKeyEvent& Event);
bool IsSpecialKey(WORD Key);

} // namespace platform
