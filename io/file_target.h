#pragma once

#include <QByteArray>

namespace vazolar::io {

// The file a save at `path` writes, paths as the system spells them: where `path` is a
// symbolic link, or a chain of them, the file it finally points to, so that the link stays a
// link and its target takes the new content. A path that is no link is itself; a chain too
// long to follow is left for the system to refuse.
QByteArray followedLinks(const QByteArray& path);

// The folder that holds the file at `path`: "." for a bare name.
QByteArray folderOf(const QByteArray& path);

} // namespace vazolar::io
