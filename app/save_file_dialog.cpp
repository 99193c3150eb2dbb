#include "save_file_dialog.h"

#include <QComboBox>
#include <QFileDialog>

namespace vazolar {

namespace {

// The description keeps its own "(*.txt) " and its trailing blank. Qt takes the last
// parenthesised group as the pattern, and shows the rest simplified, losing the trailing blank;
// the combo box is given the exact text back.
void setSingleFilter(QFileDialog& dialog, const SavePrompt& prompt) {
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilter(prompt.filterDescription + QLatin1Char('(') + prompt.filterPattern +
                         QLatin1Char(')'));
    if (auto* fileTypes = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo")))
        fileTypes->setItemText(0, prompt.filterDescription);
}

} // namespace

std::unique_ptr<QFileDialog> makeSaveFileDialog(QWidget* parent, const SavePrompt& prompt) {
    auto dialog = std::make_unique<QFileDialog>(parent);
    // Qt's own dialog everywhere, so that it behaves, and speaks Portuguese, the same on every
    // platform.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    setSingleFilter(*dialog, prompt);
    dialog->setDefaultSuffix(prompt.defaultSuffix);
    dialog->selectFile(prompt.proposedPath);
    return dialog;
}

} // namespace vazolar
