#include "command_line.h"

#include "batch_line.h"
#include "channel_text.h"
#include "command_table.h"
#include "exit_statuses.h"
#include "io/file_identity.h"
#include "option_table.h"
#include "window_options.h"
#include "wording/adopted_request.h"
#include "wording/echoed_text.h"
#include "wording/field_characters.h"
#include "wording/number_text.h"
#include "wording/pipe_text.h"
#include "wording/shape_description.h"
#include "wording/trial_rows.h"

#include <QCommandLineParser>

#include <unistd.h>

namespace vazolar::cli {

namespace {

// What --help writes after the usage: each command's options, from the table that defines
// them, and the exit statuses.
QString optionsHelp() {
    return QString::fromUtf8("\n\nFORMA: %1.\n\n").arg(shapeNamesText()) +
           QString::fromUtf8("Opções de dimensionar (os valores como se digitam no formulário, "
                             "com a vírgula decimal):\n") +
           optionsHelp(kSizeCommand) +
           QString::fromUtf8("\nOpções de verificar (a seção adotada, que se constrói):\n") +
           optionsHelp(kVerifyCommand) +
           QString::fromUtf8("\nlote: a primeira linha do CSV (separado por ;) nomeia as colunas\n"
                             "%1; cada linha seguinte é um canal; - lê a entrada padrão.\n")
               .arg(inputColumnNames().join(u';')) +
           optionsHelp(kBatchCommand) +
           QString::fromUtf8("\nOpções de remanso (a seção adotada, a vazão e o trecho a partir "
                             "do controle):\n") +
           optionsHelp(kProfileCommand) + u'\n' + statusHelp();
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

QString quoted(const QString& value) {
    return u'"' + echoedValue(value) + u'"';
}

// An option given twice would leave one of its values unread.
Outcome<> givenOnce(const QCommandLineParser& parser) {
    for (const QString& name : optionNames()) {
        if (parser.values(name).size() > 1)
            return usageError(QStringLiteral("a opção --%1 foi dada mais de uma vez.").arg(name));
    }
    return {};
}

// The options a command may be given; any other that is set is a usage error, which says
// whose option it is where it belongs to another command.
Outcome<> allowOnly(const QCommandLineParser& parser, const QStringList& allowed,
                    CommandSet command, const QString& where) {
    for (const QString& name : optionNames()) {
        if (!parser.isSet(name) || allowed.contains(name))
            continue;
        const unsigned owners = commandsOf(name);
        if (!(owners & command))
            return usageError(QStringLiteral("a opção --%1 é de %2, não de %3.")
                                  .arg(name, commandNames(owners, QStringLiteral(" e de ")),
                                       commandNames(command, QString())));
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
        return usageError(QStringLiteral("argumento a mais: %1.").arg(quoted(positional[2])));
    const std::optional<Shape> shape = shapeNamed(positional[1]);
    if (!shape)
        return usageError(QStringLiteral("forma desconhecida: %1; use %2.")
                              .arg(quoted(positional[1]), shapeNamesText()));
    return *shape;
}

QString shapeWhere(Shape shape) {
    return QStringLiteral("para o canal %1").arg(shapeName(shape));
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
    const Outcome<QString> typed = typedFieldText("--incremento", parser.value("incremento"));
    if (!typed)
        return usageError(typed.message());
    const QString text = typed.value();
    const std::optional<int> scroll = scrollValueForIncrement(text);
    if (!scroll || (parser.isSet("incremento") && text.isEmpty()))
        return usageError(QStringLiteral("incremento inválido: %1; use um dos passos: %2.")
                              .arg(quoted(text), incrementStepsText()));
    return *scroll;
}

Outcome<SizeFormat> sizeFormat(const QCommandLineParser& parser) {
    const QString format = parser.isSet("formato") ? parser.value("formato") : "relatorio";
    if (format == QLatin1String("csv"))
        return SizeFormat::Csv;
    if (format == QLatin1String("relatorio"))
        return SizeFormat::Report;
    return usageError(
        QStringLiteral("formato desconhecido: %1; use relatorio ou csv.").arg(quoted(format)));
}

// --borda-livre and --altura as the freeboard they give: "usbr" or nothing, a share of the
// depth ("20%"), a height in metres ("0,30"), or the bank height H.
FreeboardText freeboardOption(const QCommandLineParser& parser) {
    if (const QString height = parser.value("altura"); !height.isEmpty())
        return {FreeboardRule::BankHeight, height};
    const QString rule = parser.value("borda-livre").trimmed();
    if (rule.isEmpty() || rule.compare(QLatin1String("usbr"), Qt::CaseInsensitive) == 0)
        return {FreeboardRule::Usbr, QString()};
    if (rule.endsWith(u'%'))
        return {FreeboardRule::DepthShare, rule.chopped(1)};
    return {FreeboardRule::Height, rule};
}

// A freeboard rule or a bank height, never both: each sets the bank.
Outcome<> oneBankRule(const QCommandLineParser& parser) {
    if (parser.isSet("borda-livre") && parser.isSet("altura"))
        return usageError(QStringLiteral("dê --borda-livre (a regra da borda livre) ou --altura "
                                         "(a altura total), uma das duas."));
    return {};
}

// The memo's options; they need --memoria, which names a file of its own.
Outcome<MemoRequest> memoRequest(const QCommandLineParser& parser,
                                 const QStringList& dependentOptions) {
    for (const QString& name : dependentOptions) {
        if (parser.isSet(name) && !parser.isSet("memoria"))
            return usageError(QStringLiteral("a opção --%1 só vale com --memoria.").arg(name));
    }
    if (parser.isSet("memoria") && parser.value("memoria").isEmpty())
        return usageError(QStringLiteral("falta o ARQUIVO de --memoria."));
    if (parser.value("memoria") == QLatin1String("-"))
        return usageError(QString::fromUtf8("a memória de cálculo é um PDF e vai para um arquivo: "
                                            "- (a saída padrão) não vale em --memoria."));
    return MemoRequest{parser.value("memoria"),
                       {parser.value("obra"), parser.value("trecho"), parser.value("responsavel")},
                       freeboardOption(parser)};
}

// The file an output goes to: the path's, or standard output's.
std::optional<io::FileIdentity> outputIdentity(const QString& path) {
    return path.isEmpty() ? io::descriptorIdentity(STDOUT_FILENO) : io::fileIdentity(path);
}

// Two outputs of one command on one file would leave only the later one.
Outcome<> distinctOutputs(const QString& memoPath, const QString& outputPath) {
    if (memoPath.isEmpty() || !io::sameFile(io::fileIdentity(memoPath), outputIdentity(outputPath)))
        return {};
    return usageError(
        QString::fromUtf8("--memoria e --saida são o mesmo arquivo (%1): cada "
                          "saída precisa do seu arquivo.")
            .arg(quoted(outputPath.isEmpty() ? QStringLiteral("saída padrão") : outputPath)));
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
        return path.failure();
    const Outcome<SizeFormat> format = sizeFormat(parser);
    if (!format)
        return format.failure();
    const Outcome<MemoRequest> memo = memoRequest(parser, memoDependents);
    if (!memo)
        return memo.failure();
    if (const Outcome<> distinct = distinctOutputs(memo.value().path, path.value()); !distinct)
        return distinct.failure();
    return Outputs{path.value(), format.value(), memo.value()};
}

// The options of the shape's fields of a group, in the table's order.
QStringList fieldOptions(Shape shape, FieldGroup group) {
    QStringList options;
    for (const AdoptedFieldSpec& field : adoptedFields()) {
        if (field.group == group && field.takenBy(shape))
            options << QString::fromLatin1(field.option);
    }
    return options;
}

const QStringList kMemoOptions{"memoria", "obra", "trecho", "responsavel"};

Outcome<SizeRequest> sizeRequest(const QCommandLineParser& parser, const QStringList& positional) {
    const Outcome<Shape> shape = shapeArgument(positional);
    if (!shape)
        return shape.failure();
    const QStringList options = optionsOf(shape.value());
    QStringList memoOptions{"obra", "trecho", "responsavel"};
    memoOptions << fieldOptions(shape.value(), FieldGroup::Bank);
    const Outcome<> allowed =
        allowOnly(parser, options + memoOptions + QStringList{"saida", "formato", "memoria"},
                  kSizeCommand, shapeWhere(shape.value()));
    if (!allowed)
        return allowed.failure();
    if (const Outcome<> bank = oneBankRule(parser); !bank)
        return bank.failure();
    const Outcome<SizingInput> input = fieldTexts(parser, shape.value());
    if (!input)
        return input.failure();
    SizeRequest request;
    request.input = input.value();
    if (options.contains("incremento")) {
        const Outcome<int> scroll = incrementScroll(parser);
        if (!scroll)
            return scroll.failure();
        request.input.scrollValue = scroll.value();
    }
    const Outcome<Outputs> outputs = outputsOf(parser, memoOptions);
    if (!outputs)
        return outputs.failure();
    request.outputPath = outputs.value().path;
    request.format = outputs.value().format;
    request.memo = outputs.value().memo;
    return request;
}

// The circle's D may be given instead as the DN of a concrete pipe.
const QString kPipeOption = QStringLiteral("dn");

// The options of `verificar` that a shape takes: its fields and the output.
QStringList verifyOptions(Shape shape) {
    QStringList options{"saida", "formato"};
    options << kMemoOptions;
    for (const AdoptedFieldSpec& field : adoptedFields()) {
        if (field.takenBy(shape))
            options << QString::fromLatin1(field.option);
    }
    if (builtOfPipes(shape))
        options << kPipeOption;
    return options;
}

// --dn: one of the pipes listed, and in place of --D. A DN not listed is a usage error, as a
// step of --incremento not on the bar: the sizes are a list to pick from, not a number to
// read.
Outcome<> pipeUsage(const QCommandLineParser& parser) {
    if (!parser.isSet(kPipeOption))
        return {};
    if (parser.isSet("D"))
        return usageError(QStringLiteral("dê --D (o diâmetro em metros) ou --dn (o DN do tubo de "
                                         "concreto), um dos dois."));
    if (!pipeNamed(parser.value(kPipeOption)))
        return usageError(
            QString::fromUtf8("--dn %1 não é um DN da %2; use %3.")
                .arg(quoted(parser.value(kPipeOption)), pipeTableCitation(), pipeDiametersText()));
    return {};
}

// Whether the option that gives the field was given: D also by --dn.
bool fieldGiven(const QCommandLineParser& parser, AdoptedField id, const char* option) {
    return parser.isSet(QString::fromLatin1(option)) ||
           (id == AdoptedField::Dimension && parser.isSet(kPipeOption));
}

// A limit as typed, when it reads as a number.
std::optional<double> limitValue(const QCommandLineParser& parser, const QString& name) {
    const Outcome<QString> typed = typedFieldText(name, parser.value(name));
    if (!typed || typed.value().isEmpty())
        return std::nullopt;
    try {
        return parseFieldNumber(typed.value(), Field::None);
    } catch (const SizingError&) {
        return std::nullopt;
    }
}

// No velocity can be at once below --vmax and above a greater --vmin.
Outcome<> consistentVelocities(const QCommandLineParser& parser) {
    const std::optional<double> least = limitValue(parser, "vmin");
    const std::optional<double> most = limitValue(parser, "vmax");
    if (least && most && *least > *most)
        return usageError(QString::fromUtf8("--vmin (%1 m/s) é maior que --vmax (%2 m/s): "
                                            "nenhuma velocidade atende aos dois.")
                              .arg(echoedValue(parser.value("vmin").trimmed()),
                                   echoedValue(parser.value("vmax").trimmed())));
    return {};
}

Outcome<> verifyUsage(const QCommandLineParser& parser, Shape shape) {
    if (const Outcome<> allowed =
            allowOnly(parser, verifyOptions(shape), kVerifyCommand, shapeWhere(shape));
        !allowed)
        return allowed;
    if (const Outcome<> pipe = pipeUsage(parser); !pipe)
        return pipe;
    for (const AdoptedFieldSpec& field : adoptedFields()) {
        if (field.requiredBy(shape) && !fieldGiven(parser, field.id, field.option))
            return usageError(
                QStringLiteral("falta a opção --%1.").arg(QString::fromLatin1(field.option)));
    }
    if (parser.isSet("q") == parser.isSet("y"))
        return usageError(QStringLiteral("dê --q (a vazão de projeto) ou --y (a profundidade), "
                                         "uma das duas."));
    if (parser.isSet("fs") && !parser.isSet("tauadm"))
        return usageError(QStringLiteral("a opção --fs só vale com --tauadm."));
    if (const Outcome<> bank = oneBankRule(parser); !bank)
        return bank;
    return consistentVelocities(parser);
}

AdoptedRequest adoptedSection(const QCommandLineParser& parser, Shape shape) {
    AdoptedRequest section;
    section.shape = shape;
    for (const AdoptedFieldSpec& field : adoptedFields()) {
        if (field.takenBy(shape) && field.text)
            section.*field.text = parser.value(QString::fromLatin1(field.option));
    }
    if (const std::optional<int> pipe = pipeNamed(parser.value(kPipeOption)))
        section.diameter = pipeMetresText(*pipe);
    section.freeboard = freeboardOption(parser);
    return section;
}

Outcome<VerifyRequest> verifyRequest(const QCommandLineParser& parser,
                                     const QStringList& positional) {
    const Outcome<Shape> shape = shapeArgument(positional);
    if (!shape)
        return shape.failure();
    if (const Outcome<> usage = verifyUsage(parser, shape.value()); !usage)
        return usage.failure();
    VerifyRequest request;
    request.section = adoptedSection(parser, shape.value());
    const Outcome<Outputs> outputs = outputsOf(parser, {"obra", "trecho", "responsavel"});
    if (!outputs)
        return outputs.failure();
    request.outputPath = outputs.value().path;
    request.format =
        outputs.value().format == SizeFormat::Csv ? VerifyFormat::Csv : VerifyFormat::Report;
    // The verified section's freeboard is its own: --borda-livre and --altura are its data.
    request.memo = outputs.value().memo;
    request.memo.freeboard = {};
    return request;
}

// The fields of `remanso` that a shape takes: the section and its flow (the discharge, not a
// depth), and the bank's height.
bool profileTakes(const AdoptedFieldSpec& field, Shape shape) {
    const bool sectionField = field.group == FieldGroup::Section && field.id != AdoptedField::Depth;
    return field.takenBy(shape) && (sectionField || field.id == AdoptedField::BankHeight);
}

Outcome<> profileUsage(const QCommandLineParser& parser, Shape shape) {
    QStringList allowed = QStringList{"saida", "formato"} + kMemoOptions;
    for (const ProfileFieldSpec& field : profileFields())
        allowed << QString::fromLatin1(field.option);
    for (const AdoptedFieldSpec& field : adoptedFields()) {
        if (profileTakes(field, shape))
            allowed << QString::fromLatin1(field.option);
    }
    if (const Outcome<> only = allowOnly(parser, allowed, kProfileCommand, shapeWhere(shape));
        !only)
        return only;
    // The section's fields as verificar requires them, and the discharge, which a profile
    // needs; the control and the length.
    QStringList required;
    for (const AdoptedFieldSpec& field : adoptedFields()) {
        if (field.requiredBy(shape) || field.id == AdoptedField::Discharge)
            required << QString::fromLatin1(field.option);
    }
    for (const ProfileFieldSpec& field : profileFields()) {
        if (field.required)
            required << QString::fromLatin1(field.option);
    }
    for (const QString& name : required) {
        if (!parser.isSet(name))
            return usageError(QStringLiteral("falta a opção --%1.").arg(name));
    }
    return {};
}

ProfileTexts profileTexts(const QCommandLineParser& parser, Shape shape) {
    ProfileTexts texts;
    texts.section.shape = shape;
    for (const AdoptedFieldSpec& field : adoptedFields()) {
        if (!profileTakes(field, shape))
            continue;
        const QString value = parser.value(QString::fromLatin1(field.option));
        if (field.text)
            texts.section.*field.text = value;
        else if (field.id == AdoptedField::BankHeight)
            texts.bankHeight = value;
    }
    for (const ProfileFieldSpec& field : profileFields())
        texts.*field.text = parser.value(QString::fromLatin1(field.option));
    // "critica": the critical depth of a free overfall in place of a depth.
    texts.criticalControl =
        texts.controlDepth.trimmed().compare(QLatin1String("critica"), Qt::CaseInsensitive) == 0;
    if (texts.criticalControl)
        texts.controlDepth.clear();
    return texts;
}

Outcome<ProfileCommandRequest> profileRequest(const QCommandLineParser& parser,
                                              const QStringList& positional) {
    const Outcome<Shape> shape = shapeArgument(positional);
    if (!shape)
        return shape.failure();
    if (const Outcome<> usage = profileUsage(parser, shape.value()); !usage)
        return usage.failure();
    const Outcome<Outputs> outputs = outputsOf(parser, {"obra", "trecho", "responsavel"});
    if (!outputs)
        return outputs.failure();
    ProfileCommandRequest request;
    request.texts = profileTexts(parser, shape.value());
    request.outputPath = outputs.value().path;
    request.format =
        outputs.value().format == SizeFormat::Csv ? ProfileFormat::Csv : ProfileFormat::Report;
    request.memo = outputs.value().memo;
    request.memo.freeboard = {};
    return request;
}

std::optional<io::FileIdentity> inputIdentity(const QString& path) {
    return path == QLatin1String("-") ? io::descriptorIdentity(STDIN_FILENO)
                                      : io::fileIdentity(path);
}

Outcome<BatchRequest> batchRequest(const QCommandLineParser& parser,
                                   const QStringList& positional) {
    if (positional.size() < 2)
        return usageError(QStringLiteral("falta o arquivo de ENTRADA do lote."));
    if (positional.size() > 2)
        return usageError(QStringLiteral("argumento a mais: %1.").arg(quoted(positional[2])));
    if (const Outcome<> allowed =
            allowOnly(parser, {"saida"}, kBatchCommand, QStringLiteral("para o lote"));
        !allowed)
        return allowed.failure();
    const Outcome<QString> output = outputPath(parser);
    if (!output)
        return output.failure();
    const QString input = positional[1];
    // A summary written over its own input would take the channels' names with it.
    if (io::sameFile(inputIdentity(input), outputIdentity(output.value())))
        return usageError(QString::fromUtf8("a saída do lote é o próprio arquivo de ENTRADA "
                                            "(%1): grave o resumo em outro arquivo.")
                              .arg(quoted(input)));
    return BatchRequest{input, output.value()};
}

template <typename T> Outcome<CommandLine::Request> asRequest(const Outcome<T>& request) {
    if (!request)
        return request.failure();
    return CommandLine::Request{request.value()};
}

// The request the arguments make, or why they cannot be run.
Outcome<CommandLine::Request> readRequest(const QStringList& arguments) {
    QCommandLineParser parser;
    addOptions(parser);
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet("help"))
        return CommandLine::Request{HelpRequest{}};
    if (parser.isSet("version"))
        return CommandLine::Request{VersionRequest{}};
    if (const Outcome<> once = givenOnce(parser); !once)
        return once.failure();
    const QStringList positional = parser.positionalArguments();
    const QString command = positional.value(0);
    if (command == QLatin1String("dimensionar"))
        return asRequest(sizeRequest(parser, positional));
    if (command == QLatin1String("verificar"))
        return asRequest(verifyRequest(parser, positional));
    if (command == QLatin1String("lote"))
        return asRequest(batchRequest(parser, positional));
    if (command == QLatin1String("remanso"))
        return asRequest(profileRequest(parser, positional));
    if (command.isEmpty())
        return usageError(QStringLiteral("falta o comando: %1.")
                              .arg(commandNames(kSizeCommand | kVerifyCommand | kBatchCommand,
                                                QStringLiteral(", ")) +
                                   QStringLiteral(" ou ") +
                                   commandNames(kProfileCommand, QString())));
    return usageError(QStringLiteral("comando desconhecido: %1.").arg(quoted(command)));
}

} // namespace

CommandLine::CommandLine(const QStringList& arguments) : request_(readRequest(arguments)) {}

bool CommandLine::paints() const {
    if (!request_)
        return false;
    if (const auto* size = std::get_if<SizeRequest>(&request_.value()))
        return !size->memo.path.isEmpty();
    if (const auto* verify = std::get_if<VerifyRequest>(&request_.value()))
        return !verify->memo.path.isEmpty();
    if (const auto* profile = std::get_if<ProfileCommandRequest>(&request_.value()))
        return !profile->memo.path.isEmpty();
    return false;
}

namespace {

struct Runner {
    Console& console;

