#include "memo_request.h"

namespace vazolar::cli {

int writeMemoFile(const QString& path, const reports::MemoInput& memo, Console& console) {
    if (console.memoWriter)
        return console.memoWriter(path, memo, console);
    writeLine(console.err, QString::fromUtf8("A memória de cálculo não pode ser feita aqui: "
                                             "falta quem a desenhe."));
    return kFileError;
}

} // namespace vazolar::cli
