#include "console.h"

#include "reports/native_path.h"

namespace vazolar::cli {

void writeLine(QIODevice& device, const QString& text) {
    device.write(reports::readablePath(text).toUtf8());
    device.write("\n", 1);
}

} // namespace vazolar::cli
