// libFuzzer target over `lote`'s reading: any bytes as an input file, through the CSV reader,
// the decoding of each record and the summary of each channel.
//
// Input layout: byte 0 chooses, in bits 0-1, the separator the reader is given (0 the one it
// finds in the first line, 1 ";", 2 a tab, 3 ","), in bits 2-4 the record's byte limit (0 the
// program's, k the small 4 << k, so that inputs of a few KB reach it) and in bits 5-7 its cell
// limit (0 the program's, k that many); the rest is the file, fed to the reader in blocks of
// the sizes bytes 1 and 2 give, as a pipe hands them out.
//
// What must hold whatever the input:
//   - the reader ends: every record starts on a later line than the one before, and no more
//     records come than the input has line ends, plus one;
//   - a record never holds more cells, nor more bytes of cells, than the limits; a record with
//     a fault holds no cells;
//   - a record that ends the reading is the last one, and has its fault;
//   - a quoted cell left open is the last record, and it counts every physical line from its
//     own to the end as not read;
//   - a record's cells, written back quoted with CR LF and read again, give the same cells;
//   - every record summarised under the usual header gives one cell per summary column, and
//     its `erro` is empty exactly when the channel was sized; a record with another number of
//     cells than the header's seven is not sized and says how many it has.

#include "cli/batch_line.h"
#include "cli/cell_text.h"
#include "cli/csv_reader.h"
#include "io/input_bytes.h"

#include <QBuffer>
#include <QRegularExpression>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace vazolar;
using namespace vazolar::cli;

namespace {

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "fuzz_csv: %s\n", what);
    std::abort();
}

// A device that hands out at most `step` bytes per read, as a pipe may.
class TricklingBuffer : public QBuffer {
public:
    explicit TricklingBuffer(qint64 step) : step_(step) {}

protected:
    qint64 readData(char* data, qint64 size) override {
        return QBuffer::readData(data, std::min(size, step_));
    }

private:
    qint64 step_;
};

struct Read {
    char separator = ';';
    QList<CsvRecord> records;
};

Read readAll(QIODevice& device, char separator, CsvLimits limits = {}) {
    CsvReader reader(device, limits);
    const Outcome<char> found = reader.findSeparator();
    if (!found)
        fail("a buffer failed to read");
    Read read;
    read.separator = separator != 0 ? separator : found.value();
    reader.setSeparator(read.separator);
    while (true) {
        const Outcome<std::optional<CsvRecord>> record = reader.next();
        if (!record)
            fail("a buffer failed to read");
        if (!record.value())
            return read;
        read.records << *record.value();
    }
}

QByteArray quoted(const QList<QByteArray>& cells, char separator) {
    QByteArray line;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0)
            line += separator;
        line += '"' + QByteArray(cells[i]).replace("\"", "\"\"") + '"';
    }
    return line + "\r\n";
}

// The file as the reader sees it: its mark dropped, UTF-16 made UTF-8.
QByteArray decoded(const QByteArray& file) {
    QBuffer buffer;
    buffer.setData(file);
    buffer.open(QIODevice::ReadOnly);
    io::InputBytes input(buffer);
    QByteArray bytes;
    while (true) {
        const Outcome<QByteArray> block = input.next();
        if (!block)
            fail("a buffer failed to read");
        if (block.value().isEmpty())
            return bytes;
        bytes += block.value();
    }
}

// Physical lines: LF, CR LF or CR end one, and bytes after the last line end make one more.
qint64 physicalLines(const QByteArray& bytes) {
    qint64 lines = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')))
            ++lines;
    }
    const bool open = !bytes.isEmpty() && bytes.back() != '\n' && bytes.back() != '\r';
    return lines + (open ? 1 : 0);
}

