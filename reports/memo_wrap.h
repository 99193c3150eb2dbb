#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

// Breaking the memo's texts into lines no wider than their room. No painting here: the width
// of a text comes from whoever measures it.
namespace vazolar::reports {

using TextAdvance = std::function<double(QStringView)>;

// The text in lines no wider than width: as it is when it fits, otherwise broken between
// words (blanks between them dropped), a word wider than the width broken between its
// characters.
QStringList wrapText(const QString& text, double width, const TextAdvance& advance);

// Every line break, tab or other control character of a one-line text (a run of them) as
// one blank.
QString oneLine(const QString& text);

} // namespace vazolar::reports
