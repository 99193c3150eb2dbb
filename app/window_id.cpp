#include "window_id.h"

#include <QtGlobal>

namespace vazolar {

WindowId sectionWindow(Shape shape) {
    switch (shape) {
    case Shape::Trapezoidal:
        return WindowId::Trapezoidal;
    case Shape::Rectangular:
        return WindowId::Rectangular;
    case Shape::Triangular:
        return WindowId::Triangular;
    case Shape::Circular:
        return WindowId::Circular;
    }
    Q_UNREACHABLE();
    return WindowId::Trapezoidal;
}

} // namespace vazolar
