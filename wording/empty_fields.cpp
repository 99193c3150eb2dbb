#include "empty_fields.h"

#include "trial_rows.h"
#include "shape_description.h"

namespace vazolar {

Outcome<> requireEveryField(const SizingInput& input) {
    const ShapeDescription& description = describe(input.shape);
    for (const FieldDescription& described : description.fields) {
        if (fieldText(input, described.field).isEmpty())
            return Failure{QString::fromUtf8(description.emptyFieldMessage)};
    }
    return {};
}

} // namespace vazolar
