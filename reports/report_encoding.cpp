#include "report_encoding.h"

#include <QStringEncoder>

#include <algorithm>
#include <array>

namespace vazolar::reports {

namespace {

// The characters that Windows-1252 puts at 0x80 to 0x9F, where Latin-1 has control codes.
constexpr std::array<char16_t, 27> kUpperControlRange = {
    u'€', u'‚', u'ƒ', u'„', u'…', u'†', u'‡', u'ˆ', u'‰', u'Š', u'‹', u'Œ', u'Ž', u'‘',
    u'’', u'“', u'”', u'•', u'–', u'—', u'˜', u'™', u'š', u'›', u'œ', u'ž', u'Ÿ'};

bool holdsInWindows1252(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return true;
    return std::find(kUpperControlRange.begin(), kUpperControlRange.end(), c) !=
           kUpperControlRange.end();
}

// The line with '?' for every character the code page lacks: a surrogate pair (a character
// beyond the 16-bit range) becomes one '?', as does a lone surrogate. The encoder would write
// 0x1A for them instead.
QString holdableText(const QString& line) {
    QString text;
    text.reserve(line.size());
    const qsizetype size = line.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = line[i];
        if (c.isHighSurrogate() && i + 1 < size && line[i + 1].isLowSurrogate())
            ++i;
        text += holdsInWindows1252(c.unicode()) ? c : QChar(u'?');
    }
    return text;
}

// Rows are plain ASCII, which is the same in Windows-1252: they are copied byte for byte. Any
// other line is left to the encoder, and nothing is appended here.
bool appendAscii(QByteArray& out, const QString& line) {
    const qsizetype start = out.size();
    out.resize(start + line.size());
    char* byte = out.data() + start;
    for (const QChar c : line) {
        if (c.unicode() >= 0x80) {
            out.truncate(start);
            return false;
        }
        *byte++ = static_cast<char>(c.unicode());
    }
    return true;
}

// Qt built without ICU has no Windows-1252 encoder: Latin-1 then keeps every character but the
// few that Windows-1252 adds at 0x80 to 0x9F, which become '?'.
QByteArray encodedLine(QStringEncoder& encoder, const QString& holdable) {
    if (!encoder.isValid())
        return holdable.toLatin1();
    return encoder.encode(holdable);
}

qsizetype sizeWithLineEnds(const QStringList& lines) {
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + 2;
    return size;
}

} // namespace

QByteArray encodeReport(const QStringList& lines) {
    QStringEncoder encoder("windows-1252");
    QByteArray bytes;
    bytes.reserve(sizeWithLineEnds(lines));
    for (const QString& line : lines) {
        if (!appendAscii(bytes, line))
            bytes += encodedLine(encoder, holdableText(line));
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace vazolar::reports
