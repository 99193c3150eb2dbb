#pragma once

#include "engine/shape.h"

#include <QString>
#include <QStringList>

namespace vazolar::reports {

// What a report reads from a section form, all as text: the data fields exactly as typed and
// the rows of the last sizing run.
struct ReportData {
    Shape shape = Shape::Trapezoidal;
    QString slope;     // txti
    QString angle;     // txtangulo, trapezoid only
    QString roughness; // txtn
    QString increment; // the trial increment as written after "inc = ", trapezoid only
    // Trial shapes: rows 0 to ntentativas - 1 of the trial list. Circle: the one text of
    // txtresposta (only the first entry is used).
    QStringList rows;
};

} // namespace vazolar::reports
