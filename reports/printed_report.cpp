#include "printed_report.h"

#include "heading_layout.h"
#include "report_text.h"
#include "wording/row_text.h"

namespace vazolar::reports {

namespace {

// Lines 1 to 11 of the three trial shapes; the rows follow the column heading directly.
QStringList trialHeading(const ReportData& data) {
    const HeadingLayout& layout = headingLayout(data.shape);
    return {indented(7, titleText()),
            QString(),
            indented(layout.printedMethodBlanks, methodText(data.shape)),
            QString(),
            indented(layout.printedSectionBlanks, sectionText(data.shape)),
            QString(),
            QString(),
            indented(17, dataHeadingText()),
            dataLine(data, IncrementOnLine::LeftOut),
            QString(),
            printedColumnHeading(data.shape)};
}

// Lines 1 to 11 of the circle: two empty lines before the column heading, one after it.
QStringList circularHeading(const ReportData& data) {
    return {
        indented(13, titleText()),
        QString(),
        indented(headingLayout(Shape::Circular).printedSectionBlanks, sectionText(Shape::Circular)),
        QString(),
        QString(),
        indented(17, dataHeadingText()),
        dataLine(data, IncrementOnLine::LeftOut),
        QString(),
        QString(),
        printedColumnHeading(Shape::Circular),
        QString()};
}

} // namespace

PrintedReport printedReport(const ReportData& data) {
    if (!isTrialShape(data.shape))
        return {circularHeading(data), {data.rows.value(0)}, false, false};
    return {trialHeading(data), data.rows, true, true};
}

QString printedColumnHeading(Shape shape) {
    return columnHeading(shape, headingLayout(shape).printedColumnBlanks);
}

} // namespace vazolar::reports
