#pragma once

#include "console.h"

#include <QString>

namespace vazolar::cli {

// `vazolar lote`: sizes every channel of a CSV file, one summary line each, in input order.
// Reads and writes line by line, keeping no channel's rows. Returns the exit status: a line
// that fails is reported on its own summary line and on standard error, and makes the
// status 1; an input that cannot be read or an output that cannot be written makes it 3.
int runBatchCommand(const QString& inputPath, const QString& outputPath, Console& console);

} // namespace vazolar::cli
