#include "typed_fields.h"

#include "engine/empty_fields.h"
#include "engine/field_characters.h"
#include "engine/shape_description.h"

namespace vazolar::cli {

namespace {

Outcome<> takeTyped(QString& text, const QString& caption) {
    const Outcome<QString> typed = typedFieldText(caption, text);
    if (!typed)
        return Failure{typed.message()};
    text = typed.value();
    return {};
}

struct RequestNumber {
    QString AdoptedRequest::*text;
    const char* name;
};

// In the order the request's numbers are read.
constexpr RequestNumber kRequestNumbers[] = {{&AdoptedRequest::slope, "i"},
                                             {&AdoptedRequest::roughness, "n"},
                                             {&AdoptedRequest::discharge, "q"},
                                             {&AdoptedRequest::depth, "y"},
                                             {&AdoptedRequest::angle, "angulo"},
                                             {&AdoptedRequest::bottomWidth, "b"},
                                             {&AdoptedRequest::width, "B"},
                                             {&AdoptedRequest::diameter, "D"},
                                             {&AdoptedRequest::bankHeight, "altura"},
                                             {&AdoptedRequest::maxVelocity, "vmax"},
                                             {&AdoptedRequest::minVelocity, "vmin"},
                                             {&AdoptedRequest::maxFroude, "frmax"},
                                             {&AdoptedRequest::maxDepthRatio, "ymaxd"}};

} // namespace

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

Outcome<> takeTypedRequest(AdoptedRequest& request) {
    request.freeboard = request.freeboard.trimmed();
    for (const RequestNumber& number : kRequestNumbers) {
        if (Outcome<> typed = takeTyped(request.*number.text, QString::fromLatin1(number.name));
            !typed)
            return typed;
    }
    return {};
}

} // namespace vazolar::cli
