#pragma once

#include "engine/hydraulics.h"

#include <QString>

namespace vazolar::hydraulics {

// "subcrítico", "crítico", "supercrítico".
QString regimeWord(Regime regime);

// The regime with the kind of flow it names: "subcrítico (fluvial)", "crítico",
// "supercrítico (torrencial)".
QString regimeText(Regime regime);

} // namespace vazolar::hydraulics
