#pragma once

#include "option_table.h"

#include <QString>

#include <span>

namespace vazolar::cli {

// One command of the command line: its name, what follows it in the usage and what it does.
struct CommandSpec {
    CommandSet command;
    const char* name;      // "dimensionar"
    const char* arguments; // "FORMA [opções]"
    const char* summary;   // "dimensiona um canal"
};

std::span<const CommandSpec> commandTable();

// The names of the commands in the set, in the table's order, joined by the words given.
QString commandNames(unsigned commands, const QString& joiner);

// The usage lines: the windows, each command, --help and --version.
QString usageText();

} // namespace vazolar::cli
