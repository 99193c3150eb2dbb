#pragma once

#include "plot_picture.h"
#include "section_picture.h"

namespace vazolar {
struct AdoptedResult;
}

// The three pictures of an adopted section, as data for the painters: the same for the
// window, the calculation memo and a saved image.
namespace vazolar::drawings {

// The section to scale up to its bank (the whole pipe), the water up to its depth, the
// critical depth, and the dimensions b or B or D, T, y, F and H.
SectionPicture sectionPicture(const AdoptedResult& result);

// Q against y from the bed to the bank (to the crown of the pipe, where the largest discharge
// shows), with the working point and the critical depth.
PlotPicture ratingCurve(const AdoptedResult& result);

// The specific energy E = y + V²/2g of the discharge against y, with E = y for reference, the
// least energy at the critical depth, the working depth and its alternate depth.
PlotPicture energyCurve(const AdoptedResult& result);

} // namespace vazolar::drawings
