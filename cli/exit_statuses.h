#pragma once

#include "option_table.h"

#include <QString>

#include <span>

namespace vazolar::cli {

// What one exit status means for the commands it is written for.
struct StatusMeaning {
    int status;
    unsigned commands;   // CommandSet
    const char* meaning; // one sentence, as --help and the manual page print it
};

// Every status of every command, in the order --help lists them.
std::span<const StatusMeaning> statusMeanings();

// The "Status de saída" part of --help, command by command.
QString statusHelp();

} // namespace vazolar::cli
