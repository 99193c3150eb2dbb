#include "engine/flow_at_depth.h"
#include "engine/flow_energy.h"
#include "test_registry.h"

#include <QTest>

#include <cmath>
#include <numbers>

using namespace vazolar;
using namespace vazolar::hydraulics;

Q_DECLARE_METATYPE(vazolar::Section)

// Alternate depths lie on either side of the critical depth, with the same energy.
class SpecificEnergyTest : public QObject {
    Q_OBJECT

private slots:
    void alternateDepthsShareTheEnergy_data() {
        QTest::addColumn<Section>("section");
        QTest::addColumn<double>("discharge");
        QTest::addColumn<double>("depth");
        QTest::addColumn<double>("deepest");
        QTest::addColumn<bool>("exists");
        const Section trapezoid = TrapezoidSection{0.70, std::tan(std::numbers::pi / 6)};
        const Section pipe = CircleSection{0.90};
        QTest::newRow("trapezoid, subcritical") << trapezoid << 0.5 << 0.54 << 1.0 << true;
        QTest::newRow("trapezoid, supercritical") << trapezoid << 0.5 << 0.12 << 3.0 << true;
        QTest::newRow("rectangle") << Section{RectangleSection{1.10}} << 0.5 << 0.52 << 2.0 << true;
        QTest::newRow("triangle") << Section{TriangleSection{}} << 0.5 << 0.35 << 2.0 << true;
        QTest::newRow("pipe") << pipe << 0.5 << 0.76 << 0.90 << true;
        // E(0,15) = 2,8 m: more than the full pipe can hold.
        QTest::newRow("pipe, above the crown") << pipe << 0.5 << 0.15 << 0.90 << false;
        QTest::newRow("no discharge, no yc") << pipe << 0.0 << 0.5 << 0.90 << false;
    }

    void alternateDepthsShareTheEnergy() {
        QFETCH(Section, section);
        QFETCH(double, discharge);
        QFETCH(double, depth);
        QFETCH(double, deepest);
        QFETCH(bool, exists);
        const std::optional<double> alternate = alternateDepth(section, depth, discharge, deepest);
        QCOMPARE(alternate.has_value(), exists);
        if (!exists)
            return;
        const double critical = criticalDepth(section, discharge).value();
        QVERIFY((depth - critical) * (*alternate - critical) < 0);
        const double energy = specificEnergyAt(section, depth, discharge);
        QVERIFY(std::abs(specificEnergyAt(section, *alternate, discharge) - energy) <=
                1e-9 * energy);
    }
};

VAZOLAR_TEST(SpecificEnergyTest);
#include "tst_flow_energy.moc"
