#pragma once

#include "engine/hydraulics.h"
#include "wording/trial_table.h"

#include <QString>

#include <vector>

// What the analysis window shows of one trial, as text: the row's values, the run's data and
// the hydraulic check, each with its unit. No widgets: the window only lays it out.
namespace vazolar {

struct SheetLine {
    QString name;  // "Fr (número de Froude)"; a title line has only a name
    QString value; // four decimals, "—" where the figure is undefined
    QString unit;
    bool isTitle = false;
};

struct AnalysisSheet {
    QString heading; // "Canal trapezoidal — tentativa 3 de 3"
    std::vector<SheetLine> lines;
    QString constants; // "g = 9,8100 m/s²   γ = 9.810,0000 N/m³"
};

// The sheet of a trial of the table (row counted from 0).
AnalysisSheet analysisSheet(const TrialTable& trials, int row);

// The hover text of a row: "Fr = 0,4504 — subcrítico".
QString froudeTip(const TrialTable& trials, int row);

// The sheet as tab-separated lines (name, value, unit), the heading first and the constants
// last, for a spreadsheet.
QString sheetText(const AnalysisSheet& sheet);

} // namespace vazolar
