#include "application_setup.h"
#include "cli/command_line.h"
#include "cli/memo_painter.h"
#include "io/descriptor_output.h"
#include "io/native_path.h"
#include "io/temporary_file_cleanup.h"
#include "program.h"
#include "qt_portuguese.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>

#include <memory>

#include <csignal>
#include <unistd.h>

namespace {

QtMessageHandler qtHandler = nullptr;

// Qt's notes while it starts its windowless painter (no XDG_RUNTIME_DIR under cron or ssh, and
// the like) are about a desktop session the command line does not use; its errors still show.
void errorsOnly(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        qtHandler(type, context, message);
}

// The command line runs without any display: a core application loads no window system,
// whatever QT_QPA_PLATFORM says; one that paints a memo paints on the offscreen platform.
int runCommandLine(int argc, char** argv, const vazolar::cli::CommandLine& commandLine) {
    std::unique_ptr<QCoreApplication> core;
    if (commandLine.paints()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qtHandler = qInstallMessageHandler(errorsOnly);
        core = std::make_unique<QGuiApplication>(argc, argv);
        qInstallMessageHandler(qtHandler);
    } else {
        core = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication& app = *core;
    // A reader that stops reading is seen as EPIPE on the write, not as a signal.
    std::signal(SIGPIPE, SIG_IGN);
    vazolar::io::removeTemporaryFileOnSignals();
    vazolar::io::DescriptorOutput::endQuietlyOnBrokenPipe(vazolar::cli::kFileError);
    vazolar::installQtPortuguese(app);
    vazolar::io::DescriptorOutput out(STDOUT_FILENO);
    QFile err;
    err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
    vazolar::cli::Console console{out, err, vazolar::cli::paintMemoFile};
    const int status = commandLine.run(console);
    // Every byte must have reached standard output for the command to have succeeded.
    if (status == vazolar::cli::kSuccess && out.failed()) {
        vazolar::cli::writeLine(
            err,
            QStringLiteral("Não foi possível gravar a saída padrão: %1").arg(out.errorString()));
        return vazolar::cli::kFileError;
    }
    return status;
}

} // namespace

int main(int argc, char** argv) {
    // File names as the file system spells them, bytes that are not UTF-8 included.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << vazolar::io::pathFromNative(argv[i]);
    if (vazolar::cli::wantsCommandLine(arguments))
        return runCommandLine(argc, argv, vazolar::cli::CommandLine(arguments));
    QApplication app(argc, argv);
    vazolar::setUpApplication(app);
    return vazolar::runProgram(app);
}
