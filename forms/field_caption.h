#pragma once

#include "engine/shape.h"
#include "engine/sizing_error.h"

#include <QString>

namespace vazolar {

// The caption that names a data field on a shape's form ("I (%)", "n", "b inicial (m)"), as
// its label reads it, runs of blanks made one; empty for Field::None.
QString fieldCaption(Shape shape, Field field);

} // namespace vazolar
