#include "atomic_file.h"

#include "system_reason.h"
#include "temporary_file_cleanup.h"

#include <cerrno>
#include <unistd.h>

namespace vazolar::reports {

AtomicFile::AtomicFile(const QString& path) : file_(path) {}

AtomicFile::~AtomicFile() {
    forgetTemporaryFile();
}

// The error number is the one the failed call left; Qt's own text stands in where the call
// failed without one (a check of Qt's, not of the system's).
Failure AtomicFile::fail(int error) {
    if (!failure_) {
        QString reason = file_.errorString();
        if (reason.isEmpty() || file_.error() == QFileDevice::NoError)
            reason = QStringLiteral("Não foi possível gravar o arquivo");
        failure_ = Failure{error != 0 ? systemReason(error, reason) : reason};
        if (file_.isOpen())
            file_.cancelWriting();
    }
    return *failure_;
}

Outcome<> AtomicFile::open() {
    errno = 0;
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(errno);
    watchTemporaryFile(file_.handle());
    return {};
}

Outcome<> AtomicFile::write(const QByteArray& bytes) {
    if (failure_)
        return *failure_;
    errno = 0;
    if (file_.write(bytes) != bytes.size())
        return fail(errno == 0 ? EIO : errno);
    return {};
}

Outcome<> AtomicFile::commit() {
    if (failure_)
        return *failure_;
    // Unbuffered, nothing waits in Qt; a file system that reserves space late (a network
    // share, a compressed or copy-on-write one) reports a full disk when the data is synced.
    errno = 0;
    if (!file_.flush())
        return fail(errno);
    if (::fsync(file_.handle()) != 0)
        return fail(errno);
    errno = 0;
    const bool committed = file_.commit();
    forgetTemporaryFile();
    if (!committed)
        return fail(errno);
    return {};
}

Outcome<> writeFileAtomically(const QString& path, const QByteArray& bytes) {
    AtomicFile file(path);
    if (Outcome<> opened = file.open(); !opened)
        return opened;
    if (Outcome<> written = file.write(bytes); !written)
        return written;
    return file.commit();
}

} // namespace vazolar::reports
