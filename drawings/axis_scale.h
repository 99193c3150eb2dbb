#pragma once

#include <QList>
#include <QString>

namespace vazolar::drawings {

// An axis that runs between round numbers with a round step between its ticks: a step of
// 1, 2 or 5 times a power of ten.
struct AxisScale {
    double lower = 0.0;
    double upper = 1.0;
    double step = 0.2;

    QList<double> ticks() const;
    // A tick's value as the tables write numbers (decimal comma), with as many decimals as
    // the step needs: "0,25" is never shown where the step is 0,05, "1,5" where it is 0,5.
    QString label(double value) const;
    // Where the value lies along the axis: 0 at lower, 1 at upper.
    double fraction(double value) const;
};

// The scale that holds [low, high] with at most about `ticks` ticks. An empty range grows
// around its value; a low end of 0 stays 0.
AxisScale roundScale(double low, double high, int ticks = 6);

} // namespace vazolar::drawings
