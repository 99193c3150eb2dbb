#pragma once

#include "engine/outcome.h"

#include <QString>

namespace vazolar {

// Whether a numeric field takes the character as typed: digits, the decimal comma and the
// minus sign.
bool fieldAccepts(char16_t character);

// A field's text given whole (on the command line, in a CSV cell): the blanks around it
// dropped, and then only what the field takes as typed. The first other character is a
// failure that names the field by its caption and says how to write the value.
Outcome<QString> typedFieldText(const QString& caption, const QString& text);

} // namespace vazolar
