#pragma once

#include "engine/quantities.h"
#include "engine/shape.h"
#include "engine/sizing_error.h"

#include <QString>

#include <vector>

namespace vazolar {

// A label on the drawing that copies its field's text while the user types.
struct MirroredField {
    QString field;
    QString label;
};

// A label of the section drawing that a sizing fills with a quantity of the last row.
struct ResultLabel {
    QString label;
    Quantity quantity;
};

// What a section form does differently from the others, beyond the shape's own description
// (wording/shape_description.h): its window, its controls and its dialogs.
struct ShapeProfile {
    Shape shape = Shape::Trapezoidal;
    QString formName{};
    QString startControl{}; // the field of the trial variable's start value
    std::vector<MirroredField> mirrors{};
    std::vector<ResultLabel> resultLabels{}; // in writing order
    // The trapezoidal form closes the roughness panel when the sizing starts and when its
    // n field takes the focus; the others leave the panel open.
    bool sizingClosesPanel = false;
    bool focusOnNClosesPanel = false;
    QString saveFileName{}; // the save dialog's first proposal
};

const ShapeProfile& profileOf(Shape shape);

// The control that holds a data field on the profile's form ("txti", "txtb", ...).
QString controlOf(const ShapeProfile& profile, Field field);

// The caption label (Label1) that names a field on every form.
int captionIndexOf(Field field);

} // namespace vazolar
