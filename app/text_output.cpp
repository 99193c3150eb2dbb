#include "text_output.h"

#include <QDir>

namespace vazolar::cli {

namespace {

// Lines are handed to the device in blocks of about this many bytes.
constexpr qsizetype kBlockBytes = 64 * 1024;

} // namespace

TextOutput::TextOutput(const QString& path, QIODevice& standardOutput)
    : path_(path), standardOutput_(standardOutput) {}

bool TextOutput::open() {
    if (path_.isEmpty())
        return true;
    file_ = std::make_unique<QSaveFile>(path_);
    if (file_->open(QIODevice::WriteOnly))
        return true;
    failed_ = true;
    reason_ = file_->errorString();
    return false;
}

void TextOutput::writeLine(const QString& line) {
    buffer_ += line.toUtf8();
    buffer_ += '\n';
    if (buffer_.size() >= kBlockBytes)
        flush();
}

bool TextOutput::flush() {
    if (failed_ || buffer_.isEmpty()) {
        buffer_.clear();
        return !failed_;
    }
    QIODevice& device = file_ ? static_cast<QIODevice&>(*file_) : standardOutput_;
    if (device.write(buffer_) != buffer_.size()) {
        failed_ = true;
        reason_ = device.errorString();
    }
    buffer_.clear();
    return !failed_;
}

bool TextOutput::commit() {
    if (!flush())
        return false;
    if (!file_)
        return true;
    if (file_->commit())
        return true;
    failed_ = true;
    reason_ = file_->errorString();
    return false;
}

QString TextOutput::errorText() const {
    const QString place = path_.isEmpty()
                              ? QStringLiteral("a saída padrão")
                              : QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(path_));
    return QStringLiteral("Não foi possível gravar %1: %2").arg(place, reason_);
}

} // namespace vazolar::cli
