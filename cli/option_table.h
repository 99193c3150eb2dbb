#pragma once

#include <QString>

#include <span>

namespace vazolar::cli {

// The commands an option belongs to.
enum CommandSet : unsigned {
    kSizeCommand = 1,
    kVerifyCommand = 2,
    kBatchCommand = 4,
    kProfileCommand = 8,
};

// One option of the command line: its name (`--name`), what its value is called in the usage
// text, the commands that take it and what it does there. An option that means something
// else in another command has a row for each.
struct OptionSpec {
    const char* name;
    const char* value;
    unsigned commands;
    // "{passos}" and "{passo}": the increment's steps and its default; "{dns}": the pipes' DN
    const char* help;
};

std::span<const OptionSpec> optionTable();

// The commands that take the option named; none for an unknown name.
unsigned commandsOf(const QString& name);

// The text in lines of the help's width that start at the column, the head before it on the
// first line (or on a line of its own, where it reaches the column).
QString hangingText(const QString& head, const QString& text, qsizetype column);

// The usage lines of a command's options, from the table, wrapped to the terminal's 80
// columns and then some.
QString optionsHelp(CommandSet command);

} // namespace vazolar::cli
