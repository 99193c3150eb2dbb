#include "shape_profile.h"

namespace vazolar {

namespace {

const QString kAllData = QString::fromUtf8("Informe todos os dados.");
const QString kAllNeededData = QString::fromUtf8("Informe todos os dados necessários.");

ShapeProfile trapezoidal() {
    return {.shape = Shape::Trapezoidal,
            .name = "trapezoidal",
            .formName = "frmtrapezoidal",
            .fields = {{Field::Slope, "txti"},
                       {Field::Angle, "txtangulo"},
                       {Field::Roughness, "txtn"},
                       {Field::Discharge, "txtQdesejada"},
                       {Field::Start, "txtb"}},
            .emptyFieldMessage = kAllData,
            .resultLabels = {{"lblB", 1}, {"lblY", 2}, {"lblbb", 0}},
            .mirrors = {{"txtangulo", "lbla"}, {"txtb", "lblbb"}},
            .sizingClosesPanel = true,
            .focusOnNClosesPanel = true,
            .saveFileName = QString::fromUtf8("Vazolar_seção_trapezoidal")};
}

ShapeProfile rectangular() {
    return {.shape = Shape::Rectangular,
            .name = "retangular",
            .formName = "frmretangular",
            .fields = {{Field::Slope, "txti"},
                       {Field::Roughness, "txtn"},
                       {Field::Discharge, "txtQdesejada"},
                       {Field::Start, "txtb"}},
            .emptyFieldMessage = kAllData,
            .resultLabels = {{"lblB", 0}, {"lblY", 1}},
            .mirrors = {{"txtb", "lblB"}},
            .saveFileName = QString::fromUtf8("Vazolar_seção_retangular")};
}

ShapeProfile triangular() {
    return {.shape = Shape::Triangular,
            .name = "triangular",
            .formName = "frmtriangular",
            .fields = {{Field::Slope, "txti"},
                       {Field::Roughness, "txtn"},
                       {Field::Discharge, "txtQdesejada"},
                       {Field::Start, "txty"}},
            .emptyFieldMessage = kAllNeededData,
            .resultLabels = {{"lblY", 1}, {"lblB", 0}},
            .mirrors = {{"txty", "lblY"}},
            .saveFileName = QString::fromUtf8("Vazolar_seção_triangular")};
}

ShapeProfile circular() {
    return {.shape = Shape::Circular,
            .name = "circular",
            .formName = "frmcircular",
            .fields = {{Field::Slope, "txti"},
                       {Field::Roughness, "txtn"},
                       {Field::Discharge, "txtQdesejada"}},
            .emptyFieldMessage = kAllNeededData,
            .resultLabels = {{"lbld", 0}},
            .saveFileName = QString::fromUtf8("Vazolar_seção_circular")};
}

} // namespace

const ShapeProfile& profileOf(Shape shape) {
    static const ShapeProfile profiles[] = {trapezoidal(), rectangular(), triangular(), circular()};
    return profiles[static_cast<int>(shape)];
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
