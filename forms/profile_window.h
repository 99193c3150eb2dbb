#pragma once

#include "reports/memo_content.h"
#include "wording/profile_request.h"

#include <QWidget>

#include <optional>

class QCheckBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace vazolar {

class AdoptedWindow;
class PictureView;
class UserDialogs;

// "Curva de remanso": the water-surface profile of a reach of the adopted section, from its
// control. It takes the section, I, n, Q and H of its adopted-section window as they stand and
// follows their edits; its own fields are the control's depth (or the critical depth of a
// free overfall), the reach's length and the step between stations. Every edit shows the
// profile's lines, its station table and its longitudinal picture.
class ProfileWindow : public QWidget {
    Q_OBJECT

public:
    ProfileWindow(AdoptedWindow* adopted, const QWidget* form, const QWidget* trialList,
                  UserDialogs& dialogs);

    // Shows the window, beside its form the first time.
    void open();

    const Outcome<WaterProfile>& outcome() const { return outcome_; }
    // The station table as Copiar puts it on the clipboard: tab-separated, under its header.
    QString copyText() const;
    // The adopted section's memo with this profile; none while either cannot be computed.
    std::optional<reports::MemoInput> memoInput() const;

private:
    QLineEdit* addField(const char* name);
    void buildFields(QFormLayout* layout);
    ProfileTexts texts() const;
    void recompute();
    void showResults();
    void showStatus(const QString& message);
    void on_chkcritica_toggled();
    void on_cmdmemoria_clicked();

    AdoptedWindow* adopted_;
    const QWidget* form_;
    const QWidget* trialList_;
    UserDialogs& dialogs_;
    Outcome<WaterProfile> outcome_;
    std::optional<ProfileInputs> inputs_;

    QLineEdit* txty0 = nullptr;
    QCheckBox* chkcritica = nullptr;
    QLineEdit* txtcomprimento = nullptr;
    QLineEdit* txtpasso = nullptr;
    QLabel* lblresumo = nullptr;
    QTableWidget* grdestacoes = nullptr;
    PictureView* picperfil = nullptr;
    QLabel* lblstatus = nullptr;
    QPushButton* cmdcopiar = nullptr;
    QPushButton* cmdmemoria = nullptr;
};

} // namespace vazolar
