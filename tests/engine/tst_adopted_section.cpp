#include "engine/circle_geometry.h"
#include "engine/freeboard.h"
#include "engine/hydraulics.h"
#include "engine/normal_depth.h"
#include "engine/sizing.h"
#include "engine/trial_section.h"
#include "field_names.h"
#include "test_registry.h"
#include "wording/adopted_csv.h"
#include "wording/adopted_request.h"
#include "wording/adopted_text.h"
#include "wording/adopted_verification.h"
#include "wording/limit_text.h"
#include "wording/number_text.h"
#include "wording/trial_rows.h"

#include <QRegularExpression>
#include <QTest>

#include <cmath>
#include <vector>

using namespace vazolar;
using vazolar::testing::testFieldNames;

Q_DECLARE_METATYPE(vazolar::AdoptedRequest)
Q_DECLARE_METATYPE(vazolar::DesignLimits)
Q_DECLARE_METATYPE(vazolar::Section)
Q_DECLARE_METATYPE(vazolar::Shape)

namespace {

using Expected = QMap<QString, double>;
using Cells = QMap<QString, QString>; // column → cell

// The worked channel of the program's examples: I 0,1 %, n 0,015, Q 0,5 m³/s.
AdoptedRequest workedRequest(Shape shape) {
    AdoptedRequest request;
    request.shape = shape;
    request.slope = "0,1";
    request.roughness = "0,015";
    request.discharge = "0,5";
    request.angle = "30";
    request.bottomWidth = "0,70";
    request.width = "1,10";
    request.diameter = "0,90";
    return request;
}

AdoptedRequest withFreeboard(AdoptedRequest request, FreeboardRule rule, const QString& value) {
    request.freeboard = {rule, value};
    return request;
}

AdoptedResult verified(const AdoptedInputs& inputs) {
    const Outcome<AdoptedResult> outcome = verifyAdoptedSection(inputs);
    if (!outcome)
        qFatal("%s", qPrintable(outcome.message()));
    return outcome.value();
}

AdoptedInputs inputsOf(const Section& section, double slope, double roughness, double discharge) {
    AdoptedInputs inputs;
    inputs.section = section;
    inputs.manning = {slope, roughness};
    inputs.designDischarge = discharge;
    return inputs;
}

QMap<QString, double> figuresOf(const AdoptedResult& r) {
    QMap<QString, double> figures{{"y", r.depth},
                                  {"Q", r.discharge},
                                  {"V", r.flow.velocity.value_or(NAN)},
                                  {"Fr", r.flow.froude.value_or(NAN)},
                                  {"E", r.flow.specificEnergy.value_or(NAN)},
                                  {"tau", r.flow.bedShear.value_or(NAN)},
                                  {"taumax", r.greatestBedShear.value_or(NAN)},
                                  {"yc", r.flow.criticalDepth.value_or(NAN)}};
    if (r.bank) {
        figures["F"] = r.bank->freeboard;
        figures["H"] = r.bank->bankHeight;
        figures["TH"] = r.bank->topWidth;
        figures["AH"] = r.bank->area;
        figures["PH"] = r.bank->perimeter;
    }
    if (r.pipe)
        figures["yD"] = r.pipe->depthRatio;
    return figures;
}

Expected merged(Expected figures, const Expected& more) {
    figures.insert(more);
    return figures;
}

bool relativelyNear(double actual, double expected, double tolerance) {
    return std::fabs(actual - expected) <= tolerance * std::fabs(expected);
}

// Sections of every shape with the slopes that take each through both regimes.
struct Case {
    const char* name;
    Section section;
};
const Case kSections[] = {{"trapezoid", TrapezoidSection{0.7, 0.5773502691896257}},
                          {"trapezoid wide, steep sides", TrapezoidSection{12.0, 0.1}},
                          {"rectangle", RectangleSection{1.1}},
                          {"rectangle narrow", RectangleSection{0.05}},
                          {"triangle", TriangleSection{}},
                          {"circle", CircleSection{0.9}},
                          {"circle large", CircleSection{3.0}}};
const double kSlopes[] = {0.01, 0.1, 1.0, 5.0, 20.0};

} // namespace

