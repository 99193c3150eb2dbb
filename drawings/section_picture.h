#pragma once

#include <QFontMetricsF>
#include <QList>
#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <optional>

namespace vazolar::drawings {

// A dimension line: the distance between two points of the section, drawn beside it on one
// side, in a lane (lane 0 nearest the section), with its label ("b = 0,7000").
struct DimensionLine {
    QPointF from; // metres: x across from the axis, y up from the bed
    QPointF to;
    Qt::Edge side = Qt::BottomEdge;
    int lane = 0;
    QString label;
};

// A cross-section to scale: the lining, the water in it, and its levels, in metres.
struct SectionPicture {
    QPolygonF outline; // the lining from one bank to the other; the whole pipe when closed
    bool closed = false;
    QPolygonF water; // the wetted area
    std::optional<double> criticalDepth;
    std::optional<double> bankHeight;
    QString criticalLabel; // "yc = 0,3383"
    QList<DimensionLine> dimensions;
};

// Where the section lies in a device rectangle: one scale across and down, centred, with room
// on every side for its dimension lines.
struct SectionFrame {
    QRectF extent;      // the section's bounding box, metres
    double scale = 1.0; // device pixels per metre, across and down
    QPointF origin;     // where the point (0, 0) lands

    QPointF toDevice(QPointF metres) const {
        return origin + QPointF(metres.x(), -metres.y()) * scale;
    }
};

SectionFrame sectionFrame(const SectionPicture& picture, const QRectF& bounds,
                          const QFontMetricsF& font);

} // namespace vazolar::drawings
