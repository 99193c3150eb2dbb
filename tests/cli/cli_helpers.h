#pragma once

#include "cli/command_line.h"

#include <QBuffer>
#include <QStringList>

namespace vazolar::testing {

// One run of the command line in this process, with what it wrote to each stream.
struct CommandRun {
    int status = -1;
    QString out;
    QString err;
};

inline CommandRun runCommand(const QStringList& arguments) {
    QBuffer out;
    QBuffer err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    cli::Console console{out, err};
    CommandRun run;
    run.status = cli::runCommandLine(QStringList{"vazolar"} + arguments, console);
    run.out = QString::fromUtf8(out.data());
    run.err = QString::fromUtf8(err.data());
    return run;
}

} // namespace vazolar::testing
