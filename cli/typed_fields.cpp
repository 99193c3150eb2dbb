#include "typed_fields.h"

#include "channel_text.h"
#include "option_names.h"
#include "wording/empty_fields.h"
#include "wording/field_characters.h"
#include "wording/shape_description.h"
#include "wording/trial_rows.h"

namespace vazolar::cli {

Outcome<> takeTyped(QString& text, const QString& name) {
    const Outcome<QString> typed = typedFieldText(name, text);
    if (!typed)
        return typed.failure();
    text = typed.value();
    return {};
}

namespace {

// The field that holds the freeboard's number: the bank height, or the rule's F or share.
AdoptedField freeboardField(const FreeboardText& freeboard) {
    return freeboard.rule == FreeboardRule::BankHeight ? AdoptedField::BankHeight
                                                       : AdoptedField::Freeboard;
}

// The freeboard's number as a field takes it; the USBR rule has none.
Outcome<> takeTypedFreeboard(FreeboardText& freeboard, const FieldNamer& names) {
    if (freeboard.rule == FreeboardRule::Usbr)
        return {};
    return takeTyped(freeboard.value, names(freeboardField(freeboard)));
}

} // namespace

Outcome<> takeTypedBank(FreeboardText& freeboard) {
    return takeTypedFreeboard(freeboard, optionName);
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

// Every number of the request in the table's order: the bank height in its place, the
// freeboard rule's number last.
Outcome<> takeTypedRequest(AdoptedRequest& request) {
    const FieldNamer names = verifyOptionNames(request.shape);
    const AdoptedField bankField = freeboardField(request.freeboard);
    for (const AdoptedFieldSpec& field : adoptedFields()) {
        if (!field.takenBy(request.shape))
            continue;
        Outcome<> typed = field.text ? takeTyped(request.*field.text, names(field.id))
                          : field.id == AdoptedField::BankHeight && bankField == field.id
                              ? takeTypedFreeboard(request.freeboard, names)
                              : Outcome<>();
        if (!typed)
            return typed;
    }
    if (bankField == AdoptedField::BankHeight)
        return {};
    return takeTypedFreeboard(request.freeboard, names);
}

} // namespace vazolar::cli
