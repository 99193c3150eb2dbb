#pragma once

#include <QString>
#include <QStringList>

namespace vazolar::reports {

struct WriteOutcome {
    bool ok;
    QString error; // why the file could not be written; empty when ok
};

// Writes the report lines (encoded by encodeReport) to the file at path, creating it or
// replacing it. The new content takes the old one's place only once all of it is written:
// a save that fails (missing folder, no permission, full disk) leaves an existing file as it
// was.
WriteOutcome writeReportFile(const QString& path, const QStringList& lines);

} // namespace vazolar::reports
