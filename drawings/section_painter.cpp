#include "section_painter.h"

#include "device_points.h"
#include "pen_width.h"
#include "picture_style.h"

#include <QPainter>

namespace vazolar::drawings {

namespace {

// A level across the section and a little beyond it, labelled above it at the section's right.
void paintLevel(QPainter& painter, const SectionFrame& frame, double level, const QPen& line,
                const QString& label) {
    const double reach = frame.extent.width() * 0.06;
    const QPointF left = frame.toDevice({frame.extent.left() - reach, level});
    const QPointF right = frame.toDevice({frame.extent.right() + reach, level});
    painter.setPen(line);
    painter.drawLine(left, right);
    if (!label.isEmpty()) {
        const QFontMetricsF font(painter.font(), painter.device());
        painter.setPen(line.color());
        const QPointF end = frame.toDevice({frame.extent.right(), level});
        painter.drawText(end + QPointF(-font.horizontalAdvance(label), -font.descent() - 2), label);
    }
}

// The line's ends, moved off the section to their lane.
QLineF placedLine(const SectionFrame& frame, const DimensionLine& dimension, double gap) {
    const QPointF from = frame.toDevice(dimension.from);
    const QPointF to = frame.toDevice(dimension.to);
    const QRectF box(frame.toDevice({frame.extent.left(), frame.extent.bottom()}),
                     frame.toDevice({frame.extent.right(), frame.extent.top()}));
    const double offset = (dimension.lane + 1) * 3 * gap;
    switch (dimension.side) {
    case Qt::LeftEdge:
        return {QPointF(box.left() - offset, from.y()), QPointF(box.left() - offset, to.y())};
    case Qt::RightEdge:
        return {QPointF(box.right() + offset, from.y()), QPointF(box.right() + offset, to.y())};
    case Qt::TopEdge:
        return {QPointF(from.x(), box.top() - offset), QPointF(to.x(), box.top() - offset)};
    case Qt::BottomEdge:
        break;
    }
    return {QPointF(from.x(), box.bottom() + offset), QPointF(to.x(), box.bottom() + offset)};
}

void paintDimension(QPainter& painter, const SectionFrame& frame, const DimensionLine& dimension) {
    const QFontMetricsF font(painter.font(), painter.device());
    const double gap = font.height() / 2;
    const QLineF line = placedLine(frame, dimension, gap);
    const double tick = gap * 0.6;
    painter.setPen(pen(painter, kInk, 0.4));
    // Extension lines from the measured points to the dimension line.
    painter.drawLine(frame.toDevice(dimension.from), line.p1());
    painter.drawLine(frame.toDevice(dimension.to), line.p2());
    painter.setPen(pen(painter, kInk, 0.6));
    painter.drawLine(line);
    // Oblique ticks at both ends, as drawings mark dimension limits.
    for (const QPointF& end : {line.p1(), line.p2()})
        painter.drawLine(end + QPointF(-tick, tick), end + QPointF(tick, -tick));
    const QPointF middle = line.center();
    const double width = font.horizontalAdvance(dimension.label);
    QPointF at;
    switch (dimension.side) {
    case Qt::LeftEdge:
        at = middle + QPointF(-gap / 2 - width, (font.ascent() - font.descent()) / 2);
        break;
    case Qt::RightEdge:
        at = middle + QPointF(gap / 2, (font.ascent() - font.descent()) / 2);
        break;
    case Qt::TopEdge:
        at = middle + QPointF(-width / 2, -gap / 2 - font.descent());
        break;
    case Qt::BottomEdge:
        at = middle + QPointF(-width / 2, gap / 2 + font.ascent());
        break;
    }
    painter.setPen(kInk);
    painter.drawText(at, dimension.label);
}

} // namespace

void paintSection(QPainter& painter, const QRectF& bounds, const SectionPicture& picture) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(pictureFont());
    painter.fillRect(bounds, Qt::white);
    const SectionFrame frame =
        sectionFrame(picture, bounds, QFontMetricsF(painter.font(), painter.device()));

    painter.setPen(Qt::NoPen);
    painter.setBrush(kWater);
    painter.drawPolygon(toDevice(frame, picture.water));
    if (!picture.water.isEmpty()) {
        // The water's outline starts and ends at the two ends of its surface.
        painter.setPen(pen(painter, kWaterEdge, 0.75));
        painter.drawLine(frame.toDevice(picture.water.first()),
                         frame.toDevice(picture.water.last()));
    }
    if (picture.bankHeight)
        paintLevel(painter, frame, *picture.bankHeight, pen(painter, kBank, 0.75, Qt::DashDotLine),
                   QString());
    if (picture.criticalDepth)
        paintLevel(painter, frame, *picture.criticalDepth,
                   pen(painter, kCritical, 0.75, Qt::DashLine), picture.criticalLabel);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(pen(painter, kInk, 1.5));
    const QPolygonF outline = toDevice(frame, picture.outline);
    if (picture.closed)
        painter.drawPolygon(outline);
    else
        painter.drawPolyline(outline);
    for (const DimensionLine& dimension : picture.dimensions)
        paintDimension(painter, frame, dimension);
    painter.restore();
}

} // namespace vazolar::drawings
