#include "grid/InplaceEditEx.h"

#include "grid/CharacterFilter.h"
#include "grid/GridEx.h"
#include "platform/Codec.h"

using namespace platform;

TInplaceEditEx::TInplaceEditEx(TStringGridEx* AOwner) : TInplaceEdit(AOwner), FGridEx(AOwner) {}

const TColumnStyle* TInplaceEditEx::Style() const {
    const TColumnStyles* styles = FGridEx->ColumnStyles();
    if (FStyleColumn < 0 || FStyleColumn >= styles->Count()) return nullptr;
    return styles->GetColumn(FStyleColumn);
}

void TInplaceEditEx::RefreshContents() {
    const int col = FGridEx->Col();
    if (col < 0) return;
    const enRxColumnStyle kind = FGridEx->ColumnStyles()->GetColumn(col)->ColumnStyle();
    FStyleColumn = col;
    FRefuseTrailByte = false;
    ImeMode = kind == csCharacter || kind == csMaskEdit ? imDontCare : imDisable;
    TInplaceEdit::RefreshContents();
    // The fill runs the grid's handlers, which may have replaced the styles: look the style up again.
    // A mask sets the length itself.
    const TColumnStyle* filled = Style();
    SetMaxLength(filled && GetEditMask().empty() ? filled->MaxLength() : 0);
}

void TInplaceEditEx::WndProc(TMessage& Message) {
    const auto key = static_cast<WORD>(Message.WParam);
    if (Message.Msg == CM_WANTSPECIALKEY) {
        if (key == VK_TAB && FGridEx->TabAction() == taNext) {
            Message.Result = 1;
            return;
        }
        TInplaceEdit::WndProc(Message);
        // Enter always comes to the editor and never presses a default button of the window.
        if (key == VK_RETURN) Message.Result = 1;
        return;
    }
    if (Message.Msg == WM_CHAR && !PassCharacter(static_cast<unsigned char>(Message.WParam))) return;
    TInplaceEdit::WndProc(Message);
}

bool TInplaceEditEx::PassCharacter(unsigned char Character) {
    if (FRefuseTrailByte) {
        FRefuseTrailByte = false;
        return false;
    }
    const std::string text = GetText();
    const gridex::TEditorInput input{text, GetSelStart(), GetSelLength(), FGridEx->EnterKeyToMove(),
                                     FGridEx->TabAction() == taNext};
    switch (gridex::FilterCharacter(Style(), Character, input)) {
    case gridex::TCharacterVerdict::Accept:
        return true;
    case gridex::TCharacterVerdict::MoveToNext:
        FGridEx->GridMoveTo(13, false);
        return false;
    case gridex::TCharacterVerdict::Refuse:
        break;
    }
    FRefuseTrailByte = IsLeadByte(Character);
    return false;
}
