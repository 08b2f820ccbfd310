#pragma once
// Focus movement as the platform's controls see it: a window's controls in tab order, depth first, and
// which of them can take focus. A widget that accepts focus is one control, whatever widgets Qt builds
// it from; a widget that refuses focus is a container (panel, group box) when it holds controls and is
// left out like a label when it holds none.

#include <vector>

class QWidget;

namespace platform {

// The top-level window the control sits in.
QWidget* ParentWindow(QWidget* Control);

// The controls of Window in tab order, depth first: each control followed by the controls inside it.
// Tab order among siblings is their order in the window's focus chain (creation order, changed by
// QWidget::setTabOrder). Controls that take focus by click only are included.
std::vector<QWidget*> TabOrderList(QWidget* Window);

// The number of controls directly inside Control (0 for a control that takes focus itself).
int ControlCount(const QWidget* Control);

// Whether Control can take focus: it accepts focus, and it and all its parents up to the window are
// visible and enabled.
bool CanFocus(const QWidget* Control);

// Gives focus to Control as a call from code does.
void FocusControl(QWidget* Control);

} // namespace platform
