#include "credits_window.h"

#include "image_control.h"

#include "forms/look.h"

namespace vazolar {

CreditsWindow::CreditsWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmcreditos"));
    makeFixedWindow(this, QStringLiteral("Créditos"), 8580, 6420);
    paintColours(this, kWindowBackground);
    addImageControl(this, QStringLiteral(":/assets/credits.svg"));
}

} // namespace vazolar
