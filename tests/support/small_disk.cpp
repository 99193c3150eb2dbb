#include "small_disk.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>

namespace vazolar::testing {

namespace {

const QString kFiller = QStringLiteral("enchimento");

} // namespace

SmallDisk::SmallDisk(int kilobytes) {
    if (!folder_.isValid()) {
        whyNot_ = QStringLiteral("no temporary folder to mount on");
        return;
    }
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
    if (::mount("tmpfs", QFile::encodeName(folder_.path()).constData(), "tmpfs", 0,
                options.constData()) != 0) {
        whyNot_ = QStringLiteral("cannot mount a small tmpfs here (%1); the full-disk case "
                                 "needs root")
                      .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    mounted_ = true;
}

SmallDisk::~SmallDisk() {
    if (mounted_)
        ::umount2(QFile::encodeName(folder_.path()).constData(), MNT_DETACH);
}

QString SmallDisk::filePath(const QString& name) const {
    return folder_.filePath(name);
}

bool SmallDisk::place(const QString& name, const QByteArray& bytes) const {
    QFile file(filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

bool SmallDisk::fill(qint64 freeBytes) const {
    QFile filler(filePath(kFiller));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray block(4096, '\0');
    while (filler.write(block) == block.size()) {
    }
    filler.close();
    return freeBytes == 0 || filler.resize(std::max<qint64>(0, filler.size() - freeBytes));
}

QStringList SmallDisk::names() const {
    QStringList names = QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden);
    names.removeAll(kFiller);
    return names;
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace vazolar::testing
