#include "application_setup.h"
#include "cli/command_line_start.h"
#include "io/native_path.h"
#include "program.h"

#include <QApplication>

int main(int argc, char** argv) {
    // File names as the file system spells them, bytes that are not UTF-8 included.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << vazolar::io::pathFromNative(argv[i]);
    if (vazolar::cli::wantsCommandLine(arguments))
        return vazolar::cli::startCommandLine(argc, argv, vazolar::cli::CommandLine(arguments));
    QApplication app(argc, argv);
    vazolar::setUpApplication(app);
    return vazolar::runProgram(app);
}
