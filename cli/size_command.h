#pragma once

#include "channel_text.h"
#include "console.h"
#include "memo_request.h"
#include "wording/trial_rows.h"

namespace vazolar::cli {

enum class SizeFormat { Report, Csv };

// `vazolar dimensionar`: one channel, checked for usage already.
struct SizeRequest {
    SizingInput input;  // the field texts as typed, and the scroll bar's step
    QString outputPath; // empty: standard output
    SizeFormat format = SizeFormat::Report;
    MemoRequest memo; // the adopted section is the last trial as sized
};

// Sizes the channel and writes its report or its trial table, and the memo when asked;
// nothing is written when the sizing is abandoned or a field holds what the form would not
// take. A run with no trial writes its empty report and fails. Returns the exit status.
int runSizeCommand(SizeRequest request, Console& console);

} // namespace vazolar::cli
