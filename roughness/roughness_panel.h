#pragma once

#include <QObject>

class QGroupBox;
class QLineEdit;
class QListWidget;

namespace vazolar::roughness {

// The panel of a section form from which the user takes n: pick a lining, then its
// condition, and the catalogue's n text goes into the n field.
//
// Its state is what its controls show: whether the panel, the condition list and its heading
// are shown, whether the material list is enabled, and each list's selected row. Each event
// changes only what it names.
class RoughnessPanel : public QObject {
    Q_OBJECT

public:
    struct Controls {
        QGroupBox* panel;           // Framen
        QListWidget* materials;     // lstmateriais
        QLineEdit* conditionsTitle; // Text1
        QListWidget* conditions;    // lstcondicoes
        QLineEdit* nField;          // txtn
    };

    // closeWhenNFocused: the panel also closes whenever the n field takes the focus.
    RoughnessPanel(const Controls& controls, bool closeWhenNFocused, QObject* parent);

    // The roughness button: shows the panel and lets the user pick a material.
    void open();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void pickMaterial();
    void pickCondition();
    void showConditions(bool shown);

    Controls c_;
};

} // namespace vazolar::roughness
