#pragma once

#include "engine/hydraulics.h"

#include <QString>
#include <QStringList>

// The hydraulic check as text, with the numbers formatted as the rows format them.
namespace vazolar::hydraulics {

// The figure with four decimals, or `undefined` where the check has none.
QString figureText(const Figure& figure, const QString& undefined);

// The columns that follow a row's own in a table with the check: Fr, regime, yc, Ic, E, tau.
QStringList checkColumnNames();
QStringList checkCells(const HydraulicCheck& check, const QString& undefined);

} // namespace vazolar::hydraulics
