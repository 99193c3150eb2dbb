#include "engine/area_moment.h"
#include "engine/flow_at_depth.h"
#include "engine/flow_energy.h"
#include "engine/hydraulics.h"
#include "engine/profile_bank.h"
#include "engine/sections.h"
#include "engine/sequent_depth.h"
#include "engine/water_profile.h"
#include "test_registry.h"

#include <QList>
#include <QPointF>
#include <QTest>

#include <cmath>

using namespace vazolar;
using namespace vazolar::hydraulics;

Q_DECLARE_METATYPE(vazolar::Section)
Q_DECLARE_METATYPE(vazolar::ProfileClass)
Q_DECLARE_METATYPE(vazolar::ProfileEnd)
Q_DECLARE_METATYPE(vazolar::JumpPlace)
Q_DECLARE_METATYPE(vazolar::ProfileFault)
Q_DECLARE_METATYPE(vazolar::Direction)
Q_DECLARE_METATYPE(vazolar::ProfileZone)
Q_DECLARE_METATYPE(vazolar::ProfileRequest)

namespace {

constexpr double kCritica = -1.0; // a control at yc in the tables below
constexpr double kFoot = 0.3048;  // m

const Section kTrapezoid = TrapezoidSection{0.70, sideSlopeFromAngle(30.0)};

ProfileRequest requestOf(const Section& section, double slopePercent, double roughness,
                         double discharge, double control, double length, double step) {
    ProfileRequest request{{section, discharge, {slopePercent, roughness}}, {}, length, step};
    if (control != kCritica)
        request.controlDepth = control;
    return request;
}

WaterProfile profileOf(const ProfileRequest& request) {
    const ProfileOutcome outcome = computeWaterProfile(request);
    if (const auto* fault = std::get_if<ProfileFault>(&outcome))
        qFatal("no profile: fault %d", static_cast<int>(*fault));
    return std::get<WaterProfile>(outcome);
}

double depthAt(const WaterProfile& profile, double x) {
    for (const ProfileStation& station : profile.stations)
        if (std::abs(station.x - x) < 1e-9)
            return station.depth;
    return std::nan("");
}

// One section of each shape with yn and yc apart, for the identities; Q 0,5 m³/s, n 0,015.
struct Case {
    const char* name;
    Section section;
    double mildSlope;  // I (%) giving an M profile
    double steepSlope; // I (%) giving an S profile
};
const Case kCases[] = {
    {"trapezoid", kTrapezoid, 0.1, 2.0},
    {"wide trapezoid", TrapezoidSection{2.5, 1.5}, 0.05, 3.0},
    {"rectangle", RectangleSection{1.10}, 0.1, 2.0},
    {"narrow rectangle", RectangleSection{0.40}, 0.2, 4.0},
    {"triangle", TriangleSection{}, 0.1, 2.0},
    {"pipe", CircleSection{0.90}, 0.1, 2.0},
    {"large pipe", CircleSection{1.50}, 0.05, 1.5},
};
constexpr double kDischarge = 0.5;
constexpr double kRoughness = 0.015;

} // namespace

