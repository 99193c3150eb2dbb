#include "permissible_shear.h"

#include "number_text.h"

namespace vazolar {

namespace {

// FHWA, Design of Roadside Channels with Flexible Linings, HEC-15, 3rd ed., 2005
// (FHWA-NHI-05-114), Table 2.3, "Typical permissible shear stresses for bare soil and stone
// linings": its single-valued rows, in N/m².
constexpr LiningShear kLiningShears[] = {
    {"Solo coesivo (IP ≥ 20): areias argilosas", 4.5},
    {"Solo coesivo (IP ≥ 20): siltes inorgânicos", 4.0},
    {"Solo coesivo (IP ≥ 20): areias siltosas", 3.5},
    {"Solo coesivo (IP ≥ 20): argilas inorgânicas", 6.6},
    {"Solo não coesivo: mais fino que areia grossa (D75 < 1,3 mm)", 1.0},
    {"Solo não coesivo: pedregulho fino (D75 = 7,5 mm)", 5.6},
    {"Solo não coesivo: pedregulho (D75 = 15 mm)", 11.0},
    {"Cascalho de cobertura (D50 = 25 mm)", 19.0},
    {"Cascalho de cobertura (D50 = 50 mm)", 38.0},
    {"Enrocamento (D50 = 0,15 m)", 113.0},
    {"Enrocamento (D50 = 0,30 m)", 227.0},
};

} // namespace

std::span<const LiningShear> liningShears() {
    return kLiningShears;
}

QString liningShearCitation() {
    return QString::fromUtf8("FHWA HEC-15 (3ª ed., 2005, FHWA-NHI-05-114), Tabela 2.3");
}

QString rigidLiningNote() {
    return QString::fromUtf8("Revestimentos rígidos (concreto): não se verificam pela tensão; use "
                             "o limite de velocidade");
}

QString liningShearCaption(const LiningShear& lining) {
    return QString::fromUtf8("%1 — %2 Pa")
        .arg(QString::fromUtf8(lining.name), formatQuantity(lining.pascals));
}

QString liningShearText(const LiningShear& lining) {
    return brazilianLocale().toString(lining.pascals, 'g', 6);
}

} // namespace vazolar
