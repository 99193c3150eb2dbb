#pragma once

#include "axis_scale.h"

#include <QColor>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

class QFontMetricsF;

namespace vazolar::drawings {

// A curve of a plot, in the plot's own quantities.
struct Curve {
    QList<QPointF> points;
    QColor colour;
    Qt::PenStyle style = Qt::SolidLine;
};

// A marked point, drawn as a ring with its label beside it.
struct Marker {
    QPointF at;
    QString label;
};

// A line across the whole plot at one value of x (vertical) or of y (horizontal), labelled at
// its end.
struct GuideLine {
    Qt::Orientation orientation = Qt::Horizontal;
    double value = 0.0;
    QString label;
};

// A plot of curves against two axes that start and end on round numbers.
struct PlotPicture {
    QString title;
    QString xTitle; // the quantity and its unit, as "Q (m³/s)"
    QString yTitle;
    AxisScale x;
    AxisScale y;
    QList<Curve> curves;
    QList<GuideLine> guides;
    QList<Marker> markers;
};

// Where the plot's data area lies in a device rectangle, leaving room for the title, the tick
// labels and the axis titles, and how a point of the plot maps into it.
struct PlotFrame {
    QRectF area;
    AxisScale x;
    AxisScale y;

    QPointF toDevice(QPointF point) const;
};

PlotFrame plotFrame(const PlotPicture& picture, const QRectF& bounds, const QFontMetricsF& font);

} // namespace vazolar::drawings
