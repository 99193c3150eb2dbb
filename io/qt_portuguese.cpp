#include "qt_portuguese.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace vazolar::io {

bool installQtPortuguese(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_pt_BR"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace vazolar::io
