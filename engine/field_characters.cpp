#include "field_characters.h"

#include <algorithm>

namespace vazolar {

namespace {

// What the field's value looks like written with the decimal comma: a dot alone is a decimal
// point; with a comma too, it was grouping thousands.
QString withDecimalComma(const QString& text) {
    QString written = text;
    if (text.contains(u','))
        return written.remove(u'.');
    return written.replace(u'.', u',');
}

QString hintFor(QChar refused, const QString& text) {
    if (refused == u'.')
        return QString::fromUtf8("use a vírgula decimal: %1").arg(withDecimalComma(text));
    return QString::fromUtf8("o campo aceita só algarismos, a vírgula decimal e o sinal de menos");
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
                       .arg(caption, value, QString(*refused), hintFor(*refused, value))};
}

} // namespace vazolar