class WaterProfileTest : public QObject {
    Q_OBJECT

private slots:
    // The figures of the trapezoid b 0,70 m, sides at 30°, n 0,015, Q 0,5 m³/s and the
    // rectangle B 1,10 m of the program's worked cases, at 4 decimals.
    void referenceProfiles_data() {
        QTest::addColumn<Section>("section");
        QTest::addColumn<double>("slope");
        QTest::addColumn<double>("control");
        QTest::addColumn<double>("length");
        QTest::addColumn<double>("step");
        QTest::addColumn<ProfileClass>("curve");
        QTest::addColumn<Direction>("direction");
        QTest::addColumn<QList<QPointF>>("depths");
        QTest::addColumn<double>("normalLength"); // 0: none
        QTest::addColumn<ProfileEnd>("end");
        QTest::addColumn<double>("endX");
        const auto up = Direction::Upstream;
        const auto down = Direction::Downstream;
        QTest::newRow("M1") << kTrapezoid << 0.1 << 1.00 << 2000.0 << 200.0
                            << ProfileClass{SlopeKind::Mild, ProfileZone::One} << up
                            << QList<QPointF>{{0, 1.0},      {200, 0.8259}, {400, 0.6813},
                                              {600, 0.5906}, {800, 0.5553}, {1000, 0.5463},
                                              {2000, 0.5439}}
                            << 895.16 << ProfileEnd::ReachEnd << 2000.0;
        QTest::newRow("M2") << kTrapezoid << 0.1 << kCritica << 500.0 << 50.0
                            << ProfileClass{SlopeKind::Mild, ProfileZone::Two} << up
                            << QList<QPointF>{{0, 0.3383},
                                              {50, 0.4766},
                                              {100, 0.5056},
                                              {250, 0.5342},
                                              {500, 0.5427}}
                            << 319.04 << ProfileEnd::ReachEnd << 500.0;
        QTest::newRow("S2") << kTrapezoid << 2.0 << kCritica << 50.0 << 5.0
                            << ProfileClass{SlopeKind::Steep, ProfileZone::Two} << down
                            << QList<QPointF>{{5, 0.2560}, {10, 0.2403}, {50, 0.2242}} << 27.74
                            << ProfileEnd::ReachEnd << 50.0;
        QTest::newRow("H3") << Section{RectangleSection{1.10}} << 0.0 << 0.10 << 100.0 << 10.0
                            << ProfileClass{SlopeKind::Horizontal, ProfileZone::Three} << down
                            << QList<QPointF>{{0, 0.10}} << 0.0 << ProfileEnd::CriticalDepth
                            << 18.805;
    }

    void referenceProfiles() {
        QFETCH(Section, section);
        QFETCH(double, slope);
        QFETCH(double, control);
        QFETCH(double, length);
        QFETCH(double, step);
        QFETCH(ProfileClass, curve);
        QFETCH(Direction, direction);
        QFETCH(QList<QPointF>, depths);
        QFETCH(double, normalLength);
        QFETCH(ProfileEnd, end);
        QFETCH(double, endX);
        const WaterProfile profile =
            profileOf(requestOf(section, slope, kRoughness, kDischarge, control, length, step));
        QVERIFY(profile.curve == curve);
        QCOMPARE(profile.direction, direction);
        for (const QPointF& expected : depths)
            QVERIFY2(std::abs(depthAt(profile, expected.x()) - expected.y()) <= 0.5e-4,
                     qPrintable(QString::number(depthAt(profile, expected.x()), 'f', 6)));
        QCOMPARE(profile.normalLength.has_value(), normalLength > 0);
        if (normalLength > 0)
            QVERIFY(std::abs(*profile.normalLength - normalLength) <= 0.005);
        QCOMPARE(profile.end, end);
        QVERIFY2(std::abs(profile.endX - endX) <= 0.5e-3,
                 qPrintable(QString::number(profile.endX)));
        QVERIFY(profile.stations.back().x <= profile.endX);
    }

    // Published profiles, as distances between two depths of the converged solution.
    void publishedDistances_data() {
        QTest::addColumn<Section>("section");
        QTest::addColumn<double>("slope");
        QTest::addColumn<double>("roughness");
        QTest::addColumn<double>("discharge");
        QTest::addColumn<double>("from");
        QTest::addColumn<double>("to");
        QTest::addColumn<double>("distance");
        QTest::addColumn<double>("tolerance");
        // Koutitas, Elements of Computational Hydraulics (1983), p. 85: 8 m at a weir, M1
        // (yn 4,988 m); the converged profile, not the book's coarse 31-step table.
        const Section koutitas = RectangleSection{5.0};
        QTest::newRow("Koutitas 7,0 m")
            << koutitas << 0.1 << 0.020 << 55.4 << 8.0 << 7.0 << 1568.8 << 0.1;
        QTest::newRow("Koutitas 6,0 m")
            << koutitas << 0.1 << 0.020 << 55.4 << 8.0 << 6.0 << 3640.8 << 0.1;
        QTest::newRow("Koutitas 5,5 m")
            << koutitas << 0.1 << 0.020 << 55.4 << 8.0 << 5.5 << 5288.6 << 0.1;
        // The direct_step example of the R package hydraulics: 6 ft wide, n 0,013, S0 0,0015,
        // 140 ft³/s, M2 from 3,1 ft to 3,4 ft upstream: 236,1 ft converged (g 9,81 m/s²).
        QTest::newRow("hydraulics direct_step")
            << Section{RectangleSection{6 * kFoot}} << 0.15 << 0.013 << 140 * kFoot * kFoot * kFoot
            << 3.1 * kFoot << 3.4 * kFoot << 236.1 * kFoot << 0.05 * kFoot;
    }

