#pragma once

#include "section_model.h"

// The first moment A·ȳ of the wetted area about the water surface, where ȳ is the depth of
// the area's centroid below the surface: the pressure part of the momentum function.
namespace vazolar {

// At depth y > 0; a circle is filled to at most its diameter, as in flowGeometry.
double firstMomentOfArea(const Section& section, double depth);

} // namespace vazolar
