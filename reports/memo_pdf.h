#pragma once

#include "engine/outcome.h"
#include "memo_content.h"
#include "memo_layout.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace vazolar::reports {

struct MemoPdf {
    QByteArray bytes;
    QList<char32_t> undrawable; // characters no installed font could draw (memo_fonts.h)
};

// The memo as a PDF document on A4 pages, its text real text in embedded fonts and its
// pictures in vectors, every page numbered "Página N de M". Fails, before painting, where
// its fonts are not installed. Needs a QGuiApplication.
Outcome<MemoPdf> memoPdf(const MemoInput& input);

// The memo's pages as its PDF lays them out, in the PDF's page units (600 per inch, from the
// top left corner of the room inside the margins).
QList<MemoPage> memoPages(const MemoInput& input);

// Writes the memo to the file at path, whole or not at all.
Outcome<> writeMemo(const QString& path, const MemoInput& input);

} // namespace vazolar::reports
