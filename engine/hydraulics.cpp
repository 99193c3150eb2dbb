#include "hydraulics.h"

#include "circle_geometry.h"
#include "circle_normal_depth.h"
#include "critical_depth.h"

#include <cmath>
#include <numbers>

namespace vazolar::hydraulics {

namespace {

Figure positive(double value) {
    if (std::isfinite(value) && value > 0.0)
        return value;
    return std::nullopt;
}

Figure nonNegative(double value) {
    if (std::isfinite(value) && value >= 0.0)
        return value;
    return std::nullopt;
}

// The section whose flow the check describes, as the row gives it or as the circle is solved.
struct FlowSection {
    double depth = 0.0;
    double area = 0.0;
    double wettedPerimeter = 0.0;
    double topWidth = 0.0;
    double hydraulicRadius = 0.0;
    double velocity = 0.0;
};

// Critical flow of a discharge: its depth and the area and hydraulic radius there.
struct CriticalSection {
    Figure depth;
    double area = 0.0;
    double hydraulicRadius = 0.0;
};

// In the order of Regime: the regime's word and the kind of flow it names.
struct RegimeWords {
    const char* word;
    const char* flow;
};

constexpr RegimeWords kRegimeWords[] = {
    {"subcrítico", "fluvial"}, {"crítico", ""}, {"supercrítico", "torrencial"}};

std::optional<Regime> regimeOf(Figure froude) {
    if (!froude)
        return std::nullopt;
    if (*froude < 1.0)
        return Regime::Subcritical;
    if (*froude > 1.0)
        return Regime::Supercritical;
    return Regime::Critical;
}

void fillFlow(HydraulicCheck& check, const FlowSection& section, double slopePercent) {
    check.depth = positive(section.depth);
    check.area = positive(section.area);
    check.wettedPerimeter = positive(section.wettedPerimeter);
    check.topWidth = positive(section.topWidth);
    check.hydraulicRadius = positive(section.hydraulicRadius);
    // A negative roughness gives a negative velocity: no flow to describe.
    check.velocity = nonNegative(section.velocity);
    if (check.area && check.topWidth)
        check.hydraulicDepth = positive(*check.area / *check.topWidth);
    if (check.velocity && check.hydraulicDepth)
        check.froude = nonNegative(*check.velocity / std::sqrt(kGravity * *check.hydraulicDepth));
    check.regime = regimeOf(check.froude);
    if (check.depth && check.velocity)
        check.specificEnergy =
            positive(*check.depth + *check.velocity * *check.velocity / (2 * kGravity));
    if (check.hydraulicRadius && std::isfinite(slopePercent) && slopePercent >= 0.0)
        check.bedShear = nonNegative(kWaterWeight * *check.hydraulicRadius * slopePercent / 100);
}

// Ic = 100 (n Q / (Ac Rc^(2/3)))², through logarithms so that no factor overflows alone.
Figure criticalSlope(double discharge, double roughness, const CriticalSection& critical) {
    if (!positive(roughness) || !positive(critical.area) || !positive(critical.hydraulicRadius))
        return std::nullopt;
    const double logRoot = std::log(roughness) + std::log(discharge) - std::log(critical.area) -
                           2 * std::log(critical.hydraulicRadius) / 3;
    return positive(std::exp(std::log(100.0) + 2 * logRoot));
}

void fillCritical(HydraulicCheck& check, const CriticalSection& critical, double discharge,
                  double roughness) {
    if (!critical.depth || !positive(critical.area))
        return;
    check.criticalDepth = critical.depth;
    check.criticalVelocity = positive(discharge / critical.area);
    check.criticalSlope = criticalSlope(discharge, roughness, critical);
}

CriticalSection criticalSection(Figure depth, double area, double perimeter) {
    if (!depth)
        return {};
    return {depth, area, area / perimeter};
}

// The row's own section at its depth y.
FlowSection rowSection(const SectionQuantities& row) {
    return {row.depth,           row.area,    row.wettedPerimeter, row.topWidth,
            row.hydraulicRadius, row.velocity};
}

HydraulicCheck checkTrapezoid(const RunInputs& run, const SectionQuantities& row) {
    HydraulicCheck check;
    fillFlow(check, rowSection(row), run.constants.slopePercent);
    const double b = row.bottomWidth;
    const double z = run.constants.sideSlope;
    const Figure yc = trapezoidalCriticalDepth(row.discharge, b, z);
    const double y = yc.value_or(0.0);
    const CriticalSection critical =
        criticalSection(yc, (b + z * y) * y, b + 2 * y * std::sqrt(1 + z * z));
    fillCritical(check, critical, row.discharge, run.constants.roughness);
    return check;
}

HydraulicCheck checkRectangle(const RunInputs& run, const SectionQuantities& row) {
    HydraulicCheck check;
    fillFlow(check, rowSection(row), run.constants.slopePercent);
    const double width = row.topWidth;
    const Figure yc = rectangularCriticalDepth(row.discharge, width);
    const double y = yc.value_or(0.0);
    fillCritical(check, criticalSection(yc, width * y, width + 2 * y), row.discharge,
                 run.constants.roughness);
    return check;
}

// The triangle's sides slope 1:1.
HydraulicCheck checkTriangle(const RunInputs& run, const SectionQuantities& row) {
    HydraulicCheck check;
    fillFlow(check, rowSection(row), run.constants.slopePercent);
    const Figure yc = triangularCriticalDepth(row.discharge, 1.0);
    const double y = yc.value_or(0.0);
    fillCritical(check, criticalSection(yc, y * y, 2 * std::numbers::sqrt2 * y), row.discharge,
                 run.constants.roughness);
    return check;
}

FlowSection circleSection(double diameter, double depth, double discharge) {
    const CircleFilling filling = circleFilling(diameter, std::log(depth / diameter));
    FlowSection section;
    section.depth = depth;
    section.area = std::exp(filling.logArea);
    section.wettedPerimeter = std::exp(filling.logPerimeter);
    section.topWidth = std::exp(filling.logTopWidth);
    section.hydraulicRadius = std::exp(filling.logArea - filling.logPerimeter);
    section.velocity = discharge / section.area;
    return section;
}

// Row columns: D, Am, RH, Q, V. The row's 0,746 D² and 0,286 D stand for no single depth, so
// the flow is read at the exact normal depth of a circle of the row's D.
HydraulicCheck checkCircle(const RunInputs& run, const SectionQuantities& row) {
    HydraulicCheck check;
    const double diameter = row.diameter;
    const double discharge = run.designDischarge;
    const auto& c = run.constants;
    if (const auto yn = circularNormalDepth(discharge, diameter, c.slopePercent, c.roughness)) {
        fillFlow(check, circleSection(diameter, *yn, discharge), c.slopePercent);
        check.depthRatio = positive(*yn / diameter);
    }
    if (const auto yc = circularCriticalDepth(discharge, diameter)) {
        const FlowSection atCritical = circleSection(diameter, *yc, discharge);
        const CriticalSection critical{yc, atCritical.area, atCritical.hydraulicRadius};
        fillCritical(check, critical, discharge, c.roughness);
    }
    return check;
}

} // namespace

HydraulicCheck checkTrial(const RunInputs& run, const SectionQuantities& trial) noexcept {
    switch (run.shape) {
    case Shape::Trapezoidal:
        return checkTrapezoid(run, trial);
    case Shape::Rectangular:
        return checkRectangle(run, trial);
    case Shape::Triangular:
        return checkTriangle(run, trial);
    case Shape::Circular:
        return checkCircle(run, trial);
    }
    Q_UNREACHABLE();
    return {};
}

QString regimeWord(Regime regime) {
    return QString::fromUtf8(kRegimeWords[static_cast<int>(regime)].word);
}

QString regimeText(Regime regime) {
    const RegimeWords& words = kRegimeWords[static_cast<int>(regime)];
    if (*words.flow == '\0')
        return QString::fromUtf8(words.word);
    return QStringLiteral("%1 (%2)").arg(QString::fromUtf8(words.word),
                                         QString::fromUtf8(words.flow));
}

} // namespace vazolar::hydraulics
