// The grid's in-place editor (declared with the grid in Grids.h).
#include "platform/EventGuard.h"
#include "platform/Grids.h"

#include <QKeyEvent>

namespace platform {

TInplaceEdit::TInplaceEdit(TCustomGrid* Grid) : TCustomEdit(Grid->viewport()), FGrid(Grid) {
    setFrame(false);
    hide();
}

void TInplaceEdit::RefreshContents() {
    const int col = FGrid->Col();
    const int row = FGrid->Row();
    SetText(std::string());
    SetEditMask(FGrid->GetEditMask(col, row));
    SetText(FGrid->GetEditText(col, row));
}

void TInplaceEdit::WndProc(TMessage& Message) {
    if (Message.Msg == CM_WANTSPECIALKEY) {
        // Arrows and Esc belong to the editor; Tab only when the grid keeps it.
        const WORD key = static_cast<WORD>(Message.WParam);
        if ((key >= VK_LEFT && key <= VK_DOWN) || key == VK_ESCAPE)
            Message.Result = 1;
        else if (key == VK_TAB)
            Message.Result = (FGrid->Options() & goTabs) ? 1 : 0;
        else
            Message.Result = 0;
        return;
    }
    TCustomEdit::WndProc(Message);
}

// Keys that move between cells go to the grid: Up, Down, Page keys, Tab without Alt, and Left or Right
// when the caret cannot move further that way. Esc cancels here, before any character filter.
void TInplaceEdit::KeyDown(WORD& Key, TShiftState Shift) {
    if (Key == VK_ESCAPE) {
        FGrid->CancelEditing();
        Key = 0;
        return;
    }
    const int length = static_cast<int>(text().size());
    const bool noSelection = !hasSelectedText();
    bool toGrid = false;
    switch (Key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
        toGrid = true;
        break;
    case VK_TAB:
        toGrid = !(Shift & ssAlt);
        break;
    case VK_LEFT:
        toGrid = noSelection && cursorPosition() == 0 && !(Shift & ssShift);
        break;
    case VK_RIGHT:
        toGrid = noSelection && cursorPosition() == length && !(Shift & ssShift);
        break;
    default:
        break;
    }
    if (toGrid) {
        FGrid->KeyDown(Key, Shift);
        Key = 0;
        return;
    }
    TCustomEdit::KeyDown(Key, Shift);
}

void TInplaceEdit::DefaultHandler(TMessage& Message) {
    if (Message.Msg == WM_CHAR) {
        switch (Message.WParam) {
        case 13:
            FGrid->HideEditor();
            FGrid->setFocus();
            return;
        case 9:
        case 27:
            return;
        default:
            break;
        }
    }
    TCustomEdit::DefaultHandler(Message);
}

void TInplaceEdit::Change() {
    TCustomEdit::Change();
    FGrid->EditorTextChanged();
}

bool TInplaceEdit::event(QEvent* Event) {
    if (Event->type() == QEvent::KeyPress && FGrid->EditorTabLeaves(static_cast<QKeyEvent*>(Event)))
        return true;
    return GuardedEvent([&] { return TCustomEdit::event(Event); });
}

// Focus taken away by the user (another control clicked or tabbed to) ends the edit; a popup menu or
// another window does not.
void TInplaceEdit::focusOutEvent(QFocusEvent* Event) {
    TCustomEdit::focusOutEvent(Event);
    switch (Event->reason()) {
    case Qt::MouseFocusReason:
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
        GuardedEvent([this] { return FGrid->HideEditor(), true; });
        break;
    default:
        break;
    }
}

} // namespace platform
