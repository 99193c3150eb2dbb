#pragma once

#include "engine/outcome.h"
#include "memo_layout.h"

#include <QFont>
#include <QList>

class QPaintDevice;

// The fonts the memo is painted in: Times New Roman, or Liberation Serif, its metric twin,
// in its place. Needs a QGuiApplication.
namespace vazolar::reports {

QFont memoFont(MemoStyle style);

// Fails, naming the font, when a style's font resolves to no installed font of the typeface
// or its twin (a system without them, or whose font configuration finds no font at all: Qt
// then paints boxes in place of every letter).
Outcome<> checkMemoFonts();

// The characters of the pages that neither their font nor any fallback font installed can
// draw, each once, in the order they first appear. Blanks and invisible formatting
// characters need no drawing.
QList<char32_t> undrawableCharacters(const QList<MemoPage>& pages, const QPaintDevice& device);

} // namespace vazolar::reports
