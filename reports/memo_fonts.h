#pragma once

#include "engine/outcome.h"
#include "memo_layout.h"

#include <QFont>
#include <QFontMetricsF>
#include <QList>

#include <vector>

class QPaintDevice;

// The fonts the memo is painted in: Times New Roman, or Liberation Serif, its metric twin,
// in its place. Needs a QGuiApplication.
namespace vazolar::reports {

QFont memoFont(MemoStyle style);

// The memo's styles measured on the device it is painted on.
class MemoFontMeasures : public MemoMeasures {
public:
    explicit MemoFontMeasures(const QPaintDevice& device);
    double advance(MemoStyle style, QStringView text) const override;
    double ascent(MemoStyle style) const override;
    double descent(MemoStyle style) const override;
    double lineSpacing(MemoStyle style) const override;
    // Whether the style's font, or a fallback font installed, has the character.
    bool canDraw(MemoStyle style, char32_t c) const;

private:
    const QFontMetricsF& of(MemoStyle style) const;
    std::vector<QFontMetricsF> metrics_; // by style
};

// Fails, naming the font, when a style's font resolves to no installed font of the typeface
// or its twin (a system without them, or whose font configuration finds no font at all: Qt
// then paints boxes in place of every letter).
Outcome<> checkMemoFonts();

// The characters of the pages that neither their font nor any fallback font installed can
// draw, each once, in the order they first appear. Blanks and invisible formatting
// characters need no drawing.
QList<char32_t> undrawableCharacters(const QList<MemoPage>& pages, const QPaintDevice& device);

} // namespace vazolar::reports
