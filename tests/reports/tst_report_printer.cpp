#include "ci_skip.h"
#include "report_helpers.h"
#include "reports/report_printer.h"
#include "small_disk.h"
#include "test_registry.h"

#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace vazolar;
using namespace vazolar::reports;

namespace {

// The text of each page of a PDF, as pdftotext lays it out.
QStringList pdfPages(const QString& pdf) {
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", "-enc", "UTF-8", pdf, "-"});
    if (!pdftotext.waitForFinished(60000) || pdftotext.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(u'\f');
    pages.removeLast(); // every page ends with a form feed
    return pages;
}

// Whether the lines appear on the page in this order, blanks aside.
bool holdsInOrder(const QString& page, const QStringList& lines) {
    const QString text = page.simplified();
    qsizetype from = 0;
    for (const QString& line : lines) {
        from = text.indexOf(line.simplified(), from);
        if (from < 0)
            return false;
    }
    return true;
}

constexpr int kPrintedRows = 150;

} // namespace

class ReportPrinterTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    void requirePdfTools() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            VAZOLAR_SKIP_WITHOUT(
                "pdftotext (poppler-utils) is not on PATH: the printed text cannot be read back");
    }

    void preparePdfPrinter(QPrinter& printer, const QString& file) {
        QVERIFY(dir_.isValid());
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir_.filePath(file));
    }

    // The pages of the trapezoid's report with kPrintedRows rows, printed once into a PDF on a
    // printer left at A3, and read back; none where the printer did not end on A4.
    QStringList printedTrialPages() {
        if (trialPages_.isEmpty()) {
            QPrinter printer(QPrinter::HighResolution);
            preparePdfPrinter(printer, "trial.pdf");
            printer.setPageSize(QPageSize(QPageSize::A3));
            const PrintedReport report = printedReport(testing::reportData(Shape::Trapezoidal));
            const PrintedReport withRows{report.heading, testing::numberedRows(kPrintedRows), true,
                                         true};
            if (!printReport(printer, withRows) ||
                printer.pageLayout().pageSize().id() != QPageSize::A4)
                return {};
            trialPages_ = pdfPages(printer.outputFileName());
        }
        return trialPages_;
    }

    QStringList trialPages_;

private slots:
    // Paper left at A3 by an earlier job: the rows must still break by the A4 page they land
    // on. Each page holds the rows from `first` to `last` (counted from 0), in order, and no
    // other; the heading is on the first page only.
    void trialRowsBreakByTheA4Page_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        // A4's 842 pt less 10-pt margins = 16440 twips; lines of 275,98 twips (12-pt Liberation
        // Serif, 2355/2048 em) from 1440 to 16440 - 1440: 13560 / 275,98 = 49 a page, 11 the
        // heading.
        QTest::newRow("page 1: heading and rows 0-37") << 0 << 0 << 37;
        QTest::newRow("page 2: rows 38-86") << 1 << 38 << 86;
        QTest::newRow("page 3: rows 87-135") << 2 << 87 << 135;
        QTest::newRow("page 4: rows 136-149") << 3 << 136 << 149;
    }

    void trialRowsBreakByTheA4Page() {
        QFETCH(int, page);
        QFETCH(int, first);
        QFETCH(int, last);
        requirePdfTools();
        const QStringList pages = printedTrialPages();
        QCOMPARE(pages.size(), 4);
        const QStringList rows = testing::numberedRows(kPrintedRows);
        QStringList expected = rows.mid(first, last - first + 1);
        if (page == 0)
            expected.prepend("Vazolar utilizando o Método da Seção Econômica");
        QVERIFY2(holdsInOrder(pages[page], expected), qPrintable(pages[page]));
        for (const int neighbour : {first - 1, last + 1}) {
            if (neighbour >= 0 && neighbour < kPrintedRows)
                QVERIFY2(!pages[page].simplified().contains(rows[neighbour].simplified()),
                         qPrintable(rows[neighbour]));
        }
        QCOMPARE(pages[page].contains("Vazolar"), page == 0);
    }

    void circleOnOnePage() {
        requirePdfTools();
        QPrinter printer(QPrinter::HighResolution);
        preparePdfPrinter(printer, "circle.pdf");
        const QStringList result{"   0,8896           0,5904            0,2544"};
        const PrintedReport report = printedReport(testing::reportData(Shape::Circular, result));
        QVERIFY(printReport(printer, report).ok());
        const QStringList pages = pdfPages(printer.outputFileName());
        QCOMPARE(pages.size(), 1);
        QVERIFY(holdsInOrder(pages[0],
                             {"Vazolar utilizando o Método da Seção Econômica", "Seção Circular",
                              "I (%) = 0,1 n = 0,015", "Q(m³/s)", result[0]}));
    }

    void unwritableOutputIsReported() {
        QPrinter printer(QPrinter::HighResolution);
        preparePdfPrinter(printer, "missing-folder/report.pdf");
        const Outcome<> printed =
            printReport(printer, printedReport(testing::reportData(Shape::Triangular, {"1,0000"})));
        QVERIFY(!printed);
        QVERIFY2(printed.message().contains("O arquivo ou a pasta não existe"),
                 qPrintable(printed.message()));
    }

    // A PDF that does not fit on the disk is reported, and an earlier PDF keeps its bytes.
    void fullDiskKeepsTheOldPdf() {
        const testing::SmallDisk disk;
        if (!disk.mounted())
            VAZOLAR_SKIP_WITHOUT(qPrintable(disk.whyNot()));
        const QByteArray earlier = "%PDF-1.4 earlier report";
        QVERIFY(disk.place("report.pdf", earlier));
        QVERIFY(disk.fill(4096));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(disk.filePath("report.pdf"));
        const Outcome<> printed =
            printReport(printer, printedReport(testing::reportData(Shape::Trapezoidal)));
        QVERIFY(!printed);
        QVERIFY2(printed.message().endsWith("Não há espaço disponível no dispositivo"),
                 qPrintable(printed.message()));
        QCOMPARE(testing::contentOf(disk.filePath("report.pdf")), earlier);
        QCOMPARE(disk.names(), QStringList{"report.pdf"});
    }
};

VAZOLAR_TEST(ReportPrinterTest);
#include "tst_report_printer.moc"
