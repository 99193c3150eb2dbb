#include "control_lookup.h"

namespace vazolar {

void missingControl(const QWidget* window, const QString& name, const char* type) {
    qFatal("%s has no %s named %s", qPrintable(window->objectName()), type, qPrintable(name));
}

} // namespace vazolar
