#pragma once
// Unit EditEx: a single-line edit control whose Enter, Esc, Tab and arrow keys are configurable: Enter
// and Esc can move focus to the next control, Esc can restore the text the field had on focus entry,
// Tab can be kept in the field, and each key raises an event of its own.

#include "platform/StdCtrls.h"

#include <functional>
#include <string>

using TCursorKeyEvent = std::function<void(platform::TObject* Sender, char& Key)>;
using TEscapeKeyEvent = std::function<void(platform::TObject* Sender, bool& CanReset, bool& CanExit)>;

class TCustomEditEx : public platform::TCustomEdit {
    Q_OBJECT
public:
    explicit TCustomEditEx(QWidget* Parent = nullptr);

    // Typing Enter raises OnEnterKey and moves focus to the next control.
    bool EnterKeyToExit = false;
    // Esc restores the text saved when the control received focus.
    bool EscToReset = false;
    // true: Tab is left to the window's Tab navigation; false: the control keeps Tab and focus stays.
    bool TabKeyToExit = true;

    // Esc moves focus to the next control. Turning it on turns EscToReset on as well.
    bool EscToExit() const { return FEscToExit; }
    void SetEscToExit(bool Value);

    TCursorKeyEvent OnCursorKey;
    platform::TNotifyEvent OnEnterKey;
    TEscapeKeyEvent OnEscapeKey;
    platform::TNotifyEvent OnTabKey;

    void WndProc(platform::TMessage& Message) override;

protected:
    virtual void CursorKey(char Key);
    virtual void EnterKey();
    // Returns true when the key stays with the control, false when focus was moved.
    virtual bool EscapeKey();
    virtual void TabKey();

    void DoEnter() override;
    void DoExit() override;
    void Change() override;

    // Moves focus to the next control of the window that can take it and holds no controls, in tab
    // order, wrapping at the end; focus stays when there is none.
    void ExitExEvent();

    // The text has changed since the control last received focus or was last reset by Esc.
    bool FModified = false;
    // The text as it stood when the control last received focus, after the OnEnter event.
    std::string FSavedText;

private:
    void wmChar(platform::TMessage& Message);
    void cmWantSpecialKey(platform::TMessage& Message);

    bool FEscToExit = false;
};

// The key-handling edit control for form design; no behaviour of its own.
class TEditEx : public TCustomEditEx {
    Q_OBJECT
public:
    using TCustomEditEx::TCustomEditEx;
};
