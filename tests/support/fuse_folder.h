#pragma once

#include <QString>
#include <QTemporaryDir>

namespace vazolar::testing {

// A folder shown again through FUSE (bindfs), a file system that, as network shares and most
// FUSE mounts, cannot make a file without a name (no O_TMPFILE): a file being written there
// has a temporary name from the start. Mounting needs bindfs and /dev/fuse; where it cannot
// mount, or the mount turns out to make unnamed files after all, mounted() is false and
// whyNot() says why, for QSKIP. Unmounted when the object goes.
class FuseFolder {
public:
    // Shows `source`, or a folder of its own when source is empty.
    explicit FuseFolder(const QString& source = QString());
    ~FuseFolder();
    FuseFolder(const FuseFolder&) = delete;
    FuseFolder& operator=(const FuseFolder&) = delete;

    bool mounted() const { return mounted_; }
    QString whyNot() const { return whyNot_; }
    QString path() const { return mountPoint_.path(); }
    QString filePath(const QString& name) const { return mountPoint_.filePath(name); }

private:
    QTemporaryDir source_;
    QTemporaryDir mountPoint_;
    bool mounted_ = false;
    QString whyNot_;
};

} // namespace vazolar::testing