void checkRecords(const Read& read, qsizetype lineEnds, const CsvLimits& limits) {
    qint64 line = 0;
    if (read.records.size() > lineEnds + 1)
        fail("more records than lines");
    for (const CsvRecord& record : read.records) {
        if (record.line <= line)
            fail("a record does not start on a later line");
        line = record.line;
        qsizetype bytes = 0;
        for (const QByteArray& cell : record.cells)
            bytes += cell.size();
        if (bytes > limits.recordBytes)
            fail("a record holds more than the limit");
        if (record.cells.size() > limits.cells)
            fail("a record holds more cells than the limit");
        if (!record.fault.isEmpty() && !record.cells.isEmpty())
            fail("a faulty record holds cells");
        if (record.endsReading && (record.fault.isEmpty() || &record != &read.records.back()))
            fail("a record that ends the reading is not the last, or has no fault");
    }
}

// A quoted cell open to the end: the last record, counting the lines from its own on.
void checkUnclosedQuote(const Read& read, const QByteArray& file) {
    static const QRegularExpression unclosed(
        QString::fromUtf8("^aspas abertas na linha \\d+ não se fecham até o fim do arquivo: "
                          "(\\d+) linhas? n"));
    for (const CsvRecord& record : read.records) {
        const QRegularExpressionMatch match = unclosed.match(record.fault);
        if (!match.hasMatch())
            continue;
        if (&record != &read.records.back() || record.endsReading)
            fail("an open quote is not the last record");
        if (match.captured(1).toLongLong() != physicalLines(decoded(file)) - record.line + 1)
            fail("an open quote counts other lines than those left");
    }
}

void checkRoundTrip(const CsvRecord& record, char separator) {
    if (!record.fault.isEmpty() || record.cells.isEmpty())
        return;
    QBuffer buffer;
    buffer.setData(quoted(record.cells, separator));
    buffer.open(QIODevice::ReadOnly);
    const Read again = readAll(buffer, separator);
    if (again.records.size() != 1 || again.records.front().cells != record.cells)
        fail("cells written back quoted read differently");
}

void checkSummaries(const Read& read) {
    static const Outcome<BatchColumns> columns = BatchColumns::fromHeader(
        {"forma", "i", "angulo", "n", "q", "inicial", "incremento"}, "fuzz", ";");
    static const qsizetype width = summaryColumnNames().size();
    int summarised = 0;
    for (const CsvRecord& record : read.records) {
        if (!record.fault.isEmpty() || ++summarised > 8)
            continue;
        const SummaryLine line =
            summarize(record.line, decodeCells(record.cells).cells, columns.value());
        if (line.cells.size() != width)
            fail("a summary line of the wrong width");
        if (line.cells.back().isEmpty() != line.sized.ok())
            fail("erro does not match the outcome");
        const QString count =
            QStringLiteral("a linha %1 tem %2 campo").arg(record.line).arg(record.cells.size());
        if (record.cells.size() != 7 && (line.sized.ok() || !line.cells.back().startsWith(count)))
            fail("a line of another width than the header's was not told");
    }
}

CsvLimits limitsOf(uint8_t choice) {
    CsvLimits limits;
    if (const int bytes = (choice >> 2) & 7; bytes != 0)
        limits.recordBytes = qsizetype(4) << bytes;
    if (const int cells = choice >> 5; cells != 0)
        limits.cells = cells;
    return limits;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3)
        return 0;
    static const char separators[] = {0, ';', '\t', ','};
    const char separator = separators[data[0] % 4];
    const CsvLimits limits = limitsOf(data[0]);
    const qint64 step = 1 + data[1] * 256 + data[2];
    const QByteArray file(reinterpret_cast<const char*>(data) + 3, qsizetype(size - 3));
    TricklingBuffer device(step);
    device.setData(file);
    device.open(QIODevice::ReadOnly);
    const Read read = readAll(device, separator, limits);
    checkRecords(read, file.count('\n') + file.count('\r'), limits);
    checkUnclosedQuote(read, file);
    for (const CsvRecord& record : read.records)
        checkRoundTrip(record, read.separator);
    checkSummaries(read);
    return 0;
}
