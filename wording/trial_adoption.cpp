#include "trial_adoption.h"

#include "engine/commercial_diameters.h"
#include "engine/shape_numbers.h"
#include "number_text.h"
#include "pipe_text.h"
#include "shape_description.h"
#include "trial_rows.h"

#include <cmath>

namespace vazolar {

QString roundedUpToCentimetre(double metres) {
    // A value on a whole centimetre stays on it, however its binary form falls: 0,7 × 100 is
    // 70,000000000000014.
    const double centimetres = std::ceil(metres * 100 * (1 - 1e-12));
    return brazilianLocale().toString(centimetres / 100, 'f', 2);
}

QString builtDiameterText(double metres) {
    const std::optional<int> pipe = smallestPipeNotBelow(metres);
    return pipe ? pipeMetresText(*pipe) : roundedUpToCentimetre(metres);
}

namespace {

QString builtDimensionText(Shape shape, double metres) {
    return builtOfPipes(shape) ? builtDiameterText(metres) : roundedUpToCentimetre(metres);
}

} // namespace

AdoptedRequest adoptedRequestForTrial(const SizingInput& texts, const SectionQuantities& trial,
                                      DimensionText written) {
    AdoptedRequest request;
    request.shape = texts.shape;
    request.slope = texts.slope;
    request.roughness = texts.roughness;
    request.discharge = texts.discharge;
    if (takesField(texts.shape, AdoptedField::Angle))
        request.angle = texts.angle;
    if (const auto dimension = adoptedField(texts.shape, AdoptedField::Dimension)) {
        const double value = trial[*numbersOf(texts.shape).dimension];
        request.*dimension->text = written == DimensionText::AsBuilt
                                       ? builtDimensionText(texts.shape, value)
                                       : brazilianLocale().toString(value, 'g', 17);
    }
    return request;
}

} // namespace vazolar
