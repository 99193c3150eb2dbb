#include "reports/report_encoding.h"
#include "test_registry.h"

#include <QTest>

using namespace vazolar::reports;

class ReportEncodingTest : public QObject {
    Q_OBJECT

private slots:
    void lineEnds_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("no line") << QStringList{} << QByteArray();
        QTest::newRow("one empty line") << QStringList{""} << QByteArray("\r\n");
        QTest::newRow("last line ends too")
            << QStringList{"a b", "", "  c"} << QByteArray("a b\r\n\r\n  c\r\n");
    }
    void lineEnds() {
        QFETCH(QStringList, lines);
        QFETCH(QByteArray, bytes);
        QCOMPARE(encodeReport(lines), bytes);
    }

    // One byte per character the code page holds, '?' for one it lacks.
    void characters_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("é") << "é" << QByteArray("\xE9");
        QTest::newRow("ç") << "ç" << QByteArray("\xE7");
        QTest::newRow("ã") << "ã" << QByteArray("\xE3");
        QTest::newRow("ô") << "ô" << QByteArray("\xF4");
        QTest::newRow("°") << "°" << QByteArray("\xB0");
        QTest::newRow("²") << "²" << QByteArray("\xB2");
        QTest::newRow("³") << "³" << QByteArray("\xB3");
        QTest::newRow("ÿ") << "ÿ" << QByteArray("\xFF");
        QTest::newRow("€") << "€" << QByteArray("\x80");
        QTest::newRow("Ÿ") << "Ÿ" << QByteArray("\x9F");
        QTest::newRow("—") << "—" << QByteArray("\x97");
        QTest::newRow("ł") << "ł" << QByteArray("?");
        QTest::newRow("→") << "→" << QByteArray("?");
        QTest::newRow("C1 control") << QString(QChar(0x81)) << QByteArray("?");
        QTest::newRow("beyond 16 bits") << QString::fromUtf8("a\U0001F600b") << QByteArray("a?b");
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?");
        QTest::newRow("mixed") << "Q(m³/s) → Método" << QByteArray("Q(m\xB3/s) ? M\xE9todo");
    }
    void characters() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(encodeReport({text}), bytes + "\r\n");
    }
};

VAZOLAR_TEST(ReportEncodingTest);
#include "tst_report_encoding.moc"
