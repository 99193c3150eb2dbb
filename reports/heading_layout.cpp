#include "heading_layout.h"

#include <QtGlobal>

namespace vazolar::reports {

namespace {

// The circle's column heading is the same on file and on paper; it has no method line.
const std::vector<int> kCircularColumnBlanks{4, 12, 13, 11, 10};

// In the order of Shape.
const HeadingLayout kLayouts[] = {
    {.section = "Canal de seção Trapezoidal",
     .savedSectionBlanks = 31,
     .savedBlankLinesBeforeSection = 2,
     .savedIncrement = true,
     .savedColumnBlanks = {1, 8, 8, 7, 7, 6, 7, 5},
     .printedMethodBlanks = 55,
     .printedSectionBlanks = 55,
     .printedColumnBlanks = {3, 9, 8, 8, 6, 6, 5, 5}},
    {.section = "Seção Retangular",
     .savedSectionBlanks = 36,
     .savedBlankLinesBeforeSection = 1,
     .savedIncrement = false,
     .savedColumnBlanks = {1, 11, 10, 10, 9, 10, 8},
     .printedMethodBlanks = 54,
     .printedSectionBlanks = 58,
     .printedColumnBlanks = {1, 11, 11, 9, 9, 8, 8}},
    {.section = "Seção Triangular",
     .savedSectionBlanks = 35,
     .savedBlankLinesBeforeSection = 1,
     .savedIncrement = false,
     .savedColumnBlanks = {1, 8, 8, 6, 6, 6, 6},
     .printedMethodBlanks = 54,
     .printedSectionBlanks = 58,
     .printedColumnBlanks = {1, 9, 7, 5, 5, 5, 5}},
    {.section = "Seção Circular",
     .savedSectionBlanks = 38,
     .savedBlankLinesBeforeSection = 2,
     .savedIncrement = false,
     .savedColumnBlanks = kCircularColumnBlanks,
     .printedMethodBlanks = 0,
     .printedSectionBlanks = 77,
     .printedColumnBlanks = kCircularColumnBlanks},
};

} // namespace

const HeadingLayout& headingLayout(Shape shape) {
    return kLayouts[static_cast<int>(shape)];
}

} // namespace vazolar::reports
