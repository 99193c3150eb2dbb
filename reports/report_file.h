#pragma once

#include "engine/outcome.h"

#include <QString>
#include <QStringList>

namespace vazolar::reports {

// Writes the report lines (encoded by encodeReport) to the file at path, creating it or
// replacing it. The new content takes the old one's place only once all of it is on the disk:
// a save that fails (missing folder, no permission, full disk) leaves an existing file as it
// was. The failure's message is the system's reason.
Outcome<> writeReportFile(const QString& path, const QStringList& lines);

// What the user is told when a report or a command's output could not be written to path.
QString notSavedMessage(const QString& path, const QString& reason);

} // namespace vazolar::reports
