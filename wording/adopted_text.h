#pragma once

#include "engine/adopted_section.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The adopted section's result as lines, the same for the window and the command line.
namespace vazolar {

struct ResultRow {
    QString label; // "Velocidade V"
    QString value; // four decimals, "—" where undefined; a word for the regime and the checks
    QString unit;  // "m/s"; empty for pure numbers and words
    // On a design limit's row: whether the flow meets it; empty on other rows and on a limit
    // that was not set.
    std::optional<bool> passes{};
};

// The section's dimensions: b and z, B, z or D.
QList<ResultRow> sectionDimensionRows(const Section& section);

// The section, the flow, the bank or the pipe's filling, then one row per design limit the
// shape can have, checked or said to be unchecked.
QList<ResultRow> adoptedResultRows(const AdoptedResult& result);

// The rows as lines of text, "Profundidade normal yn: 0,5439 m", the checks last.
QStringList resultRowsLines(const QList<ResultRow>& rows);

// The rows tab-separated under the heading "Grandeza", "Valor", "Unidade", one a line, for a
// spreadsheet in Portuguese.
QString resultRowsText(const QList<ResultRow>& rows);

} // namespace vazolar
