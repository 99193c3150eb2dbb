#include "option_names.h"

namespace vazolar::cli {

QString optionName(AdoptedField id) {
    for (const AdoptedFieldSpec& field : adoptedFields()) {
        if (field.id == id)
            return QStringLiteral("--") + QString::fromLatin1(field.option);
    }
    return QStringLiteral("--");
}

FieldNamer verifyOptionNames(Shape shape) {
    return [shape](AdoptedField id) {
        for (const AdoptedFieldSpec& field : adoptedFields()) {
            // A field the shape does not take is still named, by its first option: a message
            // may say that the shape has no use for it.
            if (field.id == id && (field.takenBy(shape) || id != AdoptedField::Dimension))
                return QStringLiteral("--") + QString::fromLatin1(field.option);
        }
        return QStringLiteral("--");
    };
}

} // namespace vazolar::cli
