#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace vazolar::testing {

// A small tmpfs mounted for one test, to be filled up: writes on it then fail with ENOSPC as on
// a real full disk, whenever the system meets the end of the space (a write, a flush, a sync).
// Mounting needs root (CI runs as root); where it cannot mount, mounted() is false and
// whyNot() says why, for QSKIP. Unmounted when the object goes.
class SmallDisk {
public:
    explicit SmallDisk(int kilobytes = 64);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    QString whyNot() const { return whyNot_; }
    QString path() const { return folder_.path(); }
    QString filePath(const QString& name) const;

    // Writes an earlier file that a failed write must leave as it is.
    bool place(const QString& name, const QByteArray& bytes) const;
    // Fills the disk with a file of zeros, leaving about freeBytes free.
    bool fill(qint64 freeBytes = 0) const;
    // The names on the disk besides the filler: an earlier file, and any stray temporary file.
    QStringList names() const;

private:
    QTemporaryDir folder_;
    bool mounted_ = false;
    QString whyNot_;
};

QByteArray contentOf(const QString& path);

} // namespace vazolar::testing
