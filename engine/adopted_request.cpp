#include "adopted_request.h"

#include "number_text.h"
#include "sections.h"
#include "shape_description.h"
#include "sizing_messages.h"

#include <cmath>

namespace vazolar {

namespace {

// The first text of a request that cannot be used, and why, ready to be shown.
struct InputFault {
    QString message;
};

// How the messages name the fields: by the sizing forms' captions where a form has the field.
const char* const kSlope = "I (%)";
const char* const kRoughness = "n";
const char* const kDischarge = "Q projeto (m³/s)";
const char* const kDepth = "y (m)";
const char* const kAngle = "ANGULO (°)";
const char* const kBankHeight = "H (m)";
const char* const kMaxVelocity = "vmax (m/s)";
const char* const kMinVelocity = "vmin (m/s)";
const char* const kMaxFroude = "Fr máx";
const char* const kMaxDepthRatio = "y/D máx";

[[noreturn]] void fail(const QString& message) {
    throw InputFault{message};
}

double number(const QString& text, const char* caption) {
    const QString name = QString::fromUtf8(caption);
    if (text.isEmpty())
        fail(QString::fromUtf8("Informe o valor de %1.").arg(name));
    try {
        return parseFieldNumber(text, Field::None);
    } catch (const SizingError& error) {
        fail(fieldFaultMessage(error, name));
    }
}

double positiveNumber(const QString& text, const char* caption) {
    const double value = number(text, caption);
    if (!(value > 0.0))
        fail(QString::fromUtf8("O valor de %1 deve ser maior que zero.")
                 .arg(QString::fromUtf8(caption)));
    return value;
}

std::optional<double> optionalLimit(const QString& text, const char* caption) {
    if (text.isEmpty())
        return std::nullopt;
    return positiveNumber(text, caption);
}

double sideSlope(const QString& angleText) {
    const double angle = number(angleText, kAngle);
    if (!(angle > 0.0 && angle < 90.0))
        fail(QString::fromUtf8("O valor de %1 deve ficar entre 0 e 90 graus.")
                 .arg(QString::fromUtf8(kAngle)));
    return sideSlopeFromAngle(angle);
}

Section sectionOf(const AdoptedRequest& r) {
    const double z = hasField(r.shape, Field::Angle) ? sideSlope(r.angle) : 0.0;
    const std::optional<AdoptedDimension> dimension = adoptedDimension(r.shape);
    return makeSection(r.shape,
                       dimension ? positiveNumber(r.*dimension->text, dimension->caption) : 0.0, z);
}

void readFlow(const AdoptedRequest& r, AdoptedInputs& in) {
    if (r.discharge.isEmpty() == r.depth.isEmpty())
        fail(QString::fromUtf8("Informe a vazão de projeto Q ou a profundidade y, uma das duas."));
    if (r.discharge.isEmpty())
        in.givenDepth = positiveNumber(r.depth, kDepth);
    else
        in.designDischarge = positiveNumber(r.discharge, kDischarge);
}

QString badFreeboardMessage(const QString& text) {
    return QString::fromUtf8("A borda livre \"%1\" não é válida.\n\nInforme uma altura em metros "
                             "(0,30), uma parcela da profundidade (20%) ou usbr.")
        .arg(text);
}

// "usbr" or nothing, "20%", "0,30".
Freeboard freeboardRule(const QString& text) {
    const QString rule = text.trimmed();
    if (rule.isEmpty() || rule.compare(QLatin1String("usbr"), Qt::CaseInsensitive) == 0)
        return {FreeboardRule::Usbr, 0.0};
    const bool isShare = rule.endsWith(QLatin1Char('%'));
    bool ok = false;
    const double value = brazilianLocale().toDouble(isShare ? rule.chopped(1) : rule, &ok);
    if (!ok || !std::isfinite(value) || !(value > 0.0))
        fail(badFreeboardMessage(text));
    if (isShare)
        return {FreeboardRule::DepthShare, value / 100};
    return {FreeboardRule::Height, value};
}

void readFreeboard(const AdoptedRequest& r, AdoptedInputs& in) {
    const bool hasRule = !r.freeboard.trimmed().isEmpty();
    if (r.shape == Shape::Circular) {
        if (hasRule || !r.bankHeight.isEmpty())
            fail(QString::fromUtf8("A seção circular não tem borda livre: deixe a borda livre e "
                                   "a altura H em branco."));
        return;
    }
    if (r.bankHeight.isEmpty()) {
        in.freeboard = freeboardRule(r.freeboard);
        return;
    }
    if (hasRule)
        fail(QString::fromUtf8("Informe a regra da borda livre ou a altura H, não as duas."));
    in.freeboard = {FreeboardRule::BankHeight, positiveNumber(r.bankHeight, kBankHeight)};
}

void readLimits(const AdoptedRequest& r, AdoptedInputs& in) {
    in.limits.maxVelocity = optionalLimit(r.maxVelocity, kMaxVelocity);
    in.limits.minVelocity = optionalLimit(r.minVelocity, kMinVelocity);
    in.limits.maxFroude = optionalLimit(r.maxFroude, kMaxFroude);
    if (r.shape != Shape::Circular && !r.maxDepthRatio.isEmpty())
        fail(QString::fromUtf8("O limite %1 só se aplica à seção circular.")
                 .arg(QString::fromUtf8(kMaxDepthRatio)));
    in.limits.maxDepthRatio = optionalLimit(r.maxDepthRatio, kMaxDepthRatio);
}

AdoptedInputs convert(const AdoptedRequest& r) {
    AdoptedInputs in;
    in.manning.slopePercent = positiveNumber(r.slope, kSlope);
    in.manning.roughness = positiveNumber(r.roughness, kRoughness);
    readFlow(r, in);
    in.section = sectionOf(r);
    readFreeboard(r, in);
    readLimits(r, in);
    return in;
}

} // namespace

Outcome<AdoptedInputs> convertAdoptedRequest(const AdoptedRequest& request) {
    try {
        return convert(request);
    } catch (const InputFault& fault) {
        return Failure{fault.message};
    }
}

Outcome<AdoptedResult> verifyAdoptedSection(const AdoptedRequest& request) {
    const Outcome<AdoptedInputs> inputs = convertAdoptedRequest(request);
    if (!inputs)
        return Failure{inputs.message()};
    return verifyAdoptedSection(inputs.value());
}

std::optional<AdoptedDimension> adoptedDimension(Shape shape) {
    static constexpr std::pair<Shape, AdoptedDimension> kDimensions[] = {
        {Shape::Trapezoidal, {"b", "b (m)", &AdoptedRequest::bottomWidth, Quantity::BottomWidth}},
        {Shape::Rectangular, {"B", "B (m)", &AdoptedRequest::width, Quantity::TopWidth}},
        {Shape::Circular, {"D", "D (m)", &AdoptedRequest::diameter, Quantity::Diameter}},
    };
    for (const auto& [owner, dimension] : kDimensions) {
        if (owner == shape)
            return dimension;
    }
    return std::nullopt;
}

} // namespace vazolar
