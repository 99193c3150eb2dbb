#include "profile_frame.h"

#include "wording/number_text.h"

#include <algorithm>
#include <cmath>

namespace vazolar::drawings {

namespace {

// The room left before the control and beyond the reach's end, as a share of L.
constexpr double kReachMargin = 0.03;

// The largest of 1, 2 and 5 times a power of ten that is at most the value, and at least 1.
double roundFactorBelow(double value) {
    if (!(value > 1.0) || !std::isfinite(value))
        return 1.0;
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    for (const double mantissa : {5.0, 2.0, 1.0}) {
        if (mantissa * power <= value * (1 + 1e-12))
            return mantissa * power;
    }
    return power;
}

QList<double> multiplesWithin(const AxisScale& scale) {
    QList<double> values;
    const double first = std::ceil(scale.lower / scale.step - 1e-9);
    const double last = std::floor(scale.upper / scale.step + 1e-9);
    for (double k = first; k <= last; ++k)
        values << (k == 0.0 ? 0.0 : k * scale.step);
    return values;
}

int tickCount(double room, double each) {
    return std::clamp(int(room / std::max(each, 1.0)), 2, 8);
}

// The room around the area: the statement of the scale on top; the tick labels, the axis's
// title and the legend below; the z axis's title and tick labels on the left.
struct Margins {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;
};

Margins marginsFor(const ProfileFrame& frame, const QFontMetricsF& font, double zLabelWidth) {
    const double line = font.height();
    const double gap = line / 2;
    return {gap + line + gap + zLabelWidth + gap / 2, gap + line + gap / 2,
            gap + font.horizontalAdvance(frame.x.label(frame.x.upper)) / 2,
            gap / 2 + line + gap / 2 + line + gap + frame.legend.rows * line + gap / 2};
}

// The scales that fit the whole drawing into the area: along the reach to fill its width, up
// by the largest round factor more that fits its height; where even the same scale up would
// not fit, one scale for both and the reach narrower than the area, in its middle.
void fitScales(ProfileFrame& frame, const ProfileDrawing& drawing, double gap) {
    const double span = std::max(drawing.length * (1 + 2 * kReachMargin), 1e-9);
    const double low = drawing.lowest();
    const double extent = std::max(drawing.highest() - low, 1e-9);
    const double dataTop = frame.area.top() + frame.marksHeight;
    const double dataBottom = frame.area.bottom() - gap;
    const double dataHeight = std::max(dataBottom - dataTop, 1e-9);
    frame.scale = frame.area.width() / span;
    frame.exaggeration = roundFactorBelow(dataHeight / (frame.scale * extent));
    if (frame.scale * extent > dataHeight) {
        frame.scale = dataHeight / extent;
        const double width = span * frame.scale;
        frame.area.adjust((frame.area.width() - width) / 2, 0, -(frame.area.width() - width) / 2,
                          0);
    }
    const double up = frame.scale * frame.exaggeration;
    const double middle = (dataTop + dataBottom) / 2;
    frame.zAtBottom = (low + extent / 2) - (frame.area.bottom() - middle) / up;
    frame.xAtStart = -kReachMargin * drawing.length;
}

void setAxes(ProfileFrame& frame, const ProfileDrawing& drawing, const QFontMetricsF& font) {
    const double lengthLabel = font.horizontalAdvance(frame.x.label(drawing.length));
    frame.x = roundScale(0.0, drawing.length, tickCount(frame.area.width(), 2.5 * lengthLabel));
    frame.x.lower = 0.0;
    frame.x.upper = drawing.length;
    const double top = frame.zAtBottom + frame.area.height() / (frame.scale * frame.exaggeration);
    frame.z = roundScale(frame.zAtBottom, top, tickCount(frame.area.height(), 2.5 * font.height()));
    frame.z.lower = frame.zAtBottom;
    frame.z.upper = top;
}

// Where the area is less than this many lines high or wide, the texts are left out.
constexpr double kFewestLinesHigh = 4.0;
constexpr double kFewestLinesWide = 12.0;

bool roomForTexts(const QRectF& area, const QFontMetricsF& font) {
    return area.height() >= kFewestLinesHigh * font.height() &&
           area.width() >= kFewestLinesWide * font.height();
}

ProfileFrame frameWith(const ProfileDrawing& drawing, const QRectF& bounds,
                       const QFontMetricsF& font, double zLabelWidth) {
    const double gap = font.height() / 2;
    ProfileFrame frame;
    frame.xGrowsLeftward = drawing.xGrowsLeftward;
    frame.x = roundScale(0.0, drawing.length);
    frame.legend = layOutLegend(profileLegend(drawing), bounds.width() - 2 * gap, font);
    frame.marksHeight = (drawing.jumpX ? 2 : 1) * font.height() + gap;
    const Margins margins = marginsFor(frame, font, zLabelWidth);
    frame.area = bounds.adjusted(margins.left, margins.top, -margins.right, -margins.bottom);
    if (!roomForTexts(frame.area, font)) {
        const double edge = std::min({gap, bounds.width() / 4, bounds.height() / 4});
        frame.area = bounds.adjusted(edge, edge, -edge, -edge);
        frame.withTexts = false;
        frame.marksHeight = 0.0;
    }
    fitScales(frame, drawing, frame.withTexts ? gap : 0.0);
    setAxes(frame, drawing, font);
    frame.legendAt = QPointF(bounds.left() + gap,
                             bounds.bottom() - margins.bottom + gap / 2 + 2 * font.height() + gap);
    return frame;
}

double widestLabel(const AxisScale& scale, const QList<double>& ticks, const QFontMetricsF& font) {
    double widest = 0.0;
    for (const double tick : ticks)
        widest = std::max(widest, font.horizontalAdvance(scale.label(tick)));
    return widest;
}

} // namespace

QPointF ProfileFrame::toDevice(QPointF metres) const {
    const double along = (metres.x() - xAtStart) * scale;
    return {xGrowsLeftward ? area.right() - along : area.left() + along,
            area.bottom() - (metres.y() - zAtBottom) * scale * exaggeration};
}

QList<double> ProfileFrame::xTicks() const {
    return multiplesWithin(x);
}

QList<double> ProfileFrame::zTicks() const {
    return multiplesWithin(z);
}

ProfileFrame profileFrame(const ProfileDrawing& drawing, const QRectF& bounds,
                          const QFontMetricsF& font) {
    // The z labels' width sets the left margin, which sets the scales and so the labels.
    // Narrower labels may give other ticks with wider ones: the margin only ever grows, until
    // the labels of the frame fit the margin it was made with.
    double width = font.horizontalAdvance("-0,00");
    ProfileFrame frame = frameWith(drawing, bounds, font, width);
    for (int pass = 0; pass < 4; ++pass) {
        const double labels = widestLabel(frame.z, frame.zTicks(), font);
        if (labels <= width)
            break;
        width = labels;
        frame = frameWith(drawing, bounds, font, width);
    }
    return frame;
}

QString exaggerationText(double factor) {
    if (factor == 1.0)
        return QStringLiteral("escala vertical sem exagero");
    return QString::fromUtf8("escala vertical exagerada %1×")
        .arg(brazilianLocale().toString(factor, 'f', 0));
}

} // namespace vazolar::drawings
