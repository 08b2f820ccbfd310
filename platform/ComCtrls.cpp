#include "platform/ComCtrls.h"

#include "platform/NumberText.h"

#include <QMouseEvent>
#include <QStyleOption>
#include <QStylePainter>

#include <cstdint>

namespace platform {

TUpDown::TUpDown(QWidget* Parent) : QWidget(Parent) {
    // The buddy keeps the focus while the buttons are clicked.
    setFocusPolicy(Qt::NoFocus);
    resize(sizeHint());
}

void TUpDown::SetAssociate(TWinControl* Value) {
    FAssociate = Value;
    auto* buddy = dynamic_cast<QWidget*>(Value);
    if (buddy && buddy->parentWidget() == parentWidget())
        setGeometry(buddy->geometry().right() + 1, buddy->y(), width(), buddy->height());
}

void TUpDown::SetPosition(int Value) {
    if (Value > Max) Value = Max;
    if (Value < Min) Value = Min;
    FPosition = Value;
}

void TUpDown::Click(TUDBtnType Button) {
    bool allowChange = true;
    if (OnChanging) OnChanging(this, allowChange);
    if (!allowChange) return;

    if (FAssociate) {
        std::string text;
        FAssociate->Perform(WM_GETTEXT, 0, reinterpret_cast<std::intptr_t>(&text));
        if (const auto value = TryStrToInt(text); value && *value >= Min && *value <= Max) FPosition = *value;
    }
    std::int64_t next = std::int64_t{FPosition} + (Button == btNext ? Increment : -std::int64_t{Increment});
    if (next > Max) next = Wrap ? Min : Max;
    else if (next < Min) next = Wrap ? Max : Min;
    FPosition = static_cast<int>(next);
    // Written even when the position stayed at an end, so every read of an exchange has its write.
    if (FAssociate) {
        const std::string text = IntToStr(FPosition);
        FAssociate->Perform(WM_SETTEXT, 0, reinterpret_cast<std::intptr_t>(&text));
    }
    if (OnClick) OnClick(this, Button);
}

QSize TUpDown::sizeHint() const { return {17, 22}; }

QRect TUpDown::ButtonRect(TUDBtnType Button) const {
    const int half = height() / 2;
    return Button == btNext ? QRect(0, 0, width(), half) : QRect(0, half, width(), height() - half);
}

void TUpDown::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    for (TUDBtnType button : {btNext, btPrev}) {
        QStyleOptionButton panel;
        panel.initFrom(this);
        panel.rect = ButtonRect(button);
        panel.state |= FPressed == button ? QStyle::State_Sunken : QStyle::State_Raised;
        painter.drawPrimitive(QStyle::PE_PanelButtonCommand, panel);

        QStyleOption arrow;
        arrow.initFrom(this);
        arrow.rect = ButtonRect(button).adjusted(3, 2, -3, -2);
        painter.drawPrimitive(button == btNext ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown, arrow);
    }
}

// The step happens as the button goes down.
void TUpDown::mousePressEvent(QMouseEvent* Event) {
    if (Event->button() != Qt::LeftButton || !isEnabled()) return;
    const TUDBtnType button = ButtonRect(btNext).contains(Event->position().toPoint()) ? btNext : btPrev;
    FPressed = button;
    update();
    Click(button);
}

void TUpDown::mouseReleaseEvent(QMouseEvent*) {
    FPressed = -1;
    update();
}

} // namespace platform
