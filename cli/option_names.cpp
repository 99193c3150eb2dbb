#include "option_names.h"

namespace vazolar::cli {

QString optionName(AdoptedField id) {
    for (const AdoptedFieldSpec& field : adoptedFields()) {
        if (field.id == id)
            return QStringLiteral("--") + QString::fromLatin1(field.option);
    }
    return QStringLiteral("--");
}

// The dimension by the shape's own option; a field the shape does not take still by its
// option, for a message that says the shape has no use for it.
FieldNamer verifyOptionNames(Shape shape) {
    return [shape](AdoptedField id) {
        if (id != AdoptedField::Dimension)
            return optionName(id);
        const auto dimension = adoptedField(shape, id);
        return QStringLiteral("--") +
               (dimension ? QString::fromLatin1(dimension->option) : QString());
    };
}

} // namespace vazolar::cli
