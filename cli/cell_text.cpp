#include "cell_text.h"

#include <QStringDecoder>

#include <algorithm>

namespace vazolar::cli {

namespace {

bool isUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

QString fromWindows1252(const QByteArray& bytes) {
    QStringDecoder decoder("windows-1252");
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

} // namespace

CellTexts decodeCells(const QList<QByteArray>& cells) {
    CellTexts texts;
    texts.windows1252 = !std::all_of(cells.begin(), cells.end(), isUtf8);
    for (const QByteArray& cell : cells)
        texts.cells << (texts.windows1252 ? fromWindows1252(cell) : QString::fromUtf8(cell));
    return texts;
}

} // namespace vazolar::cli
