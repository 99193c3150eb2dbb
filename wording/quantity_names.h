#pragma once

#include "engine/quantities.h"

#include <QString>

namespace vazolar {

// The symbol of a quantity ("b", "Am", ...), what it stands for and its unit ("m²").
QString symbolOf(Quantity quantity);
QString meaningOf(Quantity quantity);
QString unitOf(Quantity quantity);

} // namespace vazolar
