#include "splash_window.h"

#include "image_control.h"
#include "windows.h"

#include "forms/look.h"
#include "forms/twips.h"

#include <QTimer>

namespace vazolar {

SplashWindow::SplashWindow(Windows& windows) : windows_(windows), Timer1(new QTimer(this)) {
    setObjectName(QStringLiteral("FRMABERTURA"));
    // A splash window has no frame and no task bar entry. Qt does not let such windows end
    // the application by closing, but the splash alone on screen is the application.
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_QuitOnClose);
    setFixedSize(twipsSize(7530, 5100));
    paintColours(this, kWindowBackground);
    addImageControl(this, QStringLiteral(":/assets/splash.svg"));
    centreOnScreen(this);

    // Runs from the moment the window opens; closing the window destroys it with the window.
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(kShowMilliseconds);
    connect(Timer1, &QTimer::timeout, this, &SplashWindow::on_Timer1_timeout);
    Timer1->start();
}

void SplashWindow::on_Timer1_timeout() {
    windows_.replace(WindowId::Splash, WindowId::Chooser);
}

} // namespace vazolar
