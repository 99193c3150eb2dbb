#pragma once

#include "profile_request.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The rows of a water-surface profile: its stations and special points in order of x, the
// same for the window's table, the command line and the memo.
namespace vazolar {

// What a row marks: the control (x = 0), a station, the 1 % length, the jump (at y2), the
// end at yc, the end at a pipe's crown.
enum class ProfilePoint { Control, Station, Normal, Jump, Critical, Crown };

struct ProfileRow {
    ProfilePoint point = ProfilePoint::Station;
    ProfileStation station;
    double bed = 0.0;                 // zf, relative to the bed at the control (m)
    std::optional<double> freeHeight; // H − y, or D − y on a pipe
};

std::vector<ProfileRow> profileRows(const ProfileInputs& inputs, const WaterProfile& profile);

// The columns' names: curva;ponto;x;zf;y;zw;A;V;Fr;E;Sf;folga.
QStringList profileColumnNames();

// A row's cells under those names: the class, the point's word ("controle", empty on a
// station, "normal", "ressalto", "critica", "topo"), and the figures with four decimals,
// the free height empty without a bank.
QStringList profileRowCells(const WaterProfile& profile, const ProfileRow& row);

// The rows as a text table under a heading line, the columns aligned, without the class.
QStringList profileTableLines(const WaterProfile& profile, const std::vector<ProfileRow>& rows);

} // namespace vazolar
