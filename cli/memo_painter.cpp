#include "memo_painter.h"

#include "output_file.h"
#include "reports/memo_pdf.h"

#include <QDate>
#include <QDir>

namespace vazolar::cli {

int paintMemoFile(const MemoRequest& request, std::optional<reports::MemoSizing> sizing,
                  const AdoptedRequest& adopted, const AdoptedResult& result, Console& console) {
    const reports::MemoInput input{request.identity,
                                   QDate::currentDate(),
                                   QStringLiteral(VAZOLAR_VERSION),
                                   std::move(sizing),
                                   adopted,
                                   result};
    const Outcome<> written = writeOutputFile(request.path, reports::memoPdf(input));
    if (written)
        return kSuccess;
    writeLine(console.err, QString::fromUtf8("A memória de cálculo não foi salva em \"%1\": %2")
                               .arg(QDir::toNativeSeparators(request.path), written.message()));
    return kFileError;
}

} // namespace vazolar::cli
