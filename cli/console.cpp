#include "console.h"

#include "io/native_path.h"

namespace vazolar::cli {

void writeLine(QIODevice& device, const QString& text) {
    device.write(io::readablePath(text).toUtf8());
    device.write("\n", 1);
}

} // namespace vazolar::cli
