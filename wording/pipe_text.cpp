#include "pipe_text.h"

#include "engine/commercial_diameters.h"
#include "number_text.h"

#include <QStringList>

namespace vazolar {

namespace {

std::optional<double> circleDiameter(const Section& section) {
    if (const auto* circle = std::get_if<CircleSection>(&section))
        return circle->diameter;
    return std::nullopt;
}

} // namespace

QString pipeTableCitation() {
    return QStringLiteral("ABNT NBR 8890:2007, Tabela A.1");
}

QString pipeName(int diameter) {
    return QStringLiteral("DN %1").arg(diameter);
}

QString pipeDiametersText() {
    QStringList sizes;
    for (const int diameter : concretePipeDiameters())
        sizes << QString::number(diameter);
    const QString last = sizes.takeLast();
    return sizes.join(QStringLiteral(", ")) + QStringLiteral(" ou ") + last;
}

QString pipeMetresText(int diameter) {
    return brazilianLocale().toString(nominalMetres(diameter), 'f', 2);
}

std::optional<int> pipeNamed(const QString& text) {
    bool isNumber = false;
    const int diameter = text.trimmed().toInt(&isNumber);
    if (!isNumber)
        return std::nullopt;
    for (const int listed : concretePipeDiameters()) {
        if (listed == diameter)
            return diameter;
    }
    return std::nullopt;
}

std::optional<int> pipeOfTypedDiameter(const QString& text) {
    try {
        return pipeOfDiameter(parseFieldNumber(text, Field::None));
    } catch (const SizingError&) {
        return std::nullopt;
    }
}

std::optional<QString> pipeLine(const Section& section) {
    const std::optional<double> diameter = circleDiameter(section);
    const std::optional<int> pipe = diameter ? pipeOfDiameter(*diameter) : std::nullopt;
    if (!pipe)
        return std::nullopt;
    return QStringLiteral("Tubo de concreto %1 (%2)").arg(pipeName(*pipe), pipeTableCitation());
}

QString noPipeLargeEnoughNote(const Section& section) {
    const std::optional<double> diameter = circleDiameter(section);
    if (!diameter || smallestPipeNotBelow(*diameter))
        return QString();
    return QString::fromUtf8("Nenhum tubo da %1 chega a D = %2 m: o maior é %3.")
        .arg(pipeTableCitation(), formatQuantity(*diameter),
             pipeName(concretePipeDiameters().back()));
}

} // namespace vazolar
