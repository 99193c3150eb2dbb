#pragma once

#include <QByteArray>
#include <QString>

namespace vazolar::io {

// File names as the system holds them: bytes, most often UTF-8 but not always (a name made
// on a system with another encoding, or copied from an old disk). Each byte of a name that is
// not part of valid UTF-8 is kept in its text as the lone surrogate U+DC80 to U+DCFF, so that
// the text gives back the very bytes it came from and the file it names is the one opened.

// The name's text; UTF-8 names read as UTF-8.
QString pathFromNative(const QByteArray& bytes);

// The bytes the text came from; any other text in UTF-8.
QByteArray nativePath(const QString& path);

// The text as a person reads it: each kept byte shows as U+FFFD.
QString readablePath(const QString& text);

} // namespace vazolar::io
