#pragma once
// Geometry and selection of a grid, without any widget: where each column and row lies on screen with
// fixed cells that never scroll, which cell is under a point, and how scrolling brings a cell into view.

#include <vector>

namespace platform {

struct TGridCoord {
    int X = 0, Y = 0;
    bool operator==(const TGridCoord&) const = default;
};

// Inclusive bounds.
struct TGridRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    bool Contains(int ACol, int ARow) const { return ACol >= Left && ACol <= Right && ARow >= Top && ARow <= Bottom; }
    bool operator==(const TGridRect&) const = default;
};

TGridRect GridRectOf(TGridCoord A, TGridCoord B);

// One axis of a grid (the columns or the rows). Each cell is followed by a grid line of LineWidth pixels.
class TGridAxis {
public:
    int Count = 5;
    int Fixed = 1;
    int DefaultSize = 24;
    int LineWidth = 1;
    // The first scrollable index shown after the fixed ones.
    int FirstScrollable = 1;

    int Size(int Index) const;
    void SetSize(int Index, int Value);
    // Drops custom sizes, as changing the default size does.
    void ResetSizes() { FSizes.clear(); }
    void Resize(int NewCount);

    // Start of a cell in pixels from the client edge; -1 when it is scrolled out of sight.
    int Position(int Index) const;
    // The cell under a pixel position, or -1 beyond the last cell.
    int IndexAt(int Pixel) const;
    // Extent of the fixed cells with their lines.
    int FixedExtent() const;
    // The last cell that starts within Extent pixels (at least FirstScrollable - 1).
    int LastVisible(int Extent) const;
    // The last cell that fits wholly within Extent pixels.
    int LastFullyVisible(int Extent) const;
    // The largest FirstScrollable that still fills Extent with the last cells.
    int MaxFirstScrollable(int Extent) const;
    // Index brought among the scrollable cells Fixed..Count-1 (Fixed when there are none).
    int ClampScrollable(int Index) const;
    // Scrolls as little as possible so that Index is wholly visible (for scrollable indexes).
    void ScrollIntoView(int Index, int Extent);
    void ClampScroll(int Extent);

private:
    std::vector<int> FSizes;
};

} // namespace platform
