#pragma once

#include "engine/shape.h"
#include "engine/sizing_error.h"

#include <QString>

namespace vazolar {

// What the user reads when a sizing is abandoned: what went wrong and what to check. A field
// is named by its caption on the form (fieldCaption), such as "n" or "I (%)".
QString sizingFaultMessage(const SizingError& error, const QString& fieldCaption);

// What the user reads of a field whose text cannot be used (not a number, too large), naming
// the field by its caption.
QString fieldFaultMessage(const SizingError& error, const QString& fieldCaption);

// The same, naming the field by its caption on the shape's form.
QString sizingFaultMessage(Shape shape, const SizingError& error);

// A trial shape's run that listed no trial at all: its design discharge is negative.
QString noTrialMessage();

} // namespace vazolar
