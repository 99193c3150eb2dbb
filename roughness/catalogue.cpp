#include "catalogue.h"

#include <array>

namespace vazolar::roughness {

namespace {

struct Lining {
    const char* material;
    std::array<const char*, kConditionCount> n; // good, fair, poor
};

constexpr std::array<Lining, kMaterialCount> kLinings{{
    {"Concreto pré-moldado", {"0,011", "0,013", "0,015"}},
    {"Concreto com acabamento", {"0,013", "0,015", "0,018"}},
    {"Concreto sem acabamento", {"0,014", "0,017", "0,020"}},
    {"Concreto projetado", {"0,018", "0,020", "0,022"}},
    {"Gabiões", {"0,022", "0,030", "0,035"}},
    {"Espécies vegetais", {"0,025", "0,035", "0,070"}},
    {"Aço", {"0,010", "0,012", "0,014"}},
    {"Ferro fundido", {"0,011", "0,014", "0,016"}},
    {"Aço corrugado", {"0,019", "0,022", "0,028"}},
    {"Solo sem revestimento", {"0,016", "0,023", "0,028"}},
    {"Rocha sem revestimento", {"0,025", "0,035", "0,040"}},
}};

} // namespace

QStringList materialRows() {
    QStringList rows;
    for (const Lining& lining : kLinings)
        rows << QString::fromUtf8(lining.material);
    return rows;
}

QStringList conditionRows() {
    return {QStringLiteral("Boas"), QStringLiteral("Regulares"), QStringLiteral("Más"),
            QStringLiteral("Escolher outro material")};
}

LookupResult lookup(std::optional<int> materialRow, std::optional<int> conditionRow) {
    if (!materialRow || *materialRow < 0 || *materialRow >= kMaterialCount)
        return std::monostate{};
    if (!conditionRow || *conditionRow < 0 || *conditionRow > kGoBackRow)
        return std::monostate{};
    if (*conditionRow == kGoBackRow)
        return GoBack{};
    return QString::fromLatin1(kLinings[*materialRow].n[*conditionRow]);
}

} // namespace vazolar::roughness
