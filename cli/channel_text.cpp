#include "channel_text.h"

#include "engine/increment.h"
#include "wording/increment_text.h"
#include "wording/number_text.h"
#include "wording/shape_description.h"

namespace vazolar::cli {

namespace {

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

std::optional<Shape> shapeNamed(const QString& name) {
    for (Shape shape : kAllShapes) {
        if (name.trimmed().compare(shapeName(shape), Qt::CaseInsensitive) == 0)
            return shape;
    }
    return std::nullopt;
}

QString shapeNamesText() {
    QStringList names;
    for (Shape shape : kAllShapes)
        names << shapeName(shape);
    const QString last = names.takeLast();
    return names.join(QStringLiteral(", ")) + QStringLiteral(" ou ") + last;
}

QStringList fieldNames(Shape shape) {
    QStringList names;
    for (const FieldDescription& described : describe(shape).fields)
        names << nameOf(described.field);
    return names;
}

Field fieldNamed(const QString& name) {
    for (const NamedField& named : kFieldNames) {
        if (name == QLatin1String(named.name))
            return named.field;
    }
    return Field::None;
}

QString fieldOption(Field field) {
    return QStringLiteral("--") + nameOf(field);
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

} // namespace vazolar::cli
