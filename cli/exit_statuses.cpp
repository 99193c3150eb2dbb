#include "exit_statuses.h"

#include "command_table.h"
#include "console.h"

namespace vazolar::cli {

namespace {

constexpr unsigned kOneChannel = kSizeCommand | kVerifyCommand;
constexpr unsigned kEveryCommand = kOneChannel | kBatchCommand | kProfileCommand;

constexpr StatusMeaning kMeanings[] = {
    {kSuccess, kSizeCommand, "o canal foi dimensionado e tudo foi gravado."},
    {kSuccess, kVerifyCommand,
     "a seção foi verificada e tudo foi gravado, mesmo que um limite não seja atendido."},
    {kSuccess, kBatchCommand, "todos os canais foram dimensionados e o resumo foi gravado."},
    {kSuccess, kProfileCommand, "a curva de remanso foi calculada e tudo foi gravado."},
    {kFailure, kSizeCommand,
     "o canal não pôde ser dimensionado, e nada foi gravado; com uma vazão de projeto negativa, "
     "que não dá nenhuma tentativa, o relatório vazio é gravado."},
    {kFailure, kVerifyCommand,
     "a seção não pôde ser verificada, e nada foi gravado; no formato csv, a linha que traz o "
     "motivo na coluna erro é gravada."},
    {kFailure, kBatchCommand,
     "o resumo foi gravado, mas uma ou mais linhas trazem erro, ou parte da entrada não pôde "
     "ser lida como canais."},
    {kFailure, kProfileCommand, "a curva de remanso não pôde ser calculada, e nada foi gravado."},
    {kUsageError, kEveryCommand, "uso incorreto: nada foi gravado."},
    {kFileError, kEveryCommand,
     "um arquivo não pôde ser lido ou gravado: esse arquivo não foi gravado, e o que já existia "
     "ficou como estava; a memória de cálculo é gravada antes da outra saída, e fica se a outra "
     "saída falhar depois."},
};

QString commandsText(unsigned commands) {
    if (commands == kEveryCommand)
        return QString::fromUtf8("todos os comandos");
    return commandNames(commands, QStringLiteral(" e "));
}

} // namespace

std::span<const StatusMeaning> statusMeanings() {
    return kMeanings;
}

QString statusHelp() {
    constexpr qsizetype kMeaningColumn = 5;
    QString help = QString::fromUtf8("Status de saída:\n");
    for (const StatusMeaning& meaning : kMeanings)
        help += hangingText(QStringLiteral("  %1").arg(meaning.status),
                            commandsText(meaning.commands) + QStringLiteral(": ") +
                                QString::fromUtf8(meaning.meaning),
                            kMeaningColumn);
    help.chop(1);
    return help;
}

} // namespace vazolar::cli
