#include "csv_reader.h"

namespace vazolar::cli {

namespace {

constexpr char kQuote = '"';

bool isLineEnd(char byte) {
    return byte == '\n' || byte == '\r';
}

QString tooManyBytes(qsizetype limit) {
    constexpr qsizetype megabyte = 1024 * 1024;
    if (limit % megabyte == 0)
        return QStringLiteral("registro com mais de %1 MB").arg(limit / megabyte);
    return QStringLiteral("registro com mais de %1 bytes").arg(limit);
}

QString tooManyCells(qsizetype limit) {
    return QStringLiteral("registro com mais de %1 campos").arg(limit);
}

} // namespace

bool CsvRecord::isBlank() const {
    return fault.isEmpty() && cells.size() == 1 && cells.front().trimmed().isEmpty();
}

CsvReader::CsvReader(QIODevice& device, CsvLimits limits) : input_(device), limits_(limits) {}

// Reads another block; false at the end of the input.
Outcome<bool> CsvReader::fill() {
    if (ended_)
        return false;
    const Outcome<QByteArray> block = input_.next();
    if (!block)
        return block.failure();
    if (block.value().isEmpty()) {
        ended_ = true;
        return false;
    }
    buffer_ = buffer_.mid(at_) + block.value();
    at_ = 0;
    return true;
}

Outcome<char> CsvReader::findSeparator() {
    // The first line, as far as a record may go, outside quotes.
    bool quoted = false;
    bool tab = false;
    bool comma = false;
    for (qsizetype i = 0; i < limits_.recordBytes; ++i) {
        if (i >= buffer_.size() - at_) {
            const Outcome<bool> more = fill();
            if (!more)
                return more.failure();
            if (!more.value())
                break;
        }
        const char byte = buffer_[at_ + i];
        if (byte == kQuote)
            quoted = !quoted;
        else if (!quoted && byte == ';')
            return ';';
        else if (!quoted && isLineEnd(byte))
            break;
        tab = tab || (!quoted && byte == '\t');
        comma = comma || (!quoted && byte == ',');
    }
    return tab ? '\t' : comma ? ',' : ';';
}

// Counts one byte of the record; false once it passes the limit: the record then ends, with
// its fault, and so does the reading, since its end may never come (/dev/zero).
bool CsvReader::counted() {
    if (++recordBytes_ <= limits_.recordBytes)
        return true;
    replaceFault(tooManyBytes(limits_.recordBytes));
    record_.endsReading = true;
    stopped_ = true;
    return false;
}

void CsvReader::append(char byte) {
    if (record_.fault.isEmpty())
        cell_ += byte;
}

void CsvReader::endCell() {
    if (record_.cells.size() == limits_.cells)
        fault(tooManyCells(limits_.cells));
    if (record_.fault.isEmpty())
        record_.cells << cell_;
    cell_.clear();
    state_ = State::CellStart;
}

void CsvReader::fault(const QString& why) {
    if (!record_.fault.isEmpty())
        return;
    replaceFault(why);
}

void CsvReader::replaceFault(const QString& why) {
    record_.fault = why;
    record_.cells.clear();
    cell_.clear();
}

// A quoted cell still open at the end: every line from the record's first on went into it.
QString CsvReader::unclosedToTheEnd() const {
    const qint64 lines = line_ - record_.line + (lineJustEnded_ ? 0 : 1);
    const QString unread =
        lines == 1 ? QString::fromUtf8("1 linha não foi lida como canal")
                   : QString::fromUtf8("%1 linhas não foram lidas como canais").arg(lines);
    return QString::fromUtf8("aspas abertas na linha %1 não se fecham até o fim do arquivo: %2")
        .arg(quoteLine_)
        .arg(unread);
}

// A line end outside quotes ends the record; inside quotes it is the cell's, byte for byte.
// The LF of a CR LF ends no line of its own.
bool CsvReader::takeLineEnd(char byte) {
    const bool secondHalf = byte == '\n' && afterCarriageReturn_;
    afterCarriageReturn_ = byte == '\r';
    if (!secondHalf)
        ++line_;
    if (state_ == State::Quoted) {
        append(byte);
        return false;
    }
    if (secondHalf)
        return false;
    endCell();
    return true;
}

bool CsvReader::take(char byte) {
    if (!recordStarted_) {
        // The LF of a CR LF that ended the previous record starts nothing.
        if (byte == '\n' && afterCarriageReturn_) {
            afterCarriageReturn_ = false;
            return false;
        }
        recordStarted_ = true;
        record_ = CsvRecord{line_, {}, {}};
    }
    const bool lineEnd = isLineEnd(byte);
    lineJustEnded_ = lineEnd;
    if (!lineEnd)
        afterCarriageReturn_ = false;
    if ((!lineEnd || state_ == State::Quoted) && !counted())
        return true;
    if (state_ == State::QuoteInQuoted) {
        if (byte == kQuote) {
            append(kQuote);
            state_ = State::Quoted;
            return false;
        }
        state_ = State::AfterQuote;
    }
    if (lineEnd)
        return takeLineEnd(byte);
    switch (state_) {
    case State::CellStart:
        if (byte == kQuote) {
            state_ = State::Quoted;
            quoteLine_ = line_;
            return false;
        }
        state_ = State::Plain;
        [[fallthrough]];
    case State::Plain:
        if (byte == separator_)
            endCell();
        else
            append(byte);
        return false;
    case State::Quoted:
        if (byte == kQuote)
            state_ = State::QuoteInQuoted;
        else
            append(byte);
        return false;
    case State::AfterQuote:
    case State::QuoteInQuoted:
        if (byte == separator_) {
            endCell();
            return false;
        }
        fault(QString::fromUtf8("aspas sem fechamento: há texto depois das aspas que fecham a "
                                "célula"));
        state_ = State::Plain;
        return false;
    }
    return false;
}

CsvRecord CsvReader::finished() {
    CsvRecord record = std::move(record_);
    record_ = CsvRecord{};
    recordStarted_ = false;
    recordBytes_ = 0;
    state_ = State::CellStart;
    return record;
}

Outcome<std::optional<CsvRecord>> CsvReader::next() {
    while (!stopped_) {
        const char* bytes = buffer_.constData();
        while (at_ < buffer_.size()) {
            if (take(bytes[at_++]))
                return std::optional<CsvRecord>(finished());
        }
        const Outcome<bool> more = fill();
        if (!more)
            return more.failure();
        if (more.value())
            continue;
        if (!recordStarted_)
            return std::optional<CsvRecord>();
        if (state_ == State::Quoted)
            replaceFault(unclosedToTheEnd());
        endCell();
        return std::optional<CsvRecord>(finished());
    }
    return std::optional<CsvRecord>();
}

} // namespace vazolar::cli
