#include "printed_report.h"

#include "report_text.h"

namespace vazolar::reports {

namespace {

QString trialColumnsText(Shape shape) {
    switch (shape) {
    case Shape::Trapezoidal:
        return lineOf({{3, "b(m)"},
                       {9, "B(m)"},
                       {8, "y(m)"},
                       {8, "Am(m²)"},
                       {6, "Pm(m)"},
                       {6, "RH(m)"},
                       {5, "Q(m³/s)"},
                       {5, "V(m/s)"}});
    case Shape::Triangular:
        // On paper the triangle's depth is "Y(m)", upper case.
        return lineOf({{1, "B(m)"},
                       {9, "Y(m)"},
                       {7, "Am(m²)"},
                       {5, "Pm(m)"},
                       {5, "RH(m)"},
                       {5, "Q(m³/s)"},
                       {5, "V(m/s)"}});
    case Shape::Rectangular:
        return lineOf({{1, "B(m)"},
                       {11, "y(m)"},
                       {11, "Am(m²)"},
                       {9, "Pm(m)"},
                       {9, "RH(m)"},
                       {8, "Q(m³/s)"},
                       {8, "V(m/s)"}});
    case Shape::Circular: // has a heading of its own: circularColumnsText
        break;
    }
    Q_UNREACHABLE();
    return QString();
}

int methodBlanks(Shape shape) {
    return shape == Shape::Trapezoidal ? 55 : 54;
}

int sectionBlanks(Shape shape) {
    return shape == Shape::Trapezoidal ? 55 : 58;
}

// Lines 1 to 11 of the three trial shapes; the rows follow the column heading directly.
QStringList trialHeading(const ReportData& data) {
    return {indented(7, titleText()),
            QString(),
            indented(methodBlanks(data.shape), methodText(data.shape)),
            QString(),
            indented(sectionBlanks(data.shape), sectionText(data.shape)),
            QString(),
            QString(),
            indented(17, dataHeadingText()),
            dataLine(data, IncrementOnLine::LeftOut),
            QString(),
            trialColumnsText(data.shape)};
}

// Lines 1 to 11 of the circle: two empty lines before the column heading, one after it.
QStringList circularHeading(const ReportData& data) {
    return {indented(13, titleText()),
            QString(),
            indented(77, sectionText(Shape::Circular)),
            QString(),
            QString(),
            indented(17, dataHeadingText()),
            dataLine(data, IncrementOnLine::LeftOut),
            QString(),
            QString(),
            circularColumnsText(),
            QString()};
}

} // namespace

PrintedReport printedReport(const ReportData& data) {
    if (!isTrialShape(data.shape))
        return {circularHeading(data), {data.rows.value(0)}, false, false};
    return {trialHeading(data), data.rows, true, true};
}

} // namespace vazolar::reports
