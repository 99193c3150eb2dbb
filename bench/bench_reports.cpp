#include "engine/sizing.h"
#include "reports/printed_report.h"
#include "reports/report_file.h"
#include "reports/report_printer.h"
#include "reports/saved_report.h"
#include "wording/number_text.h"

#include <QPrinter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace vazolar;
using namespace vazolar::reports;

namespace {

constexpr int kLargestRowCount = kTrialLimit; // rows 0 to kTrialLimit - 1, as far as a run counts

// A trapezoid row: eight quantities with four decimals, six blanks between them.
QString trapezoidRow(int trial) {
    const double b = 0.5 + 0.01 * trial;
    const double quantities[] = {b,     2 * b,     0.866 * b,      0.65 * b * b,
                                 3 * b, 0.433 * b, 0.4938 * b * b, 1.52 * b};
    QString row;
    for (double quantity : quantities) {
        if (!row.isEmpty())
            row += QLatin1String("      ");
        appendQuantity(row, quantity);
    }
    return row;
}

// The largest result a report can be asked for: a trapezoid run that reached the trial limit.
const ReportData& largestResult() {
    static const ReportData data = [] {
        QStringList rows;
        rows.reserve(kLargestRowCount);
        for (int trial = 0; trial < kLargestRowCount; ++trial)
            rows << trapezoidRow(trial);
        return ReportData{Shape::Trapezoidal, "0", "30", "0,015", "0,01", rows};
    }();
    return data;
}

} // namespace

// SALVAR: the report lines, encoded and written through a save file that replaces the last one.
static void saveLargestResult(benchmark::State& state) {
    const ReportData& data = largestResult();
    QTemporaryDir dir;
    const QString path = dir.filePath("Vazolar_seção_trapezoidal.TXT");
    for (auto _ : state) {
        const vazolar::Outcome<> saved = writeReportFile(path, savedReportLines(data));
        if (!saved)
            state.SkipWithError(qPrintable(saved.message()));
    }
    state.counters["rows"] = static_cast<double>(data.rows.size());
}
BENCHMARK(saveLargestResult)->Unit(benchmark::kMillisecond);

// IMPRIMIR: the report laid out on A4 pages and rendered into a PDF file.
static void printLargestResult(benchmark::State& state) {
    const ReportData& data = largestResult();
    QTemporaryDir dir;
    int pages = 0;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("report.pdf"));
        const PrintedReport report = printedReport(data);
        const vazolar::Outcome<> printed = printReport(printer, report);
        if (!printed)
            state.SkipWithError(qPrintable(printed.message()));
        state.PauseTiming();
        pages = layOutPages(report, measurePage(printer)).back().page + 1;
        state.ResumeTiming();
    }
    state.counters["rows"] = static_cast<double>(data.rows.size());
    state.counters["pages"] = pages;
}
BENCHMARK(printLargestResult)->Unit(benchmark::kMillisecond);
