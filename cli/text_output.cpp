#include "text_output.h"

#include "reports/report_file.h"

#include <QIODevice>

namespace vazolar::cli {

namespace {

// Lines are handed to the device in blocks of about this many bytes.
constexpr qsizetype kBlockBytes = 64 * 1024;

} // namespace

TextOutput::TextOutput(const QString& path, QIODevice& standardOutput)
    : path_(path), standardOutput_(standardOutput) {}

Outcome<> TextOutput::open() {
    if (path_.isEmpty())
        return {};
    file_ = std::make_unique<io::OutputFile>(path_);
    if (const Outcome<> opened = file_->open(); !opened) {
        reason_ = opened.message();
        return failure();
    }
    return {};
}

void TextOutput::writeLine(const QString& line) {
    buffer_ += line.toUtf8();
    buffer_ += '\n';
    if (buffer_.size() >= kBlockBytes)
        flush();
}

bool TextOutput::flush() {
    if (!reason_.isEmpty() || buffer_.isEmpty()) {
        buffer_.clear();
        return reason_.isEmpty();
    }
    if (file_) {
        if (const Outcome<> written = file_->write(buffer_); !written)
            reason_ = written.message();
    } else if (standardOutput_.write(buffer_) != buffer_.size()) {
        reason_ = standardOutput_.errorString();
    }
    buffer_.clear();
    return reason_.isEmpty();
}

Outcome<> TextOutput::commit() {
    if (!flush())
        return failure();
    if (!file_)
        return {};
    if (const Outcome<> committed = file_->commit(); !committed) {
        reason_ = committed.message();
        return failure();
    }
    return {};
}

Failure TextOutput::failure() const {
    if (path_.isEmpty())
        return {QStringLiteral("Não foi possível gravar a saída padrão: %1").arg(reason_)};
    return {reports::notSavedMessage(path_, reason_)};
}

Outcome<> writeTextLines(const QString& path, const QStringList& lines, QIODevice& standardOutput) {
    TextOutput output(path, standardOutput);
    if (Outcome<> opened = output.open(); !opened)
        return opened;
    for (const QString& line : lines)
        output.writeLine(line);
    return output.commit();
}

} // namespace vazolar::cli
