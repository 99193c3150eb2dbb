#include "report_file.h"

#include "io/atomic_file.h"
#include "report_encoding.h"

#include <QDir>

namespace vazolar::reports {

Outcome<> writeReportFile(const QString& path, const QStringList& lines) {
    return io::writeFileAtomically(path, encodeReport(lines));
}

QString notSavedMessage(const QString& path, const QString& reason) {
    return QString::fromUtf8("O relatório não foi salvo em \"%1\": %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace vazolar::reports
