#pragma once

#include <QString>

#include <optional>

class QPrinter;
class QWidget;

namespace vazolar {

// What a save dialog starts with: the name (or full path, after a first save) it proposes,
// the suffix given to a name typed without one, and its single file-type filter.
struct SavePrompt {
    QString proposedPath;
    QString defaultSuffix;
    QString filterDescription;
    QString filterPattern;
};

// The modal dialogs the forms open. The application installs the real Qt dialogs; tests
// install a scripted double, so that no test ever blocks on a modal dialog.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // A message box captioned "VAZOLAR" with the information icon and an OK button.
    virtual void inform(QWidget* parent, const QString& text) = 0;
    // The same with the warning icon: something the user asked for did not happen.
    virtual void warn(QWidget* parent, const QString& text) = 0;
    // The chosen path, or nothing when the user cancels.
    virtual std::optional<QString> askSavePath(QWidget* parent, const SavePrompt& prompt) = 0;
    // Lets the user pick and set up the printer; false when the user cancels.
    virtual bool askPrinter(QWidget* parent, QPrinter& printer) = 0;
};

} // namespace vazolar
