#include "saved_report.h"

#include "heading_layout.h"
#include "report_text.h"
#include "wording/row_text.h"

namespace vazolar::reports {

namespace {

QString columnsText(Shape shape) {
    return columnHeading(shape, headingLayout(shape).savedColumnBlanks, HeadingNames::Symbol);
}

// Lines 1 to 12 of a trial shape: three empty lines around its section line, one or two of
// them before it.
QStringList trialHeading(const ReportData& data) {
    const HeadingLayout& layout = headingLayout(data.shape);
    QStringList lines{indented(13, titleText()), QString(), indented(31, methodText(data.shape))};
    lines += QStringList(layout.savedBlankLinesBeforeSection);
    lines << indented(layout.savedSectionBlanks, sectionText(data.shape));
    lines += QStringList(3 - layout.savedBlankLinesBeforeSection);
    return lines << indented(17, dataHeadingText()) << dataLine(data, IncrementOnLine::Written)
                 << QString() << columnsText(data.shape) << QString();
}

// Lines 1 to 10 of the circle, which has no method line.
QStringList circularHeading(const ReportData& data) {
    return {
        indented(13, titleText()),
        QString(),
        indented(headingLayout(Shape::Circular).savedSectionBlanks, sectionText(Shape::Circular)),
        QString(),
        QString(),
        indented(17, dataHeadingText()),
        dataLine(data, IncrementOnLine::Written),
        QString(),
        columnsText(Shape::Circular),
        QString()};
}

} // namespace

QStringList savedReportLines(const ReportData& data) {
    if (!isTrialShape(data.shape))
        return circularHeading(data) << data.rows.value(0);
    return trialHeading(data) + data.rows;
}

} // namespace vazolar::reports
