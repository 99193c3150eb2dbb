#include "command_line.h"

#include "batch_command.h"
#include "engine/adopted_request.h"
#include "engine/field_characters.h"
#include "engine/outcome.h"
#include "engine/shape_description.h"
#include "option_table.h"
#include "size_command.h"
#include "verify_command.h"
#include "window_options.h"

#include <QCommandLineParser>

namespace vazolar::cli {

namespace {

const QString kUsage = QString::fromUtf8(
    "Uso:\n"
    "  vazolar                                abre as janelas\n"
    "  vazolar dimensionar FORMA [opções]     dimensiona um canal\n"
    "  vazolar verificar FORMA [opções]       verifica a seção adotada\n"
    "  vazolar lote ENTRADA.csv [--saida RESUMO.csv]\n"
    "                                         dimensiona os canais de um arquivo CSV\n"
    "  vazolar --help | --version");

// What --help writes after the usage: each command's options, from the table that defines
// them, and the exit statuses.
QString optionsHelp() {
    return QString::fromUtf8(
               "\n\nFORMA: trapezoidal, retangular, triangular ou circular.\n\n"
               "Opções de dimensionar (os valores como se digitam no formulário, com a vírgula "
               "decimal):\n") +
           optionsHelp(kSizeCommand) +
           QString::fromUtf8("\nOpções de verificar (a seção adotada, que se constrói):\n") +
           optionsHelp(kVerifyCommand) +
           QString::fromUtf8("\nlote: a primeira linha do CSV (separado por ;) nomeia as colunas\n"
                             "forma;i;angulo;n;q;inicial;incremento; cada linha seguinte é um "
                             "canal; - lê a entrada padrão.\n") +
           optionsHelp(kBatchCommand) +
           QString::fromUtf8(
               "\nStatus de saída:\n"
               "  0  tudo dimensionado e gravado (em verificar, mesmo que um limite não seja "
               "atendido)\n"
               "  1  gravado, mas um canal (ou o único canal) não pôde ser dimensionado\n"
               "  2  uso incorreto\n"
               "  3  um arquivo não pôde ser lido ou gravado: nada foi gravado, e a saída que já\n"
               "     existia ficou como estava");
}

// Every option's name once, in the table's order.
QStringList optionNames() {
    QStringList names;
    for (const OptionSpec& option : optionTable()) {
        if (!names.contains(QString::fromLatin1(option.name)))
            names << QString::fromLatin1(option.name);
    }
    return names;
}

void addOptions(QCommandLineParser& parser) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const QString& name : optionNames())
        parser.addOption({name, QString(), QStringLiteral("VALOR")});
    parser.addOption({{"h", "help"}, QString()});
    parser.addOption({{"v", "version"}, QString()});
}

// A command line that cannot be run as written: the failure says why.
Failure usageError(const QString& why) {
    return {why};
}

// An option given twice would leave one of its values unread.
Outcome<> givenOnce(const QCommandLineParser& parser) {
    for (const QString& name : optionNames()) {
        if (parser.values(name).size() > 1)
            return usageError(QStringLiteral("a opção --%1 foi dada mais de uma vez.").arg(name));
    }
    return {};
}

// The options a command may be given; any other that is set is a usage error.
Outcome<> allowOnly(const QCommandLineParser& parser, const QStringList& allowed,
                    const QString& where) {
    for (const QString& name : optionNames()) {
        if (parser.isSet(name) && !allowed.contains(name))
            return usageError(QStringLiteral("a opção --%1 não vale %2.").arg(name, where));
    }
    return {};
}

// The options that carry the shape's data: its fields, and the step on the trial shapes.
QStringList optionsOf(Shape shape) {
    QStringList options = fieldNames(shape);
    if (isTrialShape(shape))
        options << "incremento";
    return options;
}

Outcome<Shape> shapeArgument(const QStringList& positional) {
    if (positional.size() < 2)
        return usageError(QStringLiteral("falta a FORMA do canal: %1.").arg(shapeNamesText()));
    if (positional.size() > 2)
        return usageError(QStringLiteral("argumento a mais: \"%1\".").arg(positional[2]));
    const std::optional<Shape> shape = shapeNamed(positional[1]);
    if (!shape)
        return usageError(QStringLiteral("forma desconhecida: \"%1\"; use %2.")
                              .arg(positional[1], shapeNamesText()));
    return *shape;
}

// The shape's field texts, each from its option, which must be given.
Outcome<SizingInput> fieldTexts(const QCommandLineParser& parser, Shape shape) {
    SizingInput input;
    input.shape = shape;
    for (const QString& name : fieldNames(shape)) {
        if (!parser.isSet(name))
            return usageError(QStringLiteral("falta a opção --%1.").arg(name));
        fieldText(input, fieldNamed(name)) = parser.value(name);
    }
    return input;
}

// `--saida`: a file, or "-" for standard output (the empty path below); given empty, it
// names nothing.
Outcome<QString> outputPath(const QCommandLineParser& parser) {
    if (!parser.isSet("saida"))
        return QString();
    const QString path = parser.value("saida");
    if (path.isEmpty())
        return usageError(QStringLiteral("falta o ARQUIVO de --saida (- para a saída padrão)."));
    return path == QLatin1String("-") ? QString() : path;
}

