#pragma once

#include <QIODevice>
#include <QString>

namespace vazolar::reports {
struct MemoInput;
}

// The command line's two streams and its exit statuses.
namespace vazolar::cli {

enum ExitStatus : int {
    kSuccess = 0,
    kFailure = 1, // written, but a channel (or the one channel) could not be sized
    kUsageError = 2,
    kFileError = 3, // a file that could not be read or written: nothing written, an earlier
                    // output as it was
};

struct Console;

// What paints and writes the calculation memo, returning the exit status. Painting needs Qt
// Gui, which the rest of the command line does without: the program hands the painter in
// (memo_painter.h); without one, no memo can be made.
using MemoWriter = int (*)(const QString& path, const reports::MemoInput& memo, Console& console);

// Where a command writes: its two streams, and its memo.
struct Console {
    QIODevice& out;
    QIODevice& err;
    MemoWriter memoWriter = nullptr;
};

// Writes the text and a line end, in UTF-8; the bytes of a file name that are not UTF-8
// show as U+FFFD.
void writeLine(QIODevice& device, const QString& text);

} // namespace vazolar::cli
