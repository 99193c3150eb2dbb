#include "credits_window.h"

#include "image_control.h"

#include "forms/look.h"

namespace vazolar {

namespace {

const QColor kBackground(0xE0, 0xE0, 0xE0);
constexpr QSize kPictureSize(573, 431);

} // namespace

CreditsWindow::CreditsWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmcreditos"));
    makeFixedWindow(this, QStringLiteral("Créditos"), 8580, 6420);
    paintColours(this, kBackground);
    addImageControl(this, QStringLiteral(":/assets/credits.svg"), kPictureSize);
}

} // namespace vazolar
