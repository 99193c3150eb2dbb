#include "adopted_pictures.h"

#include "engine/adopted_section.h"
#include "engine/flow_energy.h"
#include "picture_style.h"
#include "wording/number_text.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vazolar::drawings {

namespace {

constexpr int kSamples = 160;

// How high the picture goes: the bank on the open shapes, the crown of the pipe.
double topLevel(const AdoptedResult& result) {
    if (result.bank)
        return result.bank->bankHeight;
    return std::min(deepestDepth(result.inputs.section), 2 * result.depth);
}

bool isPipe(const AdoptedResult& result) {
    return std::holds_alternative<CircleSection>(result.inputs.section);
}

// Levels from the bed to the top, closer together near both ends, where a pipe's sides turn.
QList<double> levels(double top) {
    QList<double> values;
    for (int k = 0; k <= kSamples; ++k)
        values << top * (1 - std::cos(std::numbers::pi * k / kSamples)) / 2;
    return values;
}

// At the bed itself the width of a film of water: the bottom width, or a point.
double halfWidth(const Section& section, double level) {
    return flowGeometry(section, std::max(level, 1e-12)).topWidth / 2;
}

// The section's sides from the top of one bank down to the bed and up to the other.
QPolygonF sidesUpTo(const Section& section, double top) {
    const QList<double> heights = levels(top);
    QPolygonF points;
    for (auto level = heights.crbegin(); level != heights.crend(); ++level)
        points << QPointF(-halfWidth(section, *level), *level);
    for (const double level : heights)
        points << QPointF(halfWidth(section, level), level);
    return points;
}

QString named(const char* name, double value) {
    return QStringLiteral("%1 = %2").arg(QString::fromUtf8(name), formatQuantity(value));
}

// The dimension the section is adopted by, along the bed or up the pipe.
std::optional<DimensionLine> adoptedDimension(const Section& section) {
    if (const auto* trapezoid = std::get_if<TrapezoidSection>(&section)) {
        const double half = trapezoid->bottomWidth / 2;
        return DimensionLine{
            {-half, 0}, {half, 0}, Qt::BottomEdge, 0, named("b", trapezoid->bottomWidth)};
    }
    if (const auto* rectangle = std::get_if<RectangleSection>(&section)) {
        const double half = rectangle->width / 2;
        return DimensionLine{
            {-half, 0}, {half, 0}, Qt::BottomEdge, 0, named("B", rectangle->width)};
    }
    if (const auto* circle = std::get_if<CircleSection>(&section))
        return DimensionLine{
            {0, 0}, {0, circle->diameter}, Qt::RightEdge, 0, named("D", circle->diameter)};
    return std::nullopt;
}

// Each dimension runs between points on the section's outline, on the side it is drawn on.
QList<DimensionLine> dimensionsOf(const AdoptedResult& result) {
    const Section& section = result.inputs.section;
    const double y = result.depth;
    const QPointF bedLeft(-halfWidth(section, 0), 0);
    const QPointF surfaceLeft(-halfWidth(section, y), y);
    QList<DimensionLine> dimensions;
    if (const auto adopted = adoptedDimension(section))
        dimensions << *adopted;
    dimensions << DimensionLine{
        surfaceLeft, {-surfaceLeft.x(), y}, Qt::TopEdge, 0, named("T", -2 * surfaceLeft.x())};
    dimensions << DimensionLine{bedLeft, surfaceLeft, Qt::LeftEdge, 0, named("y", y)};
    if (result.bank) {
        const double h = result.bank->bankHeight;
        const double bankHalf = halfWidth(section, h);
        dimensions << DimensionLine{
            surfaceLeft, {-bankHalf, h}, Qt::LeftEdge, 0, named("F", result.bank->freeboard)};
        dimensions << DimensionLine{
            {-bedLeft.x(), 0}, {bankHalf, h}, Qt::RightEdge, 0, named("H", h)};
    }
    return dimensions;
}

} // namespace

