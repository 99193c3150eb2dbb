#include "output_file.h"

#include "native_path.h"
#include "system_reason.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vazolar::io {

namespace {

// A path that stands for a descriptor this process already holds: opening it again would
// start at the beginning of a file that the shell opened for appending.
int inheritedDescriptor(const QString& path) {
    if (path == QLatin1String("/dev/stdout"))
        return STDOUT_FILENO;
    if (path == QLatin1String("/dev/stderr"))
        return STDERR_FILENO;
    for (const QLatin1String folder :
         {QLatin1String("/dev/fd/"), QLatin1String("/proc/self/fd/")}) {
        if (!path.startsWith(folder))
            continue;
        const QStringView number = QStringView(path).mid(folder.size());
        bool isNumber = !number.isEmpty();
        for (QChar digit : number)
            isNumber = isNumber && digit >= u'0' && digit <= u'9';
        bool fits = false;
        const int descriptor = number.toInt(&fits);
        if (isNumber && fits)
            return descriptor;
    }
    return -1;
}

} // namespace

bool isStreamPath(const QString& path) {
    if (inheritedDescriptor(path) >= 0)
        return true;
    struct stat status {};
    // stat follows links: a link to a regular file is written as that file.
    if (::stat(io::nativePath(path).constData(), &status) != 0)
        return false; // a new file
    return !S_ISREG(status.st_mode) && !S_ISDIR(status.st_mode);
}

OutputFile::OutputFile(const QString& path) : path_(path) {}

OutputFile::~OutputFile() {
    if (ownsDescriptor_)
        ::close(descriptor_);
}

Outcome<> OutputFile::openStream() {
    descriptor_ = inheritedDescriptor(path_);
    if (descriptor_ < 0) {
        do {
            descriptor_ = ::open(io::nativePath(path_).constData(), O_WRONLY | O_CLOEXEC);
        } while (descriptor_ < 0 && errno == EINTR);
        if (descriptor_ < 0)
            return Failure{io::systemReason(errno)};
        ownsDescriptor_ = true;
    }
    stream_ = std::make_unique<DescriptorOutput>(descriptor_);
    return {};
}

Outcome<> OutputFile::open() {
    if (isStreamPath(path_))
        return openStream();
    file_ = std::make_unique<io::AtomicFile>(path_);
    return file_->open();
}

Outcome<> OutputFile::write(const QByteArray& bytes) {
    if (file_)
        return file_->write(bytes);
    if (stream_->write(bytes) != bytes.size())
        return Failure{stream_->errorString()};
    return {};
}

Outcome<> OutputFile::commit() {
    if (file_)
        return file_->commit();
    if (stream_->failed())
        return Failure{stream_->errorString()};
    return {};
}

Outcome<> writeOutputFile(const QString& path, const QByteArray& bytes) {
    OutputFile file(path);
    return io::writeWhole(file, bytes);
}

} // namespace vazolar::io
