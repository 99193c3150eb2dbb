#pragma once

#include "adopted_request.h"
#include "adopted_section.h"

#include <QList>
#include <QString>
#include <QStringList>

// The adopted section's result as text, one set of lines for the window and the command line.
namespace vazolar {

struct ResultRow {
    QString label; // "Velocidade V"
    QString value; // four decimals, "—" where undefined; a word for the regime and the checks
    QString unit;  // "m/s"; empty for pure numbers
};

// The section, the flow, the bank or the pipe's filling, then one row per design limit the
// shape can have, checked or said to be unchecked.
QList<ResultRow> adoptedResultRows(const AdoptedResult& result);

// forma;i;n;q;b;angulo;z;B;D;y;A;P;RH;T;V;Fr;regime;E;tau;taumax;yc;Vc;Ic;borda;H;TH;AH;PH;yD;
// vmax;vmin;frmax;ymaxd;verificacao;erro
QStringList adoptedCsvColumns();

// One line of cells in the order of adoptedCsvColumns(). The request's I, n, Q, b, angle, B
// and D as typed; a cell that does not apply, or a figure that is undefined, stays empty. A
// failure leaves the results empty and puts its message under "erro".
QStringList adoptedCsvCells(const AdoptedRequest& request, const Outcome<AdoptedResult>& outcome);

// "não atende: V > vmax, Fr > frmax", "atende", or empty when no limit was set.
QString verificationText(const std::vector<LimitCheck>& checks);

} // namespace vazolar
