#pragma once

#include "report_data.h"

#include <QString>

// Pieces of text that the saved and the printed report share.
namespace vazolar::reports {

// The text after the given number of blanks.
QString indented(int blanks, const QString& text);

QString titleText();              // "Vazolar utilizando o Método da Seção Econômica"
QString methodText(Shape shape);  // "Método das Tentativas (b)", naming the shape's trial variable
QString sectionText(Shape shape); // "Canal de seção Trapezoidal", "Seção Triangular", ...
QString dataHeadingText();        // "Dados"

enum class IncrementOnLine { Written, LeftOut };

// The data line: the fields as typed, each after its label, 5 blanks between them. An empty
// field leaves its label followed directly by what comes next. Only the trapezoid has the
// angle and, on file, the increment; only the circle starts with 4 blanks.
QString dataLine(const ReportData& data, IncrementOnLine increment);

} // namespace vazolar::reports
