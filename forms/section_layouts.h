#pragma once

#include "engine/shape.h"
#include "layout_table.h"

namespace vazolar {

// The layout of a section form: the bands and command buttons all four share, the data
// group, the section drawing, the results area and the roughness panel.
FormLayout sectionLayout(Shape shape);

} // namespace vazolar