SectionPicture sectionPicture(const AdoptedResult& result) {
    const Section& section = result.inputs.section;
    SectionPicture picture;
    picture.closed = isPipe(result);
    picture.outline = sidesUpTo(section, picture.closed ? deepestDepth(section) : topLevel(result));
    if (picture.closed)
        picture.outline.removeLast(); // the crown is the first point again
    picture.water = sidesUpTo(section, result.depth);
    picture.criticalDepth = result.flow.criticalDepth;
    if (picture.criticalDepth)
        picture.criticalLabel = named("yc", *picture.criticalDepth);
    if (result.bank)
        picture.bankHeight = result.bank->bankHeight;
    picture.dimensions = dimensionsOf(result);
    return picture;
}

PlotPicture ratingCurve(const AdoptedResult& result) {
    const Section& section = result.inputs.section;
    const double top = isPipe(result) ? deepestDepth(section) : topLevel(result);
    Curve curve{{}, kWaterEdge, Qt::SolidLine};
    double largest = result.discharge;
    for (const double level : levels(top).mid(1)) {
        const double discharge = capacityAtDepth(section, level, result.inputs.manning).discharge;
        curve.points << QPointF(discharge, level);
        largest = std::max(largest, discharge);
    }
    PlotPicture plot;
    plot.title = QString::fromUtf8("Curva-chave");
    plot.xTitle = QString::fromUtf8("Q (m³/s)");
    plot.yTitle = QStringLiteral("y (m)");
    plot.x = roundScale(0.0, largest);
    plot.y = roundScale(0.0, top);
    plot.curves << curve;
    plot.markers << Marker{{result.discharge, result.depth}, QStringLiteral("Q; y")};
    if (result.flow.criticalDepth)
        plot.guides << GuideLine{Qt::Horizontal, *result.flow.criticalDepth, QStringLiteral("yc")};
    if (const auto pipeLargest = largestDischarge(section, result.inputs.manning))
        plot.markers << Marker{{pipeLargest->discharge, pipeLargest->depth},
                               QString::fromUtf8("Qmáx")};
    return plot;
}

PlotPicture energyCurve(const AdoptedResult& result) {
    const Section& section = result.inputs.section;
    const double top = isPipe(result) ? deepestDepth(section) : topLevel(result);
    const std::optional<double> critical = result.flow.criticalDepth;
    const double least =
        critical ? hydraulics::specificEnergyAt(section, *critical, result.discharge) : 0.0;
    const double working = hydraulics::specificEnergyAt(section, result.depth, result.discharge);
    const double widest = std::max(
        {hydraulics::specificEnergyAt(section, top, result.discharge), 2 * least, 1.25 * working});
    Curve curve{{}, kWaterEdge, Qt::SolidLine};
    for (const double level : levels(top).mid(1)) {
        const double energy = hydraulics::specificEnergyAt(section, level, result.discharge);
        if (energy <= widest * 1.5)
            curve.points << QPointF(energy, level);
    }
    PlotPicture plot;
    plot.title = QString::fromUtf8("Energia específica");
    plot.xTitle = QStringLiteral("E (m)");
    plot.yTitle = QStringLiteral("y (m)");
    plot.x = roundScale(0.0, widest);
    plot.y = roundScale(0.0, top);
    plot.curves << curve;
    const double reference = std::min(plot.x.upper, plot.y.upper);
    plot.curves << Curve{{{0, 0}, {reference, reference}}, kGrid.darker(150), Qt::DashLine};
    if (critical) {
        plot.markers << Marker{{least, *critical}, QString::fromUtf8("Emín (yc)")};
        // The other depth with the working depth's energy, within the plotted levels.
        if (const auto alternate =
                hydraulics::alternateDepth(section, result.depth, result.discharge, top))
            plot.markers << Marker{{working, *alternate}, QStringLiteral("alternada")};
    }
    plot.markers << Marker{{working, result.depth}, QStringLiteral("y")};
    return plot;
}

} // namespace vazolar::drawings
