#include "sizing_error.h"

#include <QtGlobal>

namespace vazolar {

const char* SizingError::what() const noexcept {
    switch (fault_) {
    case Fault::TypeMismatch:
        return "type mismatch";
    case Fault::Overflow:
        return "overflow";
    case Fault::DivisionByZero:
        return "division by zero";
    case Fault::InvalidArgument:
        return "invalid argument";
    case Fault::TrialLimit:
        return "trial limit";
    }
    Q_UNREACHABLE();
    return "sizing error";
}

} // namespace vazolar
