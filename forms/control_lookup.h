#pragma once

#include "form_builder.h"

#include <QString>
#include <QWidget>

// Controls a window's code works with, found by their layout names once, when the window is
// built. A name the layout does not have (or has for a control of another type) is a fault in
// the layout tables: the program stops at once with a message naming the control, instead of
// leaving a null pointer for later.
namespace vazolar {

// Stops the program: "<window> has no <type> named <name>".
[[noreturn]] void missingControl(const QWidget* window, const QString& name, const char* type);

template <typename T> T* requireControl(const QWidget* window, const QString& name) {
    T* control = window->findChild<T*>(name);
    if (!control)
        missingControl(window, name, T::staticMetaObject.className());
    return control;
}

// A member of a control array, such as the caption label Label1(index).
template <typename T> T* requireMember(const QWidget* window, const QString& name, int index) {
    T* member = qobject_cast<T*>(arrayMember(window, name, index));
    if (!member)
        missingControl(window, QStringLiteral("%1(%2)").arg(name).arg(index),
                       T::staticMetaObject.className());
    return member;
}

} // namespace vazolar
