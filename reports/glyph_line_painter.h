#pragma once

#include <QFont>
#include <QPointF>
#include <QRawFont>
#include <QStringView>

#include <array>

class QPaintDevice;
class QPainter;

namespace vazolar::reports {

// Draws lines made of digits, signs, separators and blanks (the result rows) straight from the
// font's glyphs, which it looks up once: QPainter::drawText would shape every line anew, and
// a long run prints tens of thousands of rows. Such characters neither kern nor join in the
// report font, so the glyphs land where drawText puts them. Blanks only move the pen.
class GlyphLinePainter {
public:
    // The font as it is drawn on the device.
    GlyphLinePainter(const QFont& font, const QPaintDevice& device);

    // Whether every character of the line is one this painter draws.
    bool canDraw(QStringView line) const;

    // Draws the line with its baseline starting at the origin, in device pixels.
    void draw(QPainter& painter, QPointF origin, QStringView line) const;

private:
    struct Glyph {
        quint32 index = 0; // 0: not drawn here
        double advance = 0.0;
    };

    QRawFont font_;
    std::array<Glyph, 128> glyphs_{};
};

} // namespace vazolar::reports
