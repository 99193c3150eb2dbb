#pragma once

#include "command_line.h"

// The command line run as the program: the application it needs (a windowless one, or one on
// the offscreen platform where it paints a memo), signals and broken pipes handled, Qt's texts
// in Portuguese, the real standard output and error, and the status the program ends with.
namespace vazolar::cli {

int startCommandLine(int argc, char** argv, const CommandLine& commandLine);

} // namespace vazolar::cli
