#pragma once

#include "engine/outcome.h"
#include "io/output_file.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

class QIODevice;

namespace vazolar::cli {

// Where a command writes its lines, in UTF-8 with LF: a file, which takes its new content only
// when everything has been written and synced (an existing file keeps its content on any
// failure), a pipe or a device written straight (see OutputFile), or the console's standard
// output.
class TextOutput {
public:
    // An empty path writes to standard output.
    TextOutput(const QString& path, QIODevice& standardOutput);

    Outcome<> open();
    void writeLine(const QString& line);
    // Whether a write has failed already: what follows would be thrown away.
    bool failed() const { return !reason_.isEmpty(); }
    // Ends the output: the file replaces the old one. Fails on any failure along the way,
    // with the message that names the output; a file never committed is thrown away.
    Outcome<> commit();

private:
    bool flush();
    Failure failure() const;

    QString path_;
    QIODevice& standardOutput_;
    std::unique_ptr<io::OutputFile> file_;
    QByteArray buffer_;
    QString reason_; // why the output failed; empty while it has not
};

// Writes the lines to the path (standard output when empty) through a TextOutput.
Outcome<> writeTextLines(const QString& path, const QStringList& lines, QIODevice& standardOutput);

} // namespace vazolar::cli
