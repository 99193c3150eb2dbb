#include "csv_text.h"

#include <algorithm>

namespace vazolar::cli {

namespace {

constexpr QChar kSeparator = u';';
constexpr QChar kQuote = u'"';

bool isLineBreak(QChar c) {
    return c == u'\n' || c == u'\r';
}

bool isDigits(QStringView text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The whole part of a number: digits, or groups of three after a first of one to three
// separated by dots ("1.234.567"); empty as in ",5".
bool isWholePart(QStringView text) {
    if (!text.contains(u'.'))
        return isDigits(text);
    const QList<QStringView> groups = text.split(u'.');
    if (groups.front().isEmpty() || groups.front().size() > 3 || !isDigits(groups.front()))
        return false;
    return std::all_of(groups.begin() + 1, groups.end(),
                       [](QStringView group) { return group.size() == 3 && isDigits(group); });
}

// A number as the program writes it and a form's field takes it: a leading minus, the whole
// part, one decimal comma and its digits ("-1.234,5000", "0,5", "-,5", "12"). Told by the
// characters alone, so that no locale can make a formula pass for a number.
bool isNumberText(QStringView text) {
    if (text.startsWith(u'-'))
        text = text.mid(1);
    const qsizetype comma = text.indexOf(u',');
    const QStringView whole = comma < 0 ? text : text.first(comma);
    const QStringView fraction = comma < 0 ? QStringView() : text.mid(comma + 1);
    return (!whole.isEmpty() || !fraction.isEmpty()) && isWholePart(whole) && isDigits(fraction);
}

// A text a spreadsheet would run as a formula: one that starts with "=", "+", "-", "@" or a
// tab and is not a number (a line break cannot start a written cell: it is a blank by then).
bool runsAsFormula(const QString& cell) {
    static const QString starts = QStringLiteral("=+-@\t");
    return !cell.isEmpty() && starts.contains(cell.front()) && !isNumberText(cell.trimmed());
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
    QString cell = std::any_of(text.begin(), text.end(), isLineBreak) ? singleLine(text) : text;
    // Written as text, the way a spreadsheet's user marks it: behind an apostrophe.
    if (runsAsFormula(cell))
        cell.prepend(u'\'');
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
