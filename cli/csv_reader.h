#pragma once

#include "engine/outcome.h"
#include "io/input_bytes.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace vazolar::cli {

// How far one record may go: its bytes as read (cells, separators, quotes and the line ends
// inside quotes) and its cells.
struct CsvLimits {
    qsizetype recordBytes = 1024 * 1024;
    qsizetype cells = 1000;
};

// One record of a CSV file: its cells' bytes, the physical line it starts on, and why it
// cannot be read, if so (its cells are then left out).
struct CsvRecord {
    qint64 line = 0;
    QList<QByteArray> cells;
    QString fault;
    // The record passed the byte limit: the reading stopped in it and the rest of the input
    // was not read.
    bool endsReading = false;

    // A line with nothing but blanks on it.
    bool isBlank() const;
};

// Reads CSV as spreadsheets write it (RFC 4180): a quoted cell may hold separators, doubled
// quotes and line breaks; lines end with LF, CR LF or CR. Records are read one at a time; a
// record with more cells than the limit is refused on its line, and one with more bytes ends
// the reading there, so any input, endless ones included, is read in bounded memory and time.
class CsvReader {
public:
    static constexpr qsizetype kMaxRecordBytes = CsvLimits{}.recordBytes;
    static constexpr qsizetype kMaxCells = CsvLimits{}.cells;

    explicit CsvReader(QIODevice& device, CsvLimits limits = {});

    // The separator the first line uses: ";" unless it holds none and a tab or a comma.
    Outcome<char> findSeparator();
    void setSeparator(char separator) { separator_ = separator; }

    // The next record; none at the end of the input or after a record that ended the
    // reading; a failure when the input cannot be read.
    Outcome<std::optional<CsvRecord>> next();

private:
    enum class State { CellStart, Plain, Quoted, QuoteInQuoted, AfterQuote };

    Outcome<bool> fill();
    // Takes one byte into the record; true when the byte ended it.
    bool take(char byte);
    bool takeLineEnd(char byte);
    bool counted();
    void append(char byte);
    void endCell();
    void fault(const QString& why);
    void replaceFault(const QString& why);
    QString unclosedToTheEnd() const;
    CsvRecord finished();

    io::InputBytes input_;
    CsvLimits limits_;
    QByteArray buffer_;
    qsizetype at_ = 0;
    bool ended_ = false;
    bool stopped_ = false;
    char separator_ = ';';
    State state_ = State::CellStart;
    bool afterCarriageReturn_ = false;
    bool lineJustEnded_ = false;
    qint64 line_ = 1;
    qint64 quoteLine_ = 0;
    qsizetype recordBytes_ = 0;
    bool recordStarted_ = false;
    CsvRecord record_;
    QByteArray cell_;
};

} // namespace vazolar::cli
