#pragma once

#include "engine/adopted_request.h"
#include "engine/outcome.h"
#include "engine/sizing.h"

namespace vazolar::cli {

// The form's fields as given on the command line or in a CSV cell: each trimmed, every one
// filled (the form's message otherwise), and each holding only what the form's key filter
// lets through (a message that names the field otherwise).
Outcome<> takeTypedFields(SizingInput& input);

// The same for the numbers of `verificar`, named by their options; the freeboard rule, which
// takes "usbr" and "20%", is only trimmed.
Outcome<> takeTypedRequest(AdoptedRequest& request);

} // namespace vazolar::cli
