#include "batch_command.h"

#include "batch_line.h"
#include "cell_text.h"
#include "csv_reader.h"
#include "csv_text.h"
#include "io/input_file.h"
#include "text_output.h"

#include <QFile>

namespace vazolar::cli {

namespace {

QString separatorName(char separator) {
    switch (separator) {
    case '\t':
        return QString::fromUtf8("tabulação");
    case ',':
        return QString::fromUtf8("vírgula");
    default:
        return QString::fromUtf8("ponto e vírgula");
    }
}

// One run of `lote`: the input read record by record, each channel's summary written as soon
// as it is sized.
class BatchRun {
public:
    BatchRun(const QString& inputPath, Console& console)
        : place_(io::inputPlace(inputPath)), console_(console) {}

    int run(QIODevice& input, const QString& outputPath);

private:
    Outcome<BatchColumns> readHeader(CsvReader& reader);
    Outcome<std::optional<CsvRecord>> nextRecord(CsvReader& reader);
    QStringList texts(const CsvRecord& record);
    SummaryLine summary(const CsvRecord& record, const BatchColumns& columns);
    int fileError(const QString& message);
    QString readFailure(const QString& reason) const;
    QString restUnread(const CsvRecord& record) const;

    QString place_;
    Console& console_;
    bool toldEncoding_ = false;
};

int BatchRun::fileError(const QString& message) {
    writeLine(console_.err, message);
    return kFileError;
}

QString BatchRun::readFailure(const QString& reason) const {
    return QString::fromUtf8("Não foi possível ler \"%1\": %2").arg(place_, reason);
}

QString BatchRun::restUnread(const CsvRecord& record) const {
    return QString::fromUtf8("O restante de \"%1\" não foi lido: a leitura parou no registro da "
                             "linha %2.")
        .arg(place_)
        .arg(record.line);
}

// The next record that is not a blank line; none at the end.
Outcome<std::optional<CsvRecord>> BatchRun::nextRecord(CsvReader& reader) {
    while (true) {
        Outcome<std::optional<CsvRecord>> record = reader.next();
        if (!record || !record.value() || !record.value()->isBlank())
            return record;
    }
}

// The record's cells as text; the first record that is not UTF-8 is told about, once.
QStringList BatchRun::texts(const CsvRecord& record) {
    const CellTexts decoded = decodeCells(record.cells);
    if (decoded.windows1252 && !toldEncoding_) {
        toldEncoding_ = true;
        writeLine(console_.err,
                  QString::fromUtf8("O arquivo \"%1\" não está em UTF-8 (linha %2): lido como "
                                    "Windows-1252.")
                      .arg(place_)
                      .arg(record.line));
    }
    return decoded.cells;
}

Outcome<BatchColumns> BatchRun::readHeader(CsvReader& reader) {
    const Outcome<char> separator = reader.findSeparator();
    if (!separator)
        return Failure{readFailure(separator.message())};
    reader.setSeparator(separator.value());
    const Outcome<std::optional<CsvRecord>> header = nextRecord(reader);
    if (!header)
        return Failure{readFailure(header.message())};
    if (!header.value())
        return Failure{QString::fromUtf8("O arquivo \"%1\" está vazio.").arg(place_)};
    if (!header.value()->fault.isEmpty())
        return Failure{QString::fromUtf8("O arquivo \"%1\", linha %2: %3.")
                           .arg(place_)
                           .arg(header.value()->line)
                           .arg(header.value()->fault)};
    const QString separatorText = separatorName(separator.value());
    if (separator.value() != ';')
        writeLine(console_.err,
                  QString::fromUtf8("O arquivo \"%1\" não tem ponto e vírgula na primeira linha: "
                                    "as colunas são lidas separadas por %2.")
                      .arg(place_, separatorText));
    Outcome<BatchColumns> columns =
        BatchColumns::fromHeader(texts(*header.value()), place_, separatorText);
    if (columns && !columns.value().ignored().isEmpty())
        writeLine(console_.err, QString::fromUtf8("O arquivo \"%1\" tem colunas que não são "
                                                  "lidas, ignoradas: %2.")
                                    .arg(place_, columns.value().ignored().join(", ")));
    return columns;
}

SummaryLine BatchRun::summary(const CsvRecord& record, const BatchColumns& columns) {
    if (!record.fault.isEmpty())
        return unreadLine(record.line, record.fault + '.');
    return summarize(record.line, texts(record), columns);
}

int BatchRun::run(QIODevice& input, const QString& outputPath) {
    CsvReader reader(input);
    const Outcome<BatchColumns> columns = readHeader(reader);
    if (!columns)
        return fileError(columns.message());
    TextOutput output(outputPath, console_.out);
    if (const Outcome<> opened = output.open(); !opened)
        return fileError(opened.message());
    output.writeLine(csvLine(summaryColumnNames()));
    bool anyFailed = false;
    while (!output.failed()) {
        const Outcome<std::optional<CsvRecord>> record = nextRecord(reader);
        if (!record)
            return fileError(readFailure(record.message()));
        if (!record.value())
            break;
        const SummaryLine line = summary(*record.value(), columns.value());
        output.writeLine(csvLine(line.cells));
        if (!line.sized) {
            anyFailed = true;
            writeLine(console_.err, QStringLiteral("linha %1: %2")
                                        .arg(record.value()->line)
                                        .arg(singleLine(line.sized.message())));
        }
        if (record.value()->endsReading) {
            writeLine(console_.err, restUnread(*record.value()));
            break;
        }
    }
    if (const Outcome<> committed = output.commit(); !committed)
        return fileError(committed.message());
    return anyFailed ? kFailure : kSuccess;
}

} // namespace

int runBatchCommand(const QString& inputPath, const QString& outputPath, Console& console) {
    BatchRun batch(inputPath, console);
    QFile input;
    if (const Outcome<> opened = io::openInput(input, inputPath); !opened) {
        writeLine(console.err, QString::fromUtf8("Não foi possível ler \"%1\": %2")
                                   .arg(io::inputPlace(inputPath), opened.message()));
        return kFileError;
    }
    return batch.run(input, outputPath);
}

} // namespace vazolar::cli
