#include "plot_picture.h"

#include <QFontMetricsF>

#include <algorithm>

namespace vazolar::drawings {

QPointF PlotFrame::toDevice(QPointF point) const {
    return {area.left() + x.fraction(point.x()) * area.width(),
            area.bottom() - y.fraction(point.y()) * area.height()};
}

PlotFrame plotFrame(const PlotPicture& picture, const QRectF& bounds, const QFontMetricsF& font) {
    double labelWidth = 0.0;
    for (const double tick : picture.y.ticks())
        labelWidth = std::max(labelWidth, font.horizontalAdvance(picture.y.label(tick)));
    const double line = font.height();
    const double gap = line / 2;
    // Title on top, the y axis's title turned along its side, tick labels beside the axes.
    const double left = line + gap + labelWidth + gap;
    const double top = (picture.title.isEmpty() ? 0.0 : line + gap) + gap;
    const double bottom = line + gap + line + gap;
    const double right = font.horizontalAdvance(picture.x.label(picture.x.upper)) / 2 + gap;
    const QRectF area = bounds.adjusted(left, top, -right, -bottom);
    return {area.isValid() ? area : QRectF(bounds.center(), QSizeF(1, 1)), picture.x, picture.y};
}

} // namespace vazolar::drawings
