#include "shape_description.h"

namespace vazolar {

namespace {

using enum Quantity;

constexpr const char* kAllData = "Informe todos os dados.";
constexpr const char* kAllNeededData = "Informe todos os dados necessários.";

constexpr FieldDescription kSlope{Field::Slope, "I (%)"};
constexpr FieldDescription kRoughness{Field::Roughness, "n"};
constexpr FieldDescription kDischarge{Field::Discharge, "Q projeto (m³/s)"};

ShapeDescription trapezoidal() {
    return {.shape = Shape::Trapezoidal,
            .name = "trapezoidal",
            .fields = {kSlope,
                       {Field::Angle, "ANGULO (°)"},
                       kRoughness,
                       kDischarge,
                       {Field::Start, "b  inicial (m)"}},
            .trialVariable = BottomWidth,
            .columns = {{BottomWidth, "b", 0},
                        {TopWidth, "B", 6},
                        {Depth, "y", 6},
                        {Area, "Am", 6},
                        {WettedPerimeter, "Pm", 6},
                        {HydraulicRadius, "RH", 6},
                        {Discharge, "Q", 6},
                        {Velocity, "V", 6}},
            .relations = "z = tg(ângulo do talude)\n"
                         "y = b / (2 · (√(1 + z²) − z))\n"
                         "B = b + 2 · z · y\n"
                         "Am = (b + z · y) · y\n"
                         "Pm = b + 2 · y · √(1 + z²)\n"
                         "RH = Am / Pm",
            .emptyFieldMessage = kAllData};
}

ShapeDescription rectangular() {
    return {.shape = Shape::Rectangular,
            .name = "retangular",
            .fields = {kSlope, kRoughness, kDischarge, {Field::Start, "B  inicial (m)"}},
            .trialVariable = TopWidth,
            .columns = {{TopWidth, "B", 0},
                        {Depth, "y", 9},
                        {Area, "Am", 9},
                        {WettedPerimeter, "Pm", 9},
                        {HydraulicRadius, "RH", 9},
                        {Discharge, "Q", 9},
                        {Velocity, "V", 9}},
            .relations = "y = B / 2\n"
                         "Am = B · y\n"
                         "Pm = B + 2 · y\n"
                         "RH = Am / Pm",
            .emptyFieldMessage = kAllData};
}

ShapeDescription triangular() {
    return {.shape = Shape::Triangular,
            .name = "triangular",
            .fields = {kSlope, kRoughness, kDischarge, {Field::Start, "Y  inicial (m)"}},
            .trialVariable = Depth,
            .columns = {{TopWidth, "B", 0},
                        {Depth, "Y", 6},
                        {Area, "Am", 6},
                        {WettedPerimeter, "Pm", 6},
                        {HydraulicRadius, "RH", 6},
                        {Discharge, "Q", 6},
                        {Velocity, "V", 6}},
            .relations = "B = 2 · Y (taludes 1:1)\n"
                         "Am = Y²\n"
                         "Pm = 2 · √2 · Y\n"
                         "RH = Am / Pm",
            .emptyFieldMessage = kAllNeededData};
}

// The circle's single row has its own spacing, which lines it up under its heading.
ShapeDescription circular() {
    return {.shape = Shape::Circular,
            .name = "circular",
            .fields = {kSlope, kRoughness, kDischarge},
            .trialVariable = std::nullopt,
            .columns = {{Diameter, "D", 3},
                        {Area, "Am", 11},
                        {HydraulicRadius, "RH", 12},
                        {Discharge, "Q", 11},
                        {Velocity, "V", 11}},
            .relations = "D = (n · Qd / (0,324 · √(I/100)))^(3/8)\n"
                         "Am = 0,746 · D²\n"
                         "RH = 0,286 · D\n"
                         "V = Qd / Am",
            .emptyFieldMessage = kAllNeededData,
            .builtOfPipes = true};
}

} // namespace

const ShapeDescription& describe(Shape shape) {
    static const ShapeDescription descriptions[] = {trapezoidal(), rectangular(), triangular(),
                                                    circular()};
    const ShapeDescription& description = descriptions[static_cast<int>(shape)];
    Q_ASSERT(description.shape == shape);
    return description;
}

QString sectionRelations(Shape shape) {
    return QString::fromUtf8(describe(shape).relations);
}

QString shapeName(Shape shape) {
    return QString::fromLatin1(describe(shape).name);
}

bool hasField(Shape shape, Field field) {
    for (const FieldDescription& described : describe(shape).fields) {
        if (described.field == field)
            return true;
    }
    return false;
}

QString fieldCaption(Shape shape, Field field) {
    for (const FieldDescription& described : describe(shape).fields) {
        if (described.field == field)
            return QString::fromUtf8(described.label).simplified();
    }
    return QString();
}

QStringList columnNames(Shape shape) {
    QStringList names;
    for (const ColumnDescription& column : describe(shape).columns)
        names << QString::fromLatin1(column.name);
    return names;
}

QString trialVariableName(Shape shape) {
    const ShapeDescription& description = describe(shape);
    for (const ColumnDescription& column : description.columns) {
        if (column.quantity == description.trialVariable)
            return QString::fromLatin1(column.name);
    }
    return QString();
}

bool builtOfPipes(Shape shape) {
    return describe(shape).builtOfPipes;
}

} // namespace vazolar
