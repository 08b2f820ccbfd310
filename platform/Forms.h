#pragma once
// The application object, windows with a main menu and status bar, and the hint machinery: the hint of
// the control under the mouse pointer, worked out when the event loop goes idle, and its tooltip.

#include "platform/Classes.h"
#include "platform/Menus.h"

#include <QMainWindow>
#include <QPointer>

#include <exception>
#include <optional>
#include <string>

class QStatusBar;

namespace platform {

// A control's hint: "short|long" in UTF-8; the short part is the tooltip, the long part goes to the
// application's hint. Kept on the widget, so any widget can have one.
void SetControlHint(QWidget* Control, const std::string& Hint);
std::string ControlHint(const QWidget* Control);
// Whether the control offers its hint as a tooltip; a control not told follows its parent.
void SetControlShowHint(QWidget* Control, bool Show);
bool ControlShowHint(const QWidget* Control);
std::string GetShortHint(const std::string& Hint);
std::string GetLongHint(const std::string& Hint);

class TApplication : public QObject, public TComponent {
    Q_OBJECT
public:
    static TApplication& Instance();

    std::string Title = "";

    // A modal box with the text and one OK button, captioned with the title.
    void ShowMessage(const std::string& Text);
    // The error box for an exception that escaped a command.
    void HandleException(const std::exception& Error);
    // Runs a command; an exception escaping it is shown by the error box and the program goes on.
    template <typename F> void Protect(F&& Command) {
        try {
            Command();
        } catch (const std::exception& error) {
            HandleException(error);
        }
    }

    // The long part of the hint of the control under the pointer, as of the last idle step.
    const std::string& Hint() const { return FHint; }
    TNotifyEvent OnHint;
    bool ShowHint() const { return FShowHint; }
    // Switching off removes a tooltip being shown; switching on lets the next hint show afresh.
    void SetShowHint(bool Value);
    // The tooltip shown now (short part of a hint), empty when none.
    std::string Tooltip() const;

    // What the event loop does when it goes idle: updates the hint and offers the tooltip.
    void Idle();
    // Runs the idle step whenever the event loop is about to wait.
    void Initialize();
    int Run();

protected:
    // Key presses, mouse presses and the wheel remove the tooltip, as a click or typing does.
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    QWidget* ControlAtPointer(const QPoint& Pointer);
    void UpdateTooltip(QWidget* Control, const QPoint& Pointer, bool PointerMoved);
    void CancelTooltip();

    std::string FHint;
    std::string FTooltip;
    bool FShowHint = true;
    bool FInitialized = false;
    bool FFiltering = false;
    QPointer<QWidget> FMouseControl;
    // The control whose tooltip was offered; it is not offered again until the pointer leaves it or the
    // tooltip is cancelled.
    QPointer<QWidget> FHintControl;
    std::optional<QPoint> FLastPointer;
};

inline TApplication& Application() {
    return TApplication::Instance();
}

class TStatusBar;

// A window with a main menu whose shortcuts it dispatches before the focused control sees the key.
class TForm : public QMainWindow, public TComponent {
    Q_OBJECT
public:
    explicit TForm(QWidget* Parent = nullptr);
    std::string ClassName() const override { return metaObject()->className(); }

    TMainMenu* Menu() const { return FMenu; }
    // Shows the menu tree in the window's menu bar.
    void SetMenu(TMainMenu* Menu);
    void SetCaption(const std::string& Utf8Caption);
    std::string Caption() const;

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    // Runs OnCreate inside the error handling, as a window's creation does.
    void DoCreate();

protected:
    void showEvent(QShowEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    TMainMenu* FMenu = nullptr;
    bool FShown = false;
};

// A status bar with one simple text panel.
class TStatusBar {
public:
    explicit TStatusBar(QStatusBar* Bar) : FBar(Bar) {}
    void SetSimpleText(const std::string& Utf8Text);
    std::string SimpleText() const;
    QStatusBar* Widget() const { return FBar; }

private:
    QStatusBar* FBar;
};

} // namespace platform
