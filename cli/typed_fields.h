#pragma once

#include "engine/outcome.h"
#include "engine/sizing.h"
#include "wording/adopted_request.h"
#include "wording/trial_rows.h"

namespace vazolar::cli {

// The form's fields as given in a CSV cell: each trimmed, every one filled (the form's message
// otherwise), and each holding only what the form's key filter lets through (a message that
// names the field by its caption otherwise).
Outcome<> takeTypedFields(SizingInput& input);

// The same for the options of `dimensionar`, each named by its option in the messages.
Outcome<> takeTypedOptions(SizingInput& input);

// One text as a field takes it, named by `name` in the message of what it cannot take.
Outcome<> takeTyped(QString& text, const QString& name);

// The bank of the memo of `dimensionar`: the number of --borda-livre or --altura, as a field
// takes it.
Outcome<> takeTypedBank(FreeboardText& freeboard);

// The same for the numbers of `verificar`, named by their options; the freeboard's number
// taken as any other.
Outcome<> takeTypedRequest(AdoptedRequest& request);

} // namespace vazolar::cli