Outcome<int> incrementScroll(const QCommandLineParser& parser) {
    const Outcome<QString> typed = typedFieldText("incremento", parser.value("incremento"));
    if (!typed)
        return usageError(typed.message());
    const QString text = typed.value();
    const std::optional<int> scroll = scrollValueForIncrement(text);
    if (!scroll || (parser.isSet("incremento") && text.isEmpty()))
        return usageError(QStringLiteral("incremento inválido: \"%1\"; use um dos passos: %2.")
                              .arg(text, incrementStepsText()));
    return *scroll;
}

Outcome<SizeFormat> sizeFormat(const QCommandLineParser& parser) {
    const QString format = parser.isSet("formato") ? parser.value("formato") : "relatorio";
    if (format == QLatin1String("csv"))
        return SizeFormat::Csv;
    if (format == QLatin1String("relatorio"))
        return SizeFormat::Report;
    return usageError(
        QStringLiteral("formato desconhecido: \"%1\"; use relatorio ou csv.").arg(format));
}

// The memo's options; they need --memoria.
Outcome<MemoRequest> memoRequest(const QCommandLineParser& parser,
                                 const QStringList& dependentOptions) {
    for (const QString& name : dependentOptions) {
        if (parser.isSet(name) && !parser.isSet("memoria"))
            return usageError(QStringLiteral("a opção --%1 só vale com --memoria.").arg(name));
    }
    if (parser.isSet("memoria") && parser.value("memoria").isEmpty())
        return usageError(QStringLiteral("falta o ARQUIVO de --memoria."));
    return MemoRequest{parser.value("memoria"),
                       {parser.value("obra"), parser.value("trecho"), parser.value("responsavel")},
                       parser.value("borda-livre"),
                       parser.value("altura")};
}

// Where a command's results go: --saida, --formato and --memoria with its options.
struct Outputs {
    QString path;
    SizeFormat format = SizeFormat::Report;
    MemoRequest memo;
};

Outcome<Outputs> outputsOf(const QCommandLineParser& parser, const QStringList& memoDependents) {
    const Outcome<QString> path = outputPath(parser);
    if (!path)
        return Failure{path.message()};
    const Outcome<SizeFormat> format = sizeFormat(parser);
    if (!format)
        return Failure{format.message()};
    const Outcome<MemoRequest> memo = memoRequest(parser, memoDependents);
    if (!memo)
        return Failure{memo.message()};
    return Outputs{path.value(), format.value(), memo.value()};
}

const QStringList kMemoOptions{"memoria", "obra", "trecho", "responsavel"};

Outcome<SizeRequest> sizeRequest(const QCommandLineParser& parser, const QStringList& positional) {
    const Outcome<Shape> shape = shapeArgument(positional);
    if (!shape)
        return Failure{shape.message()};
    const QStringList options = optionsOf(shape.value());
    QStringList memoOptions{"obra", "trecho", "responsavel"};
    if (shape.value() != Shape::Circular)
        memoOptions << "borda-livre"
                    << "altura";
    const Outcome<> allowed =
        allowOnly(parser, options + memoOptions + QStringList{"saida", "formato", "memoria"},
                  QStringLiteral("para o canal %1").arg(shapeName(shape.value())));
    if (!allowed)
        return Failure{allowed.message()};
    const Outcome<SizingInput> input = fieldTexts(parser, shape.value());
    if (!input)
        return Failure{input.message()};
    SizeRequest request;
    request.input = input.value();
    if (options.contains("incremento")) {
        const Outcome<int> scroll = incrementScroll(parser);
        if (!scroll)
            return Failure{scroll.message()};
        request.input.scrollValue = scroll.value();
    }
    const Outcome<Outputs> outputs = outputsOf(parser, memoOptions);
    if (!outputs)
        return Failure{outputs.message()};
    request.outputPath = outputs.value().path;
    request.format = outputs.value().format;
    request.memo = outputs.value().memo;
    return request;
}

// The options of `verificar` that a shape takes: its dimension, its angle, the flow, the
// freeboard of the open shapes, the limits (y/D on the circle only) and the output.
QStringList verifyOptions(Shape shape) {
    QStringList options{"i", "n", "q", "y", "vmax", "vmin", "frmax", "saida", "formato"};
    options << kMemoOptions;
    if (const auto dimension = adoptedDimension(shape))
        options << QString::fromLatin1(dimension->name);
    if (shape == Shape::Trapezoidal)
        options << "angulo";
    if (shape == Shape::Circular)
        options << "ymaxd";
    else
        options << "borda-livre"
                << "altura";
    return options;
}

