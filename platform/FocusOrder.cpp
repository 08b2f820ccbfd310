#include "platform/FocusOrder.h"

#include <QWidget>

#include <algorithm>
#include <climits>
#include <unordered_map>

namespace platform {

namespace {

bool AcceptsFocus(const QWidget* Widget) { return Widget->focusPolicy() != Qt::NoFocus; }

// Child widgets of Parent that are part of its window (not windows of their own).
std::vector<QWidget*> ChildWidgets(const QWidget* Parent) {
    std::vector<QWidget*> children;
    for (QObject* child : Parent->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget && !widget->isWindow()) children.push_back(widget);
    }
    return children;
}

bool HoldsControls(const QWidget* Widget);

bool IsControl(const QWidget* Widget) { return AcceptsFocus(Widget) || HoldsControls(Widget); }

bool HoldsControls(const QWidget* Widget) {
    if (AcceptsFocus(Widget)) return false;
    const auto children = ChildWidgets(Widget);
    return std::any_of(children.begin(), children.end(), IsControl);
}

using TChainIndex = std::unordered_map<const QWidget*, int>;

TChainIndex FocusChainIndex(QWidget* Window) {
    TChainIndex index;
    int position = 0;
    for (QWidget* widget = Window->nextInFocusChain(); widget && widget != Window; widget = widget->nextInFocusChain())
        index.emplace(widget, position++);
    return index;
}

void AppendInTabOrder(const QWidget* Parent, const TChainIndex& Index, std::vector<QWidget*>& List) {
    auto children = ChildWidgets(Parent);
    const auto position = [&Index](const QWidget* Widget) {
        const auto found = Index.find(Widget);
        return found == Index.end() ? INT_MAX : found->second;
    };
    std::stable_sort(children.begin(), children.end(),
                     [&position](const QWidget* A, const QWidget* B) { return position(A) < position(B); });
    for (QWidget* child : children) {
        if (!IsControl(child)) continue;
        List.push_back(child);
        if (!AcceptsFocus(child)) AppendInTabOrder(child, Index, List);
    }
}

} // namespace

QWidget* ParentWindow(QWidget* Control) { return Control ? Control->window() : nullptr; }

std::vector<QWidget*> TabOrderList(QWidget* Window) {
    std::vector<QWidget*> list;
    if (!Window) return list;
    AppendInTabOrder(Window, FocusChainIndex(Window), list);
    return list;
}

int ControlCount(const QWidget* Control) {
    if (AcceptsFocus(Control)) return 0;
    const auto children = ChildWidgets(Control);
    return static_cast<int>(std::count_if(children.begin(), children.end(), IsControl));
}

bool CanFocus(const QWidget* Control) {
    return AcceptsFocus(Control) && Control->isVisible() && Control->isEnabled();
}

void FocusControl(QWidget* Control) { Control->setFocus(Qt::OtherFocusReason); }

} // namespace platform
