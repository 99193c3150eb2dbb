#include "profile_picture.h"

#include "device_points.h"
#include "pen_width.h"
#include "picture_style.h"
#include "profile_frame.h"

#include <QFontMetricsF>
#include <QPainter>

#include <optional>

namespace vazolar::drawings {

namespace {

QPen penOf(const QPainter& painter, const LineLook& look) {
    return pen(painter, look.colour, look.points, look.style);
}

void paintGrid(QPainter& painter, const ProfileFrame& frame) {
    painter.setPen(pen(painter, kGrid, 0.5));
    for (const double tick : frame.xTicks()) {
        const double x = frame.toDevice({tick, 0}).x();
        painter.drawLine(QPointF(x, frame.area.top()), QPointF(x, frame.area.bottom()));
    }
    for (const double tick : frame.zTicks()) {
        const double y = frame.toDevice({0, tick}).y();
        painter.drawLine(QPointF(frame.area.left(), y), QPointF(frame.area.right(), y));
    }
    painter.setPen(pen(painter, kInk, 0.75));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame.area);
}

void paintTickLabels(QPainter& painter, const ProfileFrame& frame) {
    const QFontMetricsF font(painter.font(), painter.device());
    const double gap = font.height() / 2;
    painter.setPen(kInk);
    for (const double tick : frame.xTicks()) {
        const QString text = frame.x.label(tick);
        const double x = frame.toDevice({tick, 0}).x() - font.horizontalAdvance(text) / 2;
        painter.drawText(QPointF(x, frame.area.bottom() + gap / 2 + font.ascent()), text);
    }
    for (const double tick : frame.zTicks()) {
        const QString text = frame.z.label(tick);
        const double y = frame.toDevice({0, tick}).y() + (font.ascent() - font.descent()) / 2;
        painter.drawText(QPointF(frame.area.left() - gap / 2 - font.horizontalAdvance(text), y),
                         text);
    }
}

// The axis's title between "montante" at the left end and "jusante" at the right; shortened
// where the whole does not fit between them.
QString xTitle(const QFontMetricsF& font, double room) {
    const QString whole = QStringLiteral("x (m), a partir do controle");
    return font.horizontalAdvance(whole) <= room ? whole : QStringLiteral("x (m)");
}

void paintAxisTexts(QPainter& painter, const ProfileFrame& frame, const QRectF& bounds) {
    const QFontMetricsF font(painter.font(), painter.device());
    const double gap = font.height() / 2;
    painter.setPen(kInk);
    painter.drawText(QPointF(frame.area.left(), bounds.top() + gap + font.ascent()),
                     exaggerationText(frame.exaggeration));

    const double baseline = frame.area.bottom() + gap + font.height() + font.ascent();
    const QString upstream = QStringLiteral("montante");
    const QString downstream = QStringLiteral("jusante");
    painter.drawText(QPointF(frame.area.left(), baseline), upstream);
    painter.drawText(QPointF(frame.area.right() - font.horizontalAdvance(downstream), baseline),
                     downstream);
    const double ends =
        std::max(font.horizontalAdvance(upstream), font.horizontalAdvance(downstream));
    const QString title = xTitle(font, frame.area.width() - 2 * (ends + gap));
    painter.drawText(QPointF(frame.area.center().x() - font.horizontalAdvance(title) / 2, baseline),
                     title);

    // The z axis's title turned along the axis, beyond its tick labels.
    double labels = 0.0;
    for (const double tick : frame.zTicks())
        labels = std::max(labels, font.horizontalAdvance(frame.z.label(tick)));
    painter.save();
    painter.translate(frame.area.left() - gap / 2 - labels - gap - font.descent(),
                      frame.area.center().y());
    painter.rotate(-90);
    const QString zTitle = QStringLiteral("z (m)");
    painter.drawText(QPointF(-font.horizontalAdvance(zTitle) / 2, 0), zTitle);
    painter.restore();
}

// The water between the bed and its surface, as far as the profile goes.
void paintWater(QPainter& painter, const ProfileFrame& frame, const ProfileDrawing& drawing) {
    if (drawing.surface.isEmpty())
        return;
    QPolygonF water = drawing.surface;
    water << QPointF(water.last().x(), drawing.bedAt(water.last().x()))
          << QPointF(water.first().x(), drawing.bedAt(water.first().x()));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kWater);
    painter.drawPolygon(toDevice(frame, water));
    painter.setBrush(Qt::NoBrush);
}

