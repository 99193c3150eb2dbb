#include "number_text.h"

#include <array>
#include <charconv>
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

// From here on every double is a whole number, too large for a 64-bit integer.
constexpr double kWholeNumbersOnly = 1e18;
// Enough for the 309 digits of the largest double, its thousands separators and a sign.
constexpr int kBufferSize = 440;

// A magnitude as the table shows it: the digits of its whole part and four decimals.
struct FixedDigits {
    std::array<char, 320> whole;
    int wholeLength = 0;
    int decimals = 0; // 0 to 9999
};

QString referenceFormat(double value) {
    return brazilianLocale().toString(value, 'f', 4);
}

// Splits a magnitude into whole digits and four decimals rounded exactly as a correctly
// rounding formatter would. Returns false when the decimals lie too close to a half to decide
// from the rounded product; the caller then asks the locale, which also settles how exact
// halves go.
bool fixedDigits(double magnitude, FixedDigits& out) {
    char* first = out.whole.data();
    char* last = first + out.whole.size();
    if (magnitude >= kWholeNumbersOnly) {
        out.wholeLength =
            int(std::to_chars(first, last, magnitude, std::chars_format::fixed, 0).ptr - first);
        out.decimals = 0;
        return true;
    }
    double whole = std::floor(magnitude);
    // Both exact: the fraction of a double is a double, and so is its floor.
    const double product = (magnitude - whole) * 10000.0;
    const double lower = std::floor(product);
    const double fraction = product - lower;
    const double ulp = std::nextafter(product, INFINITY) - product;
    if (std::fabs(fraction - 0.5) <= ulp)
        return false;
    out.decimals = static_cast<int>(lower) + (fraction > 0.5 ? 1 : 0);
    auto integer = static_cast<std::uint64_t>(whole);
    if (out.decimals == 10000) {
        out.decimals = 0;
        ++integer;
    }
    out.wholeLength = int(std::to_chars(first, last, integer).ptr - first);
    return true;
}

// Writes sign, grouped whole digits, the decimal comma and the four decimals.
qsizetype writeFixed(const FixedDigits& digits, bool negative, char16_t* out) {
    char16_t* p = out;
    if (negative)
        *p++ = u'-';
    for (int i = 0; i < digits.wholeLength; ++i) {
        if (i > 0 && (digits.wholeLength - i) % 3 == 0)
            *p++ = u'.';
        *p++ = static_cast<char16_t>(digits.whole[i]);
    }
    *p++ = u',';
    for (int divisor = 1000, rest = digits.decimals; divisor > 0; divisor /= 10) {
        *p++ = static_cast<char16_t>(u'0' + rest / divisor);
        rest %= divisor;
    }
    return p - out;
}

} // namespace

void appendQuantity(QString& out, double value) {
    FixedDigits digits;
    if (!std::isfinite(value) || !fixedDigits(std::fabs(value), digits)) {
        out += referenceFormat(value);
        return;
    }
    std::array<char16_t, kBufferSize> buffer;
    // The locale writes a minus for every negative value, also one that rounds to zero,
    // but not for a negative zero.
    const qsizetype length = writeFixed(digits, value < 0.0, buffer.data());
    out.append(reinterpret_cast<const QChar*>(buffer.data()), length);
}

QString formatQuantity(double value) {
    QString text;
    appendQuantity(text, value);
    return text;
}

} // namespace vazolar
