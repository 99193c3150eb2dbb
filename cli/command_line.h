#pragma once

#include "console.h"

#include <QStringList>

namespace vazolar::cli {

// Whether the arguments ask for the command line rather than the windows: any first argument
// but one of Qt's own window options (-platform, -style, ...); `-help` is the command line's.
bool wantsCommandLine(const QStringList& arguments);

// Runs `vazolar dimensionar …`, `vazolar lote …`, `--help` or `--version`; the first argument
// is the program's name. Returns the exit status.
// Whether the command line paints (the calculation memo): it then needs a QGuiApplication.
bool paintsPages(const QStringList& arguments);

int runCommandLine(const QStringList& arguments, Console& console);

} // namespace vazolar::cli
