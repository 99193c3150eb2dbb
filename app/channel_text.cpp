#include "channel_text.h"

#include "engine/increment.h"
#include "engine/number_text.h"
#include "forms/field_caption.h"
#include "forms/shape_profile.h"
#include "forms/sizing_messages.h"

#include <QStringList>

namespace vazolar::cli {

namespace {

constexpr Shape kShapes[] = {Shape::Trapezoidal, Shape::Rectangular, Shape::Triangular,
                             Shape::Circular};

const QString& textOf(const ChannelTexts& texts, Field field) {
    switch (field) {
    case Field::Slope:
        return texts.slope;
    case Field::Angle:
        return texts.angle;
    case Field::Roughness:
        return texts.roughness;
    case Field::Discharge:
        return texts.discharge;
    case Field::Start:
        return texts.start;
    case Field::None:
        break;
    }
    Q_UNREACHABLE();
    return texts.slope;
}

} // namespace

QString shapeName(Shape shape) {
    switch (shape) {
    case Shape::Trapezoidal:
        return QStringLiteral("trapezoidal");
    case Shape::Rectangular:
        return QStringLiteral("retangular");
    case Shape::Triangular:
        return QStringLiteral("triangular");
    case Shape::Circular:
        return QStringLiteral("circular");
    }
    Q_UNREACHABLE();
    return {};
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

std::optional<QString> emptyFieldMessage(Shape shape, const ChannelTexts& texts) {
    const ShapeProfile& profile = profileOf(shape);
    for (const FieldBinding& binding : profile.fields) {
        if (textOf(texts, binding.field).isEmpty())
            return profile.emptyFieldMessage;
    }
    return std::nullopt;
}

SizingInput sizingInput(Shape shape, const ChannelTexts& texts, int scrollValue) {
    SizingInput input;
    input.shape = shape;
    for (const FieldBinding& binding : profileOf(shape).fields)
        fieldText(input, binding.field) = textOf(texts, binding.field);
    input.scrollValue = scrollValue;
    return input;
}

QString faultMessage(Shape shape, const SizingError& error) {
    return sizingFaultMessage(error, fieldCaption(shape, error.field()));
}

} // namespace vazolar::cli
