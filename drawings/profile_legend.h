#pragma once

#include "profile_drawing.h"

#include <QColor>
#include <QFontMetricsF>
#include <QList>
#include <QPointF>
#include <QString>

// How each line of the longitudinal profile is drawn, and the legend that names them.
namespace vazolar::drawings {

struct LineLook {
    QColor colour;
    double points = 1.0; // the pen's width
    Qt::PenStyle style = Qt::SolidLine;
};

LineLook bedLook();
LineLook surfaceLook();
LineLook normalLook();
LineLook criticalLook();
LineLook topLook();

struct LegendEntry {
    LineLook look;
    QString name;
};

// "fundo", "linha d'água", "profundidade normal" (where there is one), "profundidade crítica",
// and "margem" or "geratriz superior" where the reach has one.
QList<LegendEntry> profileLegend(const ProfileDrawing& drawing);

// The entries side by side in rows no wider than the width, a row full going on to the next:
// where each entry's sample line starts, on the middle of its row, from the legend's top left.
struct LegendLayout {
    QList<QPointF> samples;
    int rows = 0;
    double sampleLength = 0.0;
    double textGap = 0.0; // from a sample's end to its name
};

LegendLayout layOutLegend(const QList<LegendEntry>& entries, double width,
                          const QFontMetricsF& font);

} // namespace vazolar::drawings
