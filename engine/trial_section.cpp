#include "trial_section.h"

namespace vazolar {

Section trialSection(const RunInputs& run, const SectionQuantities& trial) {
    switch (run.shape) {
    case Shape::Trapezoidal:
        return TrapezoidSection{trial.bottomWidth, run.constants.sideSlope};
    case Shape::Rectangular:
        return RectangleSection{trial.bottomWidth};
    case Shape::Triangular:
        return TriangleSection{};
    case Shape::Circular:
        break;
    }
    return CircleSection{trial.diameter};
}

} // namespace vazolar
