#include "engine/increment.h"
#include "test_registry.h"
#include "wording/increment_text.h"

#include <QTest>

using namespace vazolar;

class IncrementTest : public QObject {
    Q_OBJECT

private slots:
    // Thousandths up to 10, hundredths after it: the ends and the change of step.
    void followsTheScrollBar_data() {
        QTest::addColumn<int>("scrollValue");
        QTest::addColumn<double>("increment");
        QTest::addColumn<QString>("text");
        QTest::newRow("first") << 1 << 0.001 << "0,001";
        QTest::newRow("last thousandths") << 9 << 0.009 << "0,009";
        QTest::newRow("opening value") << 10 << 0.010 << "0,01";
        QTest::newRow("first hundredths") << 11 << 0.02 << "0,02";
        QTest::newRow("last") << 19 << 0.10 << "0,1";
    }
    void followsTheScrollBar() {
        QFETCH(int, scrollValue);
        QFETCH(double, increment);
        QFETCH(QString, text);
        QCOMPARE(incrementForScroll(scrollValue), increment);
        QCOMPARE(incrementText(scrollValue), text);
    }
};

VAZOLAR_TEST(IncrementTest);
#include "tst_increment.moc"
