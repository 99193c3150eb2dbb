#pragma once

#include "engine/outcome.h"

#include <QHash>
#include <QString>
#include <QStringList>

// One line of a `lote` file and its summary line.
namespace vazolar::cli {

// Where each input column stands in the file's lines, read from its first line.
class BatchColumns {
public:
    // Column names are matched without regard to case or surrounding blanks; unknown ones
    // are ignored and listed. A required column (forma, i, n, q) that is missing, or a column
    // named twice, is a failure that names it, the file (given by `place` as the user knows
    // it) and the separator the names were read with.
    static Outcome<BatchColumns> fromHeader(const QStringList& names, const QString& place,
                                            const QString& separator);

    // The cell of the named column, empty where the line is short or the column absent.
    QString cell(const QStringList& cells, const QString& name) const;

    // The names of the columns that are not read, as written.
    const QStringList& ignored() const { return ignored_; }

    // How many cells the first line has: every line must have as many.
    qsizetype width() const { return width_; }

private:
    QHash<QString, qsizetype> index_;
    qsizetype width_ = 0;
    QStringList ignored_;
};

QStringList summaryColumnNames();

// The columns a channel's line is read from, in the order of the summary:
// forma;i;angulo;n;q;inicial;incremento.
QStringList inputColumnNames();

struct SummaryLine {
    QStringList cells;
    Outcome<> sized; // the form's message where the channel could not be sized
};

// Sizes the channel of one input line and builds its summary cells; a line with more or fewer
// cells than the first one is not sized, as its cells cannot be told apart.
SummaryLine summarize(qint64 lineNumber, const QStringList& cells, const BatchColumns& columns);

// The summary of a line that could not be read as cells: its number and why.
SummaryLine unreadLine(qint64 lineNumber, const QString& fault);

} // namespace vazolar::cli
