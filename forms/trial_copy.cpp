#include "trial_copy.h"

#include "engine/number_text.h"

namespace vazolar {

namespace {

void appendRow(QString& text, const TrialTable& trials, int row) {
    const SectionQuantities quantities = trials.at(row);
    for (int i = 0; i < quantities.count; ++i) {
        if (i > 0)
            text += u'\t';
        appendQuantity(text, quantities.values[std::size_t(i)]);
    }
    text += u'\n';
}

} // namespace

QString trialRowText(const TrialTable& trials, int row) {
    QString text;
    appendRow(text, trials, row);
    return text;
}

QString trialTableText(const TrialTable& trials) {
    QString text = columnNames(trials.inputs().shape).join(u'\t') + u'\n';
    text.reserve(text.size() + qsizetype(trials.size()) * 96);
    for (int row = 0; row < trials.size(); ++row)
        appendRow(text, trials, row);
    return text;
}

} // namespace vazolar
