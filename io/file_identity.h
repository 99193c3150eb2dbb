#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

#include <sys/types.h>

namespace vazolar::io {

// Which file a path stands for, to tell whether two of a command's files are one: an existing
// regular file by its device and inode, so that a symbolic link, a hard link or another
// spelling of its name is the same file; a file still to be made by its folder, resolved
// through links, and its name. Anything else (a pipe, a terminal, a device) has no identity
// here: it is written straight and never replaced, so two uses of it lose no file.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    QByteArray newPath; // empty for an existing file

    bool operator==(const FileIdentity&) const = default;
};

// The identity of the file at path; none where path names no regular file, and no file to be
// made either (a folder, a pipe, a device).
std::optional<FileIdentity> fileIdentity(const QString& path);

// The identity of the file an open descriptor holds (standard input or output).
std::optional<FileIdentity> descriptorIdentity(int descriptor);

// Whether both are the same regular file.
bool sameFile(const std::optional<FileIdentity>& a, const std::optional<FileIdentity>& b);

} // namespace vazolar::io
