#pragma once

#include "forms/user_dialogs.h"

namespace vazolar {

// The dialogs the user sees: Qt's message boxes, save dialog and print dialog, all modal.
class QtUserDialogs : public UserDialogs {
public:
    void inform(QWidget* parent, const QString& text) override;
    void warn(QWidget* parent, const QString& text) override;
    std::optional<QString> askSavePath(QWidget* parent, const SavePrompt& prompt) override;
    bool askPrinter(QWidget* parent, QPrinter& printer) override;
};

} // namespace vazolar
