#pragma once

#include <QByteArray>
#include <QStringList>

namespace vazolar::reports {

// The bytes of a report file: every line in Windows-1252 followed by CR LF, the last line
// included, with no byte-order mark. A character that Windows-1252 cannot hold becomes '?'.
QByteArray encodeReport(const QStringList& lines);

} // namespace vazolar::reports
