#pragma once

#include "engine/outcome.h"
#include "page_layout.h"
#include "printed_report.h"

#include <QFont>
#include <QString>

class QPagedPaintDevice;
class QPrinter;

namespace vazolar::reports {

// The program's typeface (reports/typeface.h), 12 points, neither weight nor style set.
QFont reportFont();

// The report font's line height and column width on the device (a printer, a PDF), and the
// bottom limit of its current paper (the printable area's height less one inch), all in
// twips. The line height is the font's line spacing (ascent + descent + leading), so that
// lines printed one below the other keep the font's own gap.
PageMetrics measurePage(QPagedPaintDevice& device);

// Prints the report on A4 paper: sets A4 first, then measures the page, lays the lines out and
// draws them, each text with its top-left corner at its placement. A printer that prints to a
// PDF file has the whole document made first and then written like a saved report: the file
// appears only complete, and a failure (a full disk) leaves an earlier file as it was. The
// failure's message says why nothing or not everything was printed, in Portuguese.
Outcome<> printReport(QPrinter& printer, const PrintedReport& report);

} // namespace vazolar::reports
