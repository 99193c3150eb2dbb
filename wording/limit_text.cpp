#include "limit_text.h"

#include "number_text.h"

#include <QStringList>

namespace vazolar {

namespace {

struct LimitWords {
    DesignLimit limit;
    const char* name;     // the option and the CSV column
    const char* symbol;   // the limit in a comparison
    const char* quantity; // what the flow has
    const char* unit;
};

constexpr LimitWords kLimitWords[] = {
    {DesignLimit::MaxVelocity, "vmax", "vmax", "V", "m/s"},
    {DesignLimit::MinVelocity, "vmin", "vmin", "V", "m/s"},
    {DesignLimit::MaxFroude, "frmax", "frmax", "Fr", ""},
    {DesignLimit::MaxDepthRatio, "ymaxd", "ymaxd", "y/D", ""},
    {DesignLimit::MaxShear, "tauadm", "τadm", "τ", "Pa"},
};

const LimitWords& wordsOf(DesignLimit limit) {
    for (const LimitWords& words : kLimitWords) {
        if (words.limit == limit)
            return words;
    }
    Q_UNREACHABLE();
    return kLimitWords[0];
}

// "≤" where an upper limit holds, ">" where it fails; "≥" and "<" for a lower one.
QString signOf(DesignLimit limit, bool holds) {
    const bool upper = isUpperLimit(limit);
    return QString::fromUtf8(holds ? (upper ? "≤" : "≥") : (upper ? ">" : "<"));
}

QString withUnit(const QString& number, const char* unit) {
    return *unit ? number + QLatin1Char(' ') + QString::fromUtf8(unit) : number;
}

} // namespace

QString limitUnit(DesignLimit limit) {
    return QString::fromUtf8(wordsOf(limit).unit);
}

QString limitName(DesignLimit limit) {
    return QString::fromLatin1(wordsOf(limit).name);
}

QString limitComparison(DesignLimit limit, bool holds) {
    return QStringLiteral("%1 %2 %3")
        .arg(QString::fromUtf8(wordsOf(limit).quantity), signOf(limit, holds),
             QString::fromUtf8(wordsOf(limit).symbol));
}

QString checkedValueText(const LimitCheck& check) {
    const char* unit = wordsOf(check.limit).unit;
    if (!check.value)
        return QString::fromUtf8("—");
    const QString value = withUnit(formatQuantity(*check.value), unit);
    if (check.factor == 1.0)
        return value;
    return QString::fromUtf8("%1 × %2 = %3")
        .arg(formatQuantity(check.factor), value,
             withUnit(formatQuantity(check.factor * *check.value), unit));
}

QString checkOutcomeText(const LimitCheck& check) {
    const char* unit = wordsOf(check.limit).unit;
    return QStringLiteral("%1 %2 %3: %4")
        .arg(checkedValueText(check), signOf(check.limit, check.passes),
             withUnit(formatQuantity(check.bound), unit),
             QString::fromUtf8(check.passes ? "atende" : "não atende"));
}

QString verificationText(const std::vector<LimitCheck>& checks) {
    if (checks.empty())
        return QString();
    QStringList failed;
    for (const LimitCheck& check : checks) {
        if (!check.passes)
            failed << limitComparison(check.limit, false);
    }
    if (failed.isEmpty())
        return QStringLiteral("atende");
    return QString::fromUtf8("não atende: ") + failed.join(QStringLiteral(", "));
}

} // namespace vazolar
