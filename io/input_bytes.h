#pragma once

#include "engine/outcome.h"

#include <QByteArray>
#include <QStringDecoder>

#include <optional>

class QIODevice;

namespace vazolar::io {

// The bytes of an input as it arrives from a file, a pipe or a terminal, block by block, read
// until the device says there is no more (not until it has nothing buffered: a pipe may be
// slower than the reader). A byte-order mark is dropped; UTF-16 with its mark arrives as
// UTF-8, so that what reads the blocks sees one byte encoding.
class InputBytes {
public:
    explicit InputBytes(QIODevice& device);

    // The next block; empty at the end of the input. A failure says why the device could not
    // be read; after it, nothing more is read.
    Outcome<QByteArray> next();

private:
    Outcome<QByteArray> readBlock();
    QByteArray started(QByteArray block);

    QIODevice& device_;
    bool started_ = false;
    bool ended_ = false;
    std::optional<QStringDecoder> utf16_;
};

} // namespace vazolar::io
