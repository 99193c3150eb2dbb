#include "engine/flow_at_depth.h"
#include "engine/specific_energy.h"
#include "test_registry.h"

#include <QTest>

#include <cmath>
#include <numbers>

using namespace vazolar;
using namespace vazolar::hydraulics;

Q_DECLARE_METATYPE(vazolar::Section)

// Alternate depths: one on each side of the critical depth, both with the same energy.
class SpecificEnergyTest : public QObject {
    Q_OBJECT

private slots:
    void alternateDepthsShareTheEnergy_data() {
        QTest::addColumn<Section>("section");
        QTest::addColumn<double>("discharge");
        QTest::addColumn<double>("depth");
        QTest::addColumn<double>("deepest");
        const Section trapezoid = TrapezoidSection{0.70, std::tan(std::numbers::pi / 6)};
        QTest::newRow("trapezoid, subcritical") << trapezoid << 0.5 << 0.54 << 1.0;
        QTest::newRow("trapezoid, supercritical") << trapezoid << 0.5 << 0.12 << 3.0;
        QTest::newRow("rectangle, subcritical")
            << Section{RectangleSection{1.10}} << 0.5 << 0.52 << 2.0;
        QTest::newRow("triangle, supercritical")
            << Section{TriangleSection{}} << 0.5 << 0.35 << 2.0;
        QTest::newRow("pipe, subcritical") << Section{CircleSection{0.90}} << 0.5 << 0.76 << 0.90;
    }

    void alternateDepthsShareTheEnergy() {
        QFETCH(Section, section);
        QFETCH(double, discharge);
        QFETCH(double, depth);
        QFETCH(double, deepest);
        const double critical = criticalDepth(section, discharge).value();
        const std::optional<double> alternate = alternateDepth(section, depth, discharge, deepest);
        QVERIFY(alternate);
        QVERIFY2(
            (depth - critical) * (*alternate - critical) < 0,
            qPrintable(
                QString("y %1, yc %2, alternate %3").arg(depth).arg(critical).arg(*alternate)));
        const double energy = specificEnergyAt(section, depth, discharge);
        QVERIFY2(std::abs(specificEnergyAt(section, *alternate, discharge) - energy) <=
                     1e-9 * energy,
                 qPrintable(QString::number(*alternate, 'g', 17)));
    }

    // A shallow fast flow in a pipe has more energy than the full pipe can hold; no discharge
    // has no critical depth.
    void noAlternateDepth_data() {
        QTest::addColumn<double>("discharge");
        QTest::addColumn<double>("depth");
        QTest::newRow("above the crown") << 0.5 << 0.15;
        QTest::newRow("no discharge") << 0.0 << 0.5;
    }

    void noAlternateDepth() {
        QFETCH(double, discharge);
        QFETCH(double, depth);
        QVERIFY(!alternateDepth(CircleSection{0.90}, depth, discharge, 0.90));
    }
};

VAZOLAR_TEST(SpecificEnergyTest);
#include "tst_specific_energy.moc"
