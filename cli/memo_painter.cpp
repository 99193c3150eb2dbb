#include "memo_painter.h"

#include "output_file.h"
#include "reports/memo_pdf.h"

#include <QDir>

namespace vazolar::cli {

int paintMemoFile(const QString& path, const reports::MemoInput& memo, Console& console) {
    const Outcome<> written = writeOutputFile(path, reports::memoPdf(memo));
    if (written)
        return kSuccess;
    writeLine(console.err, QString::fromUtf8("A memória de cálculo não foi salva em \"%1\": %2")
                               .arg(QDir::toNativeSeparators(path), written.message()));
    return kFileError;
}

} // namespace vazolar::cli
