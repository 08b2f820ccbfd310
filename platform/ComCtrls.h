#pragma once
// The up-down (spin) control: two arrow buttons that step an integer position. With an associated
// control it reads that control's text before each step and writes the new position back, both through
// the text messages, so the associated control's WndProc sees the exchange.

#include "platform/Classes.h"
#include "platform/WinControl.h"

#include <QWidget>

#include <functional>
#include <string>

namespace platform {

enum TUDBtnType { btNext, btPrev };

using TUDChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;
using TUDClickEvent = std::function<void(TObject* Sender, TUDBtnType Button)>;

class TUpDown : public QWidget, public TComponent {
    Q_OBJECT
public:
    explicit TUpDown(QWidget* Parent = nullptr);

    std::string ClassName() const override { return metaObject()->className(); }

    TWinControl* Associate() const { return FAssociate; }
    // Attaches the control whose text the steps read and write; a widget control on the same parent
    // gets the up-down placed against its right edge, at its height.
    void SetAssociate(TWinControl* Value);

    int Min = 0;
    int Max = 100;
    int Increment = 1;
    // Stepping past one end goes to the other end instead of stopping there.
    bool Wrap = false;

    int Position() const { return FPosition; }
    // Limited to Min..Max; the associated control's text is not touched.
    void SetPosition(int Value);

    // One step, as a click on the button does: OnChanging (which may refuse the step, and is the place
    // to prepare the associated control for the exchange), then the associated control's text is read
    // and taken as the position when it is an integer within Min..Max, then the position moves by
    // Increment (wrapping or stopping at the ends) and is written back as decimal text, then OnClick.
    void Click(TUDBtnType Button);

    TUDChangingEvent OnChanging;
    TUDClickEvent OnClick;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;

private:
    QRect ButtonRect(TUDBtnType Button) const;

    TWinControl* FAssociate = nullptr;
    int FPosition = 0;
    int FPressed = -1; // the button held down, -1 for none
};

} // namespace platform
