#include "ci_skip.h"
#include "field_names.h"
#include "pdf_text.h"
#include "reach_profiles.h"
#include "reports/memo_pdf.h"
#include "test_registry.h"
#include "wording/profile_rows.h"
#include "wording/trial_table.h"

#include <QTemporaryDir>
#include <QTest>

using namespace vazolar;
using namespace vazolar::reports;
using namespace vazolar::testing;

Q_DECLARE_METATYPE(vazolar::reports::MemoInput)

namespace {

// The worked trapezoid sized from b = start by the step, adopting its last trial, with the
// reach's profile when given.
MemoInput memoOf(const QString& start, int scrollValue,
                 const std::optional<ReachProfile>& reach = std::nullopt) {
    const SizingInput texts{.shape = Shape::Trapezoidal,
                            .slope = "0,1",
                            .angle = "30",
                            .roughness = "0,015",
                            .discharge = "0,5",
                            .start = start,
                            .scrollValue = scrollValue};
    MemoInput input = sizingMemo(texts, sizedTrials(texts), FreeboardText{}, {}, QDate(2026, 12, 9),
                                 "1.0.0", testFieldNames(texts.shape))
                          .value();
    if (reach)
        input.profile = MemoProfile{reach->inputs, reach->profile};
    return input;
}

const QStringList kSizingHeadings{"1. Dados",
                                  "2. Método",
                                  "3. Tabela de tentativas",
                                  "4. Análise hidráulica da seção dimensionada",
                                  "5. Seção adotada",
                                  "6. Verificações",
                                  "7. Figuras"};

// The S1 of the steep reach by 1 m: 101 stations and its jump.
ReachProfile finelySteppedJump() {
    return trapezoidReach(2.0, 0.60, 100, 1);
}

QList<MemoBlock> blocksOf(const QList<MemoBlock>& blocks, BlockKind kind) {
    QList<MemoBlock> found;
    for (const MemoBlock& block : blocks) {
        if (block.kind == kind)
            found << block;
    }
    return found;
}

// The rows of the tables headed by the station table's columns, without their header.
QList<QList<QStringList>> stationTables(const QList<MemoBlock>& blocks) {
    QList<QList<QStringList>> tables;
    for (const MemoBlock& table : blocksOf(blocks, BlockKind::Table)) {
        if (table.cells.value(0) == profileColumnNames())
            tables << table.cells.mid(1);
    }
    return tables;
}

// The jump's row of the station table and its last, the widest, each its cells in order.
QStringList jumpAndLastRows(const ReachProfile& reach) {
    QStringList texts;
    for (const ProfileRow& row : profileRows(reach.inputs, reach.profile)) {
        if (row.point == ProfilePoint::Jump || row.station.x == reach.inputs.request.length)
            texts << profileRowCells(reach.profile, row).join(u' ').trimmed();
    }
    return texts;
}

} // namespace

class MemoProfileTest : public QObject {
    Q_OBJECT

private slots:
    // The section comes after the figures and before the references, only with a profile;
    // its station table shows a long profile's first and last 10 rows, and every row in its
    // annex, Anexo B after the trial table's Anexo A.
    void profileSection_data() {
        QTest::addColumn<MemoInput>("input");
        QTest::addColumn<QStringList>("headings");
        QTest::addColumn<QString>("annexNote"); // empty: the whole table in the body
        QTest::newRow("no profile")
            << memoOf("0,5", 19) << kSizingHeadings + QStringList{"8. Referências"} << QString();
        QTest::newRow("M1 by 200 m")
            << memoOf("0,5", 19, mildBackwater())
            << kSizingHeadings + QStringList{"8. Curva de remanso", "9. Referências"} << QString();
        QTest::newRow("S1 by 1 m")
            << memoOf("0,5", 19, finelySteppedJump())
            << kSizingHeadings + QStringList{"8. Curva de remanso", "9. Referências",
                                             "Anexo A — Tabela completa da curva de remanso"}
            << "… 82 pontos omitidos; tabela completa no Anexo A";
        QTest::newRow("S1 by 1 m after 200 trials")
            << memoOf("0,453", 1, finelySteppedJump())
            << kSizingHeadings + QStringList{"8. Curva de remanso", "9. Referências",
                                             "Anexo A — Tabela completa de tentativas",
                                             "Anexo B — Tabela completa da curva de remanso"}
            << "… 82 pontos omitidos; tabela completa no Anexo B";
    }
    void profileSection() {
        QFETCH(MemoInput, input);
        QFETCH(QStringList, headings);
        QFETCH(QString, annexNote);
        const QList<MemoBlock> blocks = memoBlocks(input);
        QStringList shown;
        for (const MemoBlock& heading : blocksOf(blocks, BlockKind::Heading))
            shown << heading.text;
        QCOMPARE(shown, headings);

        bool profileFigure = false;
        for (const MemoBlock& figure : blocksOf(blocks, BlockKind::Figure))
            profileFigure |= figure.figure == MemoFigure::Profile;
        QCOMPARE(profileFigure, input.profile.has_value());
        bool chapters = false;
        for (const MemoBlock& reference : blocksOf(blocks, BlockKind::Reference))
            chapters |= reference.text.contains("capítulos 9 e 10, escoamento gradualmente "
                                                "variado, e 15, ressalto hidráulico");
        QCOMPARE(chapters, input.profile.has_value());

        QList<QList<QStringList>> expected;
        if (input.profile) {
            QList<QStringList> all;
            for (const ProfileRow& row : profileRows(input.profile->inputs, input.profile->profile))
                all << profileRowCells(input.profile->profile, row);
            expected << all;
            if (!annexNote.isEmpty())
                expected.prepend(all.mid(0, 10) + QList<QStringList>{{annexNote}} +
                                 all.mid(all.size() - 10));
        }
        QCOMPARE(stationTables(blocks), expected);
    }

    // The section as a reader sees it in the PDF: a row of the station table on one line, the
    // profile's picture painted with its words, every character drawable.
    void profileInThePdf() {
        if (!hasPdfTools())
            VAZOLAR_SKIP_WITHOUT("pdftotext and pdffonts (poppler-utils) are not installed");
        const ReachProfile reach = steepJump();
        const Outcome<MemoPdf> pdf = memoPdf(memoOf("0,5", 19, reach));
        QVERIFY(pdf.ok());
        QCOMPARE(pdf.value().undrawable, QList<char32_t>());
        QTemporaryDir dir;
        QFile file(dir.filePath("memoria.pdf"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(pdf.value().bytes) > 0);
        file.close();
        QCOMPARE(firstMissing(pdfPages(file.fileName()),
                              QStringList{"8. Curva de remanso", "Profundidade normal yn: 0,2240 m",
                                          "Curva S1", "dy/ds = (S0 − Sf) / (1 − Fr²)", "Bélanger",
                                          "Ressalto hidráulico em x = 4,9036 m",
                                          "curva ponto x zf y zw"} +
                                  jumpAndLastRows(reach) +
                                  QStringList{"escala vertical exagerada", "ressalto", "montante",
                                              "jusante", "Figura 4", "9. Referências"}),
                 QString());
    }
};

VAZOLAR_TEST(MemoProfileTest);
#include "tst_memo_profile.moc"
