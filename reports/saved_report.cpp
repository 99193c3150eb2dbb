#include "saved_report.h"

#include "report_text.h"

namespace vazolar::reports {

namespace {

QString trialColumnsText(Shape shape) {
    switch (shape) {
    case Shape::Trapezoidal:
        return lineOf({{1, "b(m)"},
                       {8, "B(m)"},
                       {8, "y(m)"},
                       {7, "Am(m²)"},
                       {7, "Pm(m)"},
                       {6, "RH(m)"},
                       {7, "Q(m³/s)"},
                       {5, "V(m/s)"}});
    case Shape::Triangular:
        return lineOf({{1, "B(m)"},
                       {8, "y(m)"},
                       {8, "Am(m²)"},
                       {6, "Pm(m)"},
                       {6, "RH(m)"},
                       {6, "Q(m³/s)"},
                       {6, "V(m/s)"}});
    case Shape::Rectangular:
        return lineOf({{1, "B(m)"},
                       {11, "y(m)"},
                       {10, "Am(m²)"},
                       {10, "Pm(m)"},
                       {9, "RH(m)"},
                       {10, "Q(m³/s)"},
                       {8, "V(m/s)"}});
    case Shape::Circular: // has a heading of its own: circularColumnsText
        break;
    }
    Q_UNREACHABLE();
    return QString();
}

// Lines 1 to 12: the trapezoid has two empty lines before its section line and one after it.
QStringList trapezoidalHeading(const ReportData& data) {
    return {indented(13, titleText()),
            QString(),
            indented(31, methodText(Shape::Trapezoidal)),
            QString(),
            QString(),
            indented(31, sectionText(Shape::Trapezoidal)),
            QString(),
            indented(17, dataHeadingText()),
            dataLine(data, IncrementOnLine::Written),
            QString(),
            trialColumnsText(Shape::Trapezoidal),
            QString()};
}

// Lines 1 to 12 of the triangle and the rectangle: one empty line before the section line,
// two after it.
QStringList narrowTrialHeading(const ReportData& data, int sectionBlanks) {
    return {indented(13, titleText()),
            QString(),
            indented(31, methodText(data.shape)),
            QString(),
            indented(sectionBlanks, sectionText(data.shape)),
            QString(),
            QString(),
            indented(17, dataHeadingText()),
            dataLine(data, IncrementOnLine::Written),
            QString(),
            trialColumnsText(data.shape),
            QString()};
}

// Lines 1 to 10 of the circle, which has no method line.
QStringList circularHeading(const ReportData& data) {
    return {indented(13, titleText()),
            QString(),
            indented(38, sectionText(Shape::Circular)),
            QString(),
            QString(),
            indented(17, dataHeadingText()),
            dataLine(data, IncrementOnLine::Written),
            QString(),
            circularColumnsText(),
            QString()};
}

QStringList headingLines(const ReportData& data) {
    switch (data.shape) {
    case Shape::Trapezoidal:
        return trapezoidalHeading(data);
    case Shape::Triangular:
        return narrowTrialHeading(data, 35);
    case Shape::Rectangular:
        return narrowTrialHeading(data, 36);
    case Shape::Circular:
        return circularHeading(data);
    }
    Q_UNREACHABLE();
    return {};
}

} // namespace

QStringList savedReportLines(const ReportData& data) {
    QStringList lines = headingLines(data);
    if (isTrialShape(data.shape))
        lines += data.rows;
    else
        lines += data.rows.value(0);
    return lines;
}

} // namespace vazolar::reports