class AdoptedSectionTest : public QObject {
    Q_OBJECT

private slots:
    // Worked with an independent model of the channel; four decimals as the rows show them.
    void workedChannel_data() {
        QTest::addColumn<AdoptedRequest>("request");
        QTest::addColumn<Expected>("expected");
        QTest::addColumn<double>("tolerance");
        const double kFourDecimals = 0.5e-4;
        const AdoptedRequest trapezoid = workedRequest(Shape::Trapezoidal);
        const Expected trapezoidFlow{
            {"y", 0.5439}, {"V", 0.9065}, {"Fr", 0.4491}, {"tau", 2.7661}, {"yc", 0.3383}};
        QTest::newRow("trapezoid, usbr")
            << trapezoid
            << merged(
                   trapezoidFlow,
                   {{"F", 0.5002}, {"H", 1.0441}, {"TH", 1.9057}, {"AH", 1.3603}, {"PH", 3.1113}})
            << kFourDecimals;
        QTest::newRow("trapezoid, 0,30 m")
            << withFreeboard(trapezoid, FreeboardRule::Height, "0,30")
            << merged(trapezoidFlow,
                      {{"F", 0.3}, {"H", 0.8439}, {"TH", 1.6745}, {"AH", 1.0020}, {"PH", 2.6490}})
            << kFourDecimals;
        QTest::newRow("rectangle, 20%")
            << withFreeboard(workedRequest(Shape::Rectangular), FreeboardRule::DepthShare, "20")
            << Expected{{"y", 0.5197},  {"V", 0.8746}, {"Fr", 0.3873}, {"tau", 2.6214},
                        {"yc", 0.2762}, {"F", 0.1039}, {"H", 0.6237},  {"TH", 1.1},
                        {"AH", 0.6860}, {"PH", 2.3473}}
            << kFourDecimals;
        QTest::newRow("triangle, H 1,00")
            << withFreeboard(workedRequest(Shape::Triangular), FreeboardRule::BankHeight, "1,00")
            << Expected{{"y", 0.7560},  {"V", 0.8748}, {"Fr", 0.4543}, {"tau", 2.6222},
                        {"yc", 0.5514}, {"F", 0.2440}, {"H", 1.0},     {"TH", 2.0},
                        {"AH", 1.0},    {"PH", 2.8284}}
            << kFourDecimals;
        QTest::newRow("circle D 0,90") << workedRequest(Shape::Circular)
                                       << Expected{{"y", 0.7442},  {"yD", 0.8269},  {"V", 0.8888},
                                                   {"Fr", 0.3122}, {"tau", 2.6855}, {"yc", 0.4118}}
                                       << kFourDecimals;
        // V. M. Ponce, SDSU CIV E 530, midterm 2, spring 2007: a rectangle 5 m wide, slope
        // 0,0025, n 0,015, flowing 0,8 m deep, carries 9,548 m³/s.
        AdoptedRequest ponce = workedRequest(Shape::Rectangular);
        ponce.slope = "0,25";
        ponce.width = "5";
        ponce.discharge.clear();
        ponce.depth = "0,8";
        // The solution carries R^(2/3) as 0,7161 (0,71616 exactly), hence 9,5488 → 9,548. The
        // other figures worked by hand from the data: A = 4 m², R = 4 / 6,6 m, V = Q / A,
        // Fr = V / √(g y), E = y + V² / 2g, τ0 = γ R S, τmáx = γ y S (HEC-15's τd = γ d S0).
        QTest::newRow("Ponce, capacity")
            << ponce << Expected{{"Q", 9.548},  {"y", 0.8},       {"V", 2.3872},    {"Fr", 0.8521},
                                 {"E", 1.0905}, {"tau", 14.8636}, {"taumax", 19.62}}
            << 1e-3;
    }

    void workedChannel() {
        QFETCH(AdoptedRequest, request);
        QFETCH(Expected, expected);
        QFETCH(double, tolerance);
        const Outcome<AdoptedResult> outcome =
            verifyAdoptedSection(request, testFieldNames(request.shape));
        QVERIFY2(outcome, qPrintable(outcome ? QString() : outcome.message()));
        const auto actual = figuresOf(outcome.value());
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            QVERIFY2(std::fabs(actual.value(it.key(), NAN) - it.value()) <= tolerance,
                     qPrintable(it.key() + ": " + QString::number(actual.value(it.key()))));
    }

