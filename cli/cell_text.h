#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace vazolar::cli {

// A record's cells as text: UTF-8 where every one of them is valid UTF-8, Windows-1252 (what
// a spreadsheet in Portuguese saves as "Western Europe") otherwise.
struct CellTexts {
    QStringList cells;
    bool windows1252 = false;
};

CellTexts decodeCells(const QList<QByteArray>& cells);

} // namespace vazolar::cli
