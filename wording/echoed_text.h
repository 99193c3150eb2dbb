#pragma once

#include <QString>

namespace vazolar {

// A value the user gave, as a message quotes it: every control character written as an
// escape ("\0", "\t", "\n", "\x1B"), and a long value cut after its first kEchoedCharacters
// characters, with "…". A message stays one readable line whatever was given.
constexpr qsizetype kEchoedCharacters = 60;
QString echoedValue(const QString& value);

} // namespace vazolar
