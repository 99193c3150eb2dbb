#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

// What a PDF holds, read back with poppler's tools as a person's PDF reader would show it.
namespace vazolar::testing {

inline bool hasPdfTools() {
    return !QStandardPaths::findExecutable("pdftotext").isEmpty() &&
           !QStandardPaths::findExecutable("pdffonts").isEmpty();
}

inline QString toolOutput(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of every page, blanks run together, one string per page.
inline QStringList pdfPages(const QString& pdf) {
    QStringList pages = toolOutput("pdftotext", {"-layout", "-enc", "UTF-8", pdf, "-"}).split(u'\f');
    if (!pages.isEmpty())
        pages.removeLast(); // every page ends with a form feed
    for (QString& page : pages)
        page = page.simplified();
    return pages;
}

// Whether the texts appear in this order in the pages, blanks aside; the first missing one
// otherwise.
inline QString firstMissing(const QStringList& pages, const QStringList& texts) {
    const QString all = pages.join(u' ');
    qsizetype from = 0;
    for (const QString& text : texts) {
        from = all.indexOf(text.simplified(), from);
        if (from < 0)
            return text;
    }
    return QString();
}

// Whether every font of the PDF is embedded (pdffonts' "emb" column says "yes").
inline bool allFontsEmbedded(const QString& pdf) {
    const QStringList lines = toolOutput("pdffonts", {pdf}).split(u'\n', Qt::SkipEmptyParts);
    if (lines.size() < 3)
        return false;
    for (const QString& line : lines.mid(2)) {
        const QStringList columns = line.simplified().split(u' ');
        if (columns.size() < 5 || columns[columns.size() - 5] != QLatin1String("yes"))
            return false;
    }
    return true;
}

} // namespace vazolar::testing
