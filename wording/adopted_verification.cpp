#include "adopted_verification.h"

#include "number_text.h"

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

struct FaultText {
    QString operator()(const DepthAboveCrown& f) const {
        return QString::fromUtf8("A profundidade y = %1 passa do diâmetro D = %2.")
            .arg(metres(f.depth), metres(f.diameter));
    }
    QString operator()(const PipeTooSmall& f) const {
        const auto [capacity, design] = distinctTexts(f.largestDischarge, f.designDischarge);
        return QString::fromUtf8("A seção circular de D = %1 comporta no máximo %2 m³/s (a %3 D); "
                                 "a vazão de projeto é %4 m³/s.")
            .arg(metres(f.diameter), capacity,
                 brazilianLocale().toString(f.largestDepthRatio, 'f', 3), design);
    }
    QString operator()(const NoNormalDepth&) const {
        return QString::fromUtf8("Não foi possível achar a profundidade normal com esses dados.\n\n"
                                 "Verifique a declividade, o n, a vazão e as dimensões da seção.");
    }
    QString operator()(const BankBelowWater& f) const {
        return QString::fromUtf8("A altura da margem H = %1 fica abaixo da profundidade da água "
                                 "y = %2.")
            .arg(metres(f.bankHeight), metres(f.depth));
    }
    QString operator()(const ResultTooLarge&) const {
        return QString::fromUtf8("A verificação foi interrompida: um resultado ficou grande demais "
                                 "para o cálculo.\n\nVerifique os dados: a vazão, a profundidade e "
                                 "as dimensões da seção.");
    }
};

} // namespace

QString faultMessage(const AdoptedFault& fault) {
    return std::visit(FaultText{}, fault);
}

Outcome<AdoptedResult> verifyAdoptedSection(const AdoptedInputs& inputs) {
    auto computed = computeAdoptedSection(inputs);
    if (const auto* fault = std::get_if<AdoptedFault>(&computed))
        return Failure{faultMessage(*fault)};
    return std::get<AdoptedResult>(std::move(computed));
}

} // namespace vazolar
