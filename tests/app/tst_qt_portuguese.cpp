#include "ci_skip.h"
#include "io/qt_portuguese.h"
#include "test_registry.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTest>
#include <QTranslator>

using namespace vazolar;

class QtPortugueseTest : public QObject {
    Q_OBJECT

private slots:
    // Leaves Qt in English for the other tests.
    void cleanup() { qDeleteAll(qApp->findChildren<QTranslator*>()); }

    void qtSpeaksBrazilianPortuguese() {
        const QString translations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        if (!QFile::exists(translations + QStringLiteral("/qtbase_pt_BR.qm")))
            VAZOLAR_SKIP_WITHOUT(
                "Qt's Portuguese translations (Debian package qt6-translations-l10n) are "
                "not installed");
        QVERIFY(io::installQtPortuguese(*qApp));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Save As"),
                 QStringLiteral("Salvar como"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                 QStringLiteral("Cancelar"));
    }
};

VAZOLAR_TEST(QtPortugueseTest);
#include "tst_qt_portuguese.moc"
