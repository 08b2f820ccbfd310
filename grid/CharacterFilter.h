#pragma once
// The in-place editor's filter on typed characters: by the kind of the column, which characters may go
// into the editor's text, so that the text stays readable for the column's conversions. No Qt.

#include "grid/ColumnStyles.h"

#include <string_view>

namespace gridex {

enum class TCharacterVerdict {
    Accept,     // the editor inserts the character (or applies its own handling to it)
    Refuse,     // the character is dropped without a sound
    MoveToNext, // Enter that moves the grid's current cell instead
};

// What the filter looks at besides the column: the editor's text and selection (byte offsets of the
// CP932 text) and the grid's key settings.
struct TEditorInput {
    std::string_view Text;
    int SelStart = 0;
    int SelLength = 0;
    bool EnterKeyToMove = false;
    bool TabToNextCell = false;
};

// Character is one byte of the typed text. Null Style, and a kind outside the enumeration, pass
// everything, as a text column does.
TCharacterVerdict FilterCharacter(const TColumnStyle* Style, unsigned char Character,
                                  const TEditorInput& Input);

} // namespace gridex
