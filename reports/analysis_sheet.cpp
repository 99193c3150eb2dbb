#include "analysis_sheet.h"

#include "wording/check_text.h"
#include "wording/number_text.h"
#include "wording/quantity_names.h"
#include "wording/regime_text.h"
#include "wording/shape_description.h"

namespace vazolar {

namespace {

using hydraulics::Figure;

const QString kUndefined = QString::fromUtf8("—");

SheetLine title(const char* text) {
    return {QString::fromUtf8(text), QString(), QString(), true};
}

SheetLine figure(const char* name, const Figure& value, const char* unit) {
    return {QString::fromUtf8(name), hydraulics::figureText(value, kUndefined),
            QString::fromUtf8(unit)};
}

void addRow(std::vector<SheetLine>& lines, Shape shape, const SectionQuantities& quantities) {
    lines.push_back(title("Linha da tabela"));
    for (const ColumnDescription& column : describe(shape).columns) {
        lines.push_back({QStringLiteral("%1 (%2)").arg(QString::fromLatin1(column.name),
                                                       meaningOf(column.quantity)),
                         formatQuantity(quantities[column.quantity]), unitOf(column.quantity)});
    }
}

void addRunData(std::vector<SheetLine>& lines, const RunInputs& run) {
    lines.push_back(title("Dados"));
    lines.push_back(figure("I (declividade)", run.constants.slopePercent, "%"));
    lines.push_back(figure("n (Manning)", run.constants.roughness, ""));
    if (hasField(run.shape, Field::Angle))
        lines.push_back(figure("z (talude, horizontal por vertical)", run.constants.sideSlope, ""));
    if (!isTrialShape(run.shape))
        lines.push_back(figure("Q projeto", run.designDischarge, "m³/s"));
}

// The exact circle of the row's diameter, filled to the depth that carries the discharge.
void addExactCircle(std::vector<SheetLine>& lines, const hydraulics::HydraulicCheck& check) {
    lines.push_back(title("Seção circular exata na profundidade normal"));
    lines.push_back(figure("yn (profundidade normal)", check.depth, "m"));
    lines.push_back(figure("yn/D (enchimento)", check.depthRatio, ""));
    lines.push_back(figure("A (área molhada)", check.area, "m²"));
    lines.push_back(figure("P (perímetro molhado)", check.wettedPerimeter, "m"));
    lines.push_back(figure("RH (raio hidráulico)", check.hydraulicRadius, "m"));
    lines.push_back(figure("V (velocidade média)", check.velocity, "m/s"));
}

void addCheck(std::vector<SheetLine>& lines, const hydraulics::HydraulicCheck& check) {
    lines.push_back(title("Análise hidráulica"));
    lines.push_back(figure("T (largura superficial)", check.topWidth, "m"));
    lines.push_back(figure("Dh (profundidade hidráulica)", check.hydraulicDepth, "m"));
    lines.push_back(figure("Fr (número de Froude)", check.froude, ""));
    lines.push_back({QStringLiteral("Regime"),
                     check.regime ? hydraulics::regimeText(*check.regime) : kUndefined, QString()});
    lines.push_back(figure("E (energia específica)", check.specificEnergy, "m"));
    lines.push_back(figure("τ0 (tensão média no fundo)", check.bedShear, "Pa"));
    lines.push_back(title("Escoamento crítico da mesma vazão"));
    lines.push_back(figure("yc (profundidade crítica)", check.criticalDepth, "m"));
    lines.push_back(figure("Vc (velocidade crítica)", check.criticalVelocity, "m/s"));
    lines.push_back(figure("Ic (declividade crítica)", check.criticalSlope, "%"));
}

QString headingOf(const TrialTable& trials, int row) {
    const QString shape = QStringLiteral("Canal ") + shapeName(trials.inputs().shape);
    if (!isTrialShape(trials.inputs().shape))
        return shape;
    return QString::fromUtf8("%1 — tentativa %2 de %3").arg(shape).arg(row + 1).arg(trials.size());
}

} // namespace

AnalysisSheet analysisSheet(const TrialTable& trials, int row) {
    const SectionQuantities quantities = trials.at(row);
    const hydraulics::HydraulicCheck check = hydraulics::checkTrial(trials.inputs(), quantities);
    AnalysisSheet sheet;
    sheet.heading = headingOf(trials, row);
    addRow(sheet.lines, trials.inputs().shape, quantities);
    addRunData(sheet.lines, trials.inputs());
    if (!isTrialShape(trials.inputs().shape))
        addExactCircle(sheet.lines, check);
    addCheck(sheet.lines, check);
    sheet.constants =
        QString::fromUtf8("g = %1 m/s²   γ = %2 N/m³")
            .arg(formatQuantity(hydraulics::kGravity), formatQuantity(hydraulics::kWaterWeight));
    return sheet;
}

QString froudeTip(const TrialTable& trials, int row) {
    const hydraulics::HydraulicCheck check =
        hydraulics::checkTrial(trials.inputs(), trials.at(row));
    const QString regime = check.regime ? hydraulics::regimeWord(*check.regime) : kUndefined;
    return QString::fromUtf8("Fr = %1 — %2")
        .arg(hydraulics::figureText(check.froude, kUndefined), regime);
}

QString sheetText(const AnalysisSheet& sheet) {
    QString text = sheet.heading + u'\n';
    for (const SheetLine& line : sheet.lines) {
        text +=
            line.isTitle ? line.name : QStringList{line.name, line.value, line.unit}.join(u'\t');
        text += u'\n';
    }
    return text + sheet.constants + u'\n';
}

} // namespace vazolar