    // C is 0,46 up to 0,57 m³/s and 0,76 from 85 m³/s, straight in log10 Q between: halfway
    // in the logarithm, at √(0,57 · 85), it is halfway.
    void usbrCoefficient_data() {
        QTest::addColumn<double>("discharge");
        QTest::addColumn<double>("coefficient");
        QTest::newRow("small") << 0.1 << 0.46;
        QTest::newRow("20 ft³/s") << 0.57 << 0.46;
        QTest::newRow("halfway") << std::sqrt(0.57 * 85) << 0.61;
        QTest::newRow("3000 ft³/s") << 85.0 << 0.76;
        QTest::newRow("large") << 1e4 << 0.76;
    }

    void usbrCoefficient() {
        QFETCH(double, discharge);
        QFETCH(double, coefficient);
        QVERIFY(std::fabs(vazolar::usbrCoefficient(discharge) - coefficient) < 1e-12);
    }

    // Each sized trial's own section, given that trial's discharge, flows at that trial's
    // depth; the circle's row, given the design discharge, at the hydraulic check's yn.
    void sizedTrialFlowsAtItsOwnDepth_data() {
        QTest::addColumn<Shape>("shape");
        QTest::addColumn<double>("slope");
        for (const Shape shape :
             {Shape::Trapezoidal, Shape::Rectangular, Shape::Triangular, Shape::Circular})
            for (const double slope : {0.05, 0.1, 3.0, 15.0})
                QTest::newRow(qPrintable(QString("%1, I %2").arg(int(shape)).arg(slope)))
                    << shape << slope;
    }

    void sizedTrialFlowsAtItsOwnDepth() {
        QFETCH(Shape, shape);
        QFETCH(double, slope);
        RunInputs run{shape, {slope, 0.015, sideSlopeFromAngle(30.0)}, 0.5, 0.05, 0.05};
        std::vector<SectionQuantities> rows;
        runSizing(run, [&](const QString&, const SectionQuantities& q) { rows.push_back(q); });
        for (const SectionQuantities& row : rows) {
            const double discharge = shape == Shape::Circular ? run.designDischarge : row.discharge;
            const Section section = trialSection(run, row);
            const double depth =
                shape == Shape::Circular ? *hydraulics::checkTrial(run, row).depth : row.depth;
            const AdoptedResult result = verified(inputsOf(section, slope, 0.015, discharge));
            QVERIFY2(relativelyNear(result.depth, depth, 1e-9),
                     qPrintable(QString::number(result.depth - depth)));
        }
    }

    // The circle of the worked example (I 0,1, n 0,015, Q 0,5) flows at yn = 0,7655 m.
    void circleOfTheWorkedExample() {
        const RunInputs run{Shape::Circular, {0.1, 0.015, 0.0}, 0.5, 0.0, 0.0};
        const double diameter = trialQuantities(run, 0.0).diameter;
        const AdoptedResult result = verified(inputsOf(CircleSection{diameter}, 0.1, 0.015, 0.5));
        QCOMPARE(formatQuantity(result.depth), QString("0,7655"));
    }

    // Q(yn(Q)) = Q and yn(Q(y)) = y, from thin films to deep flows in every shape.
    void normalDepthAndCapacityAreInverse_data() {
        QTest::addColumn<Section>("section");
        QTest::addColumn<double>("slope");
        for (const Case& c : kSections)
            for (const double slope : kSlopes)
                QTest::newRow(qPrintable(QString("%1, I %2").arg(c.name).arg(slope)))
                    << c.section << slope;
    }

    void normalDepthAndCapacityAreInverse() {
        QFETCH(Section, section);
        QFETCH(double, slope);
        const ManningInputs manning{slope, 0.013};
        const double scale = std::min(deepestDepth(section), 2.0);
        for (const double share : {1e-4, 0.1, 0.5, 0.9, 0.93}) {
            const double depth = share * scale;
            const double discharge = capacityAtDepth(section, depth, manning).discharge;
            const auto back = normalDepth(section, discharge, manning);
            QVERIFY(back && relativelyNear(*back, depth, 1e-9));
            const double again = capacityAtDepth(section, *back, manning).discharge;
            QVERIFY(relativelyNear(again, discharge, 1e-9));
        }
    }

    // Uniform flow is supercritical exactly when it runs below the critical depth and exactly
    // when the slope is steeper than the critical one; on the circle while both depths stay
    // below the depth of largest discharge. Both regimes must turn up.
    void regimeAgreesWithCriticalDepthAndSlope_data() { normalDepthAndCapacityAreInverse_data(); }

