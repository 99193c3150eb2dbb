#pragma once

#include "console.h"
#include "reports/memo_content.h"

#include <QString>

namespace vazolar::cli {

// `--memoria` of `dimensionar` and `verificar`: where the calculation memo goes, who and what
// it is for, and, for `dimensionar`, the freeboard of the section it adopts.
struct MemoRequest {
    QString path; // empty: no memo
    reports::MemoIdentity identity;
    QString freeboard;  // `--borda-livre`
    QString bankHeight; // `--altura`
};

// What paints and writes the memo. Painting needs Qt Gui, which the rest of the command line
// does without: the program installs the painter (memo_painter.h) before it runs a command.
using MemoWriter = int (*)(const QString& path, const reports::MemoInput& memo, Console& console);
void installMemoWriter(MemoWriter writer);

// Writes the memo to path. Returns the exit status: kFileError, with the reason on standard
// error, when it cannot be written (or no painter is installed).
int writeMemoFile(const QString& path, const reports::MemoInput& memo, Console& console);

} // namespace vazolar::cli
