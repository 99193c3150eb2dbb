#include "section_picture.h"

#include <algorithm>
#include <array>

namespace vazolar::drawings {

namespace {

// Room each side needs for its lanes of dimension lines: a gap, the line, a gap, the label.
std::array<double, 4> marginsFor(const SectionPicture& picture, const QFontMetricsF& font) {
    std::array<double, 4> margins{}; // left, top, right, bottom
    const double gap = font.height() / 2;
    for (const DimensionLine& dimension : picture.dimensions) {
        const bool across = dimension.side == Qt::TopEdge || dimension.side == Qt::BottomEdge;
        const double label = across ? font.height() : font.horizontalAdvance(dimension.label);
        const double room = (dimension.lane + 1) * 3 * gap + label + gap;
        const int index = dimension.side == Qt::LeftEdge    ? 0
                          : dimension.side == Qt::TopEdge   ? 1
                          : dimension.side == Qt::RightEdge ? 2
                                                            : 3;
        margins[std::size_t(index)] = std::max(margins[std::size_t(index)], room);
    }
    for (double& margin : margins)
        margin = std::max(margin, gap);
    return margins;
}

} // namespace

SectionFrame sectionFrame(const SectionPicture& picture, const QRectF& bounds,
                          const QFontMetricsF& font) {
    QRectF extent = picture.outline.boundingRect().united(picture.water.boundingRect());
    if (picture.bankHeight)
        extent.setBottom(std::max(extent.bottom(), *picture.bankHeight));
    const auto [left, top, right, bottom] = marginsFor(picture, font);
    const QRectF area = bounds.adjusted(left, top, -right, -bottom);
    const double scale = std::max(1e-9, std::min(area.width() / std::max(extent.width(), 1e-9),
                                                 area.height() / std::max(extent.height(), 1e-9)));
    // The extent's centre at the area's centre; y grows upward in metres, downward on devices.
    const QPointF middle = extent.center();
    const QPointF origin = area.center() + QPointF(-middle.x() * scale, middle.y() * scale);
    return {extent, scale, origin};
}

} // namespace vazolar::drawings
