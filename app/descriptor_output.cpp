#include "descriptor_output.h"

#include "reports/system_reason.h"

#include <cerrno>
#include <unistd.h>

namespace vazolar::cli {

DescriptorOutput::DescriptorOutput(int descriptor) : descriptor_(descriptor) {
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 DescriptorOutput::writeData(const char* data, qint64 size) {
    if (failed_)
        return -1;
    qint64 written = 0;
    while (written < size) {
        const ssize_t step = ::write(descriptor_, data + written, size_t(size - written));
        if (step < 0 && errno == EINTR)
            continue;
        if (step <= 0) {
            failed_ = true;
            setErrorString(reports::systemReason(step < 0 ? errno : EIO));
            return -1;
        }
        written += step;
    }
    return written;
}

} // namespace vazolar::cli
