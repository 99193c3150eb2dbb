#pragma once

#include "plot_picture.h"

class QPainter;

namespace vazolar::drawings {

// Paints the plot into the rectangle, in vectors: white ground, grid on the ticks, tick
// labels with the decimal comma, axis titles, curves, guide lines and markers.
void paintPlot(QPainter& painter, const QRectF& bounds, const PlotPicture& picture);

} // namespace vazolar::drawings
