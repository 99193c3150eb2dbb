#include "roughness/catalogue.h"
#include "test_registry.h"

#include <QTest>

using namespace vazolar::roughness;

// The catalogue against the printed table of linings, cell by cell.
class CatalogueTest : public QObject {
    Q_OBJECT

private slots:
    void rowsInOrder() {
        QCOMPARE(materialRows(),
                 QStringList({"Concreto pré-moldado", "Concreto com acabamento",
                              "Concreto sem acabamento", "Concreto projetado", "Gabiões",
                              "Espécies vegetais", "Aço", "Ferro fundido", "Aço corrugado",
                              "Solo sem revestimento", "Rocha sem revestimento"}));
        QCOMPARE(conditionRows(),
                 QStringList({"Boas", "Regulares", "Más", "Escolher outro material"}));
    }

    void everyCell_data() {
        QTest::addColumn<int>("material");
        QTest::addColumn<int>("condition");
        QTest::addColumn<QString>("n");
        const char* table[11][3] = {
            {"0,011", "0,013", "0,015"}, {"0,013", "0,015", "0,018"}, {"0,014", "0,017", "0,020"},
            {"0,018", "0,020", "0,022"}, {"0,022", "0,030", "0,035"}, {"0,025", "0,035", "0,070"},
            {"0,010", "0,012", "0,014"}, {"0,011", "0,014", "0,016"}, {"0,019", "0,022", "0,028"},
            {"0,016", "0,023", "0,028"}, {"0,025", "0,035", "0,040"}};
        for (int m = 0; m < 11; ++m)
            for (int c = 0; c < 3; ++c)
                QTest::addRow("material %d condition %d", m, c) << m << c << table[m][c];
    }
    void everyCell() {
        QFETCH(int, material);
        QFETCH(int, condition);
        QFETCH(QString, n);
        const LookupResult result = lookup(material, condition);
        QVERIFY(std::holds_alternative<QString>(result));
        QCOMPARE(std::get<QString>(result), n);
        QCOMPARE(n.size(), 5);
    }

    void goBackAndNothing_data() {
        QTest::addColumn<int>("material"); // -1: none selected
        QTest::addColumn<int>("condition");
        QTest::addColumn<int>("outcome"); // 0 nothing, 2 go back
        QTest::newRow("go back from the first material") << 0 << 3 << 2;
        QTest::newRow("go back from the last material") << 10 << 3 << 2;
        QTest::newRow("no material, a condition") << -1 << 1 << 0;
        QTest::newRow("no material, go back") << -1 << 3 << 0;
        QTest::newRow("a material, no condition") << 4 << -1 << 0;
    }
    void goBackAndNothing() {
        QFETCH(int, material);
        QFETCH(int, condition);
        QFETCH(int, outcome);
        auto row = [](int r) { return r < 0 ? std::nullopt : std::optional<int>(r); };
        QCOMPARE(int(lookup(row(material), row(condition)).index()), outcome);
    }
};

VAZOLAR_TEST(CatalogueTest);
#include "tst_catalogue.moc"
