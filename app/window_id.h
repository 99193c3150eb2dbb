#pragma once

#include "engine/shape.h"

namespace vazolar {

// The seven windows of the program; each exists at most once.
enum class WindowId { Splash, Chooser, Trapezoidal, Rectangular, Triangular, Circular, Credits };

constexpr int kWindowCount = 7;

// The section form that sizes a shape.
WindowId sectionWindow(Shape shape);

} // namespace vazolar
