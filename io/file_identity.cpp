#include "file_identity.h"

#include "file_target.h"
#include "native_path.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace vazolar::io {

namespace {

std::optional<FileIdentity> regularFile(const struct stat& status) {
    if (!S_ISREG(status.st_mode))
        return std::nullopt;
    return FileIdentity{status.st_dev, status.st_ino, {}};
}

QByteArray nameOf(const QByteArray& path) {
    return path.mid(path.lastIndexOf('/') + 1);
}

// A file to be made: its folder as the system resolves it (links, "..", "."), then its name.
// A folder that cannot be resolved is kept as written, made absolute.
QByteArray newFilePath(const QByteArray& path) {
    const QByteArray target = followedLinks(path);
    const QByteArray folder = folderOf(target);
    char resolved[PATH_MAX];
    if (::realpath(folder.constData(), resolved))
        return QByteArray(resolved) + '/' + nameOf(target);
    if (target.startsWith('/'))
        return target;
    char here[PATH_MAX];
    return ::getcwd(here, sizeof here) ? QByteArray(here) + '/' + target : target;
}

} // namespace

std::optional<FileIdentity> fileIdentity(const QString& path) {
    const QByteArray native = nativePath(path);
    struct stat status {};
    if (::stat(native.constData(), &status) == 0)
        return regularFile(status);
    if (errno != ENOENT)
        return std::nullopt;
    return FileIdentity{0, 0, newFilePath(native)};
}

std::optional<FileIdentity> descriptorIdentity(int descriptor) {
    struct stat status {};
    if (::fstat(descriptor, &status) != 0)
        return std::nullopt;
    return regularFile(status);
}

bool sameFile(const std::optional<FileIdentity>& a, const std::optional<FileIdentity>& b) {
    return a && b && *a == *b;
}

} // namespace vazolar::io
