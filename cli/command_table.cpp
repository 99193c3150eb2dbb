#include "command_table.h"

#include <QStringList>

namespace vazolar::cli {

namespace {

constexpr CommandSpec kCommands[] = {
    {kSizeCommand, "dimensionar", "FORMA [opções]", "dimensiona um canal"},
    {kVerifyCommand, "verificar", "FORMA [opções]", "verifica a seção adotada"},
    {kBatchCommand, "lote", "ENTRADA.csv [--saida RESUMO.csv]",
     "dimensiona os canais de um arquivo CSV"},
    {kProfileCommand, "remanso", "FORMA [opções]", "calcula a curva de remanso de um trecho"},
};

constexpr qsizetype kSummaryColumn = 41;

QString usageLine(const QString& head, const QString& summary) {
    if (head.size() < kSummaryColumn)
        return head.leftJustified(kSummaryColumn) + summary + u'\n';
    return head + u'\n' + QString(kSummaryColumn, u' ') + summary + u'\n';
}

} // namespace

std::span<const CommandSpec> commandTable() {
    return kCommands;
}

QString commandNames(unsigned commands, const QString& joiner) {
    QStringList names;
    for (const CommandSpec& spec : kCommands) {
        if (commands & spec.command)
            names << QString::fromLatin1(spec.name);
    }
    return names.join(joiner);
}

QString usageText() {
    QString usage = QStringLiteral("Uso:\n") +
                    usageLine(QStringLiteral("  vazolar"), QStringLiteral("abre as janelas"));
    for (const CommandSpec& spec : kCommands)
        usage +=
            usageLine(QStringLiteral("  vazolar %1 %2")
                          .arg(QString::fromLatin1(spec.name), QString::fromUtf8(spec.arguments)),
                      QString::fromUtf8(spec.summary));
    return usage + QStringLiteral("  vazolar --help | --version");
}

} // namespace vazolar::cli
