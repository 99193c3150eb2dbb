#pragma once

#include "wording/adopted_request.h"

namespace vazolar::cli {

// How the messages of `verificar` name the section's inputs: by their options ("--q", "--b").
FieldNamer verifyOptionNames(Shape shape);

} // namespace vazolar::cli
