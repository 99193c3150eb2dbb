#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include <memory>

class QIODevice;

namespace vazolar::cli {

// Where a command writes its lines, in UTF-8 with LF: a file, which takes its new content only
// when everything has been written (an existing file keeps its content on any failure), or
// the console's standard output.
class TextOutput {
public:
    // An empty path writes to standard output.
    TextOutput(const QString& path, QIODevice& standardOutput);

    bool open();
    void writeLine(const QString& line);
    // Ends the output: the file replaces the old one. False on any failure along the way;
    // a file never committed is thrown away with its object.
    bool commit();
    // Why the output failed, naming the file.
    QString errorText() const;

private:
    bool flush();

    QString path_;
    QIODevice& standardOutput_;
    std::unique_ptr<QSaveFile> file_;
    QByteArray buffer_;
    bool failed_ = false;
    QString reason_;
};

} // namespace vazolar::cli
