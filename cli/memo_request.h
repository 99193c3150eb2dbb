#pragma once

#include "console.h"
#include "reports/memo_content.h"
#include "wording/adopted_request.h"

#include <QString>

namespace vazolar::cli {

// `--memoria` of `dimensionar` and `verificar`: where the calculation memo goes, who and what
// it is for, and, for `dimensionar`, the freeboard of the section it adopts.
struct MemoRequest {
    QString path; // empty: no memo
    reports::MemoIdentity identity;
    FreeboardText freeboard; // `--borda-livre` or `--altura`
};

// Writes the memo to path with the console's memo writer. Returns the exit status: kFileError,
// with the reason on standard error, when it cannot be written (or there is no painter).
int writeMemoFile(const QString& path, const reports::MemoInput& memo, Console& console);

} // namespace vazolar::cli
