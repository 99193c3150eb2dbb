#include "adopted_section.h"

#include "circle_geometry.h"
#include "flow_at_depth.h"
#include "number_text.h"

#include <cmath>

namespace vazolar {

namespace {

QString metres(double value) {
    return formatQuantity(value) + QStringLiteral(" m");
}

// Two figures of one message that differ, written with as many decimals beyond the table's
// four as it takes to tell them apart.
std::pair<QString, QString> distinctTexts(double a, double b) {
    constexpr int kMostDecimals = 15;
    QString first = formatQuantity(a);
    QString second = formatQuantity(b);
    for (int decimals = 5; first == second && decimals <= kMostDecimals; ++decimals) {
        first = brazilianLocale().toString(a, 'f', decimals);
        second = brazilianLocale().toString(b, 'f', decimals);
    }
    return {first, second};
}

QString pipeTooSmallMessage(double diameter, double discharge, const LargestDischarge& largest) {
    const double ratio = hydraulics::largestDischargeDepthRatio();
    const auto [capacity, design] = distinctTexts(largest.discharge, discharge);
    return QString::fromUtf8("A seção circular de D = %1 comporta no máximo %2 m³/s (a %3 D); a "
                             "vazão de projeto é %4 m³/s.")
        .arg(metres(diameter), capacity, brazilianLocale().toString(ratio, 'f', 3), design);
}

QString noNormalDepthMessage() {
    return QString::fromUtf8("Não foi possível achar a profundidade normal com esses dados.\n\n"
                             "Verifique a declividade, o n, a vazão e as dimensões da seção.");
}

// The flow the result describes: the design discharge at its normal depth, or the capacity at
// the given depth.
struct WorkingFlow {
    double depth = 0.0;
    double discharge = 0.0;
};

Outcome<WorkingFlow> workingFlow(const AdoptedInputs& in) {
    if (in.givenDepth) {
        const double depth = *in.givenDepth;
        if (depth > deepestDepth(in.section))
            return Failure{QString::fromUtf8("A profundidade y = %1 passa do diâmetro D = %2.")
                               .arg(metres(depth), metres(deepestDepth(in.section)))};
        return WorkingFlow{depth, capacityAtDepth(in.section, depth, in.manning).discharge};
    }
    const double discharge = in.designDischarge.value_or(0.0);
    if (const auto depth = normalDepth(in.section, discharge, in.manning))
        return WorkingFlow{*depth, discharge};
    const auto largest = largestDischarge(in.section, in.manning);
    if (largest && discharge > largest->discharge)
        return Failure{pipeTooSmallMessage(deepestDepth(in.section), discharge, *largest)};
    return Failure{noNormalDepthMessage()};
}

Outcome<BankLevel> bankOf(const AdoptedInputs& in, double depth, double discharge) {
    const double freeboard = freeboardHeight(in.freeboard, depth, discharge);
    if (freeboard < 0.0)
        return Failure{QString::fromUtf8("A altura da margem H = %1 fica abaixo da profundidade "
                                         "da água y = %2.")
                           .arg(metres(in.freeboard.value), metres(depth))};
    return bankLevel(in.section, freeboard, depth);
}

QString tooLargeMessage() {
    return QString::fromUtf8("A verificação foi interrompida: um resultado ficou grande demais "
                             "para o cálculo.\n\nVerifique os dados: a vazão, a profundidade e "
                             "as dimensões da seção.");
}

bool isFinite(double value) {
    return std::isfinite(value);
}

// Every figure the result shows is a number: the flow's own, the section's at that depth (a
// figure left undefined there is one the section cannot have, such as an area too large to
// hold), and the bank's; the pipe's filling follows from a finite depth and D.
bool holdsOnlyFinite(const AdoptedResult& r) {
    const bool flow = isFinite(r.discharge) && isFinite(r.depth) && r.flow.area && r.flow.velocity;
    const bool bank = !r.bank || (isFinite(r.bank->freeboard) && isFinite(r.bank->bankHeight) &&
                                  isFinite(r.bank->topWidth) && isFinite(r.bank->area) &&
                                  isFinite(r.bank->perimeter));
    const bool shear = !r.greatestBedShear || isFinite(*r.greatestBedShear);
    return flow && bank && shear;
}

} // namespace

Outcome<AdoptedResult> verifyAdoptedSection(const AdoptedInputs& inputs) {
    const auto working = workingFlow(inputs);
    if (!working)
        return working.failure();
    AdoptedResult result;
    result.inputs = inputs;
    result.depth = working.value().depth;
    result.discharge = working.value().discharge;
    result.flow =
        hydraulics::flowAtDepth(inputs.section, result.depth, result.discharge, inputs.manning);
    result.greatestBedShear =
        hydraulics::greatestBedShear(result.depth, inputs.manning.slopePercent);
    if (const auto* circle = std::get_if<CircleSection>(&inputs.section)) {
        result.pipe = PipeFilling{result.depth / circle->diameter, circle->diameter - result.depth};
    } else {
        const auto bank = bankOf(inputs, result.depth, result.discharge);
        if (!bank)
            return bank.failure();
        result.bank = bank.value();
    }
    if (!holdsOnlyFinite(result))
        return Failure{tooLargeMessage()};
    result.checks = checkDesignLimits(inputs.limits, result.flow);
    return result;
}

} // namespace vazolar
