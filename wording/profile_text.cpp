#include "profile_text.h"

#include "adopted_text.h"
#include "engine/profile_bank.h"
#include "number_text.h"
#include "shape_description.h"

namespace vazolar {

namespace {

struct SlopeWords {
    SlopeKind slope;
    char letter;
    const char* kind;
};

constexpr SlopeWords kSlopeWords[] = {
    {SlopeKind::Mild, 'M', "fraca (yn > yc)"},
    {SlopeKind::Steep, 'S', "forte (yn < yc)"},
    {SlopeKind::Critical, 'C', "crítica (yn = yc)"},
    {SlopeKind::Horizontal, 'H', "horizontal (I = 0, sem profundidade normal)"},
    {SlopeKind::Adverse, 'A', "adversa (I < 0, sem profundidade normal)"},
};

const SlopeWords& wordsOf(SlopeKind slope) {
    for (const SlopeWords& words : kSlopeWords) {
        if (words.slope == slope)
            return words;
    }
    return kSlopeWords[0];
}

struct CurveSentence {
    ProfileClass curve;
    const char* sentence;
};

using S = SlopeKind;
using Z = ProfileZone;

constexpr CurveSentence kSentences[] = {
    {{S::Mild, Z::One},
     "remanso acima da profundidade normal, a montante de uma comporta, barragem ou vertedor"},
    {{S::Mild, Z::Two},
     "rebaixamento entre a profundidade normal e a crítica, a montante de uma queda livre"},
    {{S::Mild, Z::Three},
     "escoamento torrencial abaixo da profundidade crítica, a jusante de uma comporta, que "
     "termina em ressalto"},
    {{S::Steep, Z::One},
     "remanso acima da profundidade crítica, a montante de uma barragem ou comporta, depois de "
     "um ressalto"},
    {{S::Steep, Z::Two},
     "rebaixamento entre a profundidade crítica e a normal, a jusante de uma passagem para "
     "declividade forte"},
    {{S::Steep, Z::Three},
     "escoamento torrencial abaixo da profundidade normal, a jusante de uma comporta, que "
     "tende à normal"},
    {{S::Critical, Z::One},
     "acima da profundidade crítica em declividade crítica, a montante de um controle"},
    {{S::Critical, Z::Two}, "escoamento uniforme na profundidade crítica"},
    {{S::Critical, Z::Three},
     "abaixo da profundidade crítica em declividade crítica, a jusante de uma comporta"},
    {{S::Horizontal, Z::Two},
     "rebaixamento acima da profundidade crítica em fundo horizontal, a montante de uma queda "
     "livre"},
    {{S::Horizontal, Z::Three},
     "escoamento torrencial abaixo da profundidade crítica em fundo horizontal, a jusante de "
     "uma comporta, que termina em ressalto"},
    {{S::Adverse, Z::Two},
     "rebaixamento acima da profundidade crítica em declividade adversa, a montante de uma "
     "queda livre"},
    {{S::Adverse, Z::Three},
     "escoamento torrencial abaixo da profundidade crítica em declividade adversa, a jusante "
     "de uma comporta, que termina em ressalto"},
};

QString metres(double value) {
    return formatQuantity(value) + QStringLiteral(" m");
}

QString atX(double x) {
    return QStringLiteral("x = ") + metres(x);
}

QString normalDepthText(const WaterProfile& profile) {
    return profile.normalDepth ? metres(*profile.normalDepth) : QString::fromUtf8("não existe");
}

QString reachText(const ProfileRequest& request) {
    return QString::fromUtf8("Trecho: comprimento L = %1, estações a cada Δx = %2")
        .arg(metres(request.length), metres(request.step));
}

QString normalLengthText(const WaterProfile& profile) {
    return QString::fromUtf8("A profundidade chega a 1% de yn em %1")
        .arg(atX(*profile.normalLength));
}

QString endText(const WaterProfile& profile) {
    if (profile.end == ProfileEnd::CriticalDepth)
        return QString::fromUtf8("A profundidade atinge yc em %1: ali o escoamento muda "
                                 "bruscamente e a curva termina")
            .arg(atX(profile.endX));
    return QString::fromUtf8("Tubo cheio: escoamento sob pressão a partir de x = %1: fora do "
                             "alcance deste cálculo")
        .arg(metres(profile.endX));
}

QStringList jumpLines(const WaterProfile& profile) {
    switch (profile.jumpPlace) {
    case JumpPlace::InReach: {
        const HydraulicJump& jump = *profile.jump;
        return {QString::fromUtf8("Ressalto hidráulico em %1: y1 = yn = %2, y2 = %3, energia "
                                  "dissipada E1 − E2 = %4")
                    .arg(atX(jump.x), metres(jump.upstreamDepth), metres(jump.sequentDepth),
                         metres(jump.energyLost)),
                QString::fromUtf8("A montante do ressalto o escoamento segue em yn")};
    }
    case JumpPlace::BeyondReach:
        return {QString::fromUtf8("O ressalto ficaria além do fim do trecho: a curva S1 ocupa "
                                  "todo o trecho")};
    case JumpPlace::DownstreamOfControl:
        return {QString::fromUtf8("O controle não sustenta o ressalto no trecho: y0 fica abaixo "
                                  "da conjugada de yn; todo o trecho escoa em yn e o ressalto se "
                                  "forma a jusante do controle")};
    case JumpPlace::NoJump:
        break;
    }
    return {};
}

QString bankText(double from, double to) {
    return QString::fromUtf8("Margem: a linha d'água ultrapassa a margem de x = %1 a x = %2")
        .arg(formatQuantity(from), metres(to));
}

} // namespace

QString profileClassName(ProfileClass curve) {
    return QChar::fromLatin1(wordsOf(curve.slope).letter) +
           QString::number(static_cast<int>(curve.zone));
}

QString profileClassSentence(ProfileClass curve) {
    for (const CurveSentence& entry : kSentences) {
        if (entry.curve == curve)
            return QString::fromUtf8(entry.sentence);
    }
    return QString();
}

QString slopeKindText(SlopeKind slope) {
    return QString::fromUtf8(wordsOf(slope).kind);
}

QString controlText(const ProfileInputs& inputs, const WaterProfile& profile) {
    const bool downstream = profile.direction == Direction::Upstream;
    const QString depth = inputs.request.controlDepth
                              ? QStringLiteral("y0 = ") + metres(profile.controlDepth)
                              : QString::fromUtf8("profundidade crítica y0 = yc = %1 (queda livre)")
                                    .arg(metres(profile.controlDepth));
    return QString::fromUtf8("Controle: %1, a %2; a curva se calcula para %3")
        .arg(depth, downstream ? QStringLiteral("jusante") : QStringLiteral("montante"),
             downstream ? QStringLiteral("montante") : QStringLiteral("jusante"));
}

QStringList profileSectionLines(const ProfileInputs& inputs, const WaterProfile& profile) {
    QStringList lines{QStringLiteral("Canal ") + shapeName(inputs.shape)};
    const ReachFlow& reach = inputs.request.reach;
    lines << resultRowsLines(sectionDimensionRows(reach.section));
    lines
        << QString::fromUtf8("Declividade I: %1 %").arg(formatQuantity(reach.manning.slopePercent))
        << QString::fromUtf8("Rugosidade n: %1").arg(formatQuantity(reach.manning.roughness))
        << QString::fromUtf8("Vazão de projeto Q: %1 m³/s").arg(formatQuantity(reach.discharge));
    if (inputs.bankHeight)
        lines << QString::fromUtf8("Altura da margem H: %1").arg(metres(*inputs.bankHeight));
    lines << QString::fromUtf8("Profundidade normal yn: %1").arg(normalDepthText(profile))
          << QString::fromUtf8("Profundidade crítica yc: %1").arg(metres(profile.criticalDepth));
    return lines;
}

QStringList profileFindingLines(const ProfileInputs& inputs, const WaterProfile& profile) {
    return profileClassLines(inputs, profile) + profilePointLines(inputs, profile);
}

QStringList profileClassLines(const ProfileInputs& inputs, const WaterProfile& profile) {
    return {QString::fromUtf8("Declividade: %1").arg(slopeKindText(profile.curve.slope)),
            QString::fromUtf8("Curva %1: %2")
                .arg(profileClassName(profile.curve), profileClassSentence(profile.curve)),
            controlText(inputs, profile), reachText(inputs.request)};
}

QStringList profilePointLines(const ProfileInputs& inputs, const WaterProfile& profile) {
    QStringList lines;
    if (profile.normalLength)
        lines << normalLengthText(profile);
    if (profile.end != ProfileEnd::ReachEnd)
        lines << endText(profile);
    lines << jumpLines(profile);
    if (profile.controlSequentDepth)
        lines << QString::fromUtf8("Profundidade conjugada de y0 (torrencial): y2 = %1")
                     .arg(metres(*profile.controlSequentDepth));
    if (inputs.bankHeight) {
        const auto over = stretchAboveBank(inputs.request, profile, *inputs.bankHeight);
        lines << (over ? bankText(over->from, over->to)
                       : QString::fromUtf8("Margem: a linha d'água fica abaixo da margem em todo "
                                           "o trecho"));
    }
    return lines;
}

} // namespace vazolar
