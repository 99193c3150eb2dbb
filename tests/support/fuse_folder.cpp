#include "fuse_folder.h"

#include <QFile>
#include <QProcess>

#include <cerrno>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace vazolar::testing {

namespace {

bool makesUnnamedFiles(const QString& folder) {
    const int descriptor =
        ::open(QFile::encodeName(folder).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (descriptor < 0)
        return false;
    ::close(descriptor);
    return true;
}

} // namespace

FuseFolder::FuseFolder(const QString& source) {
    const QString shown = source.isEmpty() ? source_.path() : source;
    if (!source_.isValid() || !mountPoint_.isValid()) {
        whyNot_ = QStringLiteral("no temporary folder to mount on");
        return;
    }
    if (QProcess::execute("bindfs", {shown, mountPoint_.path()}) != 0) {
        whyNot_ = QStringLiteral("cannot mount a FUSE folder here (bindfs and /dev/fuse, as "
                                 "root, are needed)");
        return;
    }
    mounted_ = true;
    if (makesUnnamedFiles(mountPoint_.path())) {
        whyNot_ = QStringLiteral("this FUSE folder makes files without a name: no file system "
                                 "here lacks O_TMPFILE");
        mounted_ = false;
        ::umount2(QFile::encodeName(mountPoint_.path()).constData(), MNT_DETACH);
    }
}

FuseFolder::~FuseFolder() {
    if (mounted_)
        ::umount2(QFile::encodeName(mountPoint_.path()).constData(), MNT_DETACH);
}

} // namespace vazolar::testing
