#pragma once

#include "engine/shape.h"

#include <vector>

namespace vazolar::reports {

// Where a shape's report headings put their lines: the runs of blanks before each text, on
// file and on paper. The texts themselves come from the shape's description.
struct HeadingLayout {
    const char* section; // "Canal de seção Trapezoidal", "Seção Retangular", ...
    // On file.
    int savedSectionBlanks;
    int savedBlankLinesBeforeSection; // trial shapes: 1 or 2; the lines after it make 3
    bool savedIncrement;              // "inc = " on the data line
    std::vector<int> savedColumnBlanks;
    // On paper.
    int printedMethodBlanks;
    int printedSectionBlanks;
    std::vector<int> printedColumnBlanks;
};

const HeadingLayout& headingLayout(Shape shape);

} // namespace vazolar::reports
