#pragma once

#include <QWidget>

class QTimer;

namespace vazolar {

class Windows;

// FRMABERTURA: the borderless picture shown for two seconds at launch. Its timer opens the
// section chooser and closes the splash; nothing else ends it.
class SplashWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kShowMilliseconds = 2000;

    explicit SplashWindow(Windows& windows);

private:
    void on_Timer1_timeout();

    Windows& windows_;
    QTimer* Timer1;
};

} // namespace vazolar
