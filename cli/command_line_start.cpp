#include "command_line_start.h"

#include "console.h"
#include "io/descriptor_output.h"
#include "io/qt_portuguese.h"
#include "io/temporary_file_cleanup.h"
#include "memo_painter.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>

#include <memory>

#include <csignal>
#include <unistd.h>

namespace vazolar::cli {

namespace {

QtMessageHandler qtHandler = nullptr;

// Qt's notes while it starts its windowless painter (no XDG_RUNTIME_DIR under cron or ssh, and
// the like) are about a desktop session the command line does not use; its errors still show.
void errorsOnly(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        qtHandler(type, context, message);
}

} // namespace

// A core application loads no window system, whatever QT_QPA_PLATFORM says.
int startCommandLine(int argc, char** argv, const CommandLine& commandLine) {
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
    io::removeTemporaryFileOnSignals();
    io::DescriptorOutput::endQuietlyOnBrokenPipe(kFileError);
    io::installQtPortuguese(app);
    io::DescriptorOutput out(STDOUT_FILENO);
    QFile err;
    err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
    Console console{out, err, paintMemoFile};
    const int status = commandLine.run(console);
    // Every byte must have reached standard output for the command to have succeeded.
    if (status == kSuccess && out.failed()) {
        writeLine(
            err,
            QStringLiteral("Não foi possível gravar a saída padrão: %1").arg(out.errorString()));
        return kFileError;
    }
    return status;
}

} // namespace vazolar::cli
