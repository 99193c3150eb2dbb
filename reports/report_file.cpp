#include "report_file.h"

#include "report_encoding.h"

#include <QSaveFile>

namespace vazolar::reports {

namespace {

WriteOutcome failed(const QSaveFile& file) {
    QString reason = file.errorString();
    if (reason.isEmpty())
        reason = QStringLiteral("Não foi possível gravar o arquivo.");
    return {false, reason};
}

} // namespace

WriteOutcome writeReportFile(const QString& path, const QStringList& lines) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(file);
    const QByteArray bytes = encodeReport(lines);
    if (file.write(bytes) != bytes.size()) {
        const WriteOutcome outcome = failed(file);
        file.cancelWriting();
        return outcome;
    }
    if (!file.commit())
        return failed(file);
    return {true, QString()};
}

} // namespace vazolar::reports
