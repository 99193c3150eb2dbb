#pragma once

#include "memo_request.h"

namespace vazolar::cli {

// Paints the memo as a PDF and writes it where the request says (Qt Gui); the program hands
// it to the console it runs a command with.
int paintMemoFile(const QString& path, const reports::MemoInput& memo, Console& console);

} // namespace vazolar::cli