    void regimeAgreesWithCriticalDepthAndSlope() {
        QFETCH(Section, section);
        QFETCH(double, slope);
        const double largest = hydraulics::largestDischargeDepthRatio() * deepestDepth(section);
        int regimes[2] = {0, 0};
        for (const double discharge : {0.01, 0.3, 2.0}) {
            const auto outcome = verifyAdoptedSection(inputsOf(section, slope, 0.013, discharge));
            if (!outcome)
                continue; // a pipe too small for this discharge
            const hydraulics::HydraulicCheck& f = outcome.value().flow;
            QVERIFY(f.froude && f.criticalDepth && f.criticalSlope);
            if (*f.criticalDepth >= largest)
                continue;
            const bool supercritical = *f.froude > 1.0;
            QCOMPARE(*f.depth < *f.criticalDepth, supercritical);
            QCOMPARE(slope > *f.criticalSlope, supercritical);
            ++regimes[supercritical];
        }
        QVERIFY(regimes[0] + regimes[1] > 0);
        if (slope == kSlopes[0])
            QVERIFY(regimes[0] > 0);
        if (slope == kSlopes[std::size(kSlopes) - 1])
            QVERIFY(regimes[1] > 0);
    }

    // A limit is met up to and including its value; τmáx is held to τadm times the safety
    // factor.
    void limitsHoldUpToTheirValue_data() {
        QTest::addColumn<DesignLimits>("limits");
        QTest::addColumn<double>("value"); // V, Fr, y/D and τmáx alike
        QTest::addColumn<bool>("passes");
        QTest::newRow("V at vmax") << DesignLimits{.maxVelocity = 1.0} << 1.0 << true;
        QTest::newRow("V above vmax") << DesignLimits{.maxVelocity = 1.0} << 1.01 << false;
        QTest::newRow("V at vmin") << DesignLimits{.minVelocity = 1.0} << 1.0 << true;
        QTest::newRow("V below vmin") << DesignLimits{.minVelocity = 1.0} << 0.99 << false;
        QTest::newRow("Fr at frmax") << DesignLimits{.maxFroude = 1.0} << 1.0 << true;
        QTest::newRow("y/D above ymaxd") << DesignLimits{.maxDepthRatio = 1.0} << 1.01 << false;
        const DesignLimits shear{.maxShear = 15.0};
        QTest::newRow("τ below τadm") << shear << 14.99 << true;
        QTest::newRow("τ at τadm") << shear << 15.0 << true;
        QTest::newRow("τ above τadm") << shear << 15.01 << false;
        const DesignLimits factored{.maxShear = 15.0, .shearSafetyFactor = 1.5};
        QTest::newRow("1,5 τ below τadm") << factored << 9.99 << true;
        QTest::newRow("1,5 τ at τadm") << factored << 10.0 << true;
        QTest::newRow("1,5 τ above τadm, τ below") << factored << 12.0 << false;
    }

    void limitsHoldUpToTheirValue() {
        QFETCH(DesignLimits, limits);
        QFETCH(double, value);
        QFETCH(bool, passes);
        hydraulics::HydraulicCheck flow;
        flow.velocity = flow.froude = flow.depthRatio = value;
        const std::vector<LimitCheck> checks = checkDesignLimits(limits, {flow, value});
        QCOMPARE(checks.size(), size_t(1));
        QCOMPARE(checks.front().passes, passes);
        QCOMPARE(verificationText(checks).startsWith("atende"), passes);
    }

