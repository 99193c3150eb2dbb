#include "application_setup.h"
#include "command_line.h"
#include "program.h"
#include "qt_portuguese.h"

#include <QApplication>
#include <QFile>

namespace {

// The command line runs without any display: a core application loads no window system,
// whatever QT_QPA_PLATFORM says.
int runCommandLine(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    vazolar::installQtPortuguese(app);
    QFile out;
    QFile err;
    out.open(stdout, QIODevice::WriteOnly);
    err.open(stderr, QIODevice::WriteOnly);
    vazolar::cli::Console console{out, err};
    return vazolar::cli::runCommandLine(QCoreApplication::arguments(), console);
}

} // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (vazolar::cli::wantsCommandLine(arguments))
        return runCommandLine(argc, argv);
    QApplication app(argc, argv);
    vazolar::setUpApplication(app);
    return vazolar::runProgram(app);
}
