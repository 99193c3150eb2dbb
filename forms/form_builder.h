#pragma once

#include "layout_table.h"

class QWidget;

namespace vazolar {

// Creates the controls of a layout inside window, in stacking order, each named after its
// layout entry (objectName), and chains the keyboard focus in the layout's tab order.
void buildLayout(QWidget* window, const FormLayout& layout);

// The member of a control array, such as the caption label Label1(index).
QWidget* arrayMember(const QWidget* window, const QString& name, int index);

} // namespace vazolar
