#include "file_target.h"

#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vazolar::io {

namespace {

// As many links as the system itself follows before it gives up with ELOOP.
constexpr int kMostLinks = 40;

} // namespace

QByteArray followedLinks(const QByteArray& path) {
    QByteArray current = path;
    for (int followed = 0; followed < kMostLinks; ++followed) {
        struct stat status {};
        if (::lstat(current.constData(), &status) != 0 || !S_ISLNK(status.st_mode))
            return current;
        char target[PATH_MAX];
        const ssize_t length = ::readlink(current.constData(), target, sizeof target);
        if (length <= 0)
            return current;
        const QByteArray pointed(target, length);
        current = pointed.startsWith('/') ? pointed : folderOf(current) + '/' + pointed;
    }
    return current;
}

QByteArray folderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return ".";
    if (slash == 0)
        return "/";
    return path.left(slash);
}

} // namespace vazolar::io
