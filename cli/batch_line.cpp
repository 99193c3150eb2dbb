#include "batch_line.h"

#include "channel_text.h"
#include "engine/increment.h"
#include "typed_fields.h"
#include "wording/check_text.h"
#include "wording/echoed_text.h"
#include "wording/field_characters.h"
#include "wording/increment_text.h"
#include "wording/quantity_names.h"
#include "wording/row_text.h"
#include "wording/shape_description.h"
#include "wording/sizing_messages.h"
#include "wording/trial_rows.h"

namespace vazolar::cli {

namespace {

const QStringList kRequiredColumns{"forma", "i", "n", "q"};
const QStringList kInputColumns{"forma", "i", "angulo", "n", "q", "inicial", "incremento"};

// The last trial of a finished sizing and what the check makes of it.
struct SizedChannel {
    int trials = 0;
    std::optional<SectionQuantities> last;
    hydraulics::HydraulicCheck check;
};

SizedChannel size(const SizingInput& input) {
    const RunInputs inputs = convertInputs(input);
    const SizingOutcome outcome = runSizing(inputs, TrialSink([](const SectionQuantities&) {}));
    SizedChannel channel{outcome.rowCount, outcome.last, {}};
    if (channel.last)
        channel.check = hydraulics::checkTrial(inputs, *channel.last);
    return channel;
}

// The summary's result columns: every quantity by its symbol.
QStringList resultColumnNames() {
    QStringList names;
    for (Quantity quantity : kAllQuantities)
        names << symbolOf(quantity);
    return names;
}

// The last row's quantities, formatted as in the rows, under the summary's result columns;
// the circle's depth is its normal depth from the check.
QStringList quantityCells(Shape shape, const SizedChannel& channel) {
    QStringList cells(std::size(kAllQuantities));
    if (!channel.last)
        return cells;
    const QStringList shown = columnCells(shape, *channel.last);
    const std::vector<ColumnDescription>& columns = describe(shape).columns;
    for (std::size_t i = 0; i < columns.size(); ++i)
        cells[qsizetype(columns[i].quantity)] = shown[qsizetype(i)];
    if (!isTrialShape(shape))
        cells[qsizetype(Quantity::Depth)] = hydraulics::figureText(channel.check.depth, QString());
    return cells;
}

QStringList resultCells(Shape shape, const SizedChannel& channel) {
    QStringList cells =
        QStringList{QString::number(channel.trials)} + quantityCells(shape, channel);
    if (channel.last)
        return cells + hydraulics::checkCells(channel.check, QString());
    return cells + QStringList(hydraulics::checkColumnNames().size());
}

// The input cells as given, but for those the shape does not read.
QStringList echoedInputs(std::optional<Shape> shape, const QStringList& inputs) {
    QStringList echoed = inputs;
    if (!shape)
        return echoed;
    const QStringList read = fieldNames(*shape);
    for (const char* name : {"angulo", "inicial"}) {
        if (!read.contains(name))
            echoed[kInputColumns.indexOf(name)].clear();
    }
    if (!isTrialShape(*shape))
        echoed[kInputColumns.indexOf("incremento")].clear();
    return echoed;
}

// The cells from `tentativas` to the last check column.
qsizetype resultCount() {
    return 1 + qsizetype(std::size(kAllQuantities)) + hydraulics::checkColumnNames().size();
}

QString cellCountProblem(qint64 lineNumber, qsizetype cells, qsizetype width) {
    const QString count =
        cells == 1 ? QStringLiteral("1 campo") : QStringLiteral("%1 campos").arg(cells);
    return QString::fromUtf8("a linha %1 tem %2; o cabeçalho tem %3.")
        .arg(lineNumber)
        .arg(count)
        .arg(width);
}

Failure shapeProblem(const QString& shapeText) {
    if (shapeText.trimmed().isEmpty())
        return {QStringLiteral("Informe a forma do canal: %1.").arg(shapeNamesText())};
    return {QStringLiteral("Forma desconhecida: %1. Use %2.")
                .arg(echoedValue(shapeText), shapeNamesText())};
}

// The fields of the line as the form of its shape would hold them.
SizingInput sizingInput(Shape shape, const QStringList& cells, const BatchColumns& columns) {
    SizingInput input;
    input.shape = shape;
    for (const QString& name : fieldNames(shape))
        fieldText(input, fieldNamed(name)) = columns.cell(cells, name);
    return input;
}

// Sizes the line's channel into its result cells; the form's message where it cannot be sized.
Outcome<QStringList> sizeLine(Shape shape, const QStringList& cells, const BatchColumns& columns) {
    SizingInput input = sizingInput(shape, cells, columns);
    if (const Outcome<> typed = takeTypedFields(input); !typed)
        return typed.failure();
    const Outcome<QString> incrementText =
        typedFieldText("incremento", columns.cell(cells, "incremento"));
    if (isTrialShape(shape) && !incrementText)
        return incrementText.failure();
    const QString step = incrementText ? incrementText.value() : QString();
    const std::optional<int> scroll = scrollValueForIncrement(step);
    if (isTrialShape(shape) && !scroll)
        return Failure{QStringLiteral("Incremento inválido: %1. Use um dos passos: %2.")
                           .arg(step, incrementStepsText())};
    input.scrollValue = scroll.value_or(kScrollDefault);
    try {
        const SizedChannel channel = size(input);
        if (channel.trials == 0)
            return Failure{noTrialMessage()};
        return resultCells(shape, channel);
    } catch (const SizingError& fault) {
        return Failure{sizingFaultMessage(shape, fault)};
    }
}

} // namespace

Outcome<BatchColumns> BatchColumns::fromHeader(const QStringList& names, const QString& place,
                                               const QString& separator) {
    BatchColumns columns;
    columns.width_ = names.size();
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString name = names[i].trimmed().toLower();
        if (columns.index_.contains(name))
            return Failure{QStringLiteral("O arquivo \"%1\" tem a coluna \"%2\" mais de uma vez.")
                               .arg(place, name)};
        if (kInputColumns.contains(name))
            columns.index_.insert(name, i);
        else if (!name.isEmpty())
            columns.ignored_ << names[i].trimmed();
    }
    for (const QString& name : kRequiredColumns) {
        if (!columns.index_.contains(name))
            return Failure{QStringLiteral("O arquivo \"%1\" não tem a coluna \"%2\" (colunas "
                                          "separadas por %3): a primeira linha nomeia as colunas "
                                          "%4.")
                               .arg(place, name, separator, kInputColumns.join(u';'))};
    }
    return columns;
}

