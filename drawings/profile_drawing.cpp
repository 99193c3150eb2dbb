#include "profile_drawing.h"

#include "wording/profile_rows.h"

#include <algorithm>

namespace vazolar::drawings {

namespace {

// The surface through the rows; after the jump's row (at y2) the water drops to yn at the same
// x, and goes on there.
QPolygonF surfaceOf(const std::vector<ProfileRow>& rows, const WaterProfile& profile) {
    QPolygonF surface;
    for (const ProfileRow& row : rows) {
        surface << QPointF(row.station.x, row.bed + row.station.depth);
        if (row.point == ProfilePoint::Jump && profile.jump)
            surface << QPointF(row.station.x, row.bed + profile.jump->upstreamDepth);
    }
    return surface;
}

void setTop(ProfileDrawing& drawing, const ProfileInputs& inputs) {
    if (const auto* circle = std::get_if<CircleSection>(&inputs.request.reach.section)) {
        drawing.top = ProfileTop::Crown;
        drawing.topHeight = circle->diameter;
    } else if (inputs.bankHeight) {
        drawing.top = ProfileTop::Bank;
        drawing.topHeight = *inputs.bankHeight;
    }
}

// The depths of the lines parallel to the bed.
std::vector<double> levelDepths(const ProfileDrawing& drawing) {
    std::vector<double> depths{0.0, drawing.criticalDepth};
    if (drawing.normalDepth)
        depths.push_back(*drawing.normalDepth);
    if (drawing.top != ProfileTop::None)
        depths.push_back(drawing.topHeight);
    return depths;
}

} // namespace

QPolygonF ProfileDrawing::levelLine(double depth) const {
    return QPolygonF{QPointF(0.0, bedAt(0.0) + depth), QPointF(length, bedAt(length) + depth)};
}

double ProfileDrawing::lowest() const {
    return std::min(bedAt(0.0), bedAt(length)); // the water and the levels stand above the bed
}

double ProfileDrawing::highest() const {
    double high = bedAt(0.0);
    for (const double depth : levelDepths(*this))
        high = std::max({high, bedAt(0.0) + depth, bedAt(length) + depth});
    for (const QPointF& point : surface)
        high = std::max(high, point.y());
    return high;
}

ProfileDrawing profileDrawing(const ProfileInputs& inputs, const WaterProfile& profile) {
    ProfileDrawing drawing;
    const std::vector<ProfileRow> rows = profileRows(inputs, profile);
    drawing.length = inputs.request.length;
    drawing.xGrowsLeftward = profile.direction == Direction::Upstream;
    drawing.bedSlope =
        inputs.request.reach.manning.slopePercent / 100 * (drawing.xGrowsLeftward ? 1.0 : -1.0);
    drawing.surface = surfaceOf(rows, profile);
    drawing.normalDepth = profile.normalDepth;
    drawing.criticalDepth = profile.criticalDepth;
    setTop(drawing, inputs);
    if (profile.jump)
        drawing.jumpX = profile.jump->x;
    return drawing;
}

} // namespace vazolar::drawings
