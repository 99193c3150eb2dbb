#pragma once

#include <QProcess>
#include <QString>

namespace vazolar::testing {

// What a shell line printed and its exit status.
struct ShellRun {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// Runs a bash line in folder, with $VAZOLAR naming the built program and no display.
inline ShellRun shell(const QString& line, const QString& folder) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("VAZOLAR", VAZOLAR_BINARY);
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start("/bin/bash", {"-c", line});
    if (!process.waitForFinished(120000))
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace vazolar::testing
