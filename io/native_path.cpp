#include "native_path.h"

namespace vazolar::io {

namespace {

constexpr char16_t kFirstKeptByte = 0xDC80;
constexpr char16_t kLastKeptByte = 0xDCFF;

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the valid UTF-8 sequence that starts at `at`, or 0 where it is not one:
// no overlong forms, no surrogates, nothing beyond U+10FFFF.
qsizetype sequenceLength(const QByteArray& bytes, qsizetype at) {
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[at + i]); };
    const unsigned char first = byte(0);
    if (first < 0x80)
        return 1;
    qsizetype length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (first >= 0xC2 && first <= 0xDF) {
        length = 2;
    } else if (first >= 0xE0 && first <= 0xEF) {
        length = 3;
        low = first == 0xE0 ? 0xA0 : 0x80;
        high = first == 0xED ? 0x9F : 0xBF;
    } else if (first >= 0xF0 && first <= 0xF4) {
        length = 4;
        low = first == 0xF0 ? 0x90 : 0x80;
        high = first == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (at + length > bytes.size() || byte(1) < low || byte(1) > high)
        return 0;
    for (qsizetype i = 2; i < length; ++i)
        if (!isContinuation(byte(i)))
            return 0;
    return length;
}

// A kept byte is a low surrogate of the range that no high surrogate comes before.
bool isKeptByte(const QString& text, qsizetype at) {
    const char16_t unit = text[at].unicode();
    return unit >= kFirstKeptByte && unit <= kLastKeptByte &&
           (at == 0 || !text[at - 1].isHighSurrogate());
}

} // namespace

QString pathFromNative(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    qsizetype runStart = 0;
    qsizetype at = 0;
    while (at < bytes.size()) {
        if (const qsizetype length = sequenceLength(bytes, at); length > 0) {
            at += length;
            continue;
        }
        text += QString::fromUtf8(bytes.constData() + runStart, at - runStart);
        text += QChar(char16_t(0xDC00 + static_cast<unsigned char>(bytes[at])));
        runStart = ++at;
    }
    text += QString::fromUtf8(bytes.constData() + runStart, at - runStart);
    return text;
}

QByteArray nativePath(const QString& path) {
    QByteArray bytes;
    bytes.reserve(path.size());
    qsizetype runStart = 0;
    for (qsizetype at = 0; at < path.size(); ++at) {
        if (!isKeptByte(path, at))
            continue;
        bytes += QStringView(path).mid(runStart, at - runStart).toUtf8();
        bytes += char(path[at].unicode() - 0xDC00);
        runStart = at + 1;
    }
    bytes += QStringView(path).mid(runStart).toUtf8();
    return bytes;
}

QString readablePath(const QString& text) {
    QString readable = text;
    for (qsizetype at = 0; at < readable.size(); ++at)
        if (isKeptByte(text, at))
            readable[at] = QChar::ReplacementCharacter;
    return readable;
}

} // namespace vazolar::io
