#include "csv_text.h"

#include <algorithm>

namespace vazolar::cli {

namespace {

constexpr QChar kSeparator = u';';
constexpr QChar kQuote = u'"';

bool isLineBreak(QChar c) {
    return c == u'\n' || c == u'\r';
}

// Reads a quoted cell starting at the quote at `at`; returns where the cell ends.
qsizetype readQuotedCell(const QString& line, qsizetype at, QString& cell) {
    qsizetype i = at + 1;
    while (i < line.size()) {
        if (line[i] != kQuote) {
            cell += line[i++];
        } else if (i + 1 < line.size() && line[i + 1] == kQuote) {
            cell += kQuote;
            i += 2;
        } else {
            ++i;
            break;
        }
    }
    // Whatever follows the closing quote up to the separator belongs to the cell too.
    while (i < line.size() && line[i] != kSeparator)
        cell += line[i++];
    return i;
}

} // namespace

QStringList splitCsvLine(const QString& line) {
    QStringList cells;
    qsizetype i = 0;
    while (true) {
        QString cell;
        if (i < line.size() && line[i] == kQuote) {
            i = readQuotedCell(line, i, cell);
        } else {
            const qsizetype end = line.indexOf(kSeparator, i);
            const qsizetype stop = end < 0 ? line.size() : end;
            cell = line.mid(i, stop - i);
            i = stop;
        }
        cells << cell;
        if (i >= line.size())
            return cells;
        ++i; // the separator
    }
}

QString csvCell(const QString& text) {
    const bool plain = std::none_of(text.begin(), text.end(), [](QChar c) {
        return c == kSeparator || c == kQuote || isLineBreak(c);
    });
    if (plain)
        return text;
    QString cell = singleLine(text);
    if (!cell.contains(kSeparator) && !cell.contains(kQuote))
        return cell;
    cell.replace(kQuote, QStringLiteral("\"\""));
    return kQuote + cell + kQuote;
}

QString singleLine(const QString& text) {
    QString line;
    line.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isLineBreak(text[i]))
            line += text[i];
        else if (i == 0 || !isLineBreak(text[i - 1]))
            line += u' ';
    }
    return line;
}

QString csvLine(const QStringList& cells) {
    QStringList written;
    written.reserve(cells.size());
    for (const QString& cell : cells)
        written << csvCell(cell);
    return written.join(kSeparator);
}

} // namespace vazolar::cli
