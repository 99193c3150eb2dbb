#include "profile_legend.h"

#include "picture_style.h"

namespace vazolar::drawings {

LineLook bedLook() {
    return {kInk, 1.5, Qt::SolidLine};
}

LineLook surfaceLook() {
    return {kWaterEdge, 1.25, Qt::SolidLine};
}

LineLook normalLook() {
    return {kMarker, 0.9, Qt::DashLine};
}

LineLook criticalLook() {
    return {kCritical, 1.1, Qt::DotLine};
}

LineLook topLook() {
    return {kBank, 0.9, Qt::DashDotLine};
}

QList<LegendEntry> profileLegend(const ProfileDrawing& drawing) {
    QList<LegendEntry> entries{{bedLook(), QStringLiteral("fundo")},
                               {surfaceLook(), QString::fromUtf8("linha d'água")}};
    if (drawing.normalDepth)
        entries << LegendEntry{normalLook(), QStringLiteral("profundidade normal")};
    entries << LegendEntry{criticalLook(), QString::fromUtf8("profundidade crítica")};
    if (drawing.top == ProfileTop::Bank)
        entries << LegendEntry{topLook(), QStringLiteral("margem")};
    if (drawing.top == ProfileTop::Crown)
        entries << LegendEntry{topLook(), QStringLiteral("geratriz superior")};
    return entries;
}

LegendLayout layOutLegend(const QList<LegendEntry>& entries, double width,
                          const QFontMetricsF& font) {
    LegendLayout layout;
    layout.sampleLength = 2.5 * font.height();
    layout.textGap = font.height() / 3;
    const double between = font.height();
    double x = 0.0;
    layout.rows = entries.isEmpty() ? 0 : 1;
    for (const LegendEntry& entry : entries) {
        const double entryWidth =
            layout.sampleLength + layout.textGap + font.horizontalAdvance(entry.name);
        if (x > 0.0 && x + entryWidth > width) {
            x = 0.0;
            ++layout.rows;
        }
        layout.samples << QPointF(x, (layout.rows - 0.5) * font.height());
        x += entryWidth + between;
    }
    return layout;
}

} // namespace vazolar::drawings
