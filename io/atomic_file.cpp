#include "atomic_file.h"

#include "file_target.h"
#include "native_path.h"
#include "system_reason.h"
#include "temporary_file_cleanup.h"

#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vazolar::io {

namespace {

// Names tried for a temporary file before giving up, each taken by another file already.
constexpr int kNameTries = 100;

QByteArray randomSuffix() {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray suffix(6, '\0');
    for (char& letter : suffix)
        letter = kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters) - 1)];
    return suffix;
}

// The temporary file's name in the target's folder: short and our own, so that any name the
// file system takes for the target can be written, up to its longest.
QByteArray temporaryNameIn(const QByteArray& folder) {
    return folder + "/.vazolar-" + randomSuffix() + ".tmp";
}

} // namespace

AtomicFile::AtomicFile(const QString& path) : target_(followedLinks(nativePath(path))) {}

AtomicFile::~AtomicFile() {
    discard();
}

// Tries free names beside the target until `make` makes the file under one; errno says why
// the last try failed. Signals wait while a name is made and watched.
template <typename Make> bool AtomicFile::makeTemporaryName(Make make) {
    for (int tried = 0; tried < kNameTries; ++tried) {
        const QByteArray name = temporaryNameIn(folderOf(target_));
        const SignalsHeld held;
        if (make(name.constData())) {
            temporary_ = name;
            watchTemporaryFile(name.constData());
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

bool AtomicFile::openUnnamed() {
    do {
        descriptor_ = ::open(folderOf(target_).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    } while (descriptor_ < 0 && errno == EINTR);
    return descriptor_ >= 0;
}

bool AtomicFile::openNamed() {
    return makeTemporaryName([this](const char* name) {
        do {
            descriptor_ = ::open(name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        } while (descriptor_ < 0 && errno == EINTR);
        return descriptor_ >= 0;
    });
}

// The file made without a name gets one, to be renamed over the target.
bool AtomicFile::nameUnnamed() {
    char unnamed[64];
    std::snprintf(unnamed, sizeof unnamed, "/proc/self/fd/%d", descriptor_);
    return makeTemporaryName([&unnamed](const char* name) {
        return ::linkat(AT_FDCWD, unnamed, AT_FDCWD, name, AT_SYMLINK_FOLLOW) == 0;
    });
}

Failure AtomicFile::fail(int error) {
    if (!failure_) {
        failure_ =
            Failure{systemReason(error, QStringLiteral("Não foi possível gravar o arquivo"))};
        discard();
    }
    return *failure_;
}

void AtomicFile::discard() {
    if (descriptor_ >= 0)
        ::close(descriptor_);
    descriptor_ = -1;
    if (!temporary_.isEmpty()) {
        const SignalsHeld held;
        ::unlink(temporary_.constData());
        forgetTemporaryFile();
        temporary_.clear();
    }
}

Outcome<> AtomicFile::open() {
    struct stat existing {};
    const bool exists = ::stat(target_.constData(), &existing) == 0;
    if (!exists && errno != ENOENT)
        return fail(errno);
    if (exists && S_ISDIR(existing.st_mode))
        return fail(EISDIR);
    // A file made read-only is not replaced behind its owner's back.
    if (exists && ::access(target_.constData(), W_OK) != 0)
        return fail(errno);
    // A file system without O_TMPFILE (a FUSE or network share, FAT) says so, and any other
    // reason shows again when the named file is tried.
    if (!openUnnamed() && !openNamed())
        return fail(errno);
    if (exists)
        return keepOwnerAndMode(existing);
    return {};
}

// The new content keeps the owner, group and permissions of the file it replaces. A change of
// owner is the superuser's alone: where it is not permitted the file is the writer's, as any
// file the writer makes. The owner goes first, since a change of owner clears set-id bits.
Outcome<> AtomicFile::keepOwnerAndMode(const struct stat& existing) {
    if (::fchown(descriptor_, existing.st_uid, existing.st_gid) != 0 && errno != EPERM)
        return fail(errno);
    if (::fchmod(descriptor_, existing.st_mode & 07777) != 0)
        return fail(errno);
    return {};
}

Outcome<> AtomicFile::write(const QByteArray& bytes) {
    if (failure_)
        return *failure_;
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t step =
            ::write(descriptor_, bytes.constData() + written, size_t(bytes.size() - written));
        if (step < 0 && errno == EINTR)
            continue;
        if (step <= 0)
            return fail(step < 0 ? errno : ENOSPC);
        written += step;
    }
    return {};
}

Outcome<> AtomicFile::commit() {
    if (failure_)
        return *failure_;
    // A file system that reserves space late (a network share, a compressed or copy-on-write
    // one) reports a full disk when the data is synced.
    if (::fsync(descriptor_) != 0)
        return fail(errno);
    if (temporary_.isEmpty() && !nameUnnamed())
        return fail(errno);
    const int descriptor = descriptor_;
    descriptor_ = -1;
    // Linux closes the descriptor even when close is interrupted.
    if (::close(descriptor) != 0 && errno != EINTR)
        return fail(errno);
    const SignalsHeld held;
    if (::rename(temporary_.constData(), target_.constData()) != 0)
        return fail(errno);
    forgetTemporaryFile();
    temporary_.clear();
    return syncFolder();
}

// The rename is the folder's change: synced too, so that after a power loss the name holds the
// new content rather than the old one or none. A file system that cannot sync a folder says
// so (EINVAL, ENOTSUP), and its own guarantees are all there is.
Outcome<> AtomicFile::syncFolder() {
    int folder = -1;
    do {
        folder = ::open(folderOf(target_).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    } while (folder < 0 && errno == EINTR);
    if (folder < 0)
        return fail(errno);
    const bool synced = ::fsync(folder) == 0 || errno == EINVAL || errno == ENOTSUP;
    const int error = errno;
    ::close(folder);
    if (!synced)
        return fail(error);
    return {};
}

Outcome<> writeFileAtomically(const QString& path, const QByteArray& bytes) {
    AtomicFile file(path);
    return writeWhole(file, bytes);
}

} // namespace vazolar::io
