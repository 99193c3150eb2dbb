#pragma once

#include "section_picture.h"

class QPainter;

namespace vazolar::drawings {

// Paints the section to scale into the rectangle, in vectors: white ground, the water in blue
// up to its surface, the lining, the bank level, the critical depth dashed, and the dimension
// lines with their values.
void paintSection(QPainter& painter, const QRectF& bounds, const SectionPicture& picture);

} // namespace vazolar::drawings
