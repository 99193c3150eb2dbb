#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

// Manning's n for eleven channel linings in three conditions. The lists on the roughness
// panel show the rows in this order and the lookup goes by row position.
namespace vazolar::roughness {

constexpr int kMaterialCount = 11;
constexpr int kConditionCount = 3;
constexpr int kGoBackRow = 3; // "Escolher outro material"

QStringList materialRows();
QStringList conditionRows(); // the three conditions, then the go-back row

// What picking a condition leads to.
struct GoBack {};
using LookupResult = std::variant<std::monostate, QString, GoBack>;

// The n text of a lining ("0,020": always five characters), the go-back command, or
// nothing when no material or no condition is selected.
LookupResult lookup(std::optional<int> materialRow, std::optional<int> conditionRow);

} // namespace vazolar::roughness
