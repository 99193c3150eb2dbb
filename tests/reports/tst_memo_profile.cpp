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

// The worked trapezoid (I 0,1 %, 30°, n 0,015, Qd 0,5) sized from b = start by the step, with
// the reach's profile when given.
MemoInput memoOf(const QString& start, int step, const std::optional<ReachProfile>& reach = {}) {
    const SizingInput texts{Shape::Trapezoidal, "0,1", "30", "0,015", "0,5", start, step};
    MemoInput input = sizingMemo(texts, sizedTrials(texts), FreeboardText{}, {}, QDate(2026, 12, 9),
                                 "1.0.0", testFieldNames(texts.shape))
                          .value();
    if (reach)
        input.profile = MemoProfile{reach->inputs, reach->profile};
    return input;
}

// What the memo says of a profile: its headings after "7. Figuras", whether it has the
// profile's figure and Chow's chapters on it, and the station tables' rows.
struct ProfileBlocks {
    QStringList headings;
    bool figure = false;
    bool chapters = false;
    QList<QList<QStringList>> tables;
};

ProfileBlocks profileBlocks(const QList<MemoBlock>& blocks) {
    ProfileBlocks found;
    for (const MemoBlock& block : blocks) {
        if (block.kind == BlockKind::Heading)
            found.headings << block.text;
        found.figure |= block.kind == BlockKind::Figure && block.figure == MemoFigure::Profile;
        found.chapters |= block.kind == BlockKind::Reference &&
                          block.text.contains("capítulos 9 e 10, escoamento gradualmente "
                                              "variado, e 15, ressalto hidráulico");
        if (block.kind == BlockKind::Table && block.cells.value(0) == profileColumnNames())
            found.tables << block.cells.mid(1);
    }
    found.headings = found.headings.mid(found.headings.indexOf("7. Figuras") + 1);
    return found;
}

// The cells of each row of the reach's station table.
QList<QStringList> stationRows(const ReachProfile& reach) {
    QList<QStringList> rows;
    for (const ProfileRow& row : profileRows(reach.inputs, reach.profile))
        rows << profileRowCells(reach.profile, row);
    return rows;
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
        const ReachProfile fine = trapezoidReach(2.0, 0.60, 100, 1); // S1, 102 rows
        const QStringList section{"8. Curva de remanso", "9. Referências"};
        QTest::newRow("no profile")
            << memoOf("0,5", 19) << QStringList{"8. Referências"} << QString();
        QTest::newRow("M1 by 200 m") << memoOf("0,5", 19, mildBackwater()) << section << QString();
        QTest::newRow("S1 by 1 m")
            << memoOf("0,5", 19, fine)
            << section + QStringList{"Anexo A — Tabela completa da curva de remanso"}
            << "… 82 pontos omitidos; tabela completa no Anexo A";
        QTest::newRow("S1 by 1 m after 200 trials")
            << memoOf("0,453", 1, fine)
            << section + QStringList{"Anexo A — Tabela completa de tentativas",
                                     "Anexo B — Tabela completa da curva de remanso"}
            << "… 82 pontos omitidos; tabela completa no Anexo B";
    }
    void profileSection() {
        QFETCH(MemoInput, input);
        QFETCH(QStringList, headings);
        QFETCH(QString, annexNote);
        const ProfileBlocks found = profileBlocks(memoBlocks(input));
        QCOMPARE(found.headings, headings);
        QCOMPARE(found.figure, input.profile.has_value());
        QCOMPARE(found.chapters, input.profile.has_value());
        QList<QList<QStringList>> tables;
        if (input.profile) {
            const QList<QStringList> all =
                stationRows({input.profile->inputs, input.profile->profile});
            tables << all;
            if (!annexNote.isEmpty())
                tables.prepend(all.mid(0, 10) + QList<QStringList>{{annexNote}} +
                               all.mid(all.size() - 10));
        }
        QCOMPARE(found.tables, tables);
    }

    // The section as a reader sees it in the PDF: the jump's row and the last, the widest, each
    // on one line, the profile's picture painted with its words, every character drawable.
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
        const QList<QStringList> rows = stationRows(reach);
        QCOMPARE(
            firstMissing(pdfPages(file.fileName()),
                         {"8. Curva de remanso", "Profundidade normal yn: 0,2240 m", "Curva S1",
                          "dy/ds = (S0 − Sf) / (1 − Fr²)", "Bélanger",
                          "Ressalto hidráulico em x = 4,9036 m", "curva ponto x zf y zw",
                          rows[1].join(u' '), rows.last().join(u' '), "escala vertical exagerada",
                          "ressalto", "montante", "jusante", "Figura 4", "9. Referências"}),
            QString());
    }
};

VAZOLAR_TEST(MemoProfileTest);
#include "tst_memo_profile.moc"
