#pragma once

#include "engine/sizing_error.h"

#include <QLocale>
#include <QString>

namespace vazolar {

// Numbers are read and written the Brazilian way whatever the machine's language:
// decimal comma, "." between groups of thousands.
const QLocale& brazilianLocale();

// Converts the text of a data field. Throws SizingError: TypeMismatch for text that is not a
// number (a lone "," or "-", blanks only, letters), Overflow for a number too large to hold.
double parseFieldNumber(const QString& text, Field field);

// A quantity as the tables show it: exactly four decimals ("0,4330", "1.234,5000", "-0,2500").
QString formatQuantity(double value);

// Appends formatQuantity(value) to out without building a temporary string: the trial
// table formats eight quantities per row and up to 32768 rows per run.
void appendQuantity(QString& out, double value);

} // namespace vazolar
