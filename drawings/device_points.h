#pragma once

#include <QPolygonF>

// A line in the picture's own quantities (metres, m³/s) mapped onto the device through the
// frame that places the picture: any frame with toDevice(QPointF).
namespace vazolar::drawings {

template <typename Frame> QPolygonF toDevice(const Frame& frame, const QPolygonF& metres) {
    QPolygonF points;
    points.reserve(metres.size());
    for (const QPointF& point : metres)
        points << frame.toDevice(point);
    return points;
}

} // namespace vazolar::drawings
