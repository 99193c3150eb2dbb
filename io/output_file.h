#pragma once

#include "atomic_file.h"
#include "descriptor_output.h"
#include "engine/outcome.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace vazolar::io {

// Where `--saida` writes. A regular file, a new one, or a symbolic link to either takes its
// new content whole, only once all of it is on the disk (the link stays a link: its target
// is written). Anything else (a named pipe, a device, /dev/stdout, a shell's process
// substitution) is written straight and never replaced: it is not ours to replace.
class OutputFile {
public:
    explicit OutputFile(const QString& path);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    Outcome<> open();
    Outcome<> write(const QByteArray& bytes);
    // Ends the output: the regular file takes its new content.
    Outcome<> commit();

private:
    Outcome<> openStream();

    QString path_;
    std::unique_ptr<io::AtomicFile> file_;
    std::unique_ptr<DescriptorOutput> stream_;
    int descriptor_ = -1;
    bool ownsDescriptor_ = false;
};

// Whether the path names something written straight rather than replaced.
bool isStreamPath(const QString& path);

// Writes the bytes as the whole output at path.
Outcome<> writeOutputFile(const QString& path, const QByteArray& bytes);

} // namespace vazolar::io
