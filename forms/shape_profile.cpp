#include "shape_profile.h"

namespace vazolar {

namespace {

ShapeProfile trapezoidal() {
    return {.shape = Shape::Trapezoidal,
            .formName = "frmtrapezoidal",
            .startControl = "txtb",
            .mirrors = {{"txtangulo", "lbla"}, {"txtb", "lblbb"}},
            .resultLabels = {{"lblB", Quantity::TopWidth},
                             {"lblY", Quantity::Depth},
                             {"lblbb", Quantity::BottomWidth}},
            .sizingClosesPanel = true,
            .focusOnNClosesPanel = true,
            .saveFileName = QString::fromUtf8("Vazolar_seção_trapezoidal")};
}

ShapeProfile rectangular() {
    return {.shape = Shape::Rectangular,
            .formName = "frmretangular",
            .startControl = "txtb",
            .mirrors = {{"txtb", "lblB"}},
            .resultLabels = {{"lblB", Quantity::TopWidth}, {"lblY", Quantity::Depth}},
            .saveFileName = QString::fromUtf8("Vazolar_seção_retangular")};
}

ShapeProfile triangular() {
    return {.shape = Shape::Triangular,
            .formName = "frmtriangular",
            .startControl = "txty",
            .mirrors = {{"txty", "lblY"}},
            .resultLabels = {{"lblY", Quantity::Depth}, {"lblB", Quantity::TopWidth}},
            .saveFileName = QString::fromUtf8("Vazolar_seção_triangular")};
}

ShapeProfile circular() {
    return {.shape = Shape::Circular,
            .formName = "frmcircular",
            .resultLabels = {{"lbld", Quantity::Diameter}},
            .saveFileName = QString::fromUtf8("Vazolar_seção_circular")};
}

} // namespace

const ShapeProfile& profileOf(Shape shape) {
    static const ShapeProfile profiles[] = {trapezoidal(), rectangular(), triangular(), circular()};
    return profiles[static_cast<int>(shape)];
}

QString controlOf(const ShapeProfile& profile, Field field) {
    switch (field) {
    case Field::Slope:
        return QStringLiteral("txti");
    case Field::Angle:
        return QStringLiteral("txtangulo");
    case Field::Roughness:
        return QStringLiteral("txtn");
    case Field::Discharge:
        return QStringLiteral("txtQdesejada");
    case Field::Start:
        return profile.startControl;
    case Field::None:
        break;
    }
    return QString();
}

int captionIndexOf(Field field) {
    switch (field) {
    case Field::Slope:
        return 0;
    case Field::Angle:
        return 1;
    case Field::Roughness:
        return 2;
    case Field::Discharge:
        return 3;
    case Field::Start:
        return 4;
    case Field::None: // an arithmetic fault names no field, so no caption
        return -1;
    }
    Q_UNREACHABLE();
    return -1;
}

} // namespace vazolar
