#include "size_command.h"

#include "channel_text.h"
#include "csv_text.h"
#include "engine/increment.h"
#include "io/output_file.h"
#include "option_names.h"
#include "reports/report_encoding.h"
#include "reports/report_file.h"
#include "reports/saved_report.h"
#include "text_output.h"
#include "typed_fields.h"
#include "wording/check_text.h"
#include "wording/empty_fields.h"
#include "wording/increment_text.h"
#include "wording/row_text.h"
#include "wording/shape_description.h"
#include "wording/sizing_messages.h"
#include "wording/trial_rows.h"
#include "wording/trial_table.h"

#include <QDate>

namespace vazolar::cli {

namespace {

// The lines SALVAR writes for the same fields and rows.
QStringList reportLines(const SizeRequest& request, const TrialTable& trials) {
    reports::ReportData data;
    data.shape = request.input.shape;
    data.slope = request.input.slope;
    data.angle = request.input.angle;
    data.roughness = request.input.roughness;
    data.increment = incrementText(request.input.scrollValue);
    for (int row = 0; row < trials.size(); ++row)
        data.rows << rowText(trials.inputs().shape, trials.at(row));
    return reports::savedReportLines(data);
}

QStringList trialTableLines(const TrialTable& trials) {
    QStringList lines{csvLine(columnNames(trials.inputs().shape) + hydraulics::checkColumnNames())};
    for (int row = 0; row < trials.size(); ++row) {
        const SectionQuantities quantities = trials.at(row);
        lines << csvLine(
            columnCells(trials.inputs().shape, quantities) +
            hydraulics::checkCells(hydraulics::checkTrial(trials.inputs(), quantities), QString()));
    }
    return lines;
}

int writeReportFile(const QString& path, const QStringList& lines, Console& console) {
    const Outcome<> saved = io::writeOutputFile(path, reports::encodeReport(lines));
    if (saved)
        return kSuccess;
    writeLine(console.err, reports::notSavedMessage(path, saved.message()));
    return kFileError;
}

Outcome<> writeLines(TextOutput& output, const QStringList& lines) {
    if (Outcome<> opened = output.open(); !opened)
        return opened;
    for (const QString& line : lines)
        output.writeLine(line);
    return output.commit();
}

int writeText(const QString& path, const QStringList& lines, Console& console) {
    TextOutput output(path, console.out);
    const Outcome<> written = writeLines(output, lines);
    if (written)
        return kSuccess;
    writeLine(console.err, written.message());
    return kFileError;
}

int writeOutput(const SizeRequest& request, const TrialTable& trials, Console& console) {
    if (request.format == SizeFormat::Csv)
        return writeText(request.outputPath, trialTableLines(trials), console);
    const QStringList lines = reportLines(request, trials);
    if (request.outputPath.isEmpty())
        return writeText(QString(), lines, console);
    return writeReportFile(request.outputPath, lines, console);
}

// The memo adopts the last trial as sized, with the freeboard the options give. It is made and
// written before the other output, so that a memo that cannot be written leaves nothing
// written.
int writeMemo(const SizeRequest& request, const TrialTable& trials, Console& console) {
    const Outcome<reports::MemoInput> memo = reports::sizingMemo(
        request.input, trials, request.memo.freeboard, request.memo.identity, QDate::currentDate(),
        QStringLiteral(VAZOLAR_VERSION), verifyOptionNames(request.input.shape));
    if (!memo) {
        writeLine(console.err, memo.message());
        return kFailure;
    }
    return writeMemoFile(request.memo.path, memo.value(), console);
}

} // namespace

int runSizeCommand(SizeRequest request, Console& console) {
    if (const Outcome<> typed = takeTypedOptions(request.input); !typed) {
        writeLine(console.err, typed.message());
        return kFailure;
    }
    if (const Outcome<> typed = takeTypedBank(request.memo.freeboard); !typed) {
        writeLine(console.err, typed.message());
        return kFailure;
    }
    TrialTable trials;
    try {
        trials = sizedTrials(request.input);
    } catch (const SizingError& error) {
        const QString option =
            error.field() == Field::None ? QString() : fieldOption(error.field());
        writeLine(console.err, sizingFaultMessage(error, option));
        return kFailure;
    }
    if (!request.memo.path.isEmpty() && !trials.isEmpty()) {
        if (const int status = writeMemo(request, trials, console); status != kSuccess)
            return status;
    }
    if (const int status = writeOutput(request, trials, console); status != kSuccess)
        return status;
    if (trials.isEmpty()) {
        QString message = noTrialMessage();
        if (!request.memo.path.isEmpty())
            message += QString::fromUtf8(" A memória de cálculo não foi feita.");
        writeLine(console.err, message);
        return kFailure;
    }
    return kSuccess;
}

} // namespace vazolar::cli
