#pragma once
// The base single-line edit control: a QLineEdit whose key presses, text reads and text writes pass
// through the platform's messages, with texts, selection and length limit counted in CP932 bytes.

#include "platform/Classes.h"
#include "platform/WinControl.h"

#include <QLineEdit>

#include <functional>
#include <string>

namespace platform {


enum TImeMode { imDisable = 0, imClose = 1, imOpen = 2, imDontCare = 3 };

using TKeyEvent = std::function<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char& Key)>;

class TCustomEdit : public QLineEdit, public TWinControl, public TComponent {
    Q_OBJECT
public:
    explicit TCustomEdit(QWidget* Parent = nullptr);

    std::string ClassName() const override { return metaObject()->className(); }

    // Text read and write go through WM_GETTEXT and WM_SETTEXT, so WndProc sees every one of them.
    std::string GetText();
    void SetText(const std::string& Value);
    // The text on screen, read without a message (for the control's own use, which no WndProc override
    // should redirect).
    std::string ShownText() const;
    // Empties the text (through SetText).
    virtual void Clear();

    // Selection in bytes of the CP932 text.
    int GetSelStart() const;
    void SetSelStart(int Value);
    int GetSelLength() const;
    void SetSelLength(int Value);
    void SelectAll() { QLineEdit::selectAll(); }

    // 0 means no limit; a positive value is the largest number of CP932 bytes typing can bring the text to.
    int GetMaxLength() const { return FMaxLength; }
    void SetMaxLength(int Value) { FMaxLength = Value; }
    // An edit mask in the platform's form; an empty mask means free text.
    const std::string& GetEditMask() const { return FEditMask; }
    void SetEditMask(const std::string& Value);

    TImeMode ImeMode = imDontCare;
    // Select the whole text when focus enters by keyboard or from code (not by a mouse click).
    bool AutoSelect = true;

    TNotifyEvent OnChange;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;

    void DefaultHandler(TMessage& Message) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char& Key) override;

protected:
    // Raised once per change of the text, whatever its cause; never when the text stays the same.
    virtual void Change();
    // Focus entered and left the control. Focus leaving with its window (another window activated) or
    // for a popup menu is no exit, and its return is no entry.
    virtual void DoEnter();
    virtual void DoExit();

    bool event(QEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    void inputMethodEvent(QInputMethodEvent* Event) override;
    void focusInEvent(QFocusEvent* Event) override;
    void focusOutEvent(QFocusEvent* Event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery Query) const override;

private:
    bool RouteClaimingKeyPress(QKeyEvent* Event);
    void TextChangedByQt();
    // Whether text may replace the current text as a user edit (code page and length limit).
    bool AcceptsEdit(const QString& Text) const;

    int FMaxLength = 0;
    std::string FEditMask;
    QString FLastAccepted;
    bool FReverting = false;
    bool FNativeEvent = false;
    bool FEntered = false;
};

} // namespace platform
