#pragma once

#include "engine/shape.h"
#include "engine/sizing.h"

#include <QString>
#include <QStringList>

#include <optional>

// What the command line reads of a channel: the shape's name, the field texts as a user would
// type them into the form, and the increment as one of the scroll bar's steps.
namespace vazolar::cli {

// "trapezoidal", "retangular", "triangular", "circular" (any case, blanks around dropped).
std::optional<Shape> shapeNamed(const QString& name);
QString shapeNamesText(); // "trapezoidal, retangular, triangular ou circular"

// The option and column names of the data fields a shape reads, in the form's reading order
// ("i", "angulo", "n", "q", "inicial"), and the field each stands for.
QStringList fieldNames(Shape shape);
Field fieldNamed(const QString& name);
// How the command line's messages name a data field: by its option, "--q".
QString fieldOption(Field field);

// The scroll bar value whose increment the text converts to exactly ("0,1" and "0,10" give
// 19); empty text gives the bar's opening value. Nothing for any other text.
std::optional<int> scrollValueForIncrement(const QString& text);
QString incrementStepsText(); // "0,001; 0,002; …; 0,1"

} // namespace vazolar::cli
