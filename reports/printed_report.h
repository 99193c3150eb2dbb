#pragma once

#include "report_data.h"

#include <QStringList>

namespace vazolar::reports {

// The printed report as lines, before they are placed on pages.
struct PrintedReport {
    QStringList heading;   // never broken across pages
    QStringList rows;      // the trial rows, or the circle's one result line
    bool zoneMoves;        // every line starts with a move to the next print zone (trial shapes)
    bool breaksBeforeRows; // a row that would pass the bottom limit goes to a new page
};

// The printed lines of a sizing result. Compared with the saved report: other leading blanks,
// blank lines and column headings, and no increment. A trial report with no rows has 11 lines;
// the circle's report always has 12.
PrintedReport printedReport(const ReportData& data);

// The column heading over the printed rows ("b(m)      B(m) …").
QString printedColumnHeading(Shape shape);

} // namespace vazolar::reports
