#include "memo_request.h"

namespace vazolar::cli {

namespace {

MemoWriter installedWriter = nullptr;

} // namespace

void installMemoWriter(MemoWriter writer) {
    installedWriter = writer;
}

int writeMemoFile(const MemoRequest& request, std::optional<reports::MemoSizing> sizing,
                  const AdoptedRequest& adopted, const AdoptedResult& result, Console& console) {
    if (installedWriter)
        return installedWriter(request, std::move(sizing), adopted, result, console);
    writeLine(console.err, QString::fromUtf8("A memória de cálculo não pode ser feita aqui: "
                                             "falta quem a desenhe."));
    return kFileError;
}

} // namespace vazolar::cli
