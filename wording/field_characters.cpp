#include "field_characters.h"

#include "echoed_text.h"

#include <QRegularExpression>

#include <algorithm>

namespace vazolar {

namespace {

QString withoutDots(const QString& text) {
    return QString(text).remove(u'.');
}

// Whether the dots could group thousands as the Brazilian way writes them: "1.500",
// "12.000.000"; not "0.300" nor "1.50".
bool couldGroupThousands(const QString& text) {
    static const QRegularExpression grouped(QStringLiteral("^-?[1-9][0-9]{0,2}(\\.[0-9]{3})+$"));
    return grouped.match(text).hasMatch();
}

// How to write the value with the decimal comma. With a comma too, or with more than one dot,
// the dots group thousands; a lone dot is a decimal point, unless it may group thousands, and
// then both readings are given.
QString dotHint(const QString& text) {
    const QString hint = QString::fromUtf8("use a vírgula decimal: %1");
    if (text.contains(u',') || text.count(u'.') > 1)
        return hint.arg(echoedValue(withoutDots(text)));
    const QString decimal = echoedValue(QString(text).replace(u'.', u','));
    if (!couldGroupThousands(text))
        return hint.arg(decimal);
    return hint.arg(decimal) + QString::fromUtf8(" (ou %1, se o ponto separa os milhares)")
                                   .arg(echoedValue(withoutDots(text)));
}

QString hintFor(QChar refused, const QString& text) {
    if (refused == u'.')
        return dotHint(text);
    return QString::fromUtf8("o campo aceita só algarismos, a vírgula decimal e o sinal de menos");
}

// The refused character as the message shows it.
QString shownCharacter(QString::const_iterator refused, const QString& text) {
    const qsizetype at = refused - text.begin();
    if (refused->isHighSurrogate() && at + 1 < text.size())
        return echoedValue(text.mid(at, 2));
    return echoedValue(QString(*refused));
}

} // namespace

bool fieldAccepts(char16_t c) {
    return c == u',' || c == u'-' || (c >= u'0' && c <= u'9');
}

Outcome<QString> typedFieldText(const QString& caption, const QString& text) {
    const QString value = text.trimmed();
    const auto refused = std::find_if(value.begin(), value.end(),
                                      [](QChar c) { return !fieldAccepts(c.unicode()); });
    if (refused == value.end())
        return value;
    return Failure{QString::fromUtf8("O valor de %1 (\"%2\") tem \"%3\"; %4.")
                       .arg(caption, echoedValue(value), shownCharacter(refused, value),
                            hintFor(*refused, value))};
}

} // namespace vazolar
