#include "memo_painter.h"

#include "io/output_file.h"
#include "reports/memo_pdf.h"

#include <QDir>

namespace vazolar::cli {

namespace {

// "U+6C34"
QString codePoint(char32_t c) {
    return QStringLiteral("U+") + QString::number(uint(c), 16).toUpper().rightJustified(4, u'0');
}

void reportUndrawable(const QList<char32_t>& characters, Console& console) {
    for (const char32_t c : characters)
        writeLine(console.err,
                  QString::fromUtf8("Aviso: a memória de cálculo não tem como desenhar o "
                                    "caractere %1 (%2): nenhuma fonte instalada o tem.")
                      .arg(codePoint(c), QString::fromUcs4(&c, 1)));
}

} // namespace

int paintMemoFile(const QString& path, const reports::MemoInput& memo, Console& console) {
    const Outcome<reports::MemoPdf> pdf = reports::memoPdf(memo);
    if (!pdf) {
        writeLine(console.err,
                  QString::fromUtf8("A memória de cálculo não foi feita: %1").arg(pdf.message()));
        return kFileError;
    }
    const Outcome<> written = io::writeOutputFile(path, pdf.value().bytes);
    if (!written) {
        writeLine(console.err, QString::fromUtf8("A memória de cálculo não foi salva em \"%1\": %2")
                                   .arg(QDir::toNativeSeparators(path), written.message()));
        return kFileError;
    }
    reportUndrawable(pdf.value().undrawable, console);
    return kSuccess;
}

} // namespace vazolar::cli
