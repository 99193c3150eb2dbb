#include "report_text.h"

#include "heading_layout.h"
#include "wording/shape_description.h"

namespace vazolar::reports {

namespace {

constexpr QLatin1String kBetweenFields("     ");

} // namespace

QString indented(int blanks, const QString& text) {
    return QString(blanks, u' ') + text;
}

QString titleText() {
    return QStringLiteral("Vazolar utilizando o Método da Seção Econômica");
}

QString methodText(Shape shape) {
    return QStringLiteral("Método das Tentativas (%1)").arg(trialVariableName(shape));
}

QString sectionText(Shape shape) {
    return QString::fromUtf8(headingLayout(shape).section);
}

QString dataHeadingText() {
    return QStringLiteral("Dados");
}

QString dataLine(const ReportData& data, IncrementOnLine increment) {
    QString line;
    if (!isTrialShape(data.shape))
        line += QString(4, u' ');
    line += QStringLiteral("I (%) = ") + data.slope + kBetweenFields;
    if (hasField(data.shape, Field::Angle))
        line += QStringLiteral("Angulo (°) = ") + data.angle + kBetweenFields;
    line += QStringLiteral("n = ") + data.roughness;
    if (headingLayout(data.shape).savedIncrement && increment == IncrementOnLine::Written)
        line += kBetweenFields + QStringLiteral("inc = ") + data.increment;
    return line;
}

} // namespace vazolar::reports
