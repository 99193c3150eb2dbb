#include "memo_wrap.h"

#include <QTextBoundaryFinder>

namespace vazolar::reports {

namespace {

bool breaksLine(QChar c) {
    return c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
           c == QChar::ParagraphSeparator;
}

// The word in pieces no wider than width, cut between characters (each piece at least one
// character, however narrow the room). Each piece is measured whole, kerning included.
QStringList brokenWord(const QString& word, double width, const TextAdvance& advance) {
    QStringList pieces;
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, word);
    qsizetype start = 0;
    qsizetype lastFit = 0;
    for (qsizetype end = characters.toNextBoundary(); end > 0; end = characters.toNextBoundary()) {
        if (lastFit > start && advance(QStringView(word).mid(start, end - start)) > width) {
            pieces << word.mid(start, lastFit - start);
            start = lastFit;
        }
        lastFit = end;
    }
    pieces << word.mid(start);
    return pieces;
}

} // namespace

QStringList wrapText(const QString& text, double width, const TextAdvance& advance) {
    if (advance(text) <= width)
        return {text};
    QStringList lines;
    QString current;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        const QString longer = current.isEmpty() ? word : current + u' ' + word;
        if (advance(longer) <= width) {
            current = longer;
            continue;
        }
        if (!current.isEmpty())
            lines << current;
        current = word;
        if (advance(word) > width) {
            QStringList pieces = brokenWord(word, width, advance);
            current = pieces.takeLast();
            lines << pieces;
        }
    }
    if (!current.isEmpty())
        lines << current;
    return lines;
}

QString oneLine(const QString& text) {
    QString line;
    line.reserve(text.size());
    for (const QChar c : text) {
        if (!breaksLine(c))
            line += c;
        else if (!line.endsWith(u' '))
            line += u' ';
    }
    return line;
}

} // namespace vazolar::reports
