#include "input_file.h"

#include "native_path.h"
#include "system_reason.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace vazolar::io {

namespace {

// The descriptor of the input at path, opened by the bytes of its name; -1 with errno set.
int openDescriptor(const QString& path) {
    if (path == QLatin1String("-"))
        return STDIN_FILENO;
    int descriptor = -1;
    do {
        descriptor = ::open(io::nativePath(path).constData(), O_RDONLY | O_CLOEXEC);
    } while (descriptor < 0 && errno == EINTR);
    return descriptor;
}

} // namespace

Outcome<> openInput(QFile& file, const QString& path) {
    const int descriptor = openDescriptor(path);
    if (descriptor < 0)
        return Failure{io::systemReason(errno)};
    const QFileDevice::FileHandleFlags closing =
        descriptor == STDIN_FILENO ? QFileDevice::DontCloseHandle : QFileDevice::AutoCloseHandle;
    if (!file.open(descriptor, QIODevice::ReadOnly | QIODevice::Unbuffered, closing)) {
        if (closing == QFileDevice::AutoCloseHandle)
            ::close(descriptor);
        return Failure{file.errorString()};
    }
    return {};
}

QString inputPlace(const QString& path) {
    if (path == QLatin1String("-"))
        return QString::fromUtf8("entrada padrão");
    return QDir::toNativeSeparators(path);
}

} // namespace vazolar::io
