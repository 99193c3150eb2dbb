#include "glyph_line_painter.h"

#include <QGlyphRun>
#include <QPaintDevice>
#include <QPainter>

namespace vazolar::reports {

namespace {

constexpr QLatin1String kDrawnCharacters("0123456789,.-+ ");
constexpr double kPointsPerInch = 72.0;

} // namespace

GlyphLinePainter::GlyphLinePainter(const QFont& font, const QPaintDevice& device)
    : font_(QRawFont::fromFont(font)) {
    font_.setPixelSize(font.pointSizeF() * device.logicalDpiY() / kPointsPerInch);
    const QString characters(kDrawnCharacters);
    const QList<quint32> indexes = font_.glyphIndexesForString(characters);
    const QList<QPointF> advances = font_.advancesForGlyphIndexes(indexes);
    for (qsizetype i = 0; i < characters.size() && i < indexes.size(); ++i)
        glyphs_[characters[i].unicode()] = {indexes[i], advances[i].x()};
}

bool GlyphLinePainter::canDraw(QStringView line) const {
    for (const QChar c : line) {
        if (c.unicode() >= glyphs_.size() || glyphs_[c.unicode()].index == 0)
            return false;
    }
    return true;
}

void GlyphLinePainter::draw(QPainter& painter, QPointF origin, QStringView line) const {
    QList<quint32> indexes;
    QList<QPointF> positions;
    indexes.reserve(line.size());
    positions.reserve(line.size());
    double x = origin.x();
    for (const QChar c : line) {
        const Glyph& glyph = glyphs_[c.unicode()];
        if (c != u' ') {
            indexes.append(glyph.index);
            positions.append(QPointF(x, origin.y()));
        }
        x += glyph.advance;
    }
    if (indexes.isEmpty())
        return;
    QGlyphRun run;
    run.setRawFont(font_);
    run.setGlyphIndexes(indexes);
    run.setPositions(positions);
    painter.drawGlyphRun(QPointF(0.0, 0.0), run);
}

} // namespace vazolar::reports
