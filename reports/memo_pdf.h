#pragma once

#include "engine/outcome.h"
#include "memo_content.h"

#include <QByteArray>
#include <QString>

namespace vazolar::reports {

// The memo as a PDF document on A4 pages, its text real text in embedded fonts and its
// pictures in vectors, every page numbered "Página N de M". Needs a QGuiApplication.
QByteArray memoPdf(const MemoInput& input);

// Writes the memo to the file at path, whole or not at all.
Outcome<> writeMemo(const QString& path, const MemoInput& input);

} // namespace vazolar::reports
