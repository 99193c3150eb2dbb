#pragma once

#include "printed_report.h"

#include <QString>

#include <vector>

namespace vazolar::reports {

// Font and page measures in twips (1/1440 inch), from the top-left corner of the printable
// area.
struct PageMetrics {
    double lineHeight;       // one line of the report font
    double averageCharWidth; // one column; print zones start every 14 columns
    double bottomLimit;      // a row must not end below this
};

// Where one printed line lands: its text's top-left corner, in twips, on a page counted from 0.
struct Placement {
    int page;
    double x;
    double y;
    QString text;
};

// Places every line of the report, empty lines included (they carry an empty text and only
// move the position), heading first and rows after it, in order. The position starts at
// (1440, 1440) and is kept in single precision; after each line x goes back to 0 and y grows
// by one line height. A row that would end below the bottom limit starts a new page at
// y = 1440 when the report breaks before rows; the heading is never broken.
std::vector<Placement> layOutPages(const PrintedReport& report, const PageMetrics& metrics);

} // namespace vazolar::reports
