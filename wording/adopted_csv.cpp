#include "adopted_csv.h"

#include "limit_text.h"
#include "number_text.h"
#include "regime_text.h"
#include "shape_description.h"

#include <QHash>

namespace vazolar {

namespace {

using hydraulics::Figure;

QString cellOf(const Figure& figure) {
    return figure ? formatQuantity(*figure) : QString();
}

using Cells = QHash<QString, QString>;

void putInputCells(Cells& cells, const AdoptedRequest& q) {
    cells["forma"] = shapeName(q.shape);
    for (const AdoptedFieldSpec& field : adoptedFields()) {
        if (field.group == FieldGroup::Section && field.takenBy(q.shape))
            cells[QString::fromLatin1(field.option)] = q.*field.text;
    }
}

void putResultCells(Cells& cells, const AdoptedResult& r) {
    const hydraulics::HydraulicCheck& f = r.flow;
    if (const auto* trapezoid = std::get_if<TrapezoidSection>(&r.inputs.section))
        cells["z"] = formatQuantity(trapezoid->sideSlope);
    if (const auto* triangle = std::get_if<TriangleSection>(&r.inputs.section))
        cells["z"] = formatQuantity(triangle->sideSlope);
    if (r.inputs.givenDepth)
        cells["q"] = formatQuantity(r.discharge);
    cells["y"] = formatQuantity(r.depth);
    const std::pair<const char*, Figure> figures[] = {
        {"A", f.area},           {"P", f.wettedPerimeter},   {"RH", f.hydraulicRadius},
        {"T", f.topWidth},       {"V", f.velocity},          {"Fr", f.froude},
        {"E", f.specificEnergy}, {"tau", f.bedShear},        {"taumax", r.greatestBedShear},
        {"yc", f.criticalDepth}, {"Vc", f.criticalVelocity}, {"Ic", f.criticalSlope}};
    for (const auto& [column, figure] : figures)
        cells[column] = cellOf(figure);
    cells["regime"] = f.regime ? hydraulics::regimeWord(*f.regime) : QString();
    if (r.bank) {
        cells["borda"] = formatQuantity(r.bank->freeboard);
        cells["H"] = formatQuantity(r.bank->bankHeight);
        cells["TH"] = formatQuantity(r.bank->topWidth);
        cells["AH"] = formatQuantity(r.bank->area);
        cells["PH"] = formatQuantity(r.bank->perimeter);
    }
    if (r.pipe)
        cells["yD"] = formatQuantity(r.pipe->depthRatio);
    for (const LimitCheck& check : r.checks) {
        cells[limitName(check.limit)] = formatQuantity(check.bound);
        if (check.limit == DesignLimit::MaxShear)
            cells["fs"] = formatQuantity(check.factor);
    }
    cells["verificacao"] = verificationText(r.checks);
}

} // namespace

QStringList adoptedCsvColumns() {
    return QStringLiteral("forma;i;n;q;b;angulo;z;B;D;y;A;P;RH;T;V;Fr;regime;E;tau;taumax;yc;Vc;"
                          "Ic;borda;H;TH;AH;PH;yD;vmax;vmin;frmax;ymaxd;tauadm;fs;verificacao;erro")
        .split(QLatin1Char(';'));
}

QStringList adoptedCsvCells(const AdoptedRequest& request, const Outcome<AdoptedResult>& outcome) {
    Cells cells;
    putInputCells(cells, request);
    if (outcome)
        putResultCells(cells, outcome.value());
    else
        cells["erro"] = outcome.message();
    QStringList line;
    for (const QString& column : adoptedCsvColumns())
        line << cells.value(column);
    return line;
}

} // namespace vazolar
