#include "input_bytes.h"

#include "system_reason.h"

#include <QIODevice>

#include <cerrno>

namespace vazolar::io {

namespace {

constexpr qsizetype kBlockBytes = 64 * 1024;

const QByteArray kUtf8Mark("\xEF\xBB\xBF");
const QByteArray kUtf16LeMark("\xFF\xFE");
const QByteArray kUtf16BeMark("\xFE\xFF");

} // namespace

InputBytes::InputBytes(QIODevice& device) : device_(device) {}

Outcome<QByteArray> InputBytes::readBlock() {
    QByteArray block(kBlockBytes, Qt::Uninitialized);
    errno = 0;
    const qint64 read = device_.read(block.data(), block.size());
    if (read < 0) {
        ended_ = true;
        const int error = errno;
        return Failure{error != 0 ? io::systemReason(error, device_.errorString())
                                  : device_.errorString()};
    }
    block.truncate(read);
    return block;
}

// The first bytes tell the encoding by their mark; a mark split over two reads is waited for.
QByteArray InputBytes::started(QByteArray block) {
    started_ = true;
    if (block.startsWith(kUtf8Mark))
        return block.mid(kUtf8Mark.size());
    if (block.startsWith(kUtf16LeMark))
        utf16_.emplace(QStringConverter::Utf16LE);
    else if (block.startsWith(kUtf16BeMark))
        utf16_.emplace(QStringConverter::Utf16BE);
    if (utf16_)
        block.remove(0, 2);
    return block;
}

Outcome<QByteArray> InputBytes::next() {
    while (!ended_) {
        Outcome<QByteArray> block = readBlock();
        if (!block)
            return block;
        QByteArray bytes = block.value();
        if (bytes.isEmpty()) {
            ended_ = true;
            return bytes;
        }
        if (!started_) {
            while (bytes.size() < kUtf8Mark.size()) {
                Outcome<QByteArray> more = readBlock();
                if (!more)
                    return more;
                if (more.value().isEmpty())
                    break;
                bytes += more.value();
            }
            bytes = started(bytes);
        }
        if (utf16_)
            bytes = QString((*utf16_)(bytes)).toUtf8();
        if (!bytes.isEmpty())
            return bytes;
    }
    return QByteArray();
}

} // namespace vazolar::io
