#pragma once

#include "report_data.h"

#include <QString>

#include <initializer_list>

// Pieces of text that the saved and the printed report share.
namespace vazolar::reports {

// A run of blanks, then a text (UTF-8): one entry of a heading line.
struct BlanksThen {
    int blanks;
    const char* text;
};

// The entries one after the other: {{1, "B(m)"}, {8, "y(m)"}} gives " B(m)        y(m)".
QString lineOf(std::initializer_list<BlanksThen> entries);

// The text after the given number of blanks.
QString indented(int blanks, const QString& text);

QString titleText();              // "Vazolar utilizando o Método da Seção Econômica"
QString methodText(Shape shape);  // "Método das Tentativas (b)", naming the shape's trial variable
QString sectionText(Shape shape); // "Canal de seção Trapezoidal", "Seção Triangular", ...
QString dataHeadingText();        // "Dados"
QString circularColumnsText();    // the circle's column heading, the same on file and paper

enum class IncrementOnLine { Written, LeftOut };

// The data line: the fields as typed, each after its label, 5 blanks between them. An empty
// field leaves its label followed directly by what comes next. Only the trapezoid has the
// angle and, on file, the increment; only the circle starts with 4 blanks.
QString dataLine(const ReportData& data, IncrementOnLine increment);

} // namespace vazolar::reports
