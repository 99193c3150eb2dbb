#pragma once

class QApplication;

namespace vazolar {

// Everything the application object needs before the first window opens: its name and icon,
// Brazilian Portuguese whatever the machine's language, and Times New Roman or its metric twin.
void setUpApplication(QApplication& app);

} // namespace vazolar
