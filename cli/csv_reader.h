#pragma once

#include "engine/outcome.h"
#include "input_bytes.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace vazolar::cli {

// One record of a CSV file: its cells' bytes, the physical line it starts on, and why it
// cannot be read, if so (its cells are then left out).
struct CsvRecord {
    qint64 line = 0;
    QList<QByteArray> cells;
    QString fault;

    // A line with nothing but blanks on it.
    bool isBlank() const;
};

// Reads CSV as spreadsheets write it (RFC 4180): a quoted cell may hold separators, doubled
// quotes and line breaks; lines end with LF, CR LF or CR. Records are read one at a time and
// none is kept whole beyond kMaxRecordBytes, so any input is read in bounded memory.
class CsvReader {
public:
    static constexpr qsizetype kMaxRecordBytes = 1024 * 1024;

    explicit CsvReader(QIODevice& device);

    // The separator the first line uses: ";" unless it holds none and a tab or a comma.
    Outcome<char> findSeparator();
    void setSeparator(char separator) { separator_ = separator; }

    // The next record; none at the end of the input; a failure when the input cannot be read.
    Outcome<std::optional<CsvRecord>> next();

private:
    enum class State { CellStart, Plain, Quoted, QuoteInQuoted, AfterQuote };

    Outcome<bool> fill();
    // Takes one byte into the record; true when the byte ended it.
    bool take(char byte);
    bool takeLineEnd(char byte);
    void append(char byte);
    void endCell();
    void fault(const QString& why);
    CsvRecord finished();

    InputBytes input_;
    QByteArray buffer_;
    qsizetype at_ = 0;
    bool ended_ = false;
    char separator_ = ';';
    State state_ = State::CellStart;
    bool afterCarriageReturn_ = false;
    qint64 line_ = 1;
    qsizetype recordBytes_ = 0;
    bool recordStarted_ = false;
    CsvRecord record_;
    QByteArray cell_;
};

} // namespace vazolar::cli