    void publishedDistances() {
        QFETCH(Section, section);
        QFETCH(double, slope);
        QFETCH(double, roughness);
        QFETCH(double, discharge);
        QFETCH(double, from);
        QFETCH(double, to);
        QFETCH(double, distance);
        QFETCH(double, tolerance);
        const ReachFlow reach{section, discharge, {slope, roughness}};
        const std::optional<double> normal = normalDepth(section, discharge, reach.manning);
        const std::optional<double> x =
            distanceBetweenDepths(reach, Direction::Upstream, from, to, normal);
        QVERIFY(x.has_value());
        QVERIFY2(std::abs(*x - distance) <= tolerance, qPrintable(QString::number(*x, 'f', 3)));
    }

    // The same R example by its own direct step, 3,1 → 3,25 → 3,4 ft, each step over the mean
    // of the two friction slopes, with its g of 32,2 ft/s²: −85,6 and −230 ft, printed to three
    // figures, so to within half their last digit. This checks the friction slope and the
    // reading of the case in metres.
    void directStepOfThePublishedExample() {
        const ReachFlow reach{
            RectangleSection{6 * kFoot}, 140 * kFoot * kFoot * kFoot, {0.15, 0.013}};
        const double gravity = 32.2 * kFoot;
        const auto energy = [&](double depth) {
            const double velocity = reach.discharge / (6 * kFoot * depth);
            return depth + velocity * velocity / (2 * gravity);
        };
        double x = 0.0;
        QList<double> distances;
        for (const double step : {3.1, 3.25}) {
            const double lower = step * kFoot;
            const double upper = (step + 0.15) * kFoot;
            const double meanFriction =
                (frictionSlope(reach, lower) + frictionSlope(reach, upper)) / 2;
            x += (energy(upper) - energy(lower)) / (0.0015 - meanFriction);
            distances.append(x / kFoot);
        }
        QVERIFY2(std::abs(distances[0] + 85.6) <= 0.05, qPrintable(QString::number(distances[0])));
        QVERIFY2(std::abs(distances[1] + 230.0) <= 0.5, qPrintable(QString::number(distances[1])));
    }

    // Jaeger (1957), the gate case: horizontal, q = 1 m²/s, n 0,010, 0,10 m at the gate (H3):
    // 0,3505 m at 80 m, critical depth 0,467 m at about 92,7 m.
    void jaegerGate() {
        const WaterProfile profile =
            profileOf(requestOf(RectangleSection{1.0}, 0.0, 0.010, 1.0, 0.10, 100, 10));
        QVERIFY(profile.curve == (ProfileClass{SlopeKind::Horizontal, ProfileZone::Three}));
        QVERIFY(std::abs(depthAt(profile, 80) - 0.3505) <= 0.5e-4);
        QVERIFY(std::abs(profile.criticalDepth - 0.467) <= 0.5e-3);
        QCOMPARE(profile.end, ProfileEnd::CriticalDepth);
        QVERIFY2(std::abs(profile.endX - 92.7) <= 0.05, qPrintable(QString::number(profile.endX)));
        QVERIFY(std::isnan(depthAt(profile, 100)));
    }

