#include "input_file.h"

#include "reports/system_reason.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <unistd.h>

namespace vazolar::cli {

Outcome<> openInput(QFile& file, const QString& path) {
    errno = 0;
    const bool opened =
        path == QLatin1String("-")
            ? file.open(STDIN_FILENO, QIODevice::ReadOnly | QIODevice::Unbuffered)
            : (file.setFileName(path), file.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    if (!opened)
        return Failure{errno != 0 ? reports::systemReason(errno, file.errorString())
                                  : file.errorString()};
    return {};
}

QString inputPlace(const QString& path) {
    if (path == QLatin1String("-"))
        return QString::fromUtf8("entrada padrão");
    return QDir::toNativeSeparators(path);
}

} // namespace vazolar::cli
