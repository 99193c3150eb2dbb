#include "axis_scale.h"

#include "wording/number_text.h"

#include <algorithm>
#include <cmath>

namespace vazolar::drawings {

namespace {

// The least of 1, 2 and 5 times a power of ten that is at least the rough step.
double roundStep(double rough) {
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double mantissa : {1.0, 2.0, 5.0, 10.0}) {
        if (mantissa * power >= rough * (1 - 1e-9))
            return mantissa * power;
    }
    return 10 * power;
}

int decimalsFor(double step) {
    return std::max(0, int(std::ceil(-std::log10(step) - 1e-9)));
}

} // namespace

QList<double> AxisScale::ticks() const {
    QList<double> values;
    const int count = int(std::lround((upper - lower) / step));
    for (int k = 0; k <= count; ++k) {
        const double value = lower + k * step;
        values << (std::fabs(value) < step * 1e-9 ? 0.0 : value);
    }
    return values;
}

QString AxisScale::label(double value) const {
    return brazilianLocale().toString(value, 'f', decimalsFor(step));
}

double AxisScale::fraction(double value) const {
    return (value - lower) / (upper - lower);
}

AxisScale roundScale(double low, double high, int ticks) {
    if (!(high > low)) {
        const double spread = low == 0.0 ? 1.0 : std::fabs(low) / 2;
        high = low + spread;
        low = low == 0.0 ? 0.0 : low - spread;
    }
    const double step = roundStep((high - low) / std::max(1, ticks - 1));
    const double lower = std::floor(low / step + 1e-9) * step;
    const double upper = std::ceil(high / step - 1e-9) * step;
    return {lower, std::max(upper, lower + step), step};
}

} // namespace vazolar::drawings