Outcome<VerifyRequest> verifyRequest(const QCommandLineParser& parser,
                                     const QStringList& positional) {
    const Outcome<Shape> shape = shapeArgument(positional);
    if (!shape)
        return Failure{shape.message()};
    const QStringList options = verifyOptions(shape.value());
    if (const Outcome<> allowed = allowOnly(
            parser, options, QStringLiteral("para o canal %1").arg(shapeName(shape.value())));
        !allowed)
        return Failure{allowed.message()};
    QStringList required{"i", "n"};
    if (const auto dimension = adoptedDimension(shape.value()))
        required << QString::fromLatin1(dimension->name);
    if (shape.value() == Shape::Trapezoidal)
        required << "angulo";
    for (const QString& name : required) {
        if (!parser.isSet(name))
            return usageError(QStringLiteral("falta a opção --%1.").arg(name));
    }
    if (parser.isSet("q") == parser.isSet("y"))
        return usageError(QStringLiteral("dê --q (a vazão de projeto) ou --y (a profundidade), "
                                         "uma das duas."));
    VerifyRequest request;
    AdoptedRequest& section = request.section;
    section.shape = shape.value();
    section.slope = parser.value("i");
    section.roughness = parser.value("n");
    section.discharge = parser.value("q");
    section.depth = parser.value("y");
    section.angle = parser.value("angulo");
    if (const auto dimension = adoptedDimension(shape.value()))
        section.*dimension->text = parser.value(QString::fromLatin1(dimension->name));
    section.freeboard = parser.value("borda-livre");
    section.bankHeight = parser.value("altura");
    section.maxVelocity = parser.value("vmax");
    section.minVelocity = parser.value("vmin");
    section.maxFroude = parser.value("frmax");
    section.maxDepthRatio = parser.value("ymaxd");
    const Outcome<Outputs> outputs = outputsOf(parser, {"obra", "trecho", "responsavel"});
    if (!outputs)
        return Failure{outputs.message()};
    request.outputPath = outputs.value().path;
    request.format =
        outputs.value().format == SizeFormat::Csv ? VerifyFormat::Csv : VerifyFormat::Report;
    // The verified section's freeboard is its own: --borda-livre and --altura are its data.
    request.memo = outputs.value().memo;
    request.memo.freeboard.clear();
    request.memo.bankHeight.clear();
    return request;
}

Outcome<int> runBatch(const QCommandLineParser& parser, const QStringList& positional,
                      Console& console) {
    if (positional.size() < 2)
        return usageError(QStringLiteral("falta o arquivo de ENTRADA do lote."));
    if (positional.size() > 2)
        return usageError(QStringLiteral("argumento a mais: \"%1\".").arg(positional[2]));
    if (const Outcome<> allowed = allowOnly(parser, {"saida"}, QStringLiteral("para o lote"));
        !allowed)
        return Failure{allowed.message()};
    const Outcome<QString> output = outputPath(parser);
    if (!output)
        return Failure{output.message()};
    return runBatchCommand(positional[1], output.value(), console);
}

Outcome<int> runCommand(const QCommandLineParser& parser, Console& console) {
    const QStringList positional = parser.positionalArguments();
    const QString command = positional.value(0);
    if (command == QLatin1String("dimensionar")) {
        const Outcome<SizeRequest> request = sizeRequest(parser, positional);
        if (!request)
            return Failure{request.message()};
        return runSizeCommand(request.value(), console);
    }
    if (command == QLatin1String("verificar")) {
        const Outcome<VerifyRequest> request = verifyRequest(parser, positional);
        if (!request)
            return Failure{request.message()};
        return runVerifyCommand(request.value(), console);
    }
    if (command == QLatin1String("lote"))
        return runBatch(parser, positional, console);
    if (command.isEmpty())
        return usageError(QStringLiteral("falta o comando: dimensionar, verificar ou lote."));
    return usageError(QStringLiteral("comando desconhecido: \"%1\".").arg(command));
}

// The exit status of what the arguments ask for, or why they cannot be run.
Outcome<int> run(const QStringList& arguments, Console& console) {
    QCommandLineParser parser;
    addOptions(parser);
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet("help")) {
        writeLine(console.out, kUsage + optionsHelp());
        return kSuccess;
    }
    if (parser.isSet("version")) {
        writeLine(console.out, QStringLiteral("vazolar %1").arg(QStringLiteral(VAZOLAR_VERSION)));
        return kSuccess;
    }
    if (const Outcome<> once = givenOnce(parser); !once)
        return Failure{once.message()};
    return runCommand(parser, console);
}

} // namespace

bool wantsCommandLine(const QStringList& arguments) {
    if (arguments.size() < 2)
        return false;
    return !isWindowOption(arguments[1]);
}

bool paintsPages(const QStringList& arguments) {
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--memoria") || argument.startsWith("--memoria="))
            return true;
    }
    return false;
}

int runCommandLine(const QStringList& arguments, Console& console) {
    const Outcome<int> outcome = run(arguments, console);
    if (!outcome)
        writeLine(console.err, QStringLiteral("vazolar: %1").arg(outcome.message()));
    const int status = outcome ? outcome.value() : kUsageError;
    if (status == kUsageError)
        writeLine(console.err, kUsage);
    return status;
}

} // namespace vazolar::cli
