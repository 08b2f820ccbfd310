#include "platform/Graphics.h"

#include "platform/QtText.h"

#include <QPainter>
#include <QPalette>
#include <QRegularExpression>

#include <algorithm>

namespace platform {

QFont DesignedFont(const char* Utf8Family, int PixelSize, bool Bold) {
    const QString family = U(Utf8Family);
    QString fallback = QStringLiteral("Noto Sans CJK JP");
    if (family.contains(U("明朝")))
        fallback = QStringLiteral("Noto Serif CJK JP");
    else if (!family.contains(U("Ｐ")))
        fallback = QStringLiteral("Noto Sans Mono CJK JP");
    QFont font;
    font.setFamilies({family, fallback, QStringLiteral("Noto Sans CJK JP")});
    font.setPixelSize(PixelSize);
    font.setBold(Bold);
    return font;
}

QColor ToQColor(TColor Color, const QPalette& Palette) {
    if (Color & 0x80000000u) {
        switch (Color & 0xFF) {
        case 0x05:
            return Palette.color(QPalette::Active, QPalette::Base);
        case 0x08:
            return Palette.color(QPalette::Active, QPalette::Text);
        case 0x0D:
            return Palette.color(QPalette::Active, QPalette::Highlight);
        case 0x0E:
            return Palette.color(QPalette::Active, QPalette::HighlightedText);
        case 0x0F:
            return Palette.color(QPalette::Active, QPalette::Button);
        case 0x10:
            return Palette.color(QPalette::Active, QPalette::Dark);
        case 0x12:
            return Palette.color(QPalette::Active, QPalette::ButtonText);
        case 0x14:
            return Palette.color(QPalette::Active, QPalette::Light);
        default:
            return Palette.color(QPalette::Active, QPalette::Window);
        }
    }
    return QColor(static_cast<int>(Color & 0xFF), static_cast<int>((Color >> 8) & 0xFF),
                  static_cast<int>((Color >> 16) & 0xFF));
}

void TCanvas::FillRect(const TRect& Rect) {
    FPainter.fillRect(Rect.ToQRect(), ToQColor(BrushColor, FPalette));
}

void TCanvas::FrameRect(const TRect& Rect, TColor Color) {
    FPainter.save();
    FPainter.setPen(ToQColor(Color, FPalette));
    FPainter.setBrush(Qt::NoBrush);
    FPainter.drawRect(Rect.Left, Rect.Top, Rect.Width() - 1, Rect.Height() - 1);
    FPainter.restore();
}

void TCanvas::Line(int X1, int Y1, int X2, int Y2, TColor Color) {
    FPainter.save();
    FPainter.setPen(ToQColor(Color, FPalette));
    FPainter.drawLine(X1, Y1, X2, Y2);
    FPainter.restore();
}

// Without DT_SINGLELINE the text starts at the top whatever the vertical flags say; CR, LF and CR LF
// break lines, each line is aligned by itself, nothing wraps, and everything is clipped. "&" underlines
// the next character and "&&" shows one "&" (Qt's mnemonic drawing). Each line's own background is
// painted in the brush colour.
void TCanvas::DrawText(const std::string& Text, const TRect& Rect, unsigned Flags) {
    if (Rect.Width() <= 0 || Rect.Height() <= 0) return;
    const QString text = FromCp932(Text);
    QStringList lines;
    if (Flags & DT_SINGLELINE) {
        lines << QString(text).remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    } else {
        static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
        lines = text.split(lineBreak);
    }
    FPainter.save();
    FPainter.setClipRect(Rect.ToQRect());
    FPainter.setFont(Font);
    const QFontMetrics metrics(Font);
    // Lines are one em high, as the designed bitmap fonts are; fonts with a taller ascent (the CJK
    // fallbacks) are drawn with their em box at the line's top so their glyphs are not cut.
    const int em = Font.pixelSize() > 0 ? Font.pixelSize() : metrics.height();
    const int lineHeight = std::min(metrics.height(), std::max(em, metrics.ascent()));
    const int raise = std::max(0, metrics.ascent() - (em * 7 + 4) / 8);
    int y = Rect.Top;
    if (Flags & DT_SINGLELINE) {
        if (Flags & DT_BOTTOM)
            y = Rect.Bottom - lineHeight;
        else if (Flags & DT_VCENTER)
            y = Rect.Top + (Rect.Height() - lineHeight) / 2;
    }
    int horizontal = Qt::AlignLeft;
    if (Flags & DT_RIGHT)
        horizontal = Qt::AlignRight;
    else if (Flags & DT_CENTER)
        horizontal = Qt::AlignHCenter;
    const QColor background = ToQColor(BrushColor, FPalette);
    FPainter.setPen(ToQColor(FontColor, FPalette));
    for (const QString& line : lines) {
        if (y >= Rect.Bottom) break;
        const int width = metrics.horizontalAdvance(QString(line).remove(QLatin1Char('&')));
        QRect lineRect(Rect.Left, y, width, lineHeight);
        if (horizontal == Qt::AlignRight)
            lineRect.moveRight(Rect.Right - 1);
        else if (horizontal == Qt::AlignHCenter)
            lineRect.moveLeft(Rect.Left + (Rect.Width() - width) / 2);
        FPainter.fillRect(lineRect, background);
        FPainter.drawText(QRect(Rect.Left, y - raise, Rect.Width(), metrics.height()),
                          horizontal | Qt::AlignTop | Qt::TextShowMnemonic | Qt::TextDontClip, line);
        y += lineHeight;
    }
    FPainter.restore();
}

} // namespace platform