QString BatchColumns::cell(const QStringList& cells, const QString& name) const {
    const qsizetype at = index_.value(name, -1);
    return at >= 0 && at < cells.size() ? cells[at] : QString();
}

QStringList inputColumnNames() {
    return kInputColumns;
}

QStringList summaryColumnNames() {
    return QStringList{"linha"} + kInputColumns + QStringList{"tentativas"} + resultColumnNames() +
           hydraulics::checkColumnNames() + QStringList{"erro"};
}

SummaryLine summarize(qint64 lineNumber, const QStringList& cells, const BatchColumns& columns) {
    if (cells.size() != columns.width())
        return unreadLine(lineNumber, cellCountProblem(lineNumber, cells.size(), columns.width()));
    QStringList inputs;
    for (const QString& name : kInputColumns)
        inputs << columns.cell(cells, name);
    const QString shapeText = columns.cell(cells, "forma");
    const std::optional<Shape> shape = shapeNamed(shapeText.trimmed());

    const QStringList echoed =
        QStringList{QString::number(lineNumber)} + echoedInputs(shape, inputs);
    const Outcome<QStringList> results =
        shape ? sizeLine(*shape, cells, columns) : Outcome<QStringList>(shapeProblem(shapeText));
    if (results)
        return {echoed + results.value() << QString(), {}};
    return {echoed + QStringList(resultCount()) << results.message(), Failure{results.message()}};
}

SummaryLine unreadLine(qint64 lineNumber, const QString& fault) {
    const QStringList cells =
        QStringList{QString::number(lineNumber)} + QStringList(kInputColumns.size() + resultCount())
        << fault;
    return {cells, Failure{fault}};
}

} // namespace vazolar::cli
