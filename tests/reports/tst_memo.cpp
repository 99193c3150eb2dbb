#include "engine/adopted_request.h"
#include "engine/sizing.h"
#include "engine/trial_table.h"
#include "examples.h"
#include "field_names.h"
#include "pdf_text.h"
#include "reports/memo_pdf.h"
#include "test_registry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vazolar;
using namespace vazolar::reports;
using namespace vazolar::testing;

namespace {

// The memo of a sizing typed as the fields, adopting its last trial as sized.
MemoInput memoOf(const SizingInput& texts) {
    return sizingMemo(texts, sizedTrials(texts), QString(), QString(),
                      {"Canal principal", "Estaca 0 a 12", "Eng. Fulana de Tal, CREA 12345/D"},
                      QDate(2026, 12, 9), "1.0.0", testing::testFieldNames(texts.shape))
        .value();
}

const SizingInput kWorkedTrapezoid{.shape = Shape::Trapezoidal,
                                   .slope = "0,1",
                                   .angle = "30",
                                   .roughness = "0,015",
                                   .discharge = "0,5",
                                   .start = "0,5",
                                   .scrollValue = 19};

const QList<MemoBlock> rowBlocks(const QList<MemoBlock>& blocks) {
    QList<MemoBlock> rows;
    for (const MemoBlock& block : blocks) {
        if (block.kind == BlockKind::Rows)
            rows << block;
    }
    return rows;
}

} // namespace

class MemoTest : public QObject {
    Q_OBJECT

private slots:
    // The worked trapezoid (I 0,1 %, 30°, n 0,015, Qd 0,5, b from 0,5 by 0,10): its data as
    // typed, its three rows, the check of its last trial (Fr 0,4504, E 0,6523, τ0 2,9735,
    // yc 0,3798, Ic 0,5054, worked by hand) and the adopted b = 0,70 of the adopted-section
    // reference table (yn 0,5439, V 0,9065, Fr 0,4491, τ0 2,7661, yc 0,3383; USBR F 0,5002,
    // H 1,0441, TH 1,9057, AH 1,3603, PH 3,1113), in this order, on numbered pages with their
    // fonts embedded.
    void workedTrapezoid() {
        if (!hasPdfTools())
            QSKIP("pdftotext and pdffonts (poppler-utils) are not installed");
        QTemporaryDir dir;
        const QString path = dir.filePath("memoria.pdf");
        QVERIFY(writeMemo(path, memoOf(kWorkedTrapezoid)).ok());
        const QStringList pages = pdfPages(path);
        const ExampleCase example = loadExample("trapezoidal-worked");
        const QStringList expected =
            QStringList{"Memória de cálculo — dimensionamento de canal trapezoidal",
                        "Obra: Canal principal",
                        "Trecho: Estaca 0 a 12",
                        "Responsável técnico: Eng. Fulana de Tal, CREA 12345/D",
                        "Data: 09/12/2026",
                        "VAZOLAR 1.0.0",
                        "1. Dados",
                        "0,1 %",
                        "30 °",
                        "0,015",
                        "0,5 m³/s",
                        "0,5 m",
                        "0,1 m",
                        "2. Método",
                        "3. Tabela de tentativas"} +
            example.rows +
            QStringList{"4. Análise hidráulica",
                        "0,4504",
                        "0,6523",
                        "2,9735",
                        "0,3798",
                        "0,5054",
                        "5. Seção adotada",
                        "0,7000",
                        "0,5439",
                        "0,9065",
                        "0,4491",
                        "2,7661",
                        "0,3383",
                        "0,5002",
                        "1,0441",
                        "1,9057",
                        "1,3603",
                        "3,1113",
                        "6. Verificações",
                        "V ≤ vmax",
                        "não definido",
                        "7. Figuras",
                        "Figura 1",
                        "Figura 2",
                        "Figura 3",
                        "8. Referências",
                        "CHOW",
                        "HEC-15"};
        QCOMPARE(firstMissing(pages, expected), QString());
        for (qsizetype page = 0; page < pages.size(); ++page)
            QVERIFY(
                pages[page].contains(QString("Página %1 de %2").arg(page + 1).arg(pages.size())));
        QVERIFY(!pages.join(' ').contains("Anexo A"));
        QVERIFY(allFontsEmbedded(path));
    }

    // A run of more than 60 rows shows its first and last 10 in the body and every row in
    // Anexo A; up to 60, all of them and no annex.
    void longRuns_data() {
        QTest::addColumn<QString>("start"); // b inicial of the worked trapezoid, step 0,001
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("bodyRows");
        QTest::newRow("60 rows") << "0,593" << 60 << 60;
        QTest::newRow("200 rows") << "0,453" << 200 << 20;
    }
    void longRuns() {
        QFETCH(QString, start);
        QFETCH(int, rows);
        QFETCH(int, bodyRows);
        SizingInput texts = kWorkedTrapezoid;
        texts.start = start;
        texts.scrollValue = 1;
        const MemoInput input = memoOf(texts);
        QCOMPARE(input.sizing->rows.size(), rows);
        const QList<MemoBlock> blocks = rowBlocks(memoBlocks(input));
        const QStringList body = blocks[0].lines;
        const bool annexed = rows > kMemoRowsInFull;
        QCOMPARE(blocks.size(), annexed ? 2 : 1);
        QCOMPARE(body.size(), 1 + bodyRows + (annexed ? 1 : 0));
        QCOMPARE(body.mid(1, 10), input.sizing->rows.mid(0, 10));
        QCOMPARE(body.last(), input.sizing->rows.last());
        if (annexed) {
            QCOMPARE(
                body[11],
                QString("… %1 tentativas omitidas; tabela completa no Anexo A").arg(rows - 20));
            QCOMPARE(blocks[1].lines.mid(1), input.sizing->rows);
        }
    }
};

VAZOLAR_TEST(MemoTest);
#include "tst_memo.moc"
