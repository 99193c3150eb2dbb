#pragma once

#include "report_data.h"

#include <QStringList>

namespace vazolar::reports {

// The lines of the saved text report, without line ends: the heading block, the data line,
// the shape's column heading and then the rows. A trial report with no rows has 12 lines and
// ends with the empty line after the column heading; the circle's report always has 11.
QStringList savedReportLines(const ReportData& data);

} // namespace vazolar::reports
