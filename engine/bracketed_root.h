#pragma once

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

// The root of a continuous function between two points where it changes sign. The hydraulic
// check solves its implicit depths (critical depth of a trapezoid or a circle, normal depth
// of a circle) with it, always on a bracket whose ends have been evaluated first.
namespace vazolar::hydraulics {

struct Bracket {
    double lower = 0.0;
    double upper = 0.0;
};

// More than enough: a step that does not halve the bracket is followed by a bisection, so
// 200 steps shrink any finite bracket by at least 2^100.
constexpr int kRootStepLimit = 200;

namespace detail {

// Where the chord through (a, fa) and (b, fb) crosses zero; NaN or outside [a, b] when the
// values are infinite or equal.
inline double falsePosition(double a, double fa, double b, double fb) {
    return b - fb * (b - a) / (fb - fa);
}

inline bool bracketIsNarrow(double a, double b, double tolerance) {
    const double middle = a + (b - a) / 2;
    const double slack = 4 * std::numeric_limits<double>::epsilon() * std::fabs(middle);
    return std::fabs(b - a) <= tolerance + slack || middle == a || middle == b;
}

} // namespace detail

// The Illinois variant of regula falsi, safeguarded by bisection: a point that falls outside
// the bracket, or a step that left more than half of it, makes the next point the midpoint.
// Stops when the bracket is narrower than the tolerance (plus a few units in the last place).
// Empty when f has the same sign at both ends or gives NaN; f may be infinite at an end.
template <typename Function>
std::optional<double> bracketedRoot(const Function& f, Bracket bracket, double tolerance) {
    double a = bracket.lower;
    double b = bracket.upper;
    double fa = f(a);
    double fb = f(b);
    if (fa == 0.0)
        return a;
    if (fb == 0.0)
        return b;
    if (std::isnan(fa) || std::isnan(fb) || (fa < 0.0) == (fb < 0.0))
        return std::nullopt;
    bool bisectNext = false;
    int keptEnd = 0; // -1: a was kept by the last step, +1: b was
    for (int step = 0; step < kRootStepLimit && !detail::bracketIsNarrow(a, b, tolerance); ++step) {
        const double width = std::fabs(b - a);
        double c = bisectNext ? a + (b - a) / 2 : detail::falsePosition(a, fa, b, fb);
        if (!(c > std::min(a, b) && c < std::max(a, b)))
            c = a + (b - a) / 2;
        const double fc = f(c);
        if (fc == 0.0)
            return c;
        if (std::isnan(fc))
            return std::nullopt;
        if ((fc < 0.0) == (fa < 0.0)) {
            a = c;
            fa = fc;
            if (keptEnd == 1)
                fb /= 2; // b kept twice running: Illinois halves its value
            keptEnd = 1;
        } else {
            b = c;
            fb = fc;
            if (keptEnd == -1)
                fa /= 2;
            keptEnd = -1;
        }
        bisectNext = std::fabs(b - a) > width / 2;
    }
    return std::fabs(fa) < std::fabs(fb) ? a : b;
}

} // namespace vazolar::hydraulics