    // The trapezoid on 2 % under 0,60 m: the jump stands 4,9036 m upstream of the control,
    // y1 0,2240 and y2 0,4821; under 0,45 m it cannot stand in the reach, and a reach shorter
    // than 4,9 m is filled by the S1 curve.
    void steepReachJump_data() {
        QTest::addColumn<double>("control");
        QTest::addColumn<double>("length");
        QTest::addColumn<JumpPlace>("place");
        QTest::addColumn<double>("depthAtFive"); // the station at x = 5 m
        QTest::newRow("in the reach") << 0.60 << 100.0 << JumpPlace::InReach << 0.2240;
        QTest::newRow("below the sequent depth")
            << 0.45 << 100.0 << JumpPlace::DownstreamOfControl << 0.2240;
        QTest::newRow("beyond the reach") << 0.60 << 4.5 << JumpPlace::BeyondReach << std::nan("");
    }

    void steepReachJump() {
        QFETCH(double, control);
        QFETCH(double, length);
        QFETCH(JumpPlace, place);
        QFETCH(double, depthAtFive);
        const WaterProfile profile = profileOf(requestOf(
            kTrapezoid, 2.0, kRoughness, kDischarge, control, length, 5.0 < length ? 5.0 : 0.5));
        QVERIFY(profile.curve == (ProfileClass{SlopeKind::Steep, ProfileZone::One}));
        QCOMPARE(profile.jumpPlace, place);
        QCOMPARE(profile.jump.has_value(), place == JumpPlace::InReach);
        if (!std::isnan(depthAtFive))
            QVERIFY(std::abs(depthAt(profile, 5) - depthAtFive) <= 0.5e-4);
        QCOMPARE(profile.stations.back().x, length);
        if (!profile.jump)
            return;
        QVERIFY(std::abs(profile.jump->x - 4.9036) <= 0.5e-4);
        QVERIFY(std::abs(profile.jump->upstreamDepth - 0.2240) <= 0.5e-4);
        QVERIFY(std::abs(profile.jump->sequentDepth - 0.4821) <= 0.5e-4);
        const double lost = specificEnergyAt(kTrapezoid, 0.2240, kDischarge) -
                            specificEnergyAt(kTrapezoid, 0.4821, kDischarge);
        QVERIFY(std::abs(profile.jump->energyLost - lost) <= 1e-3);
    }

    // Bélanger: y2 = y1/2 (√(1 + 8 Fr1²) − 1) in a rectangle, both ways across yc.
    void belangerSequentDepth_data() {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("discharge");
        QTest::addColumn<double>("depth");
        QTest::newRow("B 1,10, 0,10 m") << 1.10 << 0.5 << 0.10;
        QTest::newRow("B 1,10, 0,25 m") << 1.10 << 0.5 << 0.25;
        QTest::newRow("B 5, strong jump") << 5.0 << 30.0 << 0.30;
        QTest::newRow("B 0,4, weak jump") << 0.40 << 0.2 << 0.28;
    }

    void belangerSequentDepth() {
        QFETCH(double, width);
        QFETCH(double, discharge);
        QFETCH(double, depth);
        const Section section = RectangleSection{width};
        const double velocity = discharge / (width * depth);
        const double froude2 = velocity * velocity / (kGravity * depth);
        const double belanger = depth / 2 * (std::sqrt(1 + 8 * froude2) - 1);
        const std::optional<double> sequent = sequentDepth(section, discharge, depth);
        QVERIFY(sequent.has_value());
        QVERIFY(std::abs(*sequent - belanger) <= 1e-9 * belanger);
        QVERIFY(std::abs(sequentDepth(section, discharge, belanger).value() - depth) <=
                1e-9 * depth);
    }

    // A·ȳ = ∫₀^y T(η) (y − η) dη, with T from the section model, by Simpson's rule.
    void firstMomentIsTheIntegralOfTheWidths_data() {
        QTest::addColumn<Section>("section");
        QTest::addColumn<double>("depth");
        QTest::addColumn<double>("tolerance"); // the rule's own error on a pipe's round walls
        QTest::newRow("trapezoid") << kTrapezoid << 0.54 << 1e-9;
        QTest::newRow("rectangle") << Section{RectangleSection{1.10}} << 0.52 << 1e-9;
        QTest::newRow("triangle") << Section{TriangleSection{2.0}} << 0.35 << 1e-9;
        QTest::newRow("pipe, low") << Section{CircleSection{0.90}} << 0.12 << 1e-6;
        QTest::newRow("pipe, high") << Section{CircleSection{0.90}} << 0.81 << 1e-6;
        QTest::newRow("pipe, full") << Section{CircleSection{0.90}} << 0.90 << 1e-6;
    }

