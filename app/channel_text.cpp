#include "channel_text.h"

#include "engine/increment.h"
#include "engine/number_text.h"
#include "forms/field_caption.h"
#include "forms/shape_profile.h"
#include "forms/sizing_messages.h"

namespace vazolar::cli {

namespace {

constexpr Shape kShapes[] = {Shape::Trapezoidal, Shape::Rectangular, Shape::Triangular,
                             Shape::Circular};

struct NamedField {
    const char* name;
    Field field;
};

constexpr NamedField kFieldNames[] = {{"i", Field::Slope},
                                      {"angulo", Field::Angle},
                                      {"n", Field::Roughness},
                                      {"q", Field::Discharge},
                                      {"inicial", Field::Start}};

QString nameOf(Field field) {
    for (const NamedField& named : kFieldNames) {
        if (named.field == field)
            return QString::fromLatin1(named.name);
    }
    Q_UNREACHABLE();
    return {};
}

} // namespace

QString shapeName(Shape shape) {
    return profileOf(shape).name;
}

std::optional<Shape> shapeNamed(const QString& name) {
    for (Shape shape : kShapes) {
        if (name.compare(shapeName(shape), Qt::CaseInsensitive) == 0)
            return shape;
    }
    return std::nullopt;
}

QString shapeNamesText() {
    return QStringLiteral("trapezoidal, retangular, triangular ou circular");
}

QStringList fieldNames(Shape shape) {
    QStringList names;
    for (const FieldBinding& binding : profileOf(shape).fields)
        names << nameOf(binding.field);
    return names;
}

Field fieldNamed(const QString& name) {
    for (const NamedField& named : kFieldNames) {
        if (name == QLatin1String(named.name))
            return named.field;
    }
    return Field::None;
}

std::optional<int> scrollValueForIncrement(const QString& text) {
    if (text.isEmpty())
        return kScrollDefault;
    bool ok = false;
    const double value = brazilianLocale().toDouble(text, &ok);
    if (!ok)
        return std::nullopt;
    for (int scroll = kScrollMinimum; scroll <= kScrollMaximum; ++scroll) {
        if (incrementForScroll(scroll) == value)
            return scroll;
    }
    return std::nullopt;
}

QString incrementStepsText() {
    QStringList steps;
    for (int scroll = kScrollMinimum; scroll <= kScrollMaximum; ++scroll)
        steps << incrementText(scroll);
    return steps.join(QStringLiteral("; "));
}

std::optional<QString> emptyFieldMessage(const SizingInput& input) {
    const ShapeProfile& profile = profileOf(input.shape);
    for (const FieldBinding& binding : profile.fields) {
        if (fieldText(input, binding.field).isEmpty())
            return profile.emptyFieldMessage;
    }
    return std::nullopt;
}

QString faultMessage(Shape shape, const SizingError& error) {
    return sizingFaultMessage(error, fieldCaption(shape, error.field()));
}

} // namespace vazolar::cli
