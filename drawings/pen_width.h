#pragma once

#include <QPaintDevice>
#include <QPainter>

namespace vazolar::drawings {

// A line width in points, in the painter's device pixels: the same line on a screen, an image
// and a PDF page.
inline double pointsToPixels(const QPainter& painter, double points) {
    const QPaintDevice* device = painter.device();
    return points * (device ? device->logicalDpiY() : 96) / 72.0;
}

inline QPen pen(const QPainter& painter, const QColor& colour, double points,
                Qt::PenStyle style = Qt::SolidLine) {
    QPen line(colour, pointsToPixels(painter, points), style);
    line.setCapStyle(Qt::FlatCap);
    line.setJoinStyle(Qt::RoundJoin);
    return line;
}

} // namespace vazolar::drawings
