#include "console.h"

namespace vazolar::cli {

void writeLine(QIODevice& device, const QString& text) {
    device.write(text.toUtf8());
    device.write("\n", 1);
}

} // namespace vazolar::cli
