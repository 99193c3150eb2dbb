#pragma once

class QApplication;

namespace vazolar {

// Opens the splash window and runs until the last window closes; returns the exit status.
int runProgram(QApplication& app);

} // namespace vazolar
