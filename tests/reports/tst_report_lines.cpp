#include "engine/increment.h"
#include "report_helpers.h"
#include "reports/printed_report.h"
#include "reports/saved_report.h"
#include "test_registry.h"
#include "wording/increment_text.h"

#include <QTest>

using namespace vazolar;
using namespace vazolar::reports;

Q_DECLARE_METATYPE(vazolar::Shape)

class ReportLinesTest : public QObject {
    Q_OBJECT

    static void addTrialShapes() {
        QTest::addColumn<Shape>("shape");
        QTest::newRow("trapezoidal") << Shape::Trapezoidal;
        QTest::newRow("rectangular") << Shape::Rectangular;
        QTest::newRow("triangular") << Shape::Triangular;
    }

private slots:
    // A run that stopped before its first trial: the heading alone, the saved one ending with
    // the empty line after the column heading, the printed one with the column heading.
    void noRows_data() { addTrialShapes(); }
    void noRows() {
        QFETCH(Shape, shape);
        const QStringList saved = savedReportLines(testing::reportData(shape));
        QCOMPARE(saved.size(), 12);
        QCOMPARE(saved.last(), QString());
        QVERIFY(saved[10].contains("V(m/s)"));
        const PrintedReport printed = printedReport(testing::reportData(shape));
        QCOMPARE(printed.heading.size(), 11);
        QVERIFY(printed.heading.last().endsWith("V(m/s)"));
        QVERIFY(printed.rows.isEmpty());
        QVERIFY(printed.zoneMoves);
        QVERIFY(printed.breaksBeforeRows);
    }

    // The circle writes the text of its result box, whatever the list holds.
    void circleHasOneResultLine_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("resultLine");
        QTest::newRow("one row") << QStringList{"   0,8896"} << "   0,8896";
        QTest::newRow("empty box") << QStringList{} << "";
    }
    void circleHasOneResultLine() {
        QFETCH(QStringList, rows);
        QFETCH(QString, resultLine);
        const QStringList saved = savedReportLines(testing::reportData(Shape::Circular, rows));
        QCOMPARE(saved.size(), 11);
        QCOMPARE(saved.last(), resultLine);
        const PrintedReport printed = printedReport(testing::reportData(Shape::Circular, rows));
        QCOMPARE(printed.heading.size() + printed.rows.size(), 12);
        QCOMPARE(printed.rows, QStringList{resultLine});
        QVERIFY(!printed.zoneMoves);
        QVERIFY(!printed.breaksBeforeRows);
    }

    // The data line keeps the fields as typed; an empty one leaves its label before the blanks.
    void dataLine_data() {
        QTest::addColumn<Shape>("shape");
        QTest::addColumn<QString>("slope");
        QTest::addColumn<QString>("angle");
        QTest::addColumn<QString>("roughness");
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QString>("printed");
        QTest::newRow("trapezoid typed")
            << Shape::Trapezoidal << "0,5"
            << "45"
            << "0,015"
            << "I (%) = 0,5     Angulo (°) = 45     n = 0,015     inc = 0,01"
            << "I (%) = 0,5     Angulo (°) = 45     n = 0,015";
        QTest::newRow("trapezoid empty") << Shape::Trapezoidal << ""
                                         << ""
                                         << ""
                                         << "I (%) =      Angulo (°) =      n =      inc = 0,01"
                                         << "I (%) =      Angulo (°) =      n = ";
        QTest::newRow("rectangle empty n") << Shape::Rectangular << "1.000,5"
                                           << "9"
                                           << ""
                                           << "I (%) = 1.000,5     n = "
                                           << "I (%) = 1.000,5     n = ";
        QTest::newRow("triangle empty slope") << Shape::Triangular << ""
                                              << ""
                                              << ",5"
                                              << "I (%) =      n = ,5"
                                              << "I (%) =      n = ,5";
        QTest::newRow("circle empty") << Shape::Circular << ""
                                      << ""
                                      << ""
                                      << "    I (%) =      n = "
                                      << "    I (%) =      n = ";
    }
    void dataLine() {
        QFETCH(Shape, shape);
        QFETCH(QString, slope);
        QFETCH(QString, angle);
        QFETCH(QString, roughness);
        QFETCH(QString, saved);
        QFETCH(QString, printed);
        const ReportData data{shape, slope, angle, roughness, incrementText(10), {}};
        const int dataLineIndex = shape == Shape::Circular ? 6 : 8;
        QCOMPARE(savedReportLines(data)[dataLineIndex], saved);
        QCOMPARE(printedReport(data).heading[dataLineIndex], printed);
    }
};

VAZOLAR_TEST(ReportLinesTest);
#include "tst_report_lines.moc"
