#include "echoed_text.h"

namespace vazolar {

namespace {

QString escaped(QChar c) {
    switch (c.unicode()) {
    case u'\0':
        return QStringLiteral("\\0");
    case u'\t':
        return QStringLiteral("\\t");
    case u'\n':
        return QStringLiteral("\\n");
    case u'\r':
        return QStringLiteral("\\r");
    default:
        return QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
    }
}

bool isControl(QChar c) {
    return c.category() == QChar::Other_Control;
}

} // namespace

QString echoedValue(const QString& value) {
    QString shown;
    qsizetype kept = qMin(value.size(), kEchoedCharacters);
    if (kept < value.size() && value[kept - 1].isHighSurrogate())
        --kept; // a character is never cut in two
    for (qsizetype i = 0; i < kept; ++i)
        shown += isControl(value[i]) ? escaped(value[i]) : QString(value[i]);
    if (value.size() > kEchoedCharacters)
        shown += QString::fromUtf8("…");
    return shown;
}

} // namespace vazolar
