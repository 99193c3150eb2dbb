#pragma once

#include "quantities.h"
#include "section_model.h"
#include "sections.h"
#include "shape.h"

#include <optional>

// What sets each shape apart in the arithmetic, as data: how a trial is computed, which
// figure of a trial is the section's one dimension, and the section built from it. The words
// that go with each shape are in wording/shape_description.h.
namespace vazolar {

using TrialStep = SectionQuantities (*)(const TrialConstants&, double trialValue);
using SectionMaker = Section (*)(double dimension, double sideSlope);

struct ShapeNumbers {
    Shape shape;
    TrialStep trialStep;               // none on the circle, which is sized directly
    std::optional<Quantity> dimension; // b, B or D of a trial; the 1:1 triangle has none
    SectionMaker section;
};

const ShapeNumbers& numbersOf(Shape shape);

} // namespace vazolar
