#include "window_id.h"

namespace vazolar {

namespace {

// In the order of Shape.
constexpr WindowId kSectionWindows[] = {WindowId::Trapezoidal, WindowId::Rectangular,
                                        WindowId::Triangular, WindowId::Circular};

} // namespace

WindowId sectionWindow(Shape shape) {
    return kSectionWindows[static_cast<int>(shape)];
}

} // namespace vazolar
