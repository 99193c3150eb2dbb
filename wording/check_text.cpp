#include "check_text.h"

#include "regime_text.h"
#include "number_text.h"

namespace vazolar::hydraulics {

QString figureText(const Figure& figure, const QString& undefined) {
    return figure ? formatQuantity(*figure) : undefined;
}

QStringList checkColumnNames() {
    return {"Fr", "regime", "yc", "Ic", "E", "tau"};
}

QStringList checkCells(const HydraulicCheck& check, const QString& undefined) {
    return {figureText(check.froude, undefined),
            check.regime ? regimeWord(*check.regime) : undefined,
            figureText(check.criticalDepth, undefined),
            figureText(check.criticalSlope, undefined),
            figureText(check.specificEnergy, undefined),
            figureText(check.bedShear, undefined)};
}

} // namespace vazolar::hydraulics
