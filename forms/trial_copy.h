#pragma once

#include "wording/trial_table.h"

#include <QString>

// The trial table for a spreadsheet: tab-separated cells, the numbers with four decimals and
// the decimal comma, as the rows show them; a spreadsheet set to Portuguese (Brazil) reads
// them as numbers.
namespace vazolar {

// One row (counted from 0), with its line end.
QString trialRowText(const TrialTable& trials, int row);

// The column names, then every row.
QString trialTableText(const TrialTable& trials);

} // namespace vazolar
