#pragma once

#include "page_layout.h"
#include "printed_report.h"

#include <QFont>
#include <QString>

class QPrinter;

namespace vazolar::reports {

// The program's typeface (reports/typeface.h), 12 points, neither weight nor style set.
QFont reportFont();

// The report font's line height and column width on the printer, and the bottom limit of its
// current paper (the printable area's height less one inch), all in twips. The line height is
// the font's line spacing (ascent + descent + leading), so that lines printed one below the
// other keep the font's own gap.
PageMetrics measurePage(QPrinter& printer);

// Prints the report on A4 paper: sets A4 first, then measures the page, lays the lines out and
// draws them, each text with its top-left corner at its placement. Returns an empty string on
// success, otherwise why nothing or not everything was printed, in Portuguese.
QString printReport(QPrinter& printer, const PrintedReport& report);

} // namespace vazolar::reports
