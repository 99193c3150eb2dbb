#include "adopted_text.h"

#include "limit_text.h"
#include "number_text.h"
#include "regime_text.h"

namespace vazolar {

namespace {

using hydraulics::Figure;

const QString kUndefined = QString::fromUtf8("—");

QString figureText(const Figure& figure) {
    return figure ? formatQuantity(*figure) : kUndefined;
}

struct Rows {
    QList<ResultRow> list;
    void add(const char* label, const Figure& figure, const char* unit) {
        list.append({QString::fromUtf8(label), figureText(figure), QString::fromUtf8(unit)});
    }
    void addText(const char* label, const QString& value) {
        list.append({QString::fromUtf8(label), value, QString()});
    }
};

struct SectionRows {
    Rows& rows;
    void operator()(const TrapezoidSection& s) const {
        rows.add("Largura do fundo b", s.bottomWidth, "m");
        rows.add("Talude z", s.sideSlope, "");
    }
    void operator()(const RectangleSection& s) const { rows.add("Largura B", s.width, "m"); }
    void operator()(const TriangleSection& s) const { rows.add("Talude z", s.sideSlope, ""); }
    void operator()(const CircleSection& s) const { rows.add("Diâmetro D", s.diameter, "m"); }
};

void addFlowRows(Rows& rows, const AdoptedResult& r) {
    const hydraulics::HydraulicCheck& f = r.flow;
    rows.add("Área molhada A", f.area, "m²");
    rows.add("Perímetro molhado P", f.wettedPerimeter, "m");
    rows.add("Raio hidráulico RH", f.hydraulicRadius, "m");
    rows.add("Largura superficial T", f.topWidth, "m");
    rows.add("Profundidade hidráulica Dh", f.hydraulicDepth, "m");
    rows.add("Velocidade V", f.velocity, "m/s");
    rows.add("Número de Froude Fr", f.froude, "");
    rows.addText("Regime", f.regime ? hydraulics::regimeWord(*f.regime) : kUndefined);
    rows.add("Energia específica E", f.specificEnergy, "m");
    rows.add("Tensão média no fundo τ0", f.bedShear, "Pa");
    rows.add("Tensão máxima no fundo τmáx", r.greatestBedShear, "Pa");
    rows.add("Profundidade crítica yc", f.criticalDepth, "m");
    rows.add("Velocidade crítica Vc", f.criticalVelocity, "m/s");
    rows.add("Declividade crítica Ic", f.criticalSlope, "%");
}

void addBankRows(Rows& rows, const AdoptedResult& r) {
    if (r.bank) {
        rows.add("Borda livre F", r.bank->freeboard, "m");
        rows.add("Altura da margem H", r.bank->bankHeight, "m");
        rows.add("Largura no topo da margem TH", r.bank->topWidth, "m");
        rows.add("Área até a margem AH", r.bank->area, "m²/m");
        rows.add("Perímetro revestido PH", r.bank->perimeter, "m/m");
    }
    if (r.pipe) {
        rows.add("Enchimento y/D", r.pipe->depthRatio, "");
        rows.add("Altura livre D − y", r.pipe->freeHeight, "m");
    }
}

const LimitCheck* findCheck(const std::vector<LimitCheck>& checks, DesignLimit limit) {
    for (const LimitCheck& check : checks) {
        if (check.limit == limit)
            return &check;
    }
    return nullptr;
}

void addCheckRows(Rows& rows, const AdoptedResult& r) {
    for (const DesignLimit limit : kDesignLimits) {
        if (!limitApplies(limit, r.inputs.section))
            continue;
        const LimitCheck* check = findCheck(r.checks, limit);
        const QString outcome =
            check ? checkOutcomeText(*check) : QString::fromUtf8("não verificado (sem limite)");
        rows.list.append({limitComparison(limit, true), outcome, QString(),
                          check ? std::optional(check->passes) : std::nullopt});
    }
}

} // namespace

QList<ResultRow> sectionDimensionRows(const Section& section) {
    Rows rows;
    std::visit(SectionRows{rows}, section);
    return rows.list;
}

QList<ResultRow> adoptedResultRows(const AdoptedResult& result) {
    Rows rows{sectionDimensionRows(result.inputs.section)};
    rows.add("Declividade I", result.inputs.manning.slopePercent, "%");
    rows.add("Rugosidade n", result.inputs.manning.roughness, "");
    const bool depthGiven = result.inputs.givenDepth.has_value();
    rows.add(depthGiven ? "Vazão na profundidade dada Q" : "Vazão de projeto Q", result.discharge,
             "m³/s");
    rows.add(depthGiven ? "Profundidade y" : "Profundidade normal yn", result.depth, "m");
    addFlowRows(rows, result);
    addBankRows(rows, result);
    addCheckRows(rows, result);
    return rows.list;
}

QStringList resultRowsLines(const QList<ResultRow>& rows) {
    QStringList lines;
    for (const ResultRow& row : rows) {
        QString line = row.label + QStringLiteral(": ") + row.value;
        if (!row.unit.isEmpty())
            line += u' ' + row.unit;
        lines << line;
    }
    return lines;
}

QString resultRowsText(const QList<ResultRow>& rows) {
    QString text = QStringLiteral("Grandeza\tValor\tUnidade\n");
    for (const ResultRow& row : rows)
        text += row.label + u'\t' + row.value + u'\t' + row.unit + u'\n';
    return text;
}

} // namespace vazolar
