#pragma once

#include "axis_scale.h"
#include "profile_drawing.h"
#include "profile_legend.h"

#include <QFontMetricsF>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

// Where the longitudinal profile lies in a device rectangle, and its two scales: one along the
// reach, the vertical one a round factor larger, the largest that lets the whole profile fit.
namespace vazolar::drawings {

struct ProfileFrame {
    QRectF area;               // inside the axes
    double scale = 1.0;        // device pixels per metre along the reach
    double exaggeration = 1.0; // the vertical scale over the horizontal one: 1, 2, 5, 10, 20, …
    double xAtStart = 0.0;     // x at the area's edge on the control's side, a little before it
    bool xGrowsLeftward = false;
    double zAtBottom = 0.0;   // z at the area's foot
    AxisScale x;              // the reach, 0 to L, with its round step
    AxisScale z;              // the area's height in z, with its round step
    double marksHeight = 0.0; // room at the area's top for the labels of the control and jump
    bool withTexts = true;    // false where the rectangle is too small for any text: lines only
    LegendLayout legend;
    QPointF legendAt; // the legend's top left corner

    QPointF toDevice(QPointF metres) const;
    // The multiples of each axis's step inside it.
    QList<double> xTicks() const;
    QList<double> zTicks() const;
};

// A rectangle too small to hold the texts around a readable area gets the lines alone.
ProfileFrame profileFrame(const ProfileDrawing& drawing, const QRectF& bounds,
                          const QFontMetricsF& font);

// "escala vertical exagerada 50×"; "escala vertical sem exagero" at 1.
QString exaggerationText(double factor);

} // namespace vazolar::drawings
