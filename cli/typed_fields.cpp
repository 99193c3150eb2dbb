#include "typed_fields.h"

#include "channel_text.h"
#include "option_names.h"
#include "wording/empty_fields.h"
#include "wording/field_characters.h"
#include "wording/shape_description.h"
#include "wording/trial_rows.h"

#include <span>

namespace vazolar::cli {

namespace {

Outcome<> takeTyped(QString& text, const QString& name) {
    const Outcome<QString> typed = typedFieldText(name, text);
    if (!typed)
        return typed.failure();
    text = typed.value();
    return {};
}

struct RequestNumber {
    QString AdoptedRequest::*text;
    AdoptedField field;
};

// In the order the request's numbers are read: the flow and the angle, then the shape's
// dimension, then the bank and the limits.
constexpr RequestNumber kFlowNumbers[] = {{&AdoptedRequest::slope, AdoptedField::Slope},
                                          {&AdoptedRequest::roughness, AdoptedField::Roughness},
                                          {&AdoptedRequest::discharge, AdoptedField::Discharge},
                                          {&AdoptedRequest::depth, AdoptedField::Depth},
                                          {&AdoptedRequest::angle, AdoptedField::Angle}};
constexpr RequestNumber kLimitNumbers[] = {
    {&AdoptedRequest::bankHeight, AdoptedField::BankHeight},
    {&AdoptedRequest::maxVelocity, AdoptedField::MaxVelocity},
    {&AdoptedRequest::minVelocity, AdoptedField::MinVelocity},
    {&AdoptedRequest::maxFroude, AdoptedField::MaxFroude},
    {&AdoptedRequest::maxDepthRatio, AdoptedField::MaxDepthRatio}};

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

Outcome<> takeTypedRequest(AdoptedRequest& request) {
    const FieldNamer names = verifyOptionNames(request.shape);
    const auto takeAll = [&](std::span<const RequestNumber> numbers) -> Outcome<> {
        for (const RequestNumber& number : numbers) {
            if (Outcome<> typed = takeTyped(request.*number.text, names(number.field)); !typed)
                return typed;
        }
        return {};
    };
    if (Outcome<> typed = takeAll(kFlowNumbers); !typed)
        return typed;
    if (const auto dimension = adoptedDimension(request.shape)) {
        if (Outcome<> typed = takeTyped(request.*dimension->text, names(AdoptedField::Dimension));
            !typed)
            return typed;
    }
    if (Outcome<> typed = takeAll(kLimitNumbers); !typed)
        return typed;
    return takeTypedFreeboard(request.freeboard, names(AdoptedField::Freeboard));
}

} // namespace vazolar::cli
