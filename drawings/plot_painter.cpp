#include "plot_painter.h"

#include "pen_width.h"
#include "picture_style.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace vazolar::drawings {

namespace {

void paintGrid(QPainter& painter, const PlotFrame& frame) {
    painter.setPen(pen(painter, kGrid, 0.5));
    for (const double tick : frame.x.ticks()) {
        const double x = frame.toDevice({tick, 0}).x();
        painter.drawLine(QPointF(x, frame.area.top()), QPointF(x, frame.area.bottom()));
    }
    for (const double tick : frame.y.ticks()) {
        const double y = frame.toDevice({0, tick}).y();
        painter.drawLine(QPointF(frame.area.left(), y), QPointF(frame.area.right(), y));
    }
    painter.setPen(pen(painter, kInk, 0.75));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame.area);
}

void paintTickLabels(QPainter& painter, const PlotFrame& frame) {
    const QFontMetricsF font(painter.font(), painter.device());
    const double gap = font.height() / 2;
    painter.setPen(kInk);
    for (const double tick : frame.x.ticks()) {
        const QString text = frame.x.label(tick);
        const double x = frame.toDevice({tick, 0}).x() - font.horizontalAdvance(text) / 2;
        painter.drawText(QPointF(x, frame.area.bottom() + gap + font.ascent()), text);
    }
    for (const double tick : frame.y.ticks()) {
        const QString text = frame.y.label(tick);
        const double y = frame.toDevice({0, tick}).y() + (font.ascent() - font.descent()) / 2;
        painter.drawText(QPointF(frame.area.left() - gap - font.horizontalAdvance(text), y), text);
    }
}

void paintTitles(QPainter& painter, const PlotFrame& frame, const PlotPicture& picture,
                 const QRectF& bounds) {
    const QFontMetricsF font(painter.font(), painter.device());
    const double gap = font.height() / 2;
    painter.setPen(kInk);
    if (!picture.title.isEmpty()) {
        QFont bold = painter.font();
        bold.setBold(true);
        painter.save();
        painter.setFont(bold);
        const double width = QFontMetricsF(bold, painter.device()).horizontalAdvance(picture.title);
        painter.drawText(
            QPointF(frame.area.center().x() - width / 2, bounds.top() + gap + font.ascent()),
            picture.title);
        painter.restore();
    }
    const double xWidth = font.horizontalAdvance(picture.xTitle);
    painter.drawText(QPointF(frame.area.center().x() - xWidth / 2, bounds.bottom() - gap),
                     picture.xTitle);
    painter.save();
    painter.translate(bounds.left() + gap + font.ascent(), frame.area.center().y());
    painter.rotate(-90);
    painter.drawText(QPointF(-font.horizontalAdvance(picture.yTitle) / 2, 0), picture.yTitle);
    painter.restore();
}

void paintCurves(QPainter& painter, const PlotFrame& frame, const PlotPicture& picture) {
    for (const Curve& curve : picture.curves) {
        QPainterPath path;
        for (qsizetype k = 0; k < curve.points.size(); ++k) {
            const QPointF point = frame.toDevice(curve.points[k]);
            if (k == 0)
                path.moveTo(point);
            else
                path.lineTo(point);
        }
        painter.setPen(pen(painter, curve.colour, 1.25, curve.style));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    }
}

void paintGuides(QPainter& painter, const PlotFrame& frame, const PlotPicture& picture) {
    const QFontMetricsF font(painter.font(), painter.device());
    for (const GuideLine& guide : picture.guides) {
        painter.setPen(pen(painter, kCritical, 0.75, Qt::DashLine));
        QPointF labelAt;
        if (guide.orientation == Qt::Horizontal) {
            const double y = frame.toDevice({0, guide.value}).y();
            painter.drawLine(QPointF(frame.area.left(), y), QPointF(frame.area.right(), y));
            labelAt = QPointF(frame.area.right() - font.horizontalAdvance(guide.label) - 2,
                              y - font.descent() - 1);
        } else {
            const double x = frame.toDevice({guide.value, 0}).x();
            painter.drawLine(QPointF(x, frame.area.top()), QPointF(x, frame.area.bottom()));
            labelAt = QPointF(x + 3, frame.area.top() + font.ascent() + 2);
        }
        painter.setPen(kCritical);
        painter.drawText(labelAt, guide.label);
    }
}

void paintMarkers(QPainter& painter, const PlotFrame& frame, const PlotPicture& picture) {
    const QFontMetricsF font(painter.font(), painter.device());
    const double radius = pointsToPixels(painter, 3.0);
    for (const Marker& marker : picture.markers) {
        const QPointF at = frame.toDevice(marker.at);
        // A ring, so that the curve stays visible through the point it marks.
        painter.setPen(pen(painter, kMarker, 1.25));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(at, radius, radius);
        painter.setPen(kInk);
        painter.drawText(at + QPointF(radius + 3, -radius - font.descent()), marker.label);
    }
}

} // namespace

void paintPlot(QPainter& painter, const QRectF& bounds, const PlotPicture& picture) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(pictureFont());
    painter.fillRect(bounds, Qt::white);
    const PlotFrame frame =
        plotFrame(picture, bounds, QFontMetricsF(painter.font(), painter.device()));
    paintGrid(painter, frame);
    paintTickLabels(painter, frame);
    paintTitles(painter, frame, picture, bounds);
    painter.save();
    painter.setClipRect(frame.area);
    paintCurves(painter, frame, picture);
    paintGuides(painter, frame, picture);
    painter.restore();
    paintMarkers(painter, frame, picture);
    painter.restore();
}

} // namespace vazolar::drawings
