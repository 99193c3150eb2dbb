#include "adopted_text.h"

#include "number_text.h"

#include <QHash>

namespace vazolar {

namespace {

using hydraulics::Figure;

const QString kUndefined = QString::fromUtf8("—");

struct LimitText {
    DesignLimit limit;
    const char* name;     // "vmax", also the CSV column
    const char* quantity; // "V"
    const char* unit;
    bool circleOnly;
};

constexpr LimitText kLimitTexts[] = {
    {DesignLimit::MaxVelocity, "vmax", "V", "m/s", false},
    {DesignLimit::MinVelocity, "vmin", "V", "m/s", false},
    {DesignLimit::MaxFroude, "frmax", "Fr", "", false},
    {DesignLimit::MaxDepthRatio, "ymaxd", "y/D", "", true},
};

const LimitText& textOf(DesignLimit limit) {
    for (const LimitText& text : kLimitTexts) {
        if (text.limit == limit)
            return text;
    }
    Q_UNREACHABLE();
    return kLimitTexts[0];
}

// "≤" where an upper limit holds, ">" where it fails; "≥" and "<" for a lower one.
QString signOf(DesignLimit limit, bool holds) {
    const bool upper = limit != DesignLimit::MinVelocity;
    return QString::fromUtf8(holds ? (upper ? "≤" : "≥") : (upper ? ">" : "<"));
}

// "V ≤ vmax" as the limit asks; "V > vmax" where it failed.
QString comparison(const LimitText& text, bool holds) {
    return QStringLiteral("%1 %2 %3")
        .arg(QString::fromUtf8(text.quantity), signOf(text.limit, holds),
             QString::fromLatin1(text.name));
}

QString figureText(const Figure& figure) {
    return figure ? formatQuantity(*figure) : kUndefined;
}

QString withUnit(const QString& number, const char* unit) {
    return *unit ? number + QLatin1Char(' ') + QString::fromUtf8(unit) : number;
}

const LimitCheck* findCheck(const std::vector<LimitCheck>& checks, DesignLimit limit) {
    for (const LimitCheck& check : checks) {
        if (check.limit == limit)
            return &check;
    }
    return nullptr;
}

// "0,9065 m/s ≤ 1,5000 m/s: atende", or that the limit was not set.
QString checkValue(const LimitText& text, const LimitCheck* check) {
    if (!check)
        return QString::fromUtf8("não verificado (sem limite)");
    return QString::fromUtf8("%1 %2 %3: %4")
        .arg(withUnit(figureText(check->value), text.unit), signOf(text.limit, check->passes),
             withUnit(formatQuantity(check->bound), text.unit),
             QString::fromUtf8(check->passes ? "atende" : "não atende"));
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

void addCheckRows(Rows& rows, const AdoptedResult& r) {
    const bool isCircle = std::holds_alternative<CircleSection>(r.inputs.section);
    for (const LimitText& text : kLimitTexts) {
        if (text.circleOnly && !isCircle)
            continue;
        rows.list.append(
            {comparison(text, true), checkValue(text, findCheck(r.checks, text.limit)), QString()});
    }
}

QString shapeWord(Shape shape) {
    switch (shape) {
    case Shape::Trapezoidal:
        return QStringLiteral("trapezoidal");
    case Shape::Rectangular:
        return QStringLiteral("retangular");
    case Shape::Triangular:
        return QStringLiteral("triangular");
    case Shape::Circular:
        return QStringLiteral("circular");
    }
    Q_UNREACHABLE();
    return {};
}

QString cellOf(const Figure& figure) {
    return figure ? formatQuantity(*figure) : QString();
}

using Cells = QHash<QString, QString>;

void putInputCells(Cells& cells, const AdoptedRequest& q) {
    cells["forma"] = shapeWord(q.shape);
    cells["i"] = q.slope;
    cells["n"] = q.roughness;
    cells["q"] = q.discharge;
    cells["y"] = q.depth;
    if (q.shape == Shape::Trapezoidal) {
        cells["b"] = q.bottomWidth;
        cells["angulo"] = q.angle;
    }
    if (q.shape == Shape::Rectangular)
        cells["B"] = q.width;
    if (q.shape == Shape::Circular)
        cells["D"] = q.diameter;
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
    for (const LimitCheck& check : r.checks)
        cells[QString::fromLatin1(textOf(check.limit).name)] = formatQuantity(check.bound);
    cells["verificacao"] = verificationText(r.checks);
}

} // namespace

QList<ResultRow> adoptedResultRows(const AdoptedResult& result) {
    Rows rows;
    std::visit(SectionRows{rows}, result.inputs.section);
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

QStringList adoptedCsvColumns() {
    return QStringLiteral("forma;i;n;q;b;angulo;z;B;D;y;A;P;RH;T;V;Fr;regime;E;tau;taumax;yc;Vc;"
                          "Ic;borda;H;TH;AH;PH;yD;vmax;vmin;frmax;ymaxd;verificacao;erro")
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

QString verificationText(const std::vector<LimitCheck>& checks) {
    if (checks.empty())
        return QString();
    QStringList failed;
    for (const LimitCheck& check : checks) {
        if (!check.passes)
            failed << comparison(textOf(check.limit), false);
    }
    if (failed.isEmpty())
        return QStringLiteral("atende");
    return QString::fromUtf8("não atende: ") + failed.join(QStringLiteral(", "));
}

} // namespace vazolar
