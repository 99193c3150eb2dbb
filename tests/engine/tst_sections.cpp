#include "engine/sections.h"
#include "sizing_helpers.h"
#include "test_registry.h"
#include "wording/number_text.h"

#include <QRegularExpression>
#include <QTest>

#include <cmath>

using namespace vazolar;
using namespace vazolar::testing;

namespace {

QStringList columns(const QString& row) {
    return row.trimmed().split(QRegularExpression(" +"));
}

} // namespace

// Properties of the relations that hold for every trial.
class SectionTest : public QObject {
    Q_OBJECT

private slots:
    void zeroAngleGivesTheEconomicRectangle() {
        const TrialConstants constants{0.1, 0.015, sideSlopeFromAngle(0.0)};
        QCOMPARE(constants.sideSlope, 0.0);
        const SectionQuantities q = trapezoidalTrial(constants, 0.8);
        QCOMPARE(q.topWidth, 0.8); // B = b
        QCOMPARE(q.depth, 0.4);    // y = b / 2
    }

    void fortyFiveDegreesFallsJustShortOfOne() {
        // The fourteen-decimal pi puts z a hair below 1.
        const double z = sideSlopeFromAngle(45.0);
        QVERIFY(z < 1.0);
        QVERIFY(z > 1.0 - 1e-13);
        const SectionQuantities q = trapezoidalTrial({0.1, 0.015, z}, 1.0);
        QCOMPARE(formatQuantity(q.depth), QString("1,2071"));
    }

    void rectangleAndTriangleKeepTheirProportions() {
        const CollectedRun rect = collectRun(sizingInput(
            Shape::Rectangular,
            {{"txti", "0,3"}, {"txtn", "0,02"}, {"txtQdesejada", "3"}, {"txtb", "0,37"}}, 12));
        for (const QString& row : rect.rows) {
            const QStringList c = columns(row);
            const double width = brazilianLocale().toDouble(c[0]);
            QCOMPARE(c[1], formatQuantity(width / 2));
            QCOMPARE(c[3], formatQuantity(2 * width));
        }
        const CollectedRun tri = collectRun(sizingInput(
            Shape::Triangular,
            {{"txti", "0,3"}, {"txtn", "0,02"}, {"txtQdesejada", "3"}, {"txty", "0,37"}}, 12));
        for (const QString& row : tri.rows) {
            const QStringList c = columns(row);
            const double depth = brazilianLocale().toDouble(c[1]);
            QCOMPARE(c[0], formatQuantity(2 * depth));
            QCOMPARE(c[2], formatQuantity(depth * depth));
        }
        QVERIFY(rect.rows.size() > 5);
        QVERIFY(tri.rows.size() > 5);
    }

    void doublingTheDischargeScalesTheDiameter() {
        const SectionQuantities one = circularSection(0.1, 0.015, 0.5);
        const SectionQuantities two = circularSection(0.1, 0.015, 1.0);
        QVERIFY(std::fabs(two.diameter / one.diameter - std::pow(2.0, 0.375)) < 1e-12);
    }
};

VAZOLAR_TEST(SectionTest);
#include "tst_sections.moc"
