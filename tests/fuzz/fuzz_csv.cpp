// libFuzzer target over `lote`'s reading: any bytes as an input file, through the CSV reader,
// the decoding of each record and the summary of each channel.
//
// Input layout: byte 0 chooses the separator the reader is given (0 the one it finds in the
// first line, 1 ";", 2 a tab, 3 ","); the rest is the file, fed to the reader in blocks of
// the sizes bytes 1 and 2 give, as a pipe hands them out.
//
// What must hold whatever the input:
//   - the reader ends: every record starts on a later line than the one before, and no more
//     records come than the input has line ends, plus one;
//   - a record never holds more than CsvReader::kMaxRecordBytes of cells; a record with a
//     fault holds no cells;
//   - a record's cells, written back quoted with CR LF and read again, give the same cells;
//   - every record summarised under the usual header gives one cell per summary column, and
//     its `erro` is empty exactly when the channel was sized.

#include "cli/batch_line.h"
#include "cli/cell_text.h"
#include "cli/csv_reader.h"

#include <QBuffer>

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

Read readAll(QIODevice& device, char separator) {
    CsvReader reader(device);
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

void checkRecords(const Read& read, qsizetype lineEnds) {
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
        if (bytes > CsvReader::kMaxRecordBytes)
            fail("a record holds more than the limit");
        if (!record.fault.isEmpty() && !record.cells.isEmpty())
            fail("a faulty record holds cells");
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
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3)
        return 0;
    static const char separators[] = {0, ';', '\t', ','};
    const char separator = separators[data[0] % 4];
    const qint64 step = 1 + data[1] * 256 + data[2];
    const QByteArray file(reinterpret_cast<const char*>(data) + 3, qsizetype(size - 3));
    TricklingBuffer device(step);
    device.setData(file);
    device.open(QIODevice::ReadOnly);
    const Read read = readAll(device, separator);
    checkRecords(read, file.count('\n') + file.count('\r'));
    for (const CsvRecord& record : read.records)
        checkRoundTrip(record, read.separator);
    checkSummaries(read);
    return 0;
}
