#include "report_helpers.h"
#include "reports/page_layout.h"
#include "test_registry.h"

#include <QTest>

using namespace vazolar;
using namespace vazolar::reports;

namespace {

// The printed heading has 11 lines, empty ones among them (line 2 is empty).
PrintedReport reportWithRows(Shape shape, int rows) {
    return printedReport(testing::reportData(shape, testing::numberedRows(rows)));
}

QList<int> rowsPerPage(const std::vector<Placement>& placements) {
    QList<int> counts;
    for (auto row = placements.begin() + 11; row != placements.end(); ++row) {
        counts.resize(std::max<qsizetype>(counts.size(), row->page + 1));
        ++counts[row->page];
    }
    return counts;
}

} // namespace

class PageLayoutTest : public QObject {
    Q_OBJECT

private slots:
    // The first line goes to the first zone start beyond 1440, every later line to the first
    // one beyond 0, 14 columns. Empty lines are placed too, with an empty text.
    void trialLinesStartAtPrintZones_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<double>("columnWidth");
        QTest::addColumn<double>("firstX");
        QTest::addColumn<double>("laterX");
        QTest::newRow("zone of 1400") << 3 << 100.0 << 2800.0 << 1400.0;
        QTest::newRow("zone of 1680") << 3 << 120.0 << 1680.0 << 1680.0;
        QTest::newRow("zone of 1440, strictly beyond") << 3 << 1440.0 / 14 << 2880.0 << 1440.0;
        QTest::newRow("no rows") << 0 << 100.0 << 2800.0 << 1400.0;
    }
    void trialLinesStartAtPrintZones() {
        QFETCH(int, rows);
        QFETCH(double, columnWidth);
        QFETCH(double, firstX);
        QFETCH(double, laterX);
        const auto placements =
            layOutPages(reportWithRows(Shape::Rectangular, rows), {240.0, columnWidth, 9000.0});
        QCOMPARE(placements.size(), std::size_t(11 + rows));
        QCOMPARE(placements[1].text, QString());
        for (std::size_t i = 0; i < placements.size(); ++i) {
            QCOMPARE(placements[i].page, 0);
            QCOMPARE(placements[i].x, i == 0 ? firstX : laterX);
            QCOMPARE(placements[i].y, 1440.0 + 240.0 * double(i));
        }
    }

    // No zone moves and no page break, even on a page too short for the result line.
    void circleLines() {
        const auto placements = layOutPages(reportWithRows(Shape::Circular, 1), {300, 100, 2000});
        QCOMPARE(placements.size(), std::size_t{12});
        for (std::size_t i = 0; i < placements.size(); ++i) {
            QCOMPARE(placements[i].page, 0);
            QCOMPARE(placements[i].x, i == 0 ? 1440.0 : 0.0);
            QCOMPARE(placements[i].y, 1440.0 + 300.0 * double(i));
        }
    }

    // After the heading y = 1440 + 11 * 240 = 4080, so row k ends at 4320 + 240 k.
    void breakBoundary_data() {
        QTest::addColumn<double>("bottomLimit");
        QTest::addColumn<int>("rowsOnFirstPage");
        QTest::newRow("row 2 ends on the limit") << 4800.0 << 3;
        QTest::newRow("row 2 ends just past it") << 4799.5 << 2;
        QTest::newRow("row 0 ends past it") << 4319.0 << 0;
    }
    void breakBoundary() {
        QFETCH(double, bottomLimit);
        QFETCH(int, rowsOnFirstPage);
        const auto placements =
            layOutPages(reportWithRows(Shape::Triangular, 6), {240, 100, bottomLimit});
        const std::size_t firstMoved = 11 + std::size_t(rowsOnFirstPage);
        QCOMPARE(placements[firstMoved - 1].page, 0);
        QCOMPARE(placements[firstMoved].page, 1);
        QCOMPARE(placements[firstMoved].y, 1440.0);
        QCOMPARE(placements[firstMoved].x, 1400.0);
    }

    // First page: rows while 4080 + 240 (k + 1) <= 6000, so 8; later pages from y = 1440:
    // 1440 + 240 j <= 6000, so 19 each. Only rows go past the first page.
    void manyRowsAcrossPages() {
        const PrintedReport report = reportWithRows(Shape::Trapezoidal, 100);
        const auto placements = layOutPages(report, {240.0, 100.0, 6000.0});
        QCOMPARE(placements[10].page, 0);
        QCOMPARE(rowsPerPage(placements), (QList<int>{8, 19, 19, 19, 19, 16}));
        for (std::size_t i = 11; i < placements.size(); ++i) {
            QCOMPARE(placements[i].text, report.rows[qsizetype(i - 11)]);
            if (placements[i].page != placements[i - 1].page)
                QCOMPARE(placements[i].y, 1440.0);
        }
    }
};

VAZOLAR_TEST(PageLayoutTest);
#include "tst_page_layout.moc"
