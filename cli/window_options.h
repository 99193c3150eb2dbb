#pragma once

#include <QString>

namespace vazolar::cli {

// Whether the argument is one of Qt's own window options (`-platform`, `-style=fusion`,
// `--reverse`, `-fn`, …), which the windows take; anything else is for the command line.
bool isWindowOption(const QString& argument);

} // namespace vazolar::cli
