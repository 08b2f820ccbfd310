#pragma once
// Colours, fonts and the canvas that owner-drawn cells paint on.

#include "platform/Colors.h"

#include <QColor>
#include <QFont>
#include <QRect>

#include <cstdint>
#include <string>

class QPainter;
class QPalette;

namespace platform {

// A font of the designed Japanese face at a pixel size, falling back to the CJK face of this system that
// is closest in kind: serif for Mincho, fixed pitch for the non-proportional Gothic.
QFont DesignedFont(const char* Utf8Family, int PixelSize, bool Bold = false);

// Resolves system colours through the palette.
QColor ToQColor(TColor Color, const QPalette& Palette);

// Rectangle with exclusive right and bottom.
struct TRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    QRect ToQRect() const { return QRect(Left, Top, Width(), Height()); }
    bool operator==(const TRect&) const = default;
};

// Text flags of the canvas's text call.
enum : unsigned {
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4,
    DT_BOTTOM = 0x8,
    DT_SINGLELINE = 0x20,
};

// A painter with the platform's brush, font colour and text call. Brush and font colours are TColor
// values resolved through the palette of the widget painted on.
class TCanvas {
public:
    TCanvas(QPainter& Painter, const QPalette& Palette) : FPainter(Painter), FPalette(Palette) {}

    TColor BrushColor = clWindow;
    TColor FontColor = clWindowText;
    QFont Font;

    void FillRect(const TRect& Rect);
    // Multi-line text as DrawTextA draws it: see the .cpp for the rules.
    void DrawText(const std::string& Text, const TRect& Rect, unsigned Flags);
    void FrameRect(const TRect& Rect, TColor Color);
    void Line(int X1, int Y1, int X2, int Y2, TColor Color);
    QPainter& Painter() { return FPainter; }
    const QPalette& Palette() const { return FPalette; }

private:
    QPainter& FPainter;
    const QPalette& FPalette;
};

} // namespace platform
