#pragma once

#include <QString>

#include <span>

// Typical permissible shear stresses of bare soils and stone linings, offered beside the
// τadm field: where a lining's own figure is known, it is the user's to type.
namespace vazolar {

struct LiningShear {
    const char* name; // in Portuguese
    double pascals;   // τp (N/m² = Pa)
};

// The linings, in the order of their source's table.
std::span<const LiningShear> liningShears();

// "FHWA HEC-15 (3ª ed., 2005, FHWA-NHI-05-114), Tabela 2.3"
QString liningShearCitation();

// Why concrete and other rigid linings have no figure here.
QString rigidLiningNote();

// "Solo coesivo (IP ≥ 20): areias argilosas — 4,5000 Pa"
QString liningShearCaption(const LiningShear& lining);

// The figure as the field takes it: "4,5", "11".
QString liningShearText(const LiningShear& lining);

} // namespace vazolar
