#pragma once

#include <QString>

namespace vazolar::io {

// The system's reason for a failed file operation, in Portuguese whatever the machine's
// language: "Não há espaço disponível no dispositivo" for ENOSPC. An error number the table
// does not know gives the fallback, the text Qt or the system had for it; with no fallback,
// the number itself ("erro do sistema 95").
QString systemReason(int error, const QString& fallback = QString());

} // namespace vazolar::io
