#pragma once

#include "batch_command.h"
#include "console.h"
#include "engine/outcome.h"
#include "profile_command.h"
#include "size_command.h"
#include "verify_command.h"

#include <QStringList>

#include <variant>

namespace vazolar::cli {

// Whether the arguments ask for the command line rather than the windows: any first argument
// but one of Qt's own window options (-platform, -style, ...); `-help` is the command line's.
bool wantsCommandLine(const QStringList& arguments);

struct HelpRequest {};
struct VersionRequest {};

// `vazolar lote ENTRADA [--saida RESUMO]`, checked for usage already.
struct BatchRequest {
    QString inputPath;  // "-": standard input
    QString outputPath; // empty: standard output
};

// What the arguments ask for, read once: a command checked for usage and ready to run, or why
// it cannot be run.
class CommandLine {
public:
    using Request = std::variant<HelpRequest, VersionRequest, SizeRequest, VerifyRequest,
                                 BatchRequest, ProfileCommandRequest>;

    // The first argument is the program's name.
    explicit CommandLine(const QStringList& arguments);

    // Whether the command paints (the calculation memo): it then needs a QGuiApplication.
    bool paints() const;

    // Runs it; returns the exit status.
    int run(Console& console) const;

private:
    Outcome<Request> request_;
};

// Reads and runs the arguments in one step.
int runCommandLine(const QStringList& arguments, Console& console);

} // namespace vazolar::cli
