#pragma once

#include "engine/shape.h"
#include "reports/report_data.h"

#include <QStringList>

namespace vazolar::testing {

// Rows shaped like the trapezoid's trial rows, the first column counting up from 0,0000 so that
// every row is told apart.
inline QStringList numberedRows(int count) {
    QStringList rows;
    for (int k = 0; k < count; ++k)
        rows << QStringLiteral("%1,%2      1,0000      0,4330      0,3248      1,5000      "
                               "0,2165      0,2469      0,7601")
                    .arg(k / 10000)
                    .arg(k % 10000, 4, 10, QChar(u'0'));
    return rows;
}

inline reports::ReportData reportData(Shape shape, const QStringList& rows = {}) {
    return {shape, "0,1", "30", "0,015", "0,1", rows};
}

} // namespace vazolar::testing
