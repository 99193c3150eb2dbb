#include "io/native_path.h"
#include "test_registry.h"

#include <QTest>

using namespace vazolar::io;

// File names whatever their bytes: the text of a name gives back the very bytes it came from,
// and reads with U+FFFD where a byte is not UTF-8.
class NativePathTest : public QObject {
    Q_OBJECT

private slots:
    void keepsEveryByte_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("readable");
        const QString r = QChar(QChar::ReplacementCharacter);
        QTest::newRow("ASCII") << QByteArray("resumo.csv") << "resumo.csv";
        QTest::newRow("UTF-8") << QByteArray("relat\xC3\xB3rio.csv") << "relatório.csv";
        QTest::newRow("four-byte UTF-8")
            << QByteArray("\xF0\x9F\x8C\x8A.csv") << QString::fromUtf8("\xF0\x9F\x8C\x8A.csv");
        QTest::newRow("Latin-1") << QByteArray("relat\xF3rio.csv") << "relat" + r + "rio.csv";
        QTest::newRow("overlong slash") << QByteArray("a\xC0\xAF"
                                                      "b")
                                        << "a" + r + r + "b";
        QTest::newRow("encoded surrogate") << QByteArray("\xED\xA0\x80") << r + r + r;
        QTest::newRow("beyond U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << r + r + r + r;
        QTest::newRow("cut at the end") << QByteArray("a\xE2\x82") << "a" + r + r;
        QTest::newRow("after a four-byte character")
            << QByteArray("\xF0\x9F\x8C\x8A\xE7") << QString::fromUtf8("\xF0\x9F\x8C\x8A") + r;
        QTest::newRow("the kept bytes' own UTF-8") << QByteArray("\xED\xB3\xA7") << r + r + r;
    }
    void keepsEveryByte() {
        QFETCH(QByteArray, name);
        QFETCH(QString, readable);
        const QString text = pathFromNative(name);
        QCOMPARE(nativePath(text), name);
        QCOMPARE(readablePath(text), readable);
    }
};

VAZOLAR_TEST(NativePathTest);
#include "tst_native_path.moc"
