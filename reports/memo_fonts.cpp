#include "memo_fonts.h"

#include "typeface.h"

#include <QFontInfo>
#include <QRawFont>
#include <QSet>

namespace vazolar::reports {

namespace {

// The metric twin fontconfig puts in the typeface's place, and the Debian package with it.
constexpr QLatin1StringView kTypefaceTwin("Liberation Serif");
constexpr QLatin1StringView kTwinPackage("fonts-liberation2");

// Every style, in the order of the enumeration.
constexpr MemoStyle kStyles[] = {MemoStyle::Title,    MemoStyle::Heading,   MemoStyle::Body,
                                 MemoStyle::Table,    MemoStyle::TableBold, MemoStyle::Rows,
                                 MemoStyle::RowsBold, MemoStyle::Footer};

QFont fontOf(double points, bool bold = false) {
    // Fontconfig maps the typeface to its twin by itself where its usual configuration is
    // installed; this covers one that does not.
    QFont::insertSubstitution(kTypeface, kTypefaceTwin);
    QFont font{QString(kTypeface)};
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

bool isTypeface(const QString& family) {
    return family.compare(kTypeface, Qt::CaseInsensitive) == 0 ||
           family.compare(kTypefaceTwin, Qt::CaseInsensitive) == 0;
}

// A font file of the typeface stands behind the font: Qt resolves a font it cannot find to
// a stand-in without any character table, which still claims to be valid.
bool resolves(const QFont& font) {
    if (!isTypeface(QFontInfo(font).family()))
        return false;
    const QRawFont raw = QRawFont::fromFont(font);
    return raw.isValid() && !raw.fontTable("cmap").isEmpty();
}

bool needsNoDrawing(char32_t c) {
    switch (QChar::category(c)) {
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
    case QChar::Other_Control:
    case QChar::Other_Format:
        return true;
    default:
        return false;
    }
}

} // namespace

QFont memoFont(MemoStyle style) {
    switch (style) {
    case MemoStyle::Title:
        return fontOf(15, true);
    case MemoStyle::Heading:
        return fontOf(12, true);
    case MemoStyle::Body:
        return fontOf(10.5);
    case MemoStyle::Table:
        return fontOf(9.5);
    case MemoStyle::TableBold:
        return fontOf(9.5, true);
    case MemoStyle::Rows:
        return fontOf(9);
    case MemoStyle::RowsBold:
        return fontOf(9, true);
    case MemoStyle::Footer:
        break;
    }
    return fontOf(8.5);
}

MemoFontMeasures::MemoFontMeasures(const QPaintDevice& device) {
    for (const MemoStyle style : kStyles)
        metrics_.emplace_back(memoFont(style), &device);
}

double MemoFontMeasures::advance(MemoStyle style, QStringView text) const {
    return of(style).horizontalAdvance(text.toString());
}

double MemoFontMeasures::ascent(MemoStyle style) const {
    return of(style).ascent();
}

double MemoFontMeasures::descent(MemoStyle style) const {
    return of(style).descent();
}

double MemoFontMeasures::lineSpacing(MemoStyle style) const {
    return of(style).lineSpacing();
}

bool MemoFontMeasures::canDraw(MemoStyle style, char32_t c) const {
    return of(style).inFontUcs4(c);
}

const QFontMetricsF& MemoFontMeasures::of(MemoStyle style) const {
    return metrics_[std::size_t(style)];
}

Outcome<> checkMemoFonts() {
    for (const MemoStyle style : kStyles) {
        if (!resolves(memoFont(style)))
            return Failure{QString::fromUtf8("falta a fonte %1 (%2); instale %3.")
                               .arg(kTypefaceTwin, kTypeface, kTwinPackage)};
    }
    return {};
}

QList<char32_t> undrawableCharacters(const QList<MemoPage>& pages, const QPaintDevice& device) {
    const MemoFontMeasures measures(device);
    QSet<quint64> seen; // style and character
    QList<char32_t> undrawable;
    for (const MemoPage& page : pages) {
        for (const MemoItem& item : page.items) {
            const MemoText* text = std::get_if<MemoText>(&item);
            if (!text)
                continue;
            for (const char32_t c : text->text.toUcs4()) {
                const quint64 key = quint64(text->style) << 32 | c;
                if (needsNoDrawing(c) || seen.contains(key))
                    continue;
                seen.insert(key);
                if (!measures.canDraw(text->style, c) && !undrawable.contains(c))
                    undrawable << c;
            }
        }
    }
    return undrawable;
}

} // namespace vazolar::reports
