#pragma once

#include "engine/shape.h"
#include "engine/sizing_error.h"

#include <QString>

#include <vector>

namespace vazolar {

// A data field of a form: which quantity it holds and the control that holds it.
struct FieldBinding {
    Field field;
    QString control;
};

// A label on the section drawing that a sizing fills with one quantity of the last row.
struct ResultLabel {
    QString label;
    int column; // in the row's column order
};

// A label on the drawing that copies its field's text while the user types.
struct MirroredField {
    QString field;
    QString label;
};

// What a section form does differently from the others, as data.
struct ShapeProfile {
    Shape shape = Shape::Trapezoidal;
    QString name{}; // the shape in Portuguese, in lower case: "trapezoidal", "retangular", ...
    QString formName{};
    std::vector<FieldBinding> fields{}; // in reading order
    QString emptyFieldMessage{};
    std::vector<ResultLabel> resultLabels{}; // in writing order
    std::vector<MirroredField> mirrors{};
    // The trapezoidal form closes the roughness panel when the sizing starts and when its
    // n field takes the focus; the others leave the panel open.
    bool sizingClosesPanel = false;
    bool focusOnNClosesPanel = false;
    QString saveFileName{}; // the save dialog's first proposal
};

const ShapeProfile& profileOf(Shape shape);

// The caption label (Label1) that names a field on every form.
int captionIndexOf(Field field);

} // namespace vazolar
