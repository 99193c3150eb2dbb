#pragma once

#include "adopted_request.h"
#include "engine/adopted_section.h"

#include <QStringList>

// The adopted section's result as one line of a CSV table.
namespace vazolar {

// forma;i;n;q;b;angulo;z;B;D;y;A;P;RH;T;V;Fr;regime;E;tau;taumax;yc;Vc;Ic;borda;H;TH;AH;PH;yD;
// vmax;vmin;frmax;ymaxd;tauadm;fs;verificacao;erro
QStringList adoptedCsvColumns();

// One line of cells in the order of adoptedCsvColumns(). The request's I, n, Q, b, angle, B
// and D as typed; a cell that does not apply, or a figure that is undefined, stays empty. A
// failure leaves the results empty and puts its message under "erro".
QStringList adoptedCsvCells(const AdoptedRequest& request, const Outcome<AdoptedResult>& outcome);

} // namespace vazolar
