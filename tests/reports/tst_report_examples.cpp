#include "engine/increment.h"
#include "examples.h"
#include "reports/printed_report.h"
#include "reports/report_encoding.h"
#include "reports/saved_report.h"
#include "test_registry.h"
#include "wording/increment_text.h"

#include <QTest>

using namespace vazolar;
using namespace vazolar::reports;
using vazolar::testing::ExampleCase;

// Every worked case: the saved file byte for byte and the printed lines in order.
class ReportExamplesTest : public QObject {
    Q_OBJECT

    static ReportData dataOf(const ExampleCase& example) {
        return {example.shape,
                example.fields.value("txti"),
                example.fields.value("txtangulo"),
                example.fields.value("txtn"),
                incrementText(example.scrollValue),
                example.rows};
    }

private slots:
    void savedFileMatches_data() { testing::addExampleRows(); }
    void savedFileMatches() {
        QFETCH(QString, name);
        const ExampleCase example = testing::loadExample(name);
        QCOMPARE(encodeReport(savedReportLines(dataOf(example))), example.savedReport);
    }

    void printedLinesMatch_data() { testing::addExampleRows(); }
    void printedLinesMatch() {
        QFETCH(QString, name);
        const ExampleCase example = testing::loadExample(name);
        const PrintedReport report = printedReport(dataOf(example));
        QCOMPARE(report.heading + report.rows, example.printedLines);
        QCOMPARE(report.rows.size(), example.ntentativas);
    }
};

VAZOLAR_TEST(ReportExamplesTest);
#include "tst_report_examples.moc"
