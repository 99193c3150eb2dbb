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

private slots:
    // Paper left at A3 by an earlier job: the rows must still break by the A4 page they land
    // on, each page holding the rows the layout puts there.
    void trialReportPagesAsLaidOut() {
        requirePdfTools();
        QPrinter printer(QPrinter::HighResolution);
        preparePdfPrinter(printer, "trial.pdf");
        printer.setPageSize(QPageSize(QPageSize::A3));
        const PrintedReport report = printedReport(testing::reportData(Shape::Trapezoidal));
        const PrintedReport withRows{report.heading, testing::numberedRows(150), true, true};
        QVERIFY(printReport(printer, withRows).ok());

        QVERIFY(printer.pageLayout().pageSize().id() == QPageSize::A4);
        const auto placements = layOutPages(withRows, measurePage(printer));
        const QStringList pages = pdfPages(printer.outputFileName());
        QCOMPARE(pages.size(), placements.back().page + 1);
        QVERIFY2(pages.size() >= 3, "too few rows to cross pages");
        QVector<QStringList> expected(pages.size());
        for (const Placement& placement : placements)
            if (!placement.text.isEmpty())
                expected[placement.page] << placement.text;
        for (qsizetype page = 0; page < pages.size(); ++page)
            QVERIFY2(holdsInOrder(pages[page], expected[page]), qPrintable(pages[page]));
        QVERIFY(!pages[1].contains("Vazolar"));
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
