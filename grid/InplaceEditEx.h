#pragma once
// The in-place editor of TStringGridEx: the base grid editor with a per-column filter on typed
// characters, Enter and Tab handled as the grid's settings say, and the column's length limit and
// input-method mode taken each time it is filled for a cell.

#include "grid/ColumnStyles.h"
#include "platform/Grids.h"

class TStringGridEx;

class TInplaceEditEx : public platform::TInplaceEdit {
    Q_OBJECT
public:
    explicit TInplaceEditEx(TStringGridEx* AOwner);

    void RefreshContents() override;
    void WndProc(platform::TMessage& Message) override;

    // The style of the column the editor was last filled for; null before the first fill, or when the
    // grid's styles were replaced so that the column has none.
    const TColumnStyle* Style() const;

private:
    // Whether a typed character goes on to the base editor.
    bool PassCharacter(unsigned char Character);

    TStringGridEx* FGridEx;
    // The column rather than the style itself: styles may be replaced while the editor is open.
    int FStyleColumn = -1;
    // A refused lead byte takes the second byte of its character with it.
    bool FRefuseTrailByte = false;
};
