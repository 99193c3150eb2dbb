#pragma once

#include <QString>
#include <QStringList>

// The command line's CSV: cells separated by ";", numbers with the decimal comma, a cell
// quoted only where it holds a ";", a quote or a line break.
namespace vazolar::cli {

// The cells of one line: a cell that starts with a quote runs to its closing quote, and
// two quotes inside it stand for one.
QStringList splitCsvLine(const QString& line);

// The cell as written: quoted where needed; line breaks become single blanks, so that a
// multi-paragraph message stays on its line; a text that a spreadsheet would run as a formula
// ("=1+1", "+trapezoidal", "@SUM(A1)") gets a leading apostrophe, numbers ("-0,2500") none.
QString csvCell(const QString& text);

QString csvLine(const QStringList& cells);

// The text with each run of line breaks made one blank.
QString singleLine(const QString& text);

} // namespace vazolar::cli
