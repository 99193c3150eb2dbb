#include "application_setup.h"

#include "io/qt_portuguese.h"
#include "reports/typeface.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLocale>

namespace vazolar {

void setUpApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("VAZOLAR"));
    QApplication::setApplicationVersion(QStringLiteral(VAZOLAR_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/vazolar.svg")));
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    io::installQtPortuguese(app);
    // Fontconfig usually maps Times New Roman to Liberation Serif by itself; this covers
    // systems where it does not.
    QFont::insertSubstitution(kTypeface, QStringLiteral("Liberation Serif"));
}

} // namespace vazolar