    void messages_data() {
        QTest::addColumn<AdoptedRequest>("request");
        QTest::addColumn<QString>("message");
        const AdoptedRequest trapezoid = workedRequest(Shape::Trapezoidal);
        AdoptedRequest smallPipe = workedRequest(Shape::Circular);
        smallPipe.diameter = "0,80";
        QTest::newRow("pipe too small")
            << smallPipe
            << "A seção circular de D = 0,8000 m comporta no máximo 0,3898 m³/s (a 0,938 D); a "
               "vazão de projeto é 0,5000 m³/s.";
        AdoptedRequest letters = trapezoid;
        letters.roughness = "abc";
        QTest::newRow("n not a number") << letters
                                        << "O valor de n não é um número válido.\n\nDigite o "
                                           "número com a vírgula decimal, por exemplo 0,015.";
        AdoptedRequest zeroWidth = trapezoid;
        zeroWidth.bottomWidth = "0";
        QTest::newRow("b zero") << zeroWidth << "O valor de b (m) deve ser maior que zero.";
        AdoptedRequest negativeSlope = trapezoid;
        negativeSlope.slope = "-0,1";
        QTest::newRow("I negative") << negativeSlope << "O valor de I (%) deve ser maior que zero.";
        AdoptedRequest noDiameter = smallPipe;
        noDiameter.diameter.clear();
        QTest::newRow("D empty") << noDiameter << "Informe o valor de D (m).";
        QTest::newRow("bank below the water")
            << withFreeboard(trapezoid, FreeboardRule::BankHeight, "0,5")
            << "A altura da margem H = 0,5000 m fica abaixo da profundidade da água y = "
               "0,5439 m.";
        AdoptedRequest bothFlows = trapezoid;
        bothFlows.depth = "0,5";
        QTest::newRow("Q and y")
            << bothFlows << "Informe Q (a vazão de projeto) ou y (a profundidade), uma das duas.";
        AdoptedRequest overTheCrown = smallPipe;
        overTheCrown.discharge.clear();
        overTheCrown.depth = "0,81";
        QTest::newRow("y above D")
            << overTheCrown << "A profundidade y = 0,8100 m passa do diâmetro D = 0,8000 m.";
        AdoptedRequest flatSides = trapezoid;
        flatSides.angle = "90";
        QTest::newRow("angle 90") << flatSides
                                  << "O valor de ANGULO (°) deve ficar entre 0 e 90 graus: de 0 "
                                     "(paredes verticais) até menos de 90.";
        AdoptedRequest openPipeLimit = trapezoid;
        openPipeLimit.maxDepthRatio = "0,8";
        QTest::newRow("ymaxd off the circle")
            << openPipeLimit << "O limite y/D máx só se aplica à seção circular.";
        QTest::newRow("bad rule")
            << withFreeboard(trapezoid, FreeboardRule::Height, "muito")
            << "A borda livre \"muito\" não é válida.\n\nInforme uma altura em metros (0,30), uma "
               "parcela da profundidade (20%) ou usbr.";
    }

    void messages() {
        QFETCH(AdoptedRequest, request);
        QFETCH(QString, message);
        const Outcome<AdoptedResult> outcome =
            verifyAdoptedSection(request, testFieldNames(request.shape));
        QVERIFY(!outcome);
        QCOMPARE(outcome.message(), message);
    }

    // A discharge just above the pipe's largest: the message shows the two as different
    // figures, with the decimals it takes, each the true figure rounded.
    void pipeTooSmallTellsTheFiguresApart() {
        const ManningInputs manning{0.1, 0.015};
        const auto largest = largestDischarge(CircleSection{0.9}, manning);
        QVERIFY(largest);
        const double design = largest->discharge * (1 + 1e-7);
        AdoptedRequest request = workedRequest(Shape::Circular);
        request.discharge = brazilianLocale().toString(design, 'f', 12);
        const Outcome<AdoptedResult> outcome =
            verifyAdoptedSection(request, testFieldNames(request.shape));
        QVERIFY(!outcome);
        static const QRegularExpression figures("no máximo ([0-9,]+) m³/s .* é ([0-9,]+) m³/s");
        const QRegularExpressionMatch shown = figures.match(outcome.message());
        QVERIFY2(shown.hasMatch(), qPrintable(outcome.message()));
        QVERIFY(shown.captured(1) != shown.captured(2));
        const qsizetype decimals = shown.captured(1).size() - shown.captured(1).indexOf(u',') - 1;
        QVERIFY(decimals > 4);
        QCOMPARE(brazilianLocale().toString(largest->discharge, 'f', int(decimals)),
                 shown.captured(1));
    }