void paintLine(QPainter& painter, const ProfileFrame& frame, const QPolygonF& metres,
               const LineLook& look) {
    painter.setPen(penOf(painter, look));
    painter.drawPolyline(toDevice(frame, metres));
}

void paintLines(QPainter& painter, const ProfileFrame& frame, const ProfileDrawing& drawing) {
    paintWater(painter, frame, drawing);
    if (drawing.top != ProfileTop::None)
        paintLine(painter, frame, drawing.levelLine(drawing.topHeight), topLook());
    paintLine(painter, frame, drawing.levelLine(drawing.criticalDepth), criticalLook());
    if (drawing.normalDepth)
        paintLine(painter, frame, drawing.levelLine(*drawing.normalDepth), normalLook());
    paintLine(painter, frame, drawing.surface, surfaceLook());
    paintLine(painter, frame, drawing.levelLine(0.0), bedLook());
}

// A marked place: a thin line up from its point to its label near the area's top.
struct Mark {
    QPointF from; // metres
    QString label;
};

QList<Mark> marksOf(const ProfileDrawing& drawing) {
    QList<Mark> marks{{QPointF(0.0, drawing.bedAt(0.0)), QStringLiteral("controle")}};
    if (drawing.jumpX) {
        double top = drawing.bedAt(*drawing.jumpX);
        for (const QPointF& point : drawing.surface) {
            if (point.x() == *drawing.jumpX)
                top = std::max(top, point.y());
        }
        marks << Mark{QPointF(*drawing.jumpX, top), QStringLiteral("ressalto")};
    }
    return marks;
}

// Each label beside its line on the side towards the middle of the area, on the first row
// where it clears the labels before it.
void paintMarks(QPainter& painter, const ProfileFrame& frame, const ProfileDrawing& drawing) {
    const QFontMetricsF font(painter.font(), painter.device());
    const double gap = font.height() / 2;
    QList<QRectF> placed;
    for (const Mark& mark : marksOf(drawing)) {
        const QPointF foot = frame.toDevice(mark.from);
        const double width = font.horizontalAdvance(mark.label);
        const bool rightOfLine = foot.x() < frame.area.center().x();
        const double left = rightOfLine ? foot.x() + gap / 2 : foot.x() - gap / 2 - width;
        QRectF box(left, frame.area.top() + gap / 2, width, font.height());
        while (std::any_of(placed.begin(), placed.end(),
                           [&](const QRectF& other) { return other.intersects(box); }))
            box.translate(0, font.height());
        placed << box;
        painter.setPen(pen(painter, kInk, 0.5));
        painter.drawLine(foot, QPointF(foot.x(), box.top()));
        painter.setPen(kInk);
        painter.drawText(QPointF(box.left(), box.top() + font.ascent()), mark.label);
    }
}

void paintLegend(QPainter& painter, const ProfileFrame& frame, const ProfileDrawing& drawing) {
    const QFontMetricsF font(painter.font(), painter.device());
    const QList<LegendEntry> entries = profileLegend(drawing);
    const LegendLayout& layout = frame.legend;
    for (qsizetype k = 0; k < entries.size() && k < layout.samples.size(); ++k) {
        const QPointF start = frame.legendAt + layout.samples[k];
        const QPointF end = start + QPointF(layout.sampleLength, 0);
        painter.setPen(penOf(painter, entries[k].look));
        painter.drawLine(start, end);
        painter.setPen(kInk);
        painter.drawText(end + QPointF(layout.textGap, (font.ascent() - font.descent()) / 2),
                         entries[k].name);
    }
}

} // namespace

void paintProfilePicture(QPainter& painter, const QRectF& bounds, const ProfileInputs& inputs,
                         const WaterProfile& profile) {
    const ProfileDrawing drawing = profileDrawing(inputs, profile);
    painter.save();
    painter.setClipRect(bounds, Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(pictureFont());
    painter.fillRect(bounds, Qt::white);
    const ProfileFrame frame =
        profileFrame(drawing, bounds, QFontMetricsF(painter.font(), painter.device()));
    paintGrid(painter, frame);
    if (frame.withTexts) {
        paintTickLabels(painter, frame);
        paintAxisTexts(painter, frame, bounds);
    }
    painter.save();
    painter.setClipRect(frame.area, Qt::IntersectClip);
    paintLines(painter, frame, drawing);
    if (frame.withTexts)
        paintMarks(painter, frame, drawing);
    painter.restore();
    if (frame.withTexts)
        paintLegend(painter, frame, drawing);
    painter.restore();
}

} // namespace vazolar::drawings
