#include "control_lookup.h"

namespace vazolar {

namespace {

std::string describeMissing(const QWidget* window, const QString& name, const char* type) {
    return QStringLiteral("%1 has no %2 named %3")
        .arg(window->objectName(), QString::fromLatin1(type), name)
        .toStdString();
}

} // namespace

MissingControl::MissingControl(const QWidget* window, const QString& name, const char* type)
    : std::logic_error(describeMissing(window, name, type)) {}

} // namespace vazolar
