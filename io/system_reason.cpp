#include "system_reason.h"

#include <cerrno>

namespace vazolar::io {

namespace {

struct KnownReason {
    int error;
    const char* text;
};

// The reasons a save, a print to a file or a read meets in practice.
constexpr KnownReason kKnownReasons[] = {
    {ENOSPC, "Não há espaço disponível no dispositivo"},
    {EDQUOT, "A cota de disco foi excedida"},
    {EFBIG, "O arquivo é grande demais"},
    {EACCES, "Permissão negada"},
    {EPERM, "Operação não permitida"},
    {EROFS, "O sistema de arquivos é somente para leitura"},
    {ENOENT, "O arquivo ou a pasta não existe"},
    {ENOTDIR, "Um dos nomes do caminho não é uma pasta"},
    {EISDIR, "O nome é de uma pasta"},
    {ENAMETOOLONG, "O nome do arquivo é longo demais"},
    {ELOOP, "Há links simbólicos demais no caminho"},
    {EIO, "Erro de entrada e saída no dispositivo"},
    {ENXIO, "O dispositivo não existe ou não está pronto"},
    {EPIPE, "O leitor da saída foi fechado"},
    {EBUSY, "O dispositivo ou o arquivo está ocupado"},
    {ETXTBSY, "O arquivo está em uso"},
    {EMFILE, "Há arquivos abertos demais"},
    {ENFILE, "Há arquivos abertos demais no sistema"},
    {EINVAL, "Operação inválida para este arquivo"},
};

} // namespace

QString systemReason(int error, const QString& fallback) {
    for (const KnownReason& known : kKnownReasons)
        if (known.error == error)
            return QString::fromUtf8(known.text);
    if (!fallback.isEmpty())
        return fallback;
    return QStringLiteral("erro do sistema %1").arg(error);
}

} // namespace vazolar::io
