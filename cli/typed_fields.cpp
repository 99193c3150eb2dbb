#include "typed_fields.h"

#include "channel_text.h"
#include "option_names.h"
#include "wording/empty_fields.h"
#include "wording/field_characters.h"
#include "wording/shape_description.h"
#include "wording/trial_rows.h"

namespace vazolar::cli {

namespace {

Outcome<> takeTyped(QString& text, const QString& name) {
    const Outcome<QString> typed = typedFieldText(name, text);
    if (!typed)
        return typed.failure();
    text = typed.value();
    return {};
}

// The freeboard's number, in metres or before its "%", as a field takes it; "usbr" as it is.
Outcome<> takeTypedFreeboard(QString& rule, const QString& name) {
    rule = rule.trimmed();
    if (rule.compare(QLatin1String("usbr"), Qt::CaseInsensitive) == 0)
        return {};
    const bool isShare = rule.endsWith(u'%');
    QString number = isShare ? rule.chopped(1) : rule;
    if (Outcome<> typed = takeTyped(number, name); !typed)
        return typed;
    rule = isShare ? number + u'%' : number;
    return {};
}

} // namespace

Outcome<> takeTypedBank(QString& freeboard, QString& bankHeight) {
    if (Outcome<> typed = takeTyped(bankHeight, QStringLiteral("--altura")); !typed)
        return typed;
    return takeTypedFreeboard(freeboard, QStringLiteral("--borda-livre"));
}

Outcome<> takeTypedFields(SizingInput& input) {
    const ShapeDescription& description = describe(input.shape);
    for (const FieldDescription& described : description.fields)
        fieldText(input, described.field) = fieldText(input, described.field).trimmed();
    if (Outcome<> filled = requireEveryField(input); !filled)
        return filled;
    for (const FieldDescription& described : description.fields) {
        if (Outcome<> typed = takeTyped(fieldText(input, described.field),
                                        fieldCaption(input.shape, described.field));
            !typed)
            return typed;
    }
    return {};
}

Outcome<> takeTypedOptions(SizingInput& input) {
    for (const FieldDescription& described : describe(input.shape).fields) {
        QString& text = fieldText(input, described.field);
        const QString option = fieldOption(described.field);
        text = text.trimmed();
        if (text.isEmpty())
            return Failure{QString::fromUtf8("Informe o valor de %1.").arg(option)};
        if (Outcome<> typed = takeTyped(text, option); !typed)
            return typed;
    }
    return {};
}

// Every number of the request in the table's order, the freeboard rule last.
Outcome<> takeTypedRequest(AdoptedRequest& request) {
    const FieldNamer names = verifyOptionNames(request.shape);
    for (const AdoptedFieldSpec& field : adoptedFields()) {
        if (field.id == AdoptedField::Freeboard || !field.takenBy(request.shape))
            continue;
        if (Outcome<> typed = takeTyped(request.*field.text, names(field.id)); !typed)
            return typed;
    }
    return takeTypedFreeboard(request.freeboard, names(AdoptedField::Freeboard));
}

} // namespace vazolar::cli
