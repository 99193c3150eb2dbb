#pragma once

#include "forms/user_dialogs.h"

#include <memory>

class QFileDialog;

namespace vazolar {

// The save dialog as a prompt describes it: the proposed name already typed, the suffix added
// to a name typed without one, a single file type showing only its description, the usual
// question before overwriting a file, and the toolkit's own title.
std::unique_ptr<QFileDialog> makeSaveFileDialog(QWidget* parent, const SavePrompt& prompt);

} // namespace vazolar
