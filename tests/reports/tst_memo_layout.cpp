#include "reports/memo_layout.h"
#include "test_registry.h"

#include <QTest>

using namespace vazolar::reports;

namespace {

// Every character 5 units wide, a line of body text 16 high, of a heading 10, of any other
// style 12, on a body 60 wide (12 characters) and 120 high, 1 unit a millimetre: a table row
// is 16.2 high. A heading is shorter than a body line, so that three times its own height is
// not room enough for it and two body lines.
class FixedMeasures : public MemoMeasures {
public:
    double advance(MemoStyle, QStringView text) const override { return 5.0 * text.size(); }
    double ascent(MemoStyle) const override { return 8; }
    double descent(MemoStyle) const override { return 2; }
    double lineSpacing(MemoStyle style) const override {
        return style == MemoStyle::Body ? 16 : style == MemoStyle::Heading ? 10 : 12;
    }
};

const MemoFrame kFrame{QRectF(0, 0, 60, 120), 25.4};

MemoBlock block(BlockKind kind, const QString& text) {
    return {kind, text};
}

// Lines of a table's heading row, then numbered rows ("r1" …) in three columns.
MemoBlock table(int rows) {
    MemoBlock table{BlockKind::Table, QString(), {{"head", "v", "u"}}};
    for (int r = 1; r <= rows; ++r)
        table.cells << QStringList{QString("r%1").arg(r), "1", "m"};
    return table;
}

// Single lines, each 16 high, down from the top of the page.
QList<MemoBlock> filler(int lines) {
    QList<MemoBlock> blocks;
    for (int k = 1; k <= lines; ++k)
        blocks << block(BlockKind::Line, QString("f%1").arg(k));
    return blocks;
}

// Whether the page holds the text, or "figure" a picture.
bool holds(const MemoPage& page, const QString& text) {
    for (const MemoItem& item : page.items) {
        const auto* placed = std::get_if<MemoText>(&item);
        if ((placed && placed->text == text) ||
            (text == "figure" && std::holds_alternative<MemoPicture>(item)))
            return true;
    }
    return false;
}

// The first text or picture of the body that ends below its room.
QString firstOverflow(const QList<MemoPage>& pages) {
    for (const MemoPage& page : pages) {
        for (const MemoItem& item : page.items) {
            const auto* text = std::get_if<MemoText>(&item);
            const auto* picture = std::get_if<MemoPicture>(&item);
            if (text && text->style != MemoStyle::Footer && text->box.bottom() > 120)
                return text->text;
            if (picture && picture->rect.bottom() > 120)
                return "figure";
        }
    }
    return QString();
}

} // namespace

class MemoLayoutTest : public QObject {
    Q_OBJECT

private slots:
    // Each case's texts all on the page given (counted from 0), nothing below the body.
    void pageRules_data() {
        QTest::addColumn<QList<MemoBlock>>("blocks");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("page");
        const MemoBlock reference =
            block(BlockKind::Reference, "reference1 reference2 reference3 reference4");
        const QString threeLines = "paragraph1 paragraph2 paragraph3";
        MemoBlock tallRow = table(2); // its third row three lines high
        tallRow.cells << QStringList{"rl1 rl2 rl3", "1", "m"} << QStringList{"last", "1", "m"};
        QTest::newRow("a reference across the foot moves whole")
            << filler(5) + QList{reference, block(BlockKind::Paragraph, "after")}
            << QStringList{"reference1", "reference4"} << 1;
        QTest::newRow("a heading with room for one line after it")
            << filler(4) + QList{block(BlockKind::Heading, "heading"),
                                 block(BlockKind::Paragraph, threeLines),
                                 block(BlockKind::Line, "x")}
            << QStringList{"heading", "paragraph1", "paragraph2"} << 1;
        QTest::newRow("a heading over a table")
            << filler(4) + QList{block(BlockKind::Heading, "heading"), table(3)}
            << QStringList{"heading", "head", "r1", "r2"} << 1;
        QTest::newRow("a heading over a figure")
            << filler(4) + QList{block(BlockKind::Heading, "heading"),
                                 MemoBlock{BlockKind::Figure, "caption"}}
            << QStringList{"heading", "figure", "caption"} << 1;
        QTest::newRow("a figure across the foot, with its caption")
            << filler(3) + QList{MemoBlock{BlockKind::Figure, "caption1 caption2 caption3"}}
            << QStringList{"figure", "caption1", "caption3"} << 1;
        QTest::newRow("a row of wrapped lines across the foot")
            << filler(2) + QList{tallRow} << QStringList{"rl1", "rl3", "head"} << 1;
        QTest::newRow("a continued table repeats its heading row")
            << QList{table(12)} << QStringList{"head", "r7", "r12"} << 1;
        QTest::newRow("trial rows repeat their heading")
            << QList{MemoBlock{
                   BlockKind::Rows, QString(), {}, QStringList{"columns"} + QStringList(11, "row")}}
            << QStringList{"columns", "row"} << 1;
        QTest::newRow("two lines of a text at least on the next page")
            << filler(4) +
                   QList{block(BlockKind::Paragraph, "paragraph1 paragraph2 paragraph3 paragraph4"),
                         block(BlockKind::Line, "x")}
            << QStringList{"paragraph3", "paragraph4"} << 1;
        QTest::newRow("the last paragraph whole")
            << filler(5) +
                   QList{block(BlockKind::Paragraph, "paragraph1 paragraph2 paragraph3 paragraph4")}
            << QStringList{"paragraph1", "paragraph4"} << 1;
    }
    void pageRules() {
        QFETCH(QList<MemoBlock>, blocks);
        QFETCH(QStringList, texts);
        QFETCH(int, page);
        const QList<MemoPage> pages = layOutMemo(blocks, "footer", FixedMeasures(), kFrame);
        QVERIFY(page < pages.size());
        for (const QString& text : texts)
            QVERIFY2(holds(pages[page], text), qPrintable(text));
        QCOMPARE(firstOverflow(pages), QString());
    }
};

VAZOLAR_TEST(MemoLayoutTest);
#include "tst_memo_layout.moc"
