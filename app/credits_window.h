#pragma once

#include <QWidget>

namespace vazolar {

// frmcreditos: who made the program, as one picture. It has no commands; the user closes it
// with its close box.
class CreditsWindow : public QWidget {
    Q_OBJECT

public:
    explicit CreditsWindow(QWidget* parent = nullptr);
};

} // namespace vazolar
