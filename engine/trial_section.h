#pragma once

#include "quantities.h"
#include "section_model.h"
#include "sizing.h"

namespace vazolar {

// The section a trial sized: the trapezoid of its bottom width and the run's side slope, the
// rectangle of its width, the 1:1 triangle, the circle of its diameter.
Section trialSection(const RunInputs& run, const SectionQuantities& trial);

} // namespace vazolar
