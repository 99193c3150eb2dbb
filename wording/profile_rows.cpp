#include "profile_rows.h"

#include "number_text.h"
#include "profile_text.h"

#include <algorithm>
#include <cmath>

namespace vazolar {

namespace {

struct PointWord {
    ProfilePoint point;
    const char* word;
};

constexpr PointWord kPointWords[] = {
    {ProfilePoint::Control, "controle"}, {ProfilePoint::Station, ""},
    {ProfilePoint::Normal, "normal"},    {ProfilePoint::Jump, "ressalto"},
    {ProfilePoint::Critical, "critica"}, {ProfilePoint::Crown, "topo"},
};

QString pointWord(ProfilePoint point) {
    for (const PointWord& entry : kPointWords) {
        if (entry.point == point)
            return QString::fromLatin1(entry.word);
    }
    return QString();
}

// The crown of a pipe; none on the open shapes.
std::optional<double> crownOf(const Section& section) {
    const double deepest = deepestDepth(section);
    return std::isfinite(deepest) ? std::optional(deepest) : std::nullopt;
}

// The row of a depth at x: the bed rises upstream of the control and falls downstream.
class RowMaker {
public:
    RowMaker(const ProfileInputs& inputs, const WaterProfile& profile)
        : reach_(inputs.request.reach),
          bedSlope_(reach_.manning.slopePercent / 100 *
                    (profile.direction == Direction::Upstream ? 1.0 : -1.0)),
          top_(inputs.bankHeight ? inputs.bankHeight : crownOf(reach_.section)) {}

    ProfileRow operator()(ProfilePoint point, const ProfileStation& station) const {
        ProfileRow row{point, station, bedSlope_ * station.x, std::nullopt};
        if (top_)
            row.freeHeight = *top_ - station.depth;
        return row;
    }
    ProfileRow at(ProfilePoint point, double x, double depth) const {
        return (*this)(point, profileStationAt(reach_, x, depth));
    }
    double crown() const { return deepestDepth(reach_.section); }

private:
    const ReachFlow& reach_;
    double bedSlope_;
    std::optional<double> top_;
};

// The depth where the profile comes within 1 % of yn, on the side it comes from.
double nearNormalDepth(const WaterProfile& profile) {
    const double normal = *profile.normalDepth;
    return normal * (profile.controlDepth > normal ? 1.01 : 0.99);
}

std::vector<ProfileRow> specialRows(const RowMaker& row, const WaterProfile& profile) {
    std::vector<ProfileRow> rows;
    if (profile.normalLength)
        rows.push_back(
            row.at(ProfilePoint::Normal, *profile.normalLength, nearNormalDepth(profile)));
    if (profile.jump)
        rows.push_back(row.at(ProfilePoint::Jump, profile.jump->x, profile.jump->sequentDepth));
    if (profile.end == ProfileEnd::CriticalDepth)
        rows.push_back(row.at(ProfilePoint::Critical, profile.endX, profile.criticalDepth));
    if (profile.end == ProfileEnd::PipeCrown)
        rows.push_back(row.at(ProfilePoint::Crown, profile.endX, row.crown()));
    return rows;
}

// The point's word and the figures in the columns' widths; the class, the same on every row,
// is said above the table.
constexpr qsizetype kPointWidth = 9;
constexpr qsizetype kNumberWidth = 11;

QString tableLine(const QStringList& cells) {
    QString line = cells[1].leftJustified(kPointWidth);
    for (qsizetype k = 2; k < cells.size(); ++k)
        line += cells[k].rightJustified(kNumberWidth);
    while (line.endsWith(u' '))
        line.chop(1);
    return line;
}

} // namespace

std::vector<ProfileRow> profileRows(const ProfileInputs& inputs, const WaterProfile& profile) {
    const RowMaker row(inputs, profile);
    std::vector<ProfileRow> rows;
    rows.reserve(profile.stations.size() + 4);
    for (const ProfileStation& station : profile.stations)
        rows.push_back(row(rows.empty() ? ProfilePoint::Control : ProfilePoint::Station, station));
    // Each special point after the stations at or before its x.
    for (const ProfileRow& special : specialRows(row, profile)) {
        const auto place =
            std::upper_bound(rows.begin() + 1, rows.end(), special.station.x,
                             [](double x, const ProfileRow& other) { return x < other.station.x; });
        rows.insert(place, special);
    }
    return rows;
}

QStringList profileColumnNames() {
    return QStringList{"curva", "ponto", "x", "zf", "y", "zw", "A", "V", "Fr", "E", "Sf", "folga"};
}

QStringList profileRowCells(const WaterProfile& profile, const ProfileRow& row) {
    const ProfileStation& s = row.station;
    return {profileClassName(profile.curve),
            pointWord(row.point),
            formatQuantity(s.x),
            formatQuantity(row.bed),
            formatQuantity(s.depth),
            formatQuantity(row.bed + s.depth),
            formatQuantity(s.area),
            formatQuantity(s.velocity),
            formatQuantity(s.froude),
            formatQuantity(s.specificEnergy),
            formatQuantity(s.frictionSlope),
            row.freeHeight ? formatQuantity(*row.freeHeight) : QString()};
}

QStringList profileTableLines(const WaterProfile& profile, const std::vector<ProfileRow>& rows) {
    QStringList lines{tableLine(profileColumnNames())};
    for (const ProfileRow& row : rows)
        lines << tableLine(profileRowCells(profile, row));
    return lines;
}

} // namespace vazolar
