#include "qt_user_dialogs.h"

#include "save_file_dialog.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>

namespace vazolar {

namespace {

void showMessage(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, QStringLiteral("VAZOLAR"), text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace

void QtUserDialogs::inform(QWidget* parent, const QString& text) {
    showMessage(parent, QMessageBox::Information, text);
}

void QtUserDialogs::warn(QWidget* parent, const QString& text) {
    showMessage(parent, QMessageBox::Warning, text);
}

std::optional<QString> QtUserDialogs::askSavePath(QWidget* parent, const SavePrompt& prompt) {
    const std::unique_ptr<QFileDialog> dialog = makeSaveFileDialog(parent, prompt);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return dialog->selectedFiles().constFirst();
}

bool QtUserDialogs::askPrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace vazolar
