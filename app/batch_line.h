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
    // are ignored. A required column (forma, i, n, q) that is missing is a failure that names
    // it and the file, given by `place` as the user knows it.
    static Outcome<BatchColumns> fromHeader(const QString& header, const QString& place);

    // The cell of the named column, empty where the line is short or the column absent.
    QString cell(const QStringList& cells, const QString& name) const;

private:
    QHash<QString, qsizetype> index_;
};

QStringList summaryColumnNames();

struct SummaryLine {
    QStringList cells;
    Outcome<> sized; // the form's message where the channel could not be sized
};

// Sizes the channel of one input line and builds its summary cells.
SummaryLine summarize(int lineNumber, const QStringList& cells, const BatchColumns& columns);

} // namespace vazolar::cli
