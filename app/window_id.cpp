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
}

std::optional<Shape> sectionShape(WindowId id) {
    switch (id) {
    case WindowId::Trapezoidal:
        return Shape::Trapezoidal;
    case WindowId::Rectangular:
        return Shape::Rectangular;
    case WindowId::Triangular:
        return Shape::Triangular;
    case WindowId::Circular:
        return Shape::Circular;
    case WindowId::Splash:
    case WindowId::Chooser:
    case WindowId::Credits:
        return std::nullopt;
    }
    Q_UNREACHABLE();
}

} // namespace vazolar
