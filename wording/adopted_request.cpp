#include "adopted_request.h"

#include "adopted_verification.h"
#include "engine/sections.h"
#include "field_characters.h"
#include "number_text.h"
#include "sizing_messages.h"

#include <algorithm>

namespace vazolar {

namespace {

// The first text of a request that cannot be used, and why, ready to be shown.
struct InputFault {
    QString message;
};

[[noreturn]] void fail(const QString& message) {
    throw InputFault{message};
}

// Reads one request; the namer says how its messages name the fields.
class RequestReader {
public:
    RequestReader(const AdoptedRequest& request, const FieldNamer& names, SlopeRule slopeRule)
        : r_(request), names_(names), slopeRule_(slopeRule) {}

    AdoptedInputs read() const;

private:
    double number(const QString& text, AdoptedField field) const;
    double positiveNumber(const QString& text, AdoptedField field) const;
    std::optional<double> optionalLimit(const QString& text, AdoptedField field) const;
    double sideSlope() const;
    Section section() const;
    void readFlow(AdoptedInputs& in) const;
    Freeboard freeboardRule() const;
    void readFreeboard(AdoptedInputs& in) const;
    void readLimits(AdoptedInputs& in) const;

    const AdoptedRequest& r_;
    const FieldNamer& names_;
    SlopeRule slopeRule_;
};

double RequestReader::number(const QString& text, AdoptedField field) const {
    if (text.isEmpty())
        fail(QString::fromUtf8("Informe o valor de %1.").arg(names_(field)));
    try {
        return parseFieldNumber(text, Field::None);
    } catch (const SizingError& error) {
        fail(fieldFaultMessage(error, names_(field)));
    }
}

double RequestReader::positiveNumber(const QString& text, AdoptedField field) const {
    const double value = number(text, field);
    if (!(value > 0.0))
        fail(QString::fromUtf8("O valor de %1 deve ser maior que zero.").arg(names_(field)));
    return value;
}

std::optional<double> RequestReader::optionalLimit(const QString& text, AdoptedField field) const {
    if (text.isEmpty())
        return std::nullopt;
    return positiveNumber(text, field);
}

// From 0 (vertical walls) up to, not including, 90 degrees (flat walls, no channel).
double RequestReader::sideSlope() const {
    const double angle = number(r_.angle, AdoptedField::Angle);
    if (!(angle >= 0.0 && angle < 90.0))
        fail(QString::fromUtf8("O valor de %1 deve ficar entre 0 e 90 graus: de 0 (paredes "
                               "verticais) até menos de 90.")
                 .arg(names_(AdoptedField::Angle)));
    return sideSlopeFromAngle(angle);
}

Section RequestReader::section() const {
    const double z = takesField(r_.shape, AdoptedField::Angle) ? sideSlope() : 0.0;
    const std::optional<AdoptedFieldSpec> dimension =
        adoptedField(r_.shape, AdoptedField::Dimension);
    return makeSection(
        r_.shape, dimension ? positiveNumber(r_.*dimension->text, AdoptedField::Dimension) : 0.0,
        z);
}

void RequestReader::readFlow(AdoptedInputs& in) const {
    if (r_.discharge.isEmpty() == r_.depth.isEmpty())
        fail(QString::fromUtf8("Informe %1 (a vazão de projeto) ou %2 (a profundidade), uma "
                               "das duas.")
                 .arg(names_(AdoptedField::Discharge), names_(AdoptedField::Depth)));
    if (r_.discharge.isEmpty())
        in.givenDepth = positiveNumber(r_.depth, AdoptedField::Depth);
    else
        in.designDischarge = positiveNumber(r_.discharge, AdoptedField::Discharge);
}

// The rule's number, in metres or in percent of the depth, written as a field takes it.
Freeboard RequestReader::freeboardRule() const {
    const FreeboardText& typed = r_.freeboard;
    if (typed.rule == FreeboardRule::Usbr)
        return {FreeboardRule::Usbr, 0.0};
    if (typed.rule == FreeboardRule::BankHeight)
        return {FreeboardRule::BankHeight, positiveNumber(typed.value, AdoptedField::BankHeight)};
    const bool isShare = typed.rule == FreeboardRule::DepthShare;
    const QString value = typed.value.trimmed();
    const bool fieldTyped =
        std::all_of(value.begin(), value.end(), [](QChar c) { return fieldAccepts(c.unicode()); });
    if (!fieldTyped || value.isEmpty())
        fail(QString::fromUtf8("A borda livre \"%1\" não é válida.\n\nInforme uma altura em "
                               "metros (0,30), uma parcela da profundidade (20%) ou usbr.")
                 .arg(isShare ? typed.value + u'%' : typed.value));
    const double number = positiveNumber(value, AdoptedField::Freeboard);
    return {typed.rule, isShare ? number / 100 : number};
}

void RequestReader::readFreeboard(AdoptedInputs& in) const {
    if (!takesField(r_.shape, AdoptedField::Freeboard)) {
        if (r_.freeboard.rule != FreeboardRule::Usbr || !r_.freeboard.value.isEmpty())
            fail(QString::fromUtf8("A seção circular não tem borda livre: deixe %1 e %2 em "
                                   "branco.")
                     .arg(names_(AdoptedField::Freeboard), names_(AdoptedField::BankHeight)));
        return;
    }
    in.freeboard = freeboardRule();
}

void RequestReader::readLimits(AdoptedInputs& in) const {
    in.limits.maxVelocity = optionalLimit(r_.maxVelocity, AdoptedField::MaxVelocity);
    in.limits.minVelocity = optionalLimit(r_.minVelocity, AdoptedField::MinVelocity);
    in.limits.maxFroude = optionalLimit(r_.maxFroude, AdoptedField::MaxFroude);
    const QString ratioName = names_(AdoptedField::MaxDepthRatio);
    if (!takesField(r_.shape, AdoptedField::MaxDepthRatio) && !r_.maxDepthRatio.isEmpty())
        fail(QString::fromUtf8("O limite %1 só se aplica à seção circular.").arg(ratioName));
    in.limits.maxDepthRatio = optionalLimit(r_.maxDepthRatio, AdoptedField::MaxDepthRatio);
    // A pipe is never fuller than full.
    if (in.limits.maxDepthRatio > 1.0)
        fail(QString::fromUtf8("O valor de %1 deve ficar entre 0 e 1: y/D vai de 0 (vazio) a 1 "
                               "(cheio).")
                 .arg(ratioName));
    in.limits.maxShear = optionalLimit(r_.maxShear, AdoptedField::MaxShear);
    if (!r_.shearSafetyFactor.isEmpty())
        in.limits.shearSafetyFactor =
            positiveNumber(r_.shearSafetyFactor, AdoptedField::ShearSafetyFactor);
}

AdoptedInputs RequestReader::read() const {
    AdoptedInputs in;
    in.manning.slopePercent = slopeRule_ == SlopeRule::Positive
                                  ? positiveNumber(r_.slope, AdoptedField::Slope)
                                  : number(r_.slope, AdoptedField::Slope);
    in.manning.roughness = positiveNumber(r_.roughness, AdoptedField::Roughness);
    readFlow(in);
    in.section = section();
    readFreeboard(in);
    readLimits(in);
    return in;
}

} // namespace

Outcome<AdoptedInputs> convertAdoptedRequest(const AdoptedRequest& request, const FieldNamer& names,
                                             SlopeRule slopeRule) {
    try {
        return RequestReader(request, names, slopeRule).read();
    } catch (const InputFault& fault) {
        return Failure{fault.message};
    }
}

Outcome<AdoptedResult> verifyAdoptedSection(const AdoptedRequest& request,
                                            const FieldNamer& names) {
    const Outcome<AdoptedInputs> inputs = convertAdoptedRequest(request, names);
    if (!inputs)
        return inputs.failure();
    return verifyAdoptedSection(inputs.value());
}

} // namespace vazolar
