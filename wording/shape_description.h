#pragma once

#include "engine/quantities.h"
#include "engine/shape.h"
#include "engine/sizing_error.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// What sets each shape apart, as data: the windows, the reports and the command line all read
// it here. How a shape computes a trial is in sections.h.
namespace vazolar {

// A data field as the shape's form lays it out.
struct FieldDescription {
    Field field;
    const char* label; // the caption label's text, blanks as laid out: "b  inicial (m)"
};

// A column of the shape's trial table.
struct ColumnDescription {
    Quantity quantity;
    const char* name; // as the headings name it: "b", "Am"; the triangle's depth is "Y"
    int blanks;       // blanks before its number in a row
};

struct ShapeDescription {
    Shape shape;
    const char* name; // in Portuguese, lower case; also the command line's word: "retangular"
    std::vector<FieldDescription> fields;  // in the form's reading order
    std::optional<Quantity> trialVariable; // stepped by the trials; none on the circle
    std::vector<ColumnDescription> columns;
    // How the section follows from its trial variable, as the sizing computes it: one relation
    // a line, as the memo writes them.
    const char* relations;
    const char* emptyFieldMessage;
    // Built of stock pipes: the adopted dimension is the next concrete pipe's DN.
    bool builtOfPipes = false;
};

// Whether the shape is built of stock pipes (the circle).
bool builtOfPipes(Shape shape);

const ShapeDescription& describe(Shape shape);

// The shape's name in Portuguese ("trapezoidal", "retangular", ...).
QString shapeName(Shape shape);

// The shape's relations, one a line ("y = B / 2\nAm = B · y\n…").
QString sectionRelations(Shape shape);

// Whether the shape's form has the field.
bool hasField(Shape shape, Field field);

// The caption that names a field on the shape's form ("I (%)", "b inicial (m)"), runs of
// blanks made one; empty where the shape has no such field.
QString fieldCaption(Shape shape, Field field);

// The column names of the shape's rows, in column order ("b", "B", "y", "Am", ...).
QStringList columnNames(Shape shape);

// The name of the trial variable in the column headings ("b", "B", "Y"); empty on the circle.
QString trialVariableName(Shape shape);

} // namespace vazolar
