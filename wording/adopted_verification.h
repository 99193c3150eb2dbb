#pragma once

#include "engine/adopted_section.h"
#include "engine/outcome.h"

#include <QString>

namespace vazolar {

// Why a section cannot be verified, in Portuguese, as the window and the command line say it.
QString faultMessage(const AdoptedFault& fault);

// The adopted section's result, or the message that says why there is none.
Outcome<AdoptedResult> verifyAdoptedSection(const AdoptedInputs& inputs);

} // namespace vazolar
