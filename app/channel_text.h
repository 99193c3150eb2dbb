#pragma once

#include "engine/shape.h"
#include "engine/sizing.h"

#include <QString>

#include <optional>

// What the command line reads of a channel: the shape's name, the field texts as a user would
// type them into the form, and the increment as one of the scroll bar's steps.
namespace vazolar::cli {

// "trapezoidal", "retangular", "triangular", "circular" (any case).
std::optional<Shape> shapeNamed(const QString& name);
QString shapeName(Shape shape);
QString shapeNamesText(); // "trapezoidal, retangular, triangular ou circular"

// The scroll bar value whose increment the text converts to exactly ("0,1" and "0,10" give
// 19); empty text gives the bar's opening value. Nothing for any other text.
std::optional<int> scrollValueForIncrement(const QString& text);
QString incrementStepsText(); // "0,001; 0,002; …; 0,1"

// The field texts of one channel, by the option or column name that carries them.
struct ChannelTexts {
    QString slope;     // i
    QString angle;     // angulo
    QString roughness; // n
    QString discharge; // q
    QString start;     // inicial
};

// Why a channel cannot be sized before any arithmetic: an empty field, in the form's words.
// Nothing when every field the shape reads holds text.
std::optional<QString> emptyFieldMessage(Shape shape, const ChannelTexts& texts);

SizingInput sizingInput(Shape shape, const ChannelTexts& texts, int scrollValue);

// What the form shows when a sizing is abandoned, naming the field by its caption on the
// form; the paragraphs of the message are kept.
QString faultMessage(Shape shape, const SizingError& error);

} // namespace vazolar::cli
