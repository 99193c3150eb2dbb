#pragma once

#include "engine/outcome.h"

#include <QString>

class QFile;

namespace vazolar::io {

// Opens the input at path for reading, unbuffered, whatever it is: a file, a named pipe,
// /dev/stdin; "-" is standard input. A failure is the system's reason.
Outcome<> openInput(QFile& file, const QString& path);

// The input as the user names it in messages.
QString inputPlace(const QString& path);

} // namespace vazolar::io