    int operator()(const HelpRequest&) const {
        writeLine(console.out, usageText() + optionsHelp());
        return kSuccess;
    }
    int operator()(const VersionRequest&) const {
        writeLine(console.out, QStringLiteral("vazolar %1").arg(QStringLiteral(VAZOLAR_VERSION)));
        return kSuccess;
    }
    int operator()(const SizeRequest& request) const { return runSizeCommand(request, console); }
    int operator()(const VerifyRequest& request) const {
        return runVerifyCommand(request, console);
    }
    int operator()(const BatchRequest& request) const {
        return runBatchCommand(request.inputPath, request.outputPath, console);
    }
    int operator()(const ProfileCommandRequest& request) const {
        return runProfileCommand(request, console);
    }
};

} // namespace

int CommandLine::run(Console& console) const {
    if (!request_) {
        writeLine(console.err, QStringLiteral("vazolar: %1").arg(request_.message()));
        writeLine(console.err, usageText());
        return kUsageError;
    }
    return std::visit(Runner{console}, request_.value());
}

bool wantsCommandLine(const QStringList& arguments) {
    if (arguments.size() < 2)
        return false;
    return !isWindowOption(arguments[1]);
}

int runCommandLine(const QStringList& arguments, Console& console) {
    return CommandLine(arguments).run(console);
}

} // namespace vazolar::cli
