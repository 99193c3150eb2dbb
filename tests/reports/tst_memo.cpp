#include "ci_skip.h"
#include "engine/sizing.h"
#include "examples.h"
#include "field_names.h"
#include "pdf_text.h"
#include "reports/memo_layout.h"
#include "reports/memo_pdf.h"
#include "test_registry.h"
#include "wording/adopted_request.h"
#include "wording/trial_rows.h"
#include "wording/trial_table.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vazolar;
using namespace vazolar::reports;
using namespace vazolar::testing;

namespace {

// The memo of a sizing typed as the fields, adopting its last trial as sized.
MemoInput memoOf(const SizingInput& texts) {
    return sizingMemo(texts, sizedTrials(texts), FreeboardText{},
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

// The README's circle: D 0,90 at I 0,1 %, n 0,015, Q 0,5 m³/s, ymaxd 0,85, verified alone.
MemoInput circleMemo() {
    const AdoptedRequest circle{.shape = Shape::Circular,
                                .slope = "0,1",
                                .roughness = "0,015",
                                .discharge = "0,5",
                                .diameter = "0,90",
                                .maxDepthRatio = "0,85"};
    return {
        {},      QDate(2026, 12, 9),
        "1.0.0", std::nullopt,
        circle,  verifyAdoptedSection(circle, testing::testFieldNames(Shape::Circular)).value()};
}

// The obra of a real project, 200 characters.
const QString kLongWork =
    "Implantação do canal de irrigação da margem esquerda entre as estacas 12+5,00 e "
    "48+10,00, lote 3 do perímetro irrigado Senador Nilo Coelho, Petrolina/PE, conforme "
    "projeto executivo revisão C";

// n as typed, 303 characters: a number the field takes.
const QString kLongRoughness = "0,015" + QString(298, u'0');

// The room inside the margins of A4 (20 mm, 25 mm at the foot, where the page numbers go),
// in the PDF's units: 600 per inch from its top left corner.
constexpr double kUnitsPerMillimetre = 600 / 25.4;
const QRectF kBody(0, 0, 170 * kUnitsPerMillimetre, 252 * kUnitsPerMillimetre);
const QRectF kFooterBand(0, kBody.bottom(), kBody.width(), 20 * kUnitsPerMillimetre);

bool inside(const QRectF& box, const QRectF& room) {
    return box.adjusted(1, 1, -1, -1).intersected(room) == box.adjusted(1, 1, -1, -1);
}

// The first text of the page (an empty one paints nothing) outside the margins or over another text
// or a picture, with what it overlaps; empty when there is none.
QString firstMisplaced(const MemoPage& page) {
    QList<QPair<QRectF, QString>> placed;
    for (const MemoItem& item : page.items) {
        if (const auto* text = std::get_if<MemoText>(&item); text && !text->text.isEmpty()) {
            const QRectF& room = text->style == MemoStyle::Footer ? kFooterBand : kBody;
            if (!inside(text->box, room))
                return text->text + " (fora das margens)";
            placed.append({text->box, text->text});
        } else if (const auto* picture = std::get_if<MemoPicture>(&item)) {
            placed.append({picture->rect, "figura"});
        }
    }
    for (qsizetype a = 0; a < placed.size(); ++a) {
        for (qsizetype b = a + 1; b < placed.size(); ++b) {
            const QRectF common = placed[a].first.intersected(placed[b].first);
            if (common.width() > 1 && common.height() > 1)
                return placed[a].second + " sobre " + placed[b].second;
        }
    }
    return QString();
}

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
            VAZOLAR_SKIP_WITHOUT("pdftotext and pdffonts (poppler-utils) are not installed");
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

    // The README's memos on as few pages as the page rules leave them, with the real fonts.
    void pageCounts_data() {
        QTest::addColumn<MemoInput>("input");
        QTest::addColumn<int>("pages");
        MemoInput unnamed = memoOf(kWorkedTrapezoid);
        unnamed.identity = {};
        QTest::newRow("verificar circular") << circleMemo() << 3;
        QTest::newRow("dimensionar the worked trapezoid") << unnamed << 4;
        QTest::newRow("the worked trapezoid with obra, trecho and engineer")
            << memoOf(kWorkedTrapezoid) << 4;
    }
    void pageCounts() {
        QFETCH(MemoInput, input);
        QFETCH(int, pages);
        QCOMPARE(memoPages(input).size(), pages);
    }

    // Long identification texts and long typed values wrap inside their room; nothing is
    // painted outside the margins or over anything else, on any page.
    void longTextsStayInside_data() {
        QTest::addColumn<QString>("work");
        QTest::addColumn<QString>("roughness");
        QTest::newRow("long obra") << kLongWork << "0,015";
        QTest::newRow("obra without blanks") << QString(300, u'W') << "0,015";
        QTest::newRow("long n") << "Canal principal" << kLongRoughness;
        QTest::newRow("n taller than a page") << "Canal principal"
                                              << "0,015" + QString(9000, u'0');
    }
    void longTextsStayInside() {
        QFETCH(QString, work);
        QFETCH(QString, roughness);
        SizingInput texts = kWorkedTrapezoid;
        texts.roughness = roughness;
        MemoInput input = memoOf(texts);
        input.identity.work = work;
        const QList<MemoPage> pages = memoPages(input);
        for (qsizetype page = 0; page < pages.size(); ++page)
            QVERIFY2(firstMisplaced(pages[page]).isEmpty(),
                     qPrintable(
                         QString("página %1: %2").arg(page + 1).arg(firstMisplaced(pages[page]))));
    }

    // The whole of a long obra, its words in order, as a reader shows the PDF.
    void longWorkIsWhole() {
        if (!hasPdfTools())
            VAZOLAR_SKIP_WITHOUT("pdftotext and pdffonts (poppler-utils) are not installed");
        MemoInput input = memoOf(kWorkedTrapezoid);
        input.identity.work = kLongWork;
        QTemporaryDir dir;
        const QString path = dir.filePath("memoria.pdf");
        QVERIFY(writeMemo(path, input).ok());
        const QStringList words = QString("Obra: " + kLongWork + " Trecho:").split(u' ');
        QCOMPARE(firstMissing(pdfPages(path), words), QString());
        QVERIFY(pdfPages(path).value(0).contains("Obra: " + kLongWork + " Trecho:"));
    }

    // A line break typed in an identification text is a blank on its line.
    void lineBreaksAreBlanks_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("LF") << "Canal principal\nEstaca 0";
        QTest::newRow("CR LF") << "Canal principal\r\nEstaca 0";
        QTest::newRow("tab") << "Canal principal\tEstaca 0";
        QTest::newRow("line separator") << "Canal principal\u2028Estaca 0";
    }
    void lineBreaksAreBlanks() {
        QFETCH(QString, typed);
        MemoInput input = memoOf(kWorkedTrapezoid);
        input.identity = {typed, typed, typed};
        QStringList lines;
        for (const MemoBlock& block : memoBlocks(input)) {
            if (block.kind == BlockKind::Line)
                lines << block.text;
        }
        QCOMPARE(lines.mid(0, 3),
                 (QStringList{"Obra: Canal principal Estaca 0", "Trecho: Canal principal Estaca 0",
                              "Responsável técnico: Canal principal Estaca 0"}));
    }

    // A D that is a listed pipe's names the pipe in the adopted section and the standard in
    // the references; τadm is checked with its factor, and its table cited.
    void pipeAndShearCheck_data() {
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<QStringList>("adopted"); // between "3. Seção adotada" and the checks
        QTest::addColumn<bool>("standardCited");
        QTest::newRow("DN 900")
            << "0,9" << QStringList{"Tubo de concreto DN 900 (ABNT NBR 8890:2007, Tabela A.1)"}
            << true;
        QTest::newRow("no pipe's D") << "0,95" << QStringList{} << false;
    }
    void pipeAndShearCheck() {
        QFETCH(QString, diameter);
        QFETCH(QStringList, adopted);
        QFETCH(bool, standardCited);
        MemoInput input = circleMemo();
        input.adopted.diameter = diameter;
        input.adopted.maxShear = "10";
        input.adopted.shearSafetyFactor = "1,5";
        input.result =
            verifyAdoptedSection(input.adopted, testing::testFieldNames(Shape::Circular)).value();
        QString section;
        QStringList paragraphs;
        QList<QStringList> checks;
        QStringList references;
        for (const MemoBlock& block : memoBlocks(input)) {
            if (block.kind == BlockKind::Heading)
                section = block.text.section(u' ', 1);
            else if (block.kind == BlockKind::Paragraph && section == "Seção adotada")
                paragraphs << block.text;
            else if (block.kind == BlockKind::Table && section == "Verificações")
                checks = block.cells;
            else if (block.kind == BlockKind::Reference)
                references << block.text;
        }
        QCOMPARE(paragraphs, adopted);
        QCOMPARE(references.join(' ').contains("NBR 8890"), standardCited);
        QVERIFY(references.join(' ').contains("Tabela 2.3"));
        const QStringList shear = checks.last();
        QCOMPARE(shear.value(0), QString("τ ≤ τadm"));
        QCOMPARE(shear.value(1), QString("10,0000 Pa"));
        QVERIFY2(shear.value(2).startsWith("1,5000 × "), qPrintable(shear.value(2)));
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
