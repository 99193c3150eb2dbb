#include "trial_copy.h"

#include "wording/row_text.h"
#include "wording/shape_description.h"

namespace vazolar {

namespace {

void appendRow(QString& text, const TrialTable& trials, int row) {
    text += columnCells(trials.inputs().shape, trials.at(row)).join(u'\t');
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