    void firstMomentIsTheIntegralOfTheWidths() {
        QFETCH(Section, section);
        QFETCH(double, depth);
        QFETCH(double, tolerance);
        const int panels = 20000;
        const double h = depth / panels;
        double sum = 0.0;
        for (int k = 0; k <= panels; ++k) {
            const double level = std::max(k * h, 1e-12);
            const double weight = k == 0 || k == panels ? 1 : (k % 2 ? 4 : 2);
            sum +=
                weight * flowGeometry(section, std::min(level, depth)).topWidth * (depth - level);
        }
        const double integral = sum * h / 3;
        QVERIFY2(std::abs(firstMomentOfArea(section, depth) - integral) <= tolerance * integral,
                 qPrintable(QString::number(firstMomentOfArea(section, depth) / integral - 1)));
    }

    // Over each shape: the depths do not depend on the step; a profile leaving yn moves
    // monotonically towards it (M1, M2, S2, S3), and one starting at yn stays there; a jump
    // conserves the momentum function.
    void identities_data() {
        QTest::addColumn<Section>("section");
        QTest::addColumn<double>("slope");
        QTest::addColumn<double>("controlOverNormal"); // y0 / yn; 0: at yc
        QTest::addColumn<ProfileZone>("zone");
        for (const Case& c : kCases) {
            // y0 / yn, kept below a pipe's crown.
            const auto row = [&](const char* curve, double slope, double ratio, ProfileZone zone) {
                const double normal =
                    normalDepth(c.section, kDischarge, {slope, kRoughness}).value();
                const double below = std::min(ratio, 0.98 * deepestDepth(c.section) / normal);
                QTest::addRow("%s %s", c.name, curve) << c.section << slope << below << zone;
            };
            row("M1", c.mildSlope, 1.6, ProfileZone::One);
            row("M2", c.mildSlope, 0.0, ProfileZone::Two);
            row("M at yn", c.mildSlope, 1.0, ProfileZone::One);
            row("S2", c.steepSlope, 0.0, ProfileZone::Two);
            row("S3", c.steepSlope, 0.6, ProfileZone::Three);
            row("S at yn", c.steepSlope, 1.0, ProfileZone::Two);
            row("S1 with a jump", c.steepSlope, 3.5, ProfileZone::One);
        }
    }

    void identities() {
        QFETCH(Section, section);
        QFETCH(double, slope);
        QFETCH(double, controlOverNormal);
        QFETCH(ProfileZone, zone);
        const double normal = normalDepth(section, kDischarge, {slope, kRoughness}).value();
        const double control = controlOverNormal > 0 ? controlOverNormal * normal : kCritica;
        const double critical = criticalDepth(section, kDischarge).value();
        const double length = 10 * std::max(normal, critical) / (slope / 100);
        const double step = length / 20;
        const auto request = [&](double dx) {
            return requestOf(section, slope, kRoughness, kDischarge, control, length, dx);
        };
        const WaterProfile profile = profileOf(request(step));
        const WaterProfile halved = profileOf(request(step / 2));
        if (controlOverNormal != 1.0)
            QCOMPARE(profile.curve.zone, zone);
        for (const ProfileStation& station : profile.stations)
            QVERIFY(std::abs(depthAt(halved, station.x) - station.depth) <= 1e-7);
        QCOMPARE(profile.jump.has_value(), zone == ProfileZone::One && slope > 1.0);
        if (profile.jump) {
            const double before =
                momentumFunction(section, kDischarge, profile.jump->upstreamDepth);
            const double after = momentumFunction(section, kDischarge, profile.jump->sequentDepth);
            QVERIFY(std::abs(after - before) <= 1e-9 * before);
            return;
        }
        double gap = std::abs(profile.stations.front().depth - normal);
        for (const ProfileStation& station : profile.stations) {
            const double next = std::abs(station.depth - normal);
            QVERIFY(next <= gap + 1e-9);
            gap = next;
        }
        QVERIFY2(gap <= (controlOverNormal == 1.0 ? 1e-7 : 0.01) * normal,
                 qPrintable(QString::number(gap / normal)));
        if (profile.end == ProfileEnd::ReachEnd && controlOverNormal != 1.0)
            QVERIFY(profile.normalLength.has_value() && *profile.normalLength < length);
    }

