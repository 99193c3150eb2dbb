#include "memo_content.h"

#include "engine/hydraulics.h"
#include "engine/increment.h"
#include "memo_wrap.h"
#include "printed_report.h"
#include "wording/adopted_text.h"
#include "wording/adopted_verification.h"
#include "wording/increment_text.h"
#include "wording/limit_text.h"
#include "wording/number_text.h"
#include "wording/permissible_shear.h"
#include "wording/pipe_text.h"
#include "wording/profile_rows.h"
#include "wording/profile_text.h"
#include "wording/row_text.h"
#include "wording/shape_description.h"
#include "wording/trial_adoption.h"
#include "wording/trial_rows.h"

namespace vazolar::reports {

namespace {

class Blocks {
public:
    void add(BlockKind kind, const QString& text) { list.append({kind, text}); }
    void heading(const QString& text) { add(BlockKind::Heading, text); }
    void paragraph(const QString& text) { add(BlockKind::Paragraph, text); }
    void reference(const QString& text) { add(BlockKind::Reference, text); }
    void formulas(const QString& text) {
        for (const QString& line : text.split(u'\n'))
            add(BlockKind::Formula, line);
    }
    void table(const QList<QStringList>& cells) {
        list.append({BlockKind::Table, QString(), cells});
    }
    void rows(const QStringList& lines) { list.append({BlockKind::Rows, QString(), {}, lines}); }
    void figure(MemoFigure figure, const char* caption) {
        list.append({BlockKind::Figure, QString::fromUtf8(caption), {}, {}, figure});
    }
    // A list under the paragraph that introduces it, a line each, indented as the formulas.
    void lines(const QStringList& texts) {
        for (const QString& text : texts)
            add(BlockKind::Formula, text);
    }
    QList<MemoBlock> list;
};

QStringList row(const char* name, const QString& value, const char* unit) {
    return {QString::fromUtf8(name), value, QString::fromUtf8(unit)};
}

void addIdentity(Blocks& blocks, const MemoInput& input) {
    blocks.add(BlockKind::Title, memoTitle(input));
    const std::pair<const char*, QString> lines[] = {
        {"Obra", input.identity.work},
        {"Trecho", input.identity.stretch},
        {"Responsável técnico", input.identity.engineer}};
    // Each one a line of its own, which wraps where it is long.
    for (const auto& [name, text] : lines) {
        const QString line = oneLine(text).trimmed();
        if (!line.isEmpty())
            blocks.add(BlockKind::Line,
                       QString::fromUtf8("%1: %2").arg(QString::fromUtf8(name), line));
    }
    blocks.add(BlockKind::Line, QStringLiteral("Data: %1").arg(input.date.toString("dd/MM/yyyy")));
    blocks.add(BlockKind::Line, QStringLiteral("VAZOLAR %1").arg(input.version));
}

void addData(Blocks& blocks, const MemoInput& input) {
    blocks.heading(QStringLiteral("1. Dados"));
    QList<QStringList> cells{row("Grandeza", "Valor", "Unidade")};
    const Shape shape = input.adopted.shape;
    if (input.sizing) {
        const SizingInput& texts = input.sizing->texts;
        cells << row("I (declividade do fundo)", texts.slope, "%");
        if (hasField(shape, Field::Angle))
            cells << row("Ângulo do talude", texts.angle, "°");
        cells << row("n (coeficiente de Manning)", texts.roughness, "")
              << row("Qd (vazão de projeto)", texts.discharge, "m³/s");
        if (isTrialShape(shape)) {
            cells << QStringList{QString::fromUtf8("%1 inicial").arg(trialVariableName(shape)),
                                 texts.start, QStringLiteral("m")}
                  << row("Incremento das tentativas", incrementText(texts.scrollValue), "m");
        }
    } else {
        const AdoptedRequest& section = input.adopted;
        cells << row("I (declividade do fundo)", section.slope, "%");
        if (hasField(shape, Field::Angle))
            cells << row("Ângulo do talude", section.angle, "°");
        cells << row("n (coeficiente de Manning)", section.roughness, "");
        if (section.depth.isEmpty())
            cells << row("Qd (vazão de projeto)", section.discharge, "m³/s");
        else
            cells << row("y (profundidade dada)", section.depth, "m");
    }
    cells << row("g (aceleração da gravidade)", formatQuantity(hydraulics::kGravity), "m/s²")
          << row("γ (peso específico da água)", formatQuantity(hydraulics::kWaterWeight), "N/m³");
    blocks.table(cells);
}

QString freeboardRuleText(const AdoptedResult& result) {
    const Freeboard& freeboard = result.inputs.freeboard;
    switch (freeboard.rule) {
    case FreeboardRule::Height:
        return QString::fromUtf8("F = %1 m, dada").arg(formatQuantity(freeboard.value));
    case FreeboardRule::DepthShare:
        return QString::fromUtf8("F = %1 % de y").arg(formatQuantity(100 * freeboard.value));
    case FreeboardRule::BankHeight:
        return QString::fromUtf8("H = %1 m, dada; F = H − y").arg(formatQuantity(freeboard.value));
    case FreeboardRule::Usbr:
        break;
    }
    return QString::fromUtf8("F = √(C · y), F e y em metros; C = 0,46 para Q ≤ 0,57 m³/s e 0,76 "
                             "para Q ≥ 85 m³/s, "
                             "linear em log10 Q entre esses valores (faixa do U.S. Bureau of "
                             "Reclamation, em Chow, "
                             "1959; a interpolação é do VAZOLAR); aqui C = %1")
        .arg(formatQuantity(usbrCoefficient(result.discharge)));
}

QString freeboardRuleName(const Freeboard& freeboard) {
    switch (freeboard.rule) {
    case FreeboardRule::Height:
        return QStringLiteral("altura dada");
    case FreeboardRule::DepthShare:
        return QString::fromUtf8("%1 % da profundidade").arg(formatQuantity(100 * freeboard.value));
    case FreeboardRule::BankHeight:
        return QStringLiteral("altura total H dada");
    case FreeboardRule::Usbr:
        break;
    }
    return QString::fromUtf8("USBR, F = √(C · y)");
}

void addMethod(Blocks& blocks, const MemoInput& input) {
    const Shape shape = input.adopted.shape;
    blocks.heading(QString::fromUtf8("2. Método"));
    blocks.paragraph(QString::fromUtf8("Fórmula de Manning, com I em %:"));
    blocks.formulas(QString::fromUtf8("Q = Am · RH^(2/3) · √(I/100) / n"));
    if (input.sizing) {
        blocks.paragraph(QString::fromUtf8("Seção econômica do canal %1, como o "
                                           "dimensionamento a aplica:")
                             .arg(shapeName(shape)));
        blocks.formulas(sectionRelations(shape));
        if (isTrialShape(shape))
            blocks.paragraph(
                QString::fromUtf8("Tentativas: %1 começa no valor inicial e cresce do incremento "
                                  "a cada tentativa; em cada uma calculam-se a seção e a vazão Q. "
                                  "O dimensionamento termina na primeira tentativa em que "
                                  "Q > Qd (no máximo 32767 tentativas).")
                    .arg(trialVariableName(shape)));
        else
            blocks.paragraph(QString::fromUtf8(
                "O diâmetro é calculado diretamente, sem tentativas, pelas proporções acima."));
    }
    blocks.paragraph(QString::fromUtf8("Verificação hidráulica (g e γ nos dados):"));
    blocks.formulas(QString::fromUtf8(
        "yn: profundidade em que a fórmula de Manning conduz a vazão na seção adotada\n"
        "Fr = V / √(g · Dh), com Dh = A / T\n"
        "E = y + V² / (2 · g)\n"
        "τ0 = γ · RH · I / 100\n"
        "τmáx = γ · y · I / 100 (tensão de projeto no ponto mais fundo, FHWA HEC-15)\n"
        "yc: Q² · T = g · A³ (Fr = 1); Vc = Q / Ac\n"
        "Ic: declividade em que a profundidade normal é yc"));
    if (input.result.bank) {
        blocks.paragraph(QString::fromUtf8("Borda livre F e altura do canal H = y + F:"));
        blocks.formulas(freeboardRuleText(input.result));
    }
}

// How near the depths of the profile's stations are to the equation's, at the least: the
// engine finds them to about 1e-10 of the depth.
constexpr double kMemoProfileDepthAccuracy = 0.0005; // m

bool goesToAnnex(qsizetype rows) {
    return rows > kMemoRowsInFull;
}

// The rows of a table in the body: all of them, or the first and last of a long table with
// the note, made from how many are left out, in between.
template <typename Row, typename Note> QList<Row> bodyRows(const QList<Row>& rows, Note note) {
    if (!goesToAnnex(rows.size()))
        return rows;
    return rows.mid(0, kMemoRowsAtEachEnd) +
           QList<Row>{note(rows.size() - 2 * kMemoRowsAtEachEnd)} +
           rows.mid(rows.size() - kMemoRowsAtEachEnd);
}

// The letters of the annexes: the trial table's first, then the station table's.
struct Annexes {
    bool trials = false;
    bool stations = false;
    QChar stationsLetter() const { return trials ? u'B' : u'A'; }
};

Annexes annexesOf(const MemoInput& input) {
    return {input.sizing && goesToAnnex(input.sizing->rows.size()),
            input.profile &&
                goesToAnnex(
                    qsizetype(profileRows(input.profile->inputs, input.profile->profile).size()))};
}

void addTrials(Blocks& blocks, const MemoSizing& sizing) {
    blocks.heading(QStringLiteral("3. Tabela de tentativas"));
    blocks.rows(QStringList{sizing.heading} + bodyRows(sizing.rows, [](qsizetype omitted) {
                    return QString::fromUtf8("… %1 tentativas omitidas; tabela completa no Anexo A")
                        .arg(omitted);
                }));
    blocks.heading(QString::fromUtf8("4. Análise hidráulica da seção dimensionada"));
    blocks.paragraph(sizing.check.heading);
    QList<QStringList> cells{row("Grandeza", "Valor", "Unidade")};
    for (const SheetLine& line : sizing.check.lines)
        cells << (line.isTitle ? QStringList{line.name}
                               : QStringList{line.name, line.value, line.unit});
    blocks.table(cells);
}

bool isCheckRow(const ResultRow& resultRow) {
    for (const DesignLimit limit : kDesignLimits) {
        if (resultRow.label == limitComparison(limit, true))
            return true;
    }
    return false;
}

void addAdopted(Blocks& blocks, const MemoInput& input, int number) {
    blocks.heading(QString::fromUtf8("%1. Seção adotada").arg(number));
    QList<QStringList> cells{row("Grandeza", "Valor", "Unidade")};
    for (const ResultRow& resultRow : adoptedResultRows(input.result)) {
        if (!isCheckRow(resultRow))
            cells << QStringList{resultRow.label, resultRow.value, resultRow.unit};
    }
    if (input.result.bank)
        cells << QStringList{QString::fromUtf8("Regra da borda livre"),
                             freeboardRuleName(input.result.inputs.freeboard), QString()};
    blocks.table(cells);
    if (const std::optional<QString> pipe = pipeLine(input.result.inputs.section))
        blocks.paragraph(*pipe);
}

const LimitCheck* shearCheck(const AdoptedResult& result) {
    for (const LimitCheck& check : result.checks) {
        if (check.limit == DesignLimit::MaxShear)
            return &check;
    }
    return nullptr;
}

QString withUnit(const QString& number, const QString& unit) {
    return unit.isEmpty() ? number : number + u' ' + unit;
}

void addChecks(Blocks& blocks, const AdoptedResult& result, int number) {
    blocks.heading(QString::fromUtf8("%1. Verificações").arg(number));
    QList<QStringList> cells{QStringList{QString::fromUtf8("Critério"), QStringLiteral("Limite"),
                                         QStringLiteral("Valor"), QStringLiteral("Resultado")}};
    for (const DesignLimit limit : kDesignLimits) {
        if (!limitApplies(limit, result.inputs.section))
            continue;
        const hydraulics::Figure value =
            limitedValue(limit, {result.flow, result.greatestBedShear});
        const QString unit = limitUnit(limit);
        QStringList line{limitComparison(limit, true), QString::fromUtf8("não definido"),
                         withUnit(value ? formatQuantity(*value) : QString::fromUtf8("—"), unit),
                         QString::fromUtf8("—")};
        for (const LimitCheck& check : result.checks) {
            if (check.limit == limit) {
                line[1] = withUnit(formatQuantity(check.bound), unit);
                line[2] = checkedValueText(check);
                line[3] = QString::fromUtf8(check.passes ? "atende" : "não atende");
            }
        }
        cells << line;
    }
    blocks.table(cells);
    if (const LimitCheck* shear = shearCheck(result))
        blocks.paragraph(
            QString::fromUtf8("τadm é a tensão admissível do revestimento; verifica-se "
                              "FS · τmáx ≤ τadm com o fator de segurança FS = %1 (FHWA HEC-15: "
                              "τp ≥ SF · τd). Valores típicos de solos e revestimentos de pedra "
                              "na %2; revestimentos rígidos, como o concreto, verificam-se pela "
                              "velocidade.")
                .arg(formatQuantity(shear->factor), liningShearCitation()));
}

void addFigures(Blocks& blocks, int number) {
    blocks.heading(QString::fromUtf8("%1. Figuras").arg(number));
    blocks.figure(MemoFigure::Section, "Figura 1 — Seção adotada, em escala");
    blocks.figure(MemoFigure::RatingCurve, "Figura 2 — Curva-chave da seção adotada");
    blocks.figure(MemoFigure::EnergyCurve, "Figura 3 — Energia específica da vazão");
}

// The stations and the points of note, a row each under the columns' names.
QList<QStringList> stationCells(const MemoProfile& reach) {
    QList<QStringList> cells;
    for (const ProfileRow& row : profileRows(reach.inputs, reach.profile))
        cells << profileRowCells(reach.profile, row);
    return cells;
}

void addProfileMethod(Blocks& blocks) {
    blocks.paragraph(QString::fromUtf8(
        "Método: escoamento gradualmente variado em trecho prismático, calculado a partir da "
        "profundidade do controle:"));
    blocks.formulas(
        QString::fromUtf8("dy/ds = (S0 − Sf) / (1 − Fr²), s no sentido do escoamento\n"
                          "S0 = I / 100\n"
                          "Sf = n² · Q² / (A² · RH^(4/3)) (fórmula de Manning na profundidade "
                          "local)\n"
                          "Fr² = Q² · T / (g · A³), coeficiente de energia 1, g = %1 m/s²")
            .arg(formatQuantity(hydraulics::kGravity)));
    blocks.paragraph(
        QString::fromUtf8("Em trecho prismático dy/ds depende só de y: a distância entre duas "
                          "profundidades é a integral abaixo, calculada numericamente, e cada "
                          "estação tem a sua profundidade com erro menor que %1 m:")
            .arg(formatQuantity(kMemoProfileDepthAccuracy)));
    blocks.formulas(
        QString::fromUtf8("Δs = ∫ (1 − Fr²) / (S0 − Sf) dy, entre as duas profundidades"));
    blocks.paragraph(QString::fromUtf8(
        "Ressalto hidráulico: as profundidades conjugadas y1 e y2 têm a mesma função momento:"));
    blocks.formulas(QString::fromUtf8(
        "M(y) = Q² / (g · A) + A · ȳ, com ȳ a profundidade do centroide da área molhada\n"
        "M(y1) = M(y2)\n"
        "no canal retangular (Bélanger): y2 = y1 / 2 · (√(1 + 8 · Fr1²) − 1)"));
}

void addProfile(Blocks& blocks, const MemoProfile& reach, QChar annex, int number) {
    const ProfileInputs& inputs = reach.inputs;
    const WaterProfile& profile = reach.profile;
    blocks.heading(QString::fromUtf8("%1. Curva de remanso").arg(number));
    blocks.paragraph(QString::fromUtf8("Seção e escoamento do trecho:"));
    blocks.lines(profileSectionLines(inputs, profile));
    blocks.paragraph(QString::fromUtf8("Classificação da curva e controle:"));
    blocks.lines(profileClassLines(inputs, profile));
    addProfileMethod(blocks);
    if (const QStringList points = profilePointLines(inputs, profile); !points.isEmpty()) {
        blocks.paragraph(QString::fromUtf8("Pontos notáveis:"));
        blocks.lines(points);
    }
    blocks.paragraph(QString::fromUtf8(
        "Estações e pontos notáveis: x a partir do controle, no sentido do cálculo; zf e zw em "
        "relação ao fundo no controle; x, zf, y, zw, E e folga em m, A em m², V em m/s, Sf em "
        "m/m:"));
    blocks.table(QList<QStringList>{profileColumnNames()} +
                 bodyRows(stationCells(reach), [annex](qsizetype omitted) {
                     return QStringList{
                         QString::fromUtf8("… %1 pontos omitidos; tabela completa no Anexo %2")
                             .arg(omitted)
                             .arg(annex)};
                 }));
    blocks.figure(MemoFigure::Profile,
                  "Figura 4 — Perfil longitudinal da curva de remanso, com a escala vertical "
                  "exagerada");
}

// Chow's book, with the chapters of the water-surface profile where the memo has one.
QString chowReference(bool withProfile) {
    const char* chapters = withProfile ? "; capítulos 9 e 10, escoamento gradualmente variado, "
                                         "e 15, ressalto hidráulico"
                                       : "";
    return QString::fromUtf8("CHOW, V. T. Open-Channel Hydraulics. New York: McGraw-Hill, 1959. "
                             "(Escoamento crítico; faixa da borda livre do U.S. Bureau of "
                             "Reclamation%1.)")
        .arg(QString::fromUtf8(chapters));
}

// The HEC-15 circular, with its table of permissible shears where τadm was checked.
QString hec15Reference(bool shearChecked) {
    const char* table = shearChecked ? "; tensões admissíveis típicas, Tabela 2.3" : "";
    return QString::fromUtf8("FHWA. Design of Roadside Channels with Flexible Linings. Hydraulic "
                             "Engineering Circular No. 15 (HEC-15), 3. ed. Washington: Federal "
                             "Highway Administration, 2005. (Tensão de projeto τ = γ · d · S0%1.)")
        .arg(QString::fromUtf8(table));
}

void addReferences(Blocks& blocks, int number, const MemoInput& input) {
    const bool withProfile = input.profile.has_value();
    blocks.heading(QString::fromUtf8("%1. Referências").arg(number));
    blocks.reference(QString::fromUtf8(
        "MANNING, R. On the flow of water in open channels and pipes. Transactions of the "
        "Institution of Civil Engineers of Ireland, v. 20, p. 161–207, 1891."));
    blocks.reference(chowReference(withProfile));
    blocks.reference(hec15Reference(shearCheck(input.result) != nullptr));
    if (pipeLine(input.result.inputs.section))
        blocks.reference(QString::fromUtf8(
            "ABNT. NBR 8890: Tubo de concreto de seção circular para águas pluviais e esgotos "
            "sanitários — Requisitos e métodos de ensaios. Rio de Janeiro: ABNT, 2007. "
            "(Diâmetros nominais dos tubos para águas pluviais, Tabela A.1.)"));
}

void addAnnexes(Blocks& blocks, const MemoInput& input) {
    const Annexes annexes = annexesOf(input);
    if (annexes.trials) {
        blocks.add(BlockKind::NewPage, QString());
        blocks.heading(QString::fromUtf8("Anexo A — Tabela completa de tentativas"));
        blocks.rows(QStringList{input.sizing->heading} + input.sizing->rows);
    }
    if (annexes.stations) {
        blocks.add(BlockKind::NewPage, QString());
        blocks.heading(QString::fromUtf8("Anexo %1 — Tabela completa da curva de remanso")
                           .arg(annexes.stationsLetter()));
        blocks.table(QList<QStringList>{profileColumnNames()} + stationCells(*input.profile));
    }
}

} // namespace

QString memoTitle(const MemoInput& input) {
    return QString::fromUtf8("Memória de cálculo — %1 de canal %2")
        .arg(QString::fromUtf8(input.sizing ? "dimensionamento" : "verificação"),
             shapeName(input.adopted.shape));
}

MemoSizing memoSizing(const SizingInput& texts, const TrialTable& trials) {
    MemoSizing sizing{texts, printedColumnHeading(texts.shape), {}, {}};
    sizing.rows.reserve(trials.size());
    for (int row = 0; row < trials.size(); ++row)
        sizing.rows << rowText(trials.inputs().shape, trials.at(row));
    if (!trials.isEmpty())
        sizing.check = analysisSheet(trials, trials.size() - 1);
    return sizing;
}

Outcome<MemoInput> sizingMemo(const SizingInput& texts, const TrialTable& trials,
                              const FreeboardText& freeboard, const MemoIdentity& identity,
                              const QDate& date, const QString& version, const FieldNamer& names) {
    AdoptedRequest adopted =
        adoptedRequestForTrial(texts, trials.at(trials.size() - 1), DimensionText::AsSized);
    adopted.freeboard = freeboard;
    const Outcome<AdoptedResult> result = verifyAdoptedSection(adopted, names);
    if (!result)
        return result.failure();
    return MemoInput{identity, date, version, memoSizing(texts, trials), adopted, result.value()};
}

QList<MemoBlock> memoBlocks(const MemoInput& input) {
    Blocks blocks;
    addIdentity(blocks, input);
    addData(blocks, input);
    addMethod(blocks, input);
    int number = 3;
    if (input.sizing) {
        addTrials(blocks, *input.sizing);
        number = 5;
    }
    addAdopted(blocks, input, number++);
    addChecks(blocks, input.result, number++);
    addFigures(blocks, number++);
    if (input.profile)
        addProfile(blocks, *input.profile, annexesOf(input).stationsLetter(), number++);
    addReferences(blocks, number, input);
    addAnnexes(blocks, input);
    return blocks.list;
}

} // namespace vazolar::reports
