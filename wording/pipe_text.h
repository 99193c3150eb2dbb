#pragma once

#include "engine/section_model.h"

#include <QString>

#include <optional>

// The concrete pipes of the circle in words: their DN, the standard that lists them, and the
// note where a diameter is larger than every pipe listed.
namespace vazolar {

// "ABNT NBR 8890:2007, Tabela A.1"
QString pipeTableCitation();

// "DN 900"
QString pipeName(int diameter);

// Every DN listed: "200, 300, …, 1750 ou 2000".
QString pipeDiametersText();

// The DN's metres as a field takes them: "0,90" for DN 900.
QString pipeMetresText(int diameter);

// The DN a text names: "900"; none for a text that is no listed DN.
std::optional<int> pipeNamed(const QString& text);

// The DN whose metres a typed D is ("0,9", "0,90"); none for any other text.
std::optional<int> pipeOfTypedDiameter(const QString& text);

// "Tubo de concreto DN 900 (ABNT NBR 8890:2007, Tabela A.1)" on a circle of a DN's diameter.
std::optional<QString> pipeLine(const Section& section);

// On a circle wider than the largest DN, that no listed pipe is large enough; else empty.
QString noPipeLargeEnoughNote(const Section& section);

} // namespace vazolar
