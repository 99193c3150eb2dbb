#pragma once

#include "trial_rows.h"
#include "engine/outcome.h"
#include "engine/sizing.h"

namespace vazolar {

// A channel is sized only when every field its shape reads holds text; otherwise the failure
// carries the shape's message ("Informe todos os dados.").
Outcome<> requireEveryField(const SizingInput& input);

} // namespace vazolar