    // H2 and A2 rise without end upstream; a pipe's stops where it reaches the crown.
    void horizontalAndAdverseRiseUpstream_data() {
        QTest::addColumn<Section>("section");
        QTest::addColumn<double>("slope");
        for (const Case& c : kCases) {
            QTest::addRow("%s H2", c.name) << c.section << 0.0;
            QTest::addRow("%s A2", c.name) << c.section << -0.5;
        }
    }

    void horizontalAndAdverseRiseUpstream() {
        QFETCH(Section, section);
        QFETCH(double, slope);
        const double critical = criticalDepth(section, kDischarge).value();
        const WaterProfile profile = profileOf(
            requestOf(section, slope, kRoughness, kDischarge, 1.05 * critical, 2000, 100));
        QCOMPARE(profile.curve.zone, ProfileZone::Two);
        QCOMPARE(profile.direction, Direction::Upstream);
        QVERIFY(!profile.normalDepth);
        for (std::size_t k = 1; k < profile.stations.size(); ++k)
            QVERIFY(profile.stations[k].depth > profile.stations[k - 1].depth);
        const bool pipe = std::holds_alternative<CircleSection>(section);
        QCOMPARE(profile.end == ProfileEnd::PipeCrown, pipe && profile.endX < 2000);
        QVERIFY(profile.end != ProfileEnd::CriticalDepth);
        QVERIFY(profile.stations.back().depth <= deepestDepth(section));
    }

    // 0,5 m³/s in a 0,90 m pipe on 0,1 % is more than it carries full: from the crown the
    // depth would rise further upstream, so the profile stops at once.
    void pipeRisingFromItsCrownStopsThere() {
        const WaterProfile profile =
            profileOf(requestOf(CircleSection{0.90}, 0.1, kRoughness, kDischarge, 0.90, 100, 10));
        QCOMPARE(profile.end, ProfileEnd::PipeCrown);
        QCOMPARE(profile.endX, 0.0);
        QCOMPARE(profile.stations.size(), std::size_t{1});
    }

    // The stretch over a bank ends where the depth crosses it: the reach cut there ends at
    // the bank's height. From the control to the crossing when the control's depth is over it
    // (M1, S1), from the crossing to the end when the profile rises through it (H3); all of
    // an S1 reach when yn itself is over the bank.
    void stretchAboveBank_data() {
        QTest::addColumn<ProfileRequest>("request");
        QTest::addColumn<double>("bank");
        QTest::addColumn<double>("from"); // NaN: the water stays below
        QTest::addColumn<double>("to");
        const double none = std::nan("");
        const auto m1 = requestOf(kTrapezoid, 0.1, kRoughness, kDischarge, 1.00, 2000, 200);
        const auto s1 = requestOf(kTrapezoid, 2.0, kRoughness, kDischarge, 0.60, 100, 5);
        const auto h3 =
            requestOf(RectangleSection{1.10}, 0.0, kRoughness, kDischarge, 0.10, 100, 10);
        QTest::newRow("M1, bank between yn and y0") << m1 << 0.80 << 0.0 << -1.0;
        QTest::newRow("M1, bank below yn") << m1 << 0.50 << 0.0 << 2000.0;
        QTest::newRow("M1, bank above y0") << m1 << 1.20 << none << none;
        QTest::newRow("S1, bank between y2 and y0") << s1 << 0.55 << 0.0 << -1.0;
        QTest::newRow("S1, bank below yn") << s1 << 0.20 << 0.0 << 100.0;
        QTest::newRow("H3, rising through the bank") << h3 << 0.20 << -1.0 << 18.805;
    }
    void stretchAboveBank() {
        QFETCH(ProfileRequest, request);
        QFETCH(double, bank);
        QFETCH(double, from);
        QFETCH(double, to);
        const WaterProfile profile = profileOf(request);
        const auto stretch = vazolar::stretchAboveBank(request, profile, bank);
        QCOMPARE(stretch.has_value(), !std::isnan(from));
        if (!stretch)
            return;
        // -1: the crossing, checked by cutting the reach there.
        const double crossing = from < 0 ? stretch->from : stretch->to;
        if (from >= 0)
            QCOMPARE(stretch->from, from);
        if (to >= 0)
            QVERIFY(std::abs(stretch->to - to) < 1e-3);
        if (from < 0 || to < 0) {
            ProfileRequest cut = request;
            cut.length = crossing;
            cut.step = crossing;
            QVERIFY(std::abs(profileOf(cut).stations.back().depth - bank) < 5e-4);
        }
    }

