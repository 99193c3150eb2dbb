#include "batch_command.h"

#include "batch_line.h"
#include "csv_text.h"
#include "text_output.h"

#include <QDir>
#include <QFile>

namespace vazolar::cli {

namespace {

const QByteArray kByteOrderMark("\xEF\xBB\xBF");

QString placeOf(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// One line of the file without its line end, as text.
QString decodedLine(QByteArray bytes) {
    while (bytes.endsWith('\n') || bytes.endsWith('\r'))
        bytes.chop(1);
    return QString::fromUtf8(bytes);
}

} // namespace

int runBatchCommand(const QString& inputPath, const QString& outputPath, Console& console) {
    QFile input(inputPath);
    if (!input.open(QIODevice::ReadOnly)) {
        writeLine(console.err, QStringLiteral("Não foi possível ler \"%1\": %2")
                                   .arg(placeOf(inputPath), input.errorString()));
        return kFileError;
    }
    QByteArray first = input.readLine();
    if (first.startsWith(kByteOrderMark))
        first.remove(0, kByteOrderMark.size());
    const Outcome<BatchColumns> columns =
        BatchColumns::fromHeader(decodedLine(first), placeOf(inputPath));
    if (!columns) {
        writeLine(console.err, columns.message());
        return kFileError;
    }

    TextOutput output(outputPath, console.out);
    if (const Outcome<> opened = output.open(); !opened) {
        writeLine(console.err, opened.message());
        return kFileError;
    }
    output.writeLine(csvLine(summaryColumnNames()));
    bool anyFailed = false;
    int lineNumber = 1;
    while (!input.atEnd() && !output.failed()) {
        const QString line = decodedLine(input.readLine());
        ++lineNumber;
        if (line.trimmed().isEmpty())
            continue;
        const SummaryLine summary = summarize(lineNumber, splitCsvLine(line), columns.value());
        output.writeLine(csvLine(summary.cells));
        if (!summary.sized) {
            anyFailed = true;
            writeLine(console.err, QStringLiteral("linha %1: %2")
                                       .arg(lineNumber)
                                       .arg(singleLine(summary.sized.message())));
        }
    }
    if (input.error() != QFileDevice::NoError) {
        writeLine(console.err, QStringLiteral("Não foi possível ler \"%1\": %2")
                                   .arg(placeOf(inputPath), input.errorString()));
        return kFileError;
    }
    if (const Outcome<> committed = output.commit(); !committed) {
        writeLine(console.err, committed.message());
        return kFileError;
    }
    return anyFailed ? kFailure : kSuccess;
}

} // namespace vazolar::cli
