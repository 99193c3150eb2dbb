// SALVAR and IMPRIMIR of a section form: both read the data fields as typed and the rows of
// the last sizing, and hand them to the reports.
#include "section_form.h"

#include "engine/increment.h"
#include "reports/printed_report.h"
#include "reports/report_file.h"
#include "reports/report_printer.h"
#include "reports/saved_report.h"
#include "shape_profile.h"
#include "user_dialogs.h"
#include "wording/increment_text.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPrinter>
#include <QScrollBar>

namespace vazolar {

namespace {

const QString kReportSuffix = QStringLiteral("TXT");

// A name typed without an extension is saved with the default one, in upper case.
QString withReportSuffix(const QString& path) {
    if (QFileInfo(path).fileName().contains('.'))
        return path;
    return path + '.' + kReportSuffix;
}

} // namespace

QStringList SectionForm::reportRows() const {
    if (!lstresposta)
        return {txtresposta->text()};
    QStringList rows;
    for (int row = 0; row < ntentativas_ && row < lstresposta->count(); ++row)
        rows << lstresposta->item(row)->text();
    return rows;
}

// The reports go through the rows one by one; the last one stays selected and in view.
void SectionForm::selectLastReportRow() {
    if (!lstresposta || ntentativas_ == 0)
        return;
    lstresposta->setCurrentRow(ntentativas_ - 1);
    lstresposta->scrollToItem(lstresposta->currentItem());
}

reports::ReportData SectionForm::reportData() const {
    reports::ReportData data;
    data.shape = profile_.shape;
    data.slope = fieldOf(Field::Slope)->text();
    if (const QLineEdit* angle = fieldOf(Field::Angle))
        data.angle = angle->text();
    data.roughness = fieldOf(Field::Roughness)->text();
    if (brhincremento)
        data.increment = incrementText(brhincremento->value());
    data.rows = reportRows();
    return data;
}

void SectionForm::on_cmbsalvar_clicked() {
    const SavePrompt prompt{.proposedPath =
                                lastSavePath_.isEmpty() ? profile_.saveFileName : lastSavePath_,
                            .defaultSuffix = kReportSuffix,
                            .filterDescription = QStringLiteral("Arquivos de textos (*.txt) "),
                            .filterPattern = QStringLiteral("*.txt")};
    const std::optional<QString> chosen = dialogs_.askSavePath(this, prompt);
    if (!chosen)
        return;
    const QString path = withReportSuffix(*chosen);
    lastSavePath_ = path;
    const Outcome<> saved = reports::writeReportFile(path, reports::savedReportLines(reportData()));
    selectLastReportRow();
    if (!saved)
        dialogs_.warn(this, reports::notSavedMessage(path, saved.message()));
}

void SectionForm::on_cmbimprimir_clicked() {
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!dialogs_.askPrinter(this, *printer_))
        return;
    setCursor(Qt::WaitCursor);
    // Lets the hourglass show before the printing takes over.
    QPointer<SectionForm> self(this);
    QCoreApplication::processEvents();
    if (!self)
        return;
    const Outcome<> printed = reports::printReport(*printer_, reports::printedReport(reportData()));
    selectLastReportRow();
    setCursor(Qt::ArrowCursor);
    if (!printed)
        dialogs_.warn(
            this, QString::fromUtf8("O relatório não foi impresso.\n\n%1").arg(printed.message()));
}

} // namespace vazolar
