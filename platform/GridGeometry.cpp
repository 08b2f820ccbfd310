#include "platform/GridGeometry.h"

#include <algorithm>

namespace platform {

TGridRect GridRectOf(TGridCoord A, TGridCoord B) {
    return TGridRect{std::min(A.X, B.X), std::min(A.Y, B.Y), std::max(A.X, B.X), std::max(A.Y, B.Y)};
}

int TGridAxis::Size(int Index) const {
    if (Index >= 0 && Index < static_cast<int>(FSizes.size()) && FSizes[static_cast<std::size_t>(Index)] >= 0)
        return FSizes[static_cast<std::size_t>(Index)];
    return DefaultSize;
}

void TGridAxis::SetSize(int Index, int Value) {
    if (Index < 0) return;
    if (Index >= static_cast<int>(FSizes.size())) FSizes.resize(static_cast<std::size_t>(Index) + 1, -1);
    FSizes[static_cast<std::size_t>(Index)] = Value;
}

void TGridAxis::Resize(int NewCount) {
    Count = NewCount;
    if (static_cast<int>(FSizes.size()) > NewCount) FSizes.resize(static_cast<std::size_t>(std::max(0, NewCount)));
    FirstScrollable = ClampScrollable(FirstScrollable);
}

int TGridAxis::ClampScrollable(int Index) const {
    return std::clamp(Index, Fixed, std::max(Fixed, Count - 1));
}

int TGridAxis::FixedExtent() const {
    int extent = 0;
    for (int i = 0; i < Fixed && i < Count; ++i) extent += Size(i) + LineWidth;
    return extent;
}

int TGridAxis::Position(int Index) const {
    if (Index < 0 || Index >= Count) return -1;
    int pos = 0;
    if (Index < Fixed) {
        for (int i = 0; i < Index; ++i) pos += Size(i) + LineWidth;
        return pos;
    }
    if (Index < FirstScrollable) return -1;
    pos = FixedExtent();
    for (int i = FirstScrollable; i < Index; ++i) pos += Size(i) + LineWidth;
    return pos;
}

int TGridAxis::IndexAt(int Pixel) const {
    if (Pixel < 0) return -1;
    int pos = 0;
    for (int i = 0; i < Fixed && i < Count; ++i) {
        pos += Size(i) + LineWidth;
        if (Pixel < pos) return i;
    }
    for (int i = FirstScrollable; i < Count; ++i) {
        pos += Size(i) + LineWidth;
        if (Pixel < pos) return i;
    }
    return -1;
}

int TGridAxis::LastVisible(int Extent) const {
    int pos = FixedExtent();
    int last = FirstScrollable - 1;
    for (int i = FirstScrollable; i < Count && pos < Extent; ++i) {
        last = i;
        pos += Size(i) + LineWidth;
    }
    return last;
}

int TGridAxis::LastFullyVisible(int Extent) const {
    int pos = FixedExtent();
    int last = FirstScrollable - 1;
    for (int i = FirstScrollable; i < Count; ++i) {
        pos += Size(i) + LineWidth;
        if (pos - LineWidth > Extent) break;
        last = i;
    }
    return std::max(last, FirstScrollable);
}

int TGridAxis::MaxFirstScrollable(int Extent) const {
    int room = Extent - FixedExtent();
    int first = Count - 1;
    for (int i = Count - 1; i >= Fixed; --i) {
        room -= Size(i) + LineWidth;
        if (room < 0 && i != Count - 1) break;
        first = i;
        if (room < 0) break;
    }
    return std::max(Fixed, first);
}

void TGridAxis::ScrollIntoView(int Index, int Extent) {
    if (Index < Fixed || Index >= Count) return;
    if (Index < FirstScrollable) {
        FirstScrollable = Index;
        return;
    }
    while (FirstScrollable < Index && LastFullyVisible(Extent) < Index) ++FirstScrollable;
}

void TGridAxis::ClampScroll(int Extent) {
    FirstScrollable = std::clamp(FirstScrollable, Fixed, std::max(Fixed, MaxFirstScrollable(Extent)));
}

} // namespace platform
