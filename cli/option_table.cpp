#include "option_table.h"

#include "channel_text.h"
#include "engine/increment.h"
#include "wording/increment_text.h"
#include "wording/pipe_text.h"

#include <QStringList>

namespace vazolar::cli {

namespace {

constexpr unsigned kSizing = kSizeCommand | kVerifyCommand;
constexpr unsigned kSection = kVerifyCommand | kProfileCommand;
constexpr unsigned kOneReach = kSizing | kProfileCommand;

constexpr OptionSpec kOptions[] = {
    {"i", "TEXTO", kSizing, "declividade I (%)"},
    {"i", "TEXTO", kProfileCommand,
     "declividade I (%): zero no fundo horizontal, negativa na adversa"},
    {"angulo", "TEXTO", kOneReach, "ângulo do talude (°), só no canal trapezoidal"},
    {"n", "TEXTO", kOneReach, "coeficiente de Manning n"},
    {"q", "TEXTO", kSizeCommand | kProfileCommand, "vazão de projeto (m³/s)"},
    {"q", "TEXTO", kVerifyCommand, "vazão de projeto (m³/s): dá a profundidade normal; ou"},
    {"y", "TEXTO", kVerifyCommand, "profundidade (m): dá a vazão que a seção conduz"},
    {"inicial", "TEXTO", kSizeCommand,
     "valor inicial de b, B ou Y (m); não vale no canal circular"},
    {"incremento", "PASSO", kSizeCommand,
     "incremento das tentativas (m), um dos passos da barra: {passos}; {passo} se omitido; "
     "não vale no canal circular"},
    {"b", "TEXTO", kSection, "largura do fundo b (m), no canal trapezoidal"},
    {"B", "TEXTO", kSection, "largura B (m), no canal retangular"},
    {"D", "TEXTO", kSection, "diâmetro D (m), no canal circular; o triangular tem lados 1:1"},
    {"dn", "DN", kVerifyCommand,
     "em vez de --D, o diâmetro nominal (mm) do tubo de concreto, um de {dns} (ABNT NBR "
     "8890:2007, Tabela A.1): --dn 900 é --D 0,90"},
    {"borda-livre", "usbr|METROS|P%", kSizing,
     "regra da borda livre (usbr se omitida; não vale no circular); em dimensionar, a da "
     "memória de cálculo"},
    {"altura", "H", kSizing, "altura total do canal (m), em vez da regra da borda livre"},
    {"altura", "H", kProfileCommand,
     "altura da margem (m), opcional, nas formas abertas: a folga H − y em cada estação e o "
     "trecho em que a água passa da margem; no circular, a folga é D − y"},
    {"y0", "TEXTO|critica", kProfileCommand,
     "profundidade de controle (m): acima de yc, o controle fica a jusante; abaixo, a montante "
     "(abertura de comporta); critica: queda livre ou crista de um degrau"},
    {"comprimento", "L", kProfileCommand, "comprimento do trecho (m)"},
    {"passo", "DX", kProfileCommand, "distância entre as estações (m); L/50 se omitido"},
    {"vmax", "V", kVerifyCommand, "velocidade máxima admissível (m/s)"},
    {"vmin", "V", kVerifyCommand, "velocidade mínima admissível (m/s)"},
    {"frmax", "FR", kVerifyCommand, "número de Froude máximo"},
    {"ymaxd", "R", kVerifyCommand, "y/D máximo, só no circular"},
    {"tauadm", "TAU", kVerifyCommand,
     "tensão admissível do revestimento τadm (Pa): atende se τmáx · FS ≤ τadm; valores típicos de "
     "solos e pedras na FHWA HEC-15 (3ª ed., 2005), Tabela 2.3; revestimentos rígidos, como o "
     "concreto, verificam-se por --vmax"},
    {"fs", "FS", kVerifyCommand,
     "fator de segurança sobre τmáx, só com --tauadm: 1 (sem fator) se omitido; o valor é do "
     "projeto"},
    {"formato", "relatorio|csv", kSizeCommand,
     "relatorio (o padrão): as linhas do relatório que SALVAR grava; csv: a tabela das "
     "tentativas com a análise hidráulica"},
    {"formato", "relatorio|csv", kVerifyCommand,
     "relatorio (o padrão): uma grandeza por linha; csv: um cabeçalho e uma linha"},
    {"saida", "ARQUIVO", kSizeCommand | kVerifyCommand | kProfileCommand,
     "grava em ARQUIVO em vez da saída padrão (o relatório de dimensionar em Windows-1252 com "
     "CR LF, como SALVAR); - é a saída padrão; um pipe ou um dispositivo é escrito "
     "diretamente"},
    {"formato", "relatorio|csv", kProfileCommand,
     "relatorio (o padrão): os dados, a curva, os pontos notáveis e a tabela das estações; "
     "csv: um cabeçalho e uma linha por estação"},
    {"saida", "ARQUIVO", kBatchCommand,
     "grava o resumo em ARQUIVO em vez da saída padrão; - é a saída padrão"},
    {"memoria", "ARQUIVO.pdf", kOneReach,
     "grava também a memória de cálculo em PDF: em dimensionar, com a última tentativa como "
     "seção adotada; em verificar, a seção verificada; em remanso, a seção com a curva"},
    {"obra", "TEXTO", kOneReach, "identificação da obra na memória de cálculo"},
    {"trecho", "TEXTO", kOneReach, "identificação do trecho na memória de cálculo"},
    {"responsavel", "TEXTO", kOneReach, "nome e CREA do responsável, na memória de cálculo"},
};

constexpr qsizetype kHelpColumn = 22;
constexpr qsizetype kWidth = 92;

QString helpText(const OptionSpec& option) {
    return QString::fromUtf8(option.help)
        .replace(QStringLiteral("{passos}"), incrementStepsText())
        .replace(QStringLiteral("{passo}"), incrementText(kScrollDefault))
        .replace(QStringLiteral("{dns}"), pipeDiametersText());
}

QString optionLines(const OptionSpec& option) {
    const QString head =
        QStringLiteral("  --%1 %2")
            .arg(QString::fromLatin1(option.name), QString::fromUtf8(option.value));
    return hangingText(head, helpText(option), kHelpColumn);
}

// The words of the text in lines that start at the column.
QStringList wrapped(const QString& text, qsizetype column) {
    QStringList lines{QString()};
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (!lines.last().isEmpty() && column + lines.last().size() + 1 + word.size() > kWidth)
            lines << QString();
        lines.last() += (lines.last().isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    return lines;
}

} // namespace

QString hangingText(const QString& head, const QString& text, qsizetype column) {
    const QString indent(column, u' ');
    QStringList lines = wrapped(text, column);
    for (QString& line : lines)
        line.prepend(indent);
    if (head.size() < column)
        lines.first().replace(0, head.size(), head);
    else
        lines.prepend(head);
    return lines.join(u'\n') + u'\n';
}

std::span<const OptionSpec> optionTable() {
    return kOptions;
}

unsigned commandsOf(const QString& name) {
    unsigned commands = 0;
    for (const OptionSpec& option : kOptions) {
        if (name == QLatin1String(option.name))
            commands |= option.commands;
    }
    return commands;
}

QString optionsHelp(CommandSet command) {
    QString help;
    for (const OptionSpec& option : kOptions) {
        if (option.commands & command)
            help += optionLines(option);
    }
    return help;
}

} // namespace vazolar::cli
