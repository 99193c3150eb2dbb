#include "report_text.h"

namespace vazolar::reports {

namespace {

constexpr QLatin1String kBetweenFields("     ");

QString trialVariable(Shape shape) {
    switch (shape) {
    case Shape::Trapezoidal:
        return QStringLiteral("b");
    case Shape::Triangular:
        return QStringLiteral("Y");
    case Shape::Rectangular:
        return QStringLiteral("B");
    case Shape::Circular: // sized directly: no trial variable
        break;
    }
    Q_UNREACHABLE();
    return QString();
}

} // namespace

QString lineOf(std::initializer_list<BlanksThen> entries) {
    QString line;
    for (const BlanksThen& entry : entries) {
        line += QString(entry.blanks, u' ');
        line += QString::fromUtf8(entry.text);
    }
    return line;
}

QString indented(int blanks, const QString& text) {
    return QString(blanks, u' ') + text;
}

QString titleText() {
    return QStringLiteral("Vazolar utilizando o Método da Seção Econômica");
}

QString methodText(Shape shape) {
    return QStringLiteral("Método das Tentativas (%1)").arg(trialVariable(shape));
}

QString sectionText(Shape shape) {
    switch (shape) {
    case Shape::Trapezoidal:
        return QStringLiteral("Canal de seção Trapezoidal");
    case Shape::Rectangular:
        return QStringLiteral("Seção Retangular");
    case Shape::Triangular:
        return QStringLiteral("Seção Triangular");
    case Shape::Circular:
        return QStringLiteral("Seção Circular");
    }
    Q_UNREACHABLE();
    return QString();
}

QString dataHeadingText() {
    return QStringLiteral("Dados");
}

QString circularColumnsText() {
    return lineOf({{4, "D(m)"}, {12, "Am(m²)"}, {13, "RH(m)"}, {11, "Q(m³/s)"}, {10, "V(m/s)"}});
}

QString dataLine(const ReportData& data, IncrementOnLine increment) {
    QString line;
    if (data.shape == Shape::Circular)
        line += QString(4, u' ');
    line += QStringLiteral("I (%) = ") + data.slope + kBetweenFields;
    if (data.shape == Shape::Trapezoidal)
        line += QStringLiteral("Angulo (°) = ") + data.angle + kBetweenFields;
    line += QStringLiteral("n = ") + data.roughness;
    if (data.shape == Shape::Trapezoidal && increment == IncrementOnLine::Written)
        line += kBetweenFields + QStringLiteral("inc = ") + data.increment;
    return line;
}

} // namespace vazolar::reports