    void csvCells_data() {
        QTest::addColumn<AdoptedRequest>("request");
        QTest::addColumn<Cells>("cells");
        AdoptedRequest limited = workedRequest(Shape::Trapezoidal);
        limited.maxVelocity = "0,9";
        limited.minVelocity = "0,6";
        limited.maxFroude = "0,4";
        QTest::newRow("trapezoid, limits")
            << limited
            << Cells{{"forma", "trapezoidal"},
                     {"b", "0,70"},
                     {"angulo", "30"},
                     {"z", "0,5774"},
                     {"B", ""},
                     {"q", "0,5"},
                     {"y", "0,5439"},
                     {"V", "0,9065"},
                     {"Fr", "0,4491"},
                     {"tau", "2,7661"},
                     {"yc", "0,3383"},
                     {"regime", "subcrítico"},
                     {"vmax", "0,9000"},
                     {"ymaxd", ""},
                     {"yD", ""},
                     {"verificacao", "não atende: V > vmax, Fr > frmax"},
                     {"erro", ""}};
        AdoptedRequest capacity = workedRequest(Shape::Rectangular);
        capacity.slope = "0,25";
        capacity.width = "5";
        capacity.discharge.clear();
        capacity.depth = "0,8";
        QTest::newRow("given depth")
            << capacity << Cells{{"B", "5"},      {"b", ""},       {"z", ""},
                                 {"q", "9,548…"}, {"y", "0,8000"}, {"verificacao", ""}};
        AdoptedRequest pipe = workedRequest(Shape::Circular);
        pipe.maxDepthRatio = "0,80";
        QTest::newRow("pipe") << pipe
                              << Cells{{"D", "0,90"},
                                       {"yD", "0,8269"},
                                       {"borda", ""},
                                       {"verificacao", "não atende: y/D > ymaxd"}};
        pipe.diameter = "0,80";
        QTest::newRow("fault") << pipe
                               << Cells{{"D", "0,80"},
                                        {"y", ""},
                                        {"V", ""},
                                        {"ymaxd", ""},
                                        {"erro", "A seção circular de D = 0,8000 m "
                                                 "comporta no máximo 0,3898 m³/s "
                                                 "(a 0,938 D); a vazão de projeto "
                                                 "é 0,5000 m³/s."}};
    }

    void csvCells() {
        QFETCH(AdoptedRequest, request);
        QFETCH(Cells, cells);
        const QStringList columns = adoptedCsvColumns();
        const QStringList line =
            adoptedCsvCells(request, verifyAdoptedSection(request, testFieldNames(request.shape)));
        QCOMPARE(line.size(), columns.size());
        // "9,548…": the published figure, to the digits it gives.
        for (auto it = cells.cbegin(); it != cells.cend(); ++it) {
            const QString actual = line.value(columns.indexOf(it.key()));
            if (it.value().endsWith(u'…'))
                QVERIFY(actual.size() == it.value().size() &&
                        actual.startsWith(it.value().chopped(1)));
            else
                QCOMPARE(actual, it.value());
        }
    }

    // A pipe running full has no top width: Dh, Fr and the regime are "—"; the rows end with
    // the pipe's checks, a limit not set said to be unchecked.
    void rowsOfAFullPipe() {
        AdoptedRequest request = workedRequest(Shape::Circular);
        request.discharge.clear();
        request.depth = "0,90";
        request.maxVelocity = "2";
        request.maxShear = "10";
        request.shearSafetyFactor = "1,5";
        const Outcome<AdoptedResult> outcome =
            verifyAdoptedSection(request, testFieldNames(request.shape));
        QVERIFY(outcome);
        Cells values;
        for (const ResultRow& row : adoptedResultRows(outcome.value()))
            values[row.label] = row.value;
        QCOMPARE(values.value("Número de Froude Fr"), QString("—"));
        QCOMPARE(values.value("Regime"), QString("—"));
        QCOMPARE(values.value("Altura livre D − y"), QString("0,0000"));
        const QList<ResultRow> rows = adoptedResultRows(outcome.value());
        QCOMPARE(rows.at(rows.size() - 5).label, QString("V ≤ vmax"));
        QVERIFY(rows.at(rows.size() - 5).value.endsWith(": atende"));
        QCOMPARE(rows.at(rows.size() - 2).value, QString("não verificado (sem limite)"));
        // τmáx = 9810 · 0,90 · 0,001 = 8,8290 Pa, times 1,5 above τadm.
        QCOMPARE(rows.last().label, QString("τ ≤ τadm"));
        QCOMPARE(rows.last().value,
                 QString("1,5000 × 8,8290 Pa = 13,2435 Pa > 10,0000 Pa: não atende"));
    }

    // The open shapes have no y/D limit: the Froude number's row comes before the shear's.
    void rowsOfAnOpenChannelHaveNoDepthRatio() {
        const Outcome<AdoptedResult> outcome = verifyAdoptedSection(
            workedRequest(Shape::Triangular), testFieldNames(Shape::Triangular));
        QVERIFY(outcome);
        const QList<ResultRow> rows = adoptedResultRows(outcome.value());
        QCOMPARE(rows.at(rows.size() - 2).label, QString("Fr ≤ frmax"));
        QCOMPARE(rows.last().label, QString("τ ≤ τadm"));
    }
};

VAZOLAR_TEST(AdoptedSectionTest);
#include "tst_adopted_section.moc"
