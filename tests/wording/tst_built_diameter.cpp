#include "test_registry.h"
#include "wording/number_text.h"
#include "wording/pipe_text.h"
#include "wording/trial_adoption.h"

#include <QTest>

using namespace vazolar;

// The diameter an adopted circle is prefilled with: the smallest concrete pipe not below the
// sized D, the centimetre above the largest; and the memo's line naming the pipe.
class BuiltDiameterTest : public QObject {
    Q_OBJECT

private slots:
    void smallestPipeNotBelow_data() {
        QTest::addColumn<double>("sized");
        QTest::addColumn<QString>("built");
        QTest::addColumn<QString>("pipe"); // the memo's DN; empty where none
        QTest::newRow("below the smallest") << 0.19 << "0,20"
                                            << "DN 200";
        QTest::newRow("on the smallest") << 0.2 << "0,20"
                                         << "DN 200";
        QTest::newRow("worked circle") << 0.8896 << "0,90"
                                       << "DN 900";
        QTest::newRow("just past DN 1200") << 1.2001 << "1,30"
                                           << "DN 1300";
        QTest::newRow("on the largest") << 2.0 << "2,00"
                                        << "DN 2000";
        QTest::newRow("past the largest") << 2.01 << "2,01"
                                          << "";
    }
    void smallestPipeNotBelow() {
        QFETCH(double, sized);
        QFETCH(QString, built);
        QFETCH(QString, pipe);
        QCOMPARE(builtDiameterText(sized), built);
        const Section adopted = CircleSection{parseFieldNumber(built, Field::None)};
        QCOMPARE(pipeLine(adopted).value_or(QString()).section(u' ', 3, 4), pipe);
        QCOMPARE(noPipeLargeEnoughNote(adopted).isEmpty(), !pipe.isEmpty());
    }
};

VAZOLAR_TEST(BuiltDiameterTest);
#include "tst_built_diameter.moc"
