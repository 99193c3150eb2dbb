#include "number_text.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace vazolar {

const QLocale& brazilianLocale() {
    static const QLocale locale(QLocale::Portuguese, QLocale::Brazil);
    return locale;
}

double parseFieldNumber(const QString& text, Field field) {
    bool ok = false;
    const double value = brazilianLocale().toDouble(text, &ok);
    if (ok && std::isfinite(value))
        return value;
    if (!ok && std::isinf(value))
        throw SizingError(Fault::Overflow, field);
    throw SizingError(Fault::TypeMismatch, field);
}

namespace {

// Below this magnitude value × 10000 keeps a fraction fine enough to round by hand.
constexpr double kFastLimit = 1e11;
constexpr int kFastBufferSize = 32;

QString referenceFormat(double value) {
    return brazilianLocale().toString(value, 'f', 4);
}

// Rounds |value| × 10000 to the nearest integer exactly as a correctly rounding formatter
// would. Returns false when the product lies too close to a half to decide from the rounded
// product; the caller then asks the locale, which also settles how exact halves go.
bool scaledMagnitude(double value, std::uint64_t& scaled) {
    const double product = std::fabs(value) * 10000.0;
    const double whole = std::floor(product);
    const double fraction = product - whole;
    const double ulp = std::nextafter(product, INFINITY) - product;
    if (std::fabs(fraction - 0.5) <= ulp)
        return false;
    scaled = static_cast<std::uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);
    return true;
}

// Writes the digits backwards from the end of buffer; returns the first character.
char16_t* writeBackwards(std::uint64_t scaled, bool negative, char16_t* end) {
    char16_t* p = end;
    for (int i = 0; i < 4; ++i) {
        *--p = static_cast<char16_t>(u'0' + scaled % 10);
        scaled /= 10;
    }
    *--p = u',';
    int digits = 0;
    do {
        if (digits > 0 && digits % 3 == 0)
            *--p = u'.';
        *--p = static_cast<char16_t>(u'0' + scaled % 10);
        scaled /= 10;
        ++digits;
    } while (scaled != 0);
    if (negative)
        *--p = u'-';
    return p;
}

} // namespace

void appendQuantity(QString& out, double value) {
    std::uint64_t scaled = 0;
    if (!(std::fabs(value) < kFastLimit) || !scaledMagnitude(value, scaled)) {
        out += referenceFormat(value);
        return;
    }
    std::array<char16_t, kFastBufferSize> buffer;
    char16_t* end = buffer.data() + buffer.size();
    // The locale writes a minus for every negative value, also one that rounds to zero,
    // but not for a negative zero.
    const char16_t* begin = writeBackwards(scaled, value < 0.0, end);
    out.append(reinterpret_cast<const QChar*>(begin), end - begin);
}

QString formatQuantity(double value) {
    QString text;
    appendQuantity(text, value);
    return text;
}

} // namespace vazolar
