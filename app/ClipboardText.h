#pragma once
// The tab-separated text that Copy writes and Paste reads: TAB between cells, LF after every row, no
// quoting. No Qt here.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace app {

// One line per row of the block, cells joined by TAB, each line ending in LF.
std::string JoinBlockText(int Left, int Top, int Right, int Bottom,
                          const std::function<std::string(int Col, int Row)>& CellText);

// Where each cell of a pasted text goes, starting at (Left, Top): along the row, never past column
// MaxCol; after an LF back to Left on the next row, never past row MaxRow. Surplus cells pile up in the
// last column or row, so the last of them wins.
struct TPasteCell {
    int Col;
    int Row;
    std::string Text;
    bool operator==(const TPasteCell&) const = default;
};
std::vector<TPasteCell> PlacePasteText(const std::string& Text, int Left, int Top, int MaxCol, int MaxRow);

// What a pasted parameter text holds once its ends are trimmed of codes 32 and below.
struct TPastedNumber {
    enum TKind { Skip, Number, Invalid };
    TKind Kind;
    std::int32_t Value = 0;
};
// Skip: empty, or not beginning with a digit or "-". Number: converted by the integer conversion.
// Invalid: begins like a number but does not convert.
TPastedNumber ReadPastedNumber(const std::string& CellText);

} // namespace app
