#include "profile_request.h"

#include "adopted_verification.h"
#include "number_text.h"
#include "sizing_messages.h"

namespace vazolar {

namespace {

constexpr ProfileFieldSpec kProfileFields[] = {
    {ProfileField::ControlDepth, &ProfileTexts::controlDepth, "y0", "y de controle (m)", true},
    {ProfileField::Length, &ProfileTexts::length, "comprimento", "Comprimento do trecho (m)", true},
    {ProfileField::Step, &ProfileTexts::step, "passo", "Passo (m)", false},
};

QString metres(double value) {
    return formatQuantity(value) + QStringLiteral(" m");
}

// A number of the profile's own fields, positive.
Outcome<double> positiveField(const QString& text, const QString& name) {
    if (text.trimmed().isEmpty())
        return Failure{QString::fromUtf8("Informe o valor de %1.").arg(name)};
    double value = 0.0;
    try {
        value = parseFieldNumber(text.trimmed(), Field::None);
    } catch (const SizingError& error) {
        return Failure{fieldFaultMessage(error, name)};
    }
    if (!(value > 0.0))
        return Failure{QString::fromUtf8("O valor de %1 deve ser maior que zero.").arg(name)};
    return value;
}

// The section as the adopted-section reader takes it, with the bank as its height, the
// discharge required and the slope of any sign.
Outcome<AdoptedInputs> sectionInputs(const ProfileTexts& texts, const FieldNamer& names) {
    AdoptedRequest section;
    section.shape = texts.section.shape;
    section.slope = texts.section.slope;
    section.roughness = texts.section.roughness;
    section.discharge = texts.section.discharge;
    section.angle = texts.section.angle;
    section.bottomWidth = texts.section.bottomWidth;
    section.width = texts.section.width;
    section.diameter = texts.section.diameter;
    if (!texts.bankHeight.trimmed().isEmpty())
        section.freeboard = {FreeboardRule::BankHeight, texts.bankHeight.trimmed()};
    if (section.discharge.trimmed().isEmpty())
        return Failure{
            QString::fromUtf8("Informe o valor de %1.").arg(names(AdoptedField::Discharge))};
    return convertAdoptedRequest(section, names, SlopeRule::AnySign);
}

// The control, the length and the step, each checked as its field.
Outcome<> readReach(const ProfileTexts& texts, const ProfileNamer& names, ProfileRequest& out) {
    if (!texts.criticalControl) {
        const Outcome<double> control =
            positiveField(texts.controlDepth, names.profile(ProfileField::ControlDepth));
        if (!control)
            return control.failure();
        out.controlDepth = control.value();
    }
    const Outcome<double> length = positiveField(texts.length, names.profile(ProfileField::Length));
    if (!length)
        return length.failure();
    out.length = length.value();
    if (texts.step.trimmed().isEmpty()) {
        out.step = out.length / kDefaultStepsPerReach;
        return {};
    }
    const Outcome<double> step = positiveField(texts.step, names.profile(ProfileField::Step));
    if (!step)
        return step.failure();
    out.step = step.value();
    return {};
}

// The engine's fault in words; the discharge beyond a pipe's capacity with the figures of the
// adopted section's message.
QString profileFaultMessage(ProfileFault fault, const ProfileInputs& inputs,
                            const ProfileNamer& names) {
    const ProfileRequest& r = inputs.request;
    switch (fault) {
    case ProfileFault::StepLongerThanReach:
        return QString::fromUtf8("O valor de %1 (%2) não pode ser maior que o de %3 (%4).")
            .arg(names.profile(ProfileField::Step), metres(r.step),
                 names.profile(ProfileField::Length), metres(r.length));
    case ProfileFault::TooManyStations:
        return QString::fromUtf8("O valor de %1 é pequeno demais para o comprimento do trecho: "
                                 "a curva teria mais de %2 estações.")
            .arg(names.profile(ProfileField::Step),
                 brazilianLocale().toString(static_cast<qlonglong>(kMostStations)));
    case ProfileFault::ControlAboveCrown:
        return QString::fromUtf8("A profundidade %1 = %2 passa do diâmetro D = %3.")
            .arg(names.profile(ProfileField::ControlDepth), metres(r.controlDepth.value_or(0.0)),
                 metres(deepestDepth(r.reach.section)));
    case ProfileFault::BeyondPipeCapacity: {
        AdoptedInputs uniform;
        uniform.section = r.reach.section;
        uniform.manning = r.reach.manning;
        uniform.designDischarge = r.reach.discharge;
        const auto computed = computeAdoptedSection(uniform);
        if (const auto* tooSmall = std::get_if<AdoptedFault>(&computed))
            return faultMessage(*tooSmall);
        break;
    }
    case ProfileFault::NoCriticalDepth:
        return QString::fromUtf8("Não foi possível achar a profundidade crítica com esses "
                                 "dados.\n\nVerifique o n, a vazão e as dimensões da seção.");
    case ProfileFault::DischargeNotPositive:
    case ProfileFault::RoughnessNotPositive:
    case ProfileFault::LengthNotPositive:
    case ProfileFault::StepNotPositive:
    case ProfileFault::ControlDepthNotPositive:
    case ProfileFault::NotConverged:
        break;
    }
    return QString::fromUtf8("O cálculo da curva de remanso não convergiu com esses dados.\n\n"
                             "Verifique a declividade, o n, a vazão e as dimensões da seção.");
}

} // namespace

std::span<const ProfileFieldSpec> profileFields() {
    return kProfileFields;
}

const ProfileFieldSpec& profileField(ProfileField id) {
    for (const ProfileFieldSpec& field : kProfileFields) {
        if (field.id == id)
            return field;
    }
    return kProfileFields[0];
}

Outcome<ProfileInputs> convertProfileTexts(const ProfileTexts& texts, const ProfileNamer& names) {
    const Outcome<AdoptedInputs> section = sectionInputs(texts, names.section);
    if (!section)
        return section.failure();
    ProfileInputs inputs;
    inputs.shape = texts.section.shape;
    inputs.request.reach = {section.value().section, *section.value().designDischarge,
                            section.value().manning};
    if (section.value().freeboard.rule == FreeboardRule::BankHeight &&
        takesField(inputs.shape, AdoptedField::BankHeight))
        inputs.bankHeight = section.value().freeboard.value;
    if (const Outcome<> reach = readReach(texts, names, inputs.request); !reach)
        return reach.failure();
    return inputs;
}

Outcome<WaterProfile> computeProfile(const ProfileInputs& inputs, const ProfileNamer& names) {
    ProfileOutcome computed = computeWaterProfile(inputs.request);
    if (const auto* fault = std::get_if<ProfileFault>(&computed))
        return Failure{profileFaultMessage(*fault, inputs, names)};
    return std::get<WaterProfile>(std::move(computed));
}

} // namespace vazolar
