#include "field_caption.h"

#include "section_layouts.h"
#include "shape_profile.h"

namespace vazolar {

QString fieldCaption(Shape shape, Field field) {
    if (field == Field::None)
        return QString();
    const int index = captionIndexOf(field);
    for (const ControlSpec& control : sectionLayout(shape).controls) {
        if (control.name == QLatin1String("Label1") && control.index == index)
            return control.text.simplified();
    }
    return QString();
}

} // namespace vazolar
