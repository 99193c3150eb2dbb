#include "descriptor_output.h"

#include "system_reason.h"

#include <cerrno>
#include <cstdlib>
#include <unistd.h>

namespace vazolar::io {

namespace {

int brokenPipeStatus = -1; // -1: a broken pipe is a failure like any other

} // namespace

void DescriptorOutput::endQuietlyOnBrokenPipe(int status) {
    brokenPipeStatus = status;
}

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
        if (step < 0 && errno == EPIPE && brokenPipeStatus >= 0)
            std::_Exit(brokenPipeStatus);
        if (step <= 0) {
            failed_ = true;
            setErrorString(io::systemReason(step < 0 ? errno : EIO));
            return -1;
        }
        written += step;
    }
    return written;
}

} // namespace vazolar::io
