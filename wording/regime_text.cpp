#include "regime_text.h"

namespace vazolar::hydraulics {

namespace {

struct RegimeWords {
    const char* word;
    const char* flow;
};

constexpr RegimeWords kRegimeWords[] = {
    {"subcrítico", "fluvial"}, {"crítico", ""}, {"supercrítico", "torrencial"}};

} // namespace

QString regimeWord(Regime regime) {
    return QString::fromUtf8(kRegimeWords[static_cast<int>(regime)].word);
}

QString regimeText(Regime regime) {
    const RegimeWords& words = kRegimeWords[static_cast<int>(regime)];
    if (*words.flow == '\0')
        return QString::fromUtf8(words.word);
    return QStringLiteral("%1 (%2)").arg(QString::fromUtf8(words.word),
                                         QString::fromUtf8(words.flow));
}

} // namespace vazolar::hydraulics
