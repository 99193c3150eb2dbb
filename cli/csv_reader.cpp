#include "csv_reader.h"

namespace vazolar::cli {

namespace {

constexpr char kQuote = '"';

bool isLineEnd(char byte) {
    return byte == '\n' || byte == '\r';
}

} // namespace

bool CsvRecord::isBlank() const {
    return fault.isEmpty() && cells.size() == 1 && cells.front().trimmed().isEmpty();
}

CsvReader::CsvReader(QIODevice& device) : input_(device) {}

// Reads another block; false at the end of the input.
Outcome<bool> CsvReader::fill() {
    if (ended_)
        return false;
    const Outcome<QByteArray> block = input_.next();
    if (!block)
        return Failure{block.message()};
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
    for (qsizetype i = 0; i < kMaxRecordBytes; ++i) {
        if (i >= buffer_.size() - at_) {
            const Outcome<bool> more = fill();
            if (!more)
                return Failure{more.message()};
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

void CsvReader::append(char byte) {
    if (++recordBytes_ > kMaxRecordBytes) {
        if (record_.fault.isEmpty())
            fault(QStringLiteral("registro com mais de %1 MB").arg(kMaxRecordBytes >> 20));
        return;
    }
    if (record_.fault.isEmpty())
        cell_ += byte;
}

void CsvReader::endCell() {
    if (record_.fault.isEmpty())
        record_.cells << cell_;
    cell_.clear();
    state_ = State::CellStart;
}

void CsvReader::fault(const QString& why) {
    if (!record_.fault.isEmpty())
        return;
    record_.fault = why;
    record_.cells.clear();
    cell_.clear();
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
    if (!lineEnd)
        afterCarriageReturn_ = false;
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
    while (true) {
        const char* bytes = buffer_.constData();
        while (at_ < buffer_.size()) {
            if (take(bytes[at_++]))
                return std::optional<CsvRecord>(finished());
        }
        const Outcome<bool> more = fill();
        if (!more)
            return Failure{more.message()};
        if (more.value())
            continue;
        if (!recordStarted_)
            return std::optional<CsvRecord>();
        if (state_ == State::Quoted)
            fault(QStringLiteral("aspas sem fechamento"));
        endCell();
        return std::optional<CsvRecord>(finished());
    }
}

} // namespace vazolar::cli
