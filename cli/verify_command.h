#pragma once

#include "console.h"
#include "memo_request.h"
#include "wording/adopted_request.h"

namespace vazolar::cli {

enum class VerifyFormat { Report, Csv };

// `vazolar verificar`: one adopted section, checked for usage already.
struct VerifyRequest {
    AdoptedRequest section; // the texts as typed
    QString outputPath;     // empty: standard output
    VerifyFormat format = VerifyFormat::Report;
    MemoRequest memo; // its freeboard is the section's own
};

// Verifies the section and writes its figures and checks: as lines of text, or as the CSV
// header and one line (which carries a fault in its "erro" cell). Returns the exit status:
// a limit that is not met is a result, not a fault.
int runVerifyCommand(VerifyRequest request, Console& console);

} // namespace vazolar::cli
