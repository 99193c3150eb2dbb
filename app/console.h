#pragma once

#include <QIODevice>
#include <QString>

// The command line's two streams and its exit statuses.
namespace vazolar::cli {

enum ExitStatus : int {
    kSuccess = 0,
    kFailure = 1, // a sizing fault, or a file that cannot be read or written
    kUsageError = 2,
    kFileError = 3, // an output that could not be written; an earlier file is as it was
};

struct Console {
    QIODevice& out;
    QIODevice& err;
};

// Writes the text and a line end, in UTF-8.
void writeLine(QIODevice& device, const QString& text);

} // namespace vazolar::cli