    void faults_data() {
        QTest::addColumn<ProfileRequest>("request");
        QTest::addColumn<ProfileFault>("fault");
        const ProfileRequest good =
            requestOf(kTrapezoid, 0.1, kRoughness, kDischarge, 1.0, 100, 10);
        const auto with = [&](auto change) {
            ProfileRequest request = good;
            change(request);
            return request;
        };
        QTest::newRow("Q = 0") << with([](ProfileRequest& r) { r.reach.discharge = 0; })
                               << ProfileFault::DischargeNotPositive;
        QTest::newRow("n < 0") << with([](ProfileRequest& r) { r.reach.manning.roughness = -1; })
                               << ProfileFault::RoughnessNotPositive;
        QTest::newRow("L = 0") << with([](ProfileRequest& r) { r.length = 0; })
                               << ProfileFault::LengthNotPositive;
        QTest::newRow("dx NaN") << with([](ProfileRequest& r) { r.step = std::nan(""); })
                                << ProfileFault::StepNotPositive;
        QTest::newRow("dx > L") << with([](ProfileRequest& r) { r.step = 101; })
                                << ProfileFault::StepLongerThanReach;
        QTest::newRow("dx tiny") << with([](ProfileRequest& r) { r.step = 1e-6; })
                                 << ProfileFault::TooManyStations;
        QTest::newRow("y0 < 0") << with([](ProfileRequest& r) { r.controlDepth = -0.1; })
                                << ProfileFault::ControlDepthNotPositive;
        QTest::newRow("y0 above the crown") << with([](ProfileRequest& r) {
            r.reach.section = CircleSection{0.9};
            r.controlDepth = 0.95;
        }) << ProfileFault::ControlAboveCrown;
        QTest::newRow("beyond the pipe") << with([](ProfileRequest& r) {
            r.reach.section = CircleSection{0.3};
            r.controlDepth = 0.2;
        }) << ProfileFault::BeyondPipeCapacity;
    }

    void faults() {
        QFETCH(ProfileRequest, request);
        QFETCH(ProfileFault, fault);
        const ProfileOutcome outcome = computeWaterProfile(request);
        QVERIFY(std::holds_alternative<ProfileFault>(outcome));
        QCOMPARE(std::get<ProfileFault>(outcome), fault);
    }

    void referenceDepths() {
        const WaterProfile mild =
            profileOf(requestOf(kTrapezoid, 0.1, kRoughness, kDischarge, 1.0, 2000, 200));
        QVERIFY(std::abs(*mild.normalDepth - 0.5439) <= 0.5e-4);
        QVERIFY(std::abs(mild.criticalDepth - 0.3383) <= 0.5e-4);
        const WaterProfile gate = profileOf(
            requestOf(RectangleSection{1.10}, 0.0, kRoughness, kDischarge, 0.10, 100, 10));
        QVERIFY(!gate.normalDepth);
        QVERIFY(std::abs(gate.criticalDepth - 0.2762) <= 0.5e-4);
        QVERIFY(gate.controlSequentDepth.has_value());
    }
};

VAZOLAR_TEST(WaterProfileTest);
#include "tst_water_profile.moc"
