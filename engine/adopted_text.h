#pragma once

#include "adopted_section.h"

#include <QList>
#include <QString>

// The adopted section's result as lines, the same for the window and the command line.
namespace vazolar {

struct ResultRow {
    QString label; // "Velocidade V"
    QString value; // four decimals, "—" where undefined; a word for the regime and the checks
    QString unit;  // "m/s"; empty for pure numbers and words
};

// The section, the flow, the bank or the pipe's filling, then one row per design limit the
// shape can have, checked or said to be unchecked.
QList<ResultRow> adoptedResultRows(const AdoptedResult& result);

} // namespace vazolar
