#pragma once

class QCoreApplication;

namespace vazolar::io {

// Makes Qt's own texts (dialog buttons, the save and print dialogs) Brazilian Portuguese, with
// the translations installed beside Qt. False when they are not installed: Qt then speaks
// English and everything else works the same.
bool installQtPortuguese(QCoreApplication& app);

} // namespace vazolar::io
