#pragma once

#include "wording/adopted_request.h"

namespace vazolar::cli {

// How the messages of `verificar` name the section's inputs: by their options ("--q", "--b").
FieldNamer verifyOptionNames(Shape shape);

// A field's option, as its messages name it ("--altura"); the dimension by the first shape's.
QString optionName(AdoptedField id);

} // namespace vazolar::cli
