#pragma once

#include "engine/outcome.h"

#include <QByteArray>
#include <QString>

#include <optional>

struct stat;

namespace vazolar::io {

// A file written in full before it takes the place of the one at its path. Every step is
// checked as it happens: the writes go straight to the system (no buffer whose failure would
// only show when it is flushed), the content is synced to the disk, and only then is the new
// file renamed over the old one. A failure anywhere (a full disk, a missing folder, no
// permission, a device error) leaves an earlier file as it was and no temporary file behind.
// Each failure's message is the system's reason, in Portuguese; after the first failure every
// later call fails with the same message.
//
// The new file is made without a name where the file system can (O_TMPFILE) and gets a
// short temporary name of its own in the same folder just before the rename; elsewhere it has
// that name from the start. Either way a program that installed removeTemporaryFileOnSignals loses
// it on SIGINT, SIGTERM and SIGHUP. A symbolic link stays a link: its target is written. The new
// file keeps the old one's owner and group (where the writer may give them) and permissions;
// a hard link to the old file keeps the old content. The path may hold bytes that are not UTF-8,
// kept as pathFromNative keeps them.
class AtomicFile {
public:
    explicit AtomicFile(const QString& path);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    Outcome<> open();
    Outcome<> write(const QByteArray& bytes);
    // Syncs the content to the disk and renames it over the old file.
    Outcome<> commit();

private:
    template <typename Make> bool makeTemporaryName(Make make);
    bool openUnnamed();
    bool openNamed();
    bool nameUnnamed();
    Outcome<> keepOwnerAndMode(const struct stat& existing);
    Outcome<> syncFolder();
    Failure fail(int error);
    void discard();

    QByteArray target_;
    QByteArray temporary_; // the new file's name while it has one
    int descriptor_ = -1;
    std::optional<Failure> failure_;
};

// Opens the writer, writes the bytes and commits them, stopping at the first failure: a whole
// file through any writer with those three steps.
template <typename Writer> Outcome<> writeWhole(Writer& writer, const QByteArray& bytes) {
    if (Outcome<> opened = writer.open(); !opened)
        return opened;
    if (Outcome<> written = writer.write(bytes); !written)
        return written;
    return writer.commit();
}

// Writes the bytes as a whole new content of the file at path.
Outcome<> writeFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace vazolar::io
