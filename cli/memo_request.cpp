#include "memo_request.h"

namespace vazolar::cli {

namespace {

MemoWriter installedWriter = nullptr;

} // namespace

void installMemoWriter(MemoWriter writer) {
    installedWriter = writer;
}

int writeMemoFile(const QString& path, const reports::MemoInput& memo, Console& console) {
    if (installedWriter)
        return installedWriter(path, memo, console);
    writeLine(console.err, QString::fromUtf8("A memória de cálculo não pode ser feita aqui: "
                                             "falta quem a desenhe."));
    return kFileError;
}

} // namespace vazolar::cli
