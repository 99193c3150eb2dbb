#include "batch_line.h"

#include "channel_text.h"
#include "engine/check_text.h"
#include "engine/increment.h"
#include "engine/number_text.h"
#include "engine/trial_table.h"

namespace vazolar::cli {

namespace {

const QStringList kRequiredColumns{"forma", "i", "n", "q"};
const QStringList kInputColumns{"forma", "i", "angulo", "n", "q", "inicial", "incremento"};
const QStringList kResultColumns{"b", "B", "y", "D", "Am", "Pm", "RH", "Q", "V"};

// The last trial of a finished sizing and what the check makes of it.
struct SizedChannel {
    int trials = 0;
    std::optional<SectionQuantities> last;
    hydraulics::HydraulicCheck check;
};

SizedChannel size(const SizingInput& input) {
    SizedChannel channel;
    const RunInputs inputs = convertInputs(input);
    channel.trials = runSizing(inputs, [&](const QString&, const SectionQuantities& quantities) {
                         channel.last = quantities;
                     }).rowCount;
    if (channel.last)
        channel.check = hydraulics::checkTrial(inputs, *channel.last);
    return channel;
}

// A result column of the summary: the last row's quantity of that name, formatted as in the
// rows; the triangle's depth is its Y, the circle's its normal depth from the check.
QString resultCell(Shape shape, const SizedChannel& channel, const QString& column) {
    if (!channel.last)
        return QString();
    if (shape == Shape::Circular && column == QLatin1String("y"))
        return hydraulics::figureText(channel.check.depth, QString());
    const QStringList names = columnNames(shape);
    qsizetype at = names.indexOf(column);
    if (at < 0 && column == QLatin1String("y"))
        at = names.indexOf(QStringLiteral("Y"));
    return at < 0 ? QString() : formatQuantity(channel.last->values[std::size_t(at)]);
}

QStringList resultCells(Shape shape, const SizedChannel& channel) {
    QStringList cells{QString::number(channel.trials)};
    for (const QString& column : kResultColumns)
        cells << resultCell(shape, channel, column);
    if (channel.last)
        return cells + hydraulics::checkCells(channel.check, QString());
    return cells + QStringList(hydraulics::checkColumnNames().size());
}

// The input cells as given, but for those the shape does not read.
QStringList echoedInputs(std::optional<Shape> shape, const QStringList& inputs) {
    QStringList echoed = inputs;
    if (!shape)
        return echoed;
    if (*shape != Shape::Trapezoidal)
        echoed[kInputColumns.indexOf("angulo")].clear();
    if (*shape == Shape::Circular) {
        echoed[kInputColumns.indexOf("inicial")].clear();
        echoed[kInputColumns.indexOf("incremento")].clear();
    }
    return echoed;
}

QString shapeProblem(const QString& shapeText) {
    if (shapeText.trimmed().isEmpty())
        return QStringLiteral("Informe a forma do canal: %1.").arg(shapeNamesText());
    return QStringLiteral("Forma desconhecida: %1. Use %2.").arg(shapeText, shapeNamesText());
}

// The fields of the line as the form of its shape would hold them.
SizingInput sizingInput(Shape shape, const QStringList& cells, const BatchColumns& columns) {
    SizingInput input;
    input.shape = shape;
    for (const QString& name : fieldNames(shape))
        fieldText(input, fieldNamed(name)) = columns.cell(cells, name);
    return input;
}

// Sizes the line's channel; the form's message where it cannot be sized.
std::optional<QString> sizeLine(Shape shape, const QStringList& cells, const BatchColumns& columns,
                                QStringList& results) {
    SizingInput input = sizingInput(shape, cells, columns);
    if (auto empty = emptyFieldMessage(input))
        return empty;
    const QString incrementText = columns.cell(cells, "incremento");
    const std::optional<int> scroll = scrollValueForIncrement(incrementText);
    if (isTrialShape(shape) && !scroll)
        return QStringLiteral("Incremento inválido: %1. Use um dos passos: %2.")
            .arg(incrementText, incrementStepsText());
    input.scrollValue = scroll.value_or(kScrollDefault);
    try {
        results = resultCells(shape, size(input));
    } catch (const SizingError& fault) {
        return faultMessage(shape, fault);
    }
    return std::nullopt;
}

} // namespace

std::optional<BatchColumns> BatchColumns::fromHeader(const QString& header, QString& missing) {
    BatchColumns columns;
    const QStringList names = header.split(u';');
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString name = names[i].trimmed().toLower();
        if (kInputColumns.contains(name) && !columns.index_.contains(name))
            columns.index_.insert(name, i);
    }
    for (const QString& name : kRequiredColumns) {
        if (!columns.index_.contains(name)) {
            missing = name;
            return std::nullopt;
        }
    }
    return columns;
}

QString BatchColumns::cell(const QStringList& cells, const QString& name) const {
    const qsizetype at = index_.value(name, -1);
    return at >= 0 && at < cells.size() ? cells[at] : QString();
}

QStringList summaryColumnNames() {
    return QStringList{"linha"} + kInputColumns + QStringList{"tentativas"} + kResultColumns +
           hydraulics::checkColumnNames() + QStringList{"erro"};
}

SummaryLine summarize(int lineNumber, const QStringList& cells, const BatchColumns& columns) {
    QStringList inputs;
    for (const QString& name : kInputColumns)
        inputs << columns.cell(cells, name);
    const QString shapeText = columns.cell(cells, "forma");
    const std::optional<Shape> shape = shapeNamed(shapeText.trimmed());

    SummaryLine line;
    line.cells << QString::number(lineNumber) << echoedInputs(shape, inputs);
    QStringList results;
    const std::optional<QString> error =
        shape ? sizeLine(*shape, cells, columns, results) : shapeProblem(shapeText);
    if (!error)
        return {line.cells << results << QString(), QString()};
    const qsizetype resultCount = 1 + kResultColumns.size() + hydraulics::checkColumnNames().size();
    return {line.cells << QStringList(resultCount) << *error, *error};
}

} // namespace vazolar::cli
