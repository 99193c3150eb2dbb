#pragma once

#include "engine/quantities.h"
#include "engine/shape.h"
#include "engine/sizing_error.h"
#include "wording/trial_rows.h"
#include "wording/trial_table.h"

#include <QWidget>

#include <memory>
#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPrinter;
class QScrollBar;
class QToolButton;

namespace vazolar {

struct ShapeProfile;
class TrialActions;
class UserDialogs;
namespace roughness {
class RoughnessPanel;
}
namespace reports {
struct ReportData;
}

// One section window: the trapezoidal, rectangular, triangular or circular form. The four
// differ only in their profile and layout tables; everything a form holds lives in its
// controls, plus the count of rows of its last sizing.
class SectionForm : public QWidget {
    Q_OBJECT

public:
    SectionForm(Shape shape, UserDialogs& dialogs, QWidget* parent = nullptr);
    ~SectionForm() override;

    Shape shape() const;
    // The number of rows the last completed sizing listed (the reports print that many).
    int ntentativas() const { return ntentativas_; }

signals:
    // A shape button was pressed: open that shape's form, then close this one.
    void shapeRequested(vazolar::Shape shape);
    // CRÉDITOS was pressed: open the credits window beside this form.
    void creditsRequested();

private:
    // A data field, with the caption that names it in messages.
    struct BoundField {
        Field field;
        QLineEdit* edit;
        const QLabel* caption;
    };
    // A label of the drawing that shows one quantity of the last row.
    struct ResultShown {
        QLabel* label;
        Quantity quantity;
    };
    // A label of the drawing that copies a field while the user types.
    struct Mirror {
        QLineEdit* field;
        QLabel* label;
    };

    void bindControls();
    void bindDataFields();
    void connectHandlers();

    void on_cmbdimensionar_clicked();
    void on_cmblimpar_clicked();
    void on_cmbsalvar_clicked();
    void on_cmbimprimir_clicked();
    void on_cmbtabelan_clicked();

    void showSizedState();
    void selectLastReportRow();
    QStringList reportRows() const;
    reports::ReportData reportData() const;
    // The field of a quantity, or null where the shape has none (the angle off the trapezoid).
    QLineEdit* fieldOf(Field field) const;
    // The caption that names a field, such as "n" or "I (%)"; empty for Field::None.
    QString captionOf(Field field) const;

    const ShapeProfile& profile_;
    UserDialogs& dialogs_;
    int ntentativas_ = 0;
    // The exact quantities of the rows listed by the last run, abandoned or not.
    TrialTable trials_;
    SizingInput runTexts_; // the field texts of the last run
    QString lastSavePath_;
    std::unique_ptr<QPrinter> printer_;
    roughness::RoughnessPanel* panel_ = nullptr;
    TrialActions* trialActions_ = nullptr;

    // The controls the handlers use, found once when the form is built. Named as on the form;
    // the list and the scroll bar exist only on the trial shapes and stay null on the circle.
    QToolButton* cmbdimensionar = nullptr;
    QToolButton* cmblimpar = nullptr;
    QToolButton* cmbsalvar = nullptr;
    QToolButton* cmbimprimir = nullptr;
    QToolButton* cmbsobre = nullptr;
    QToolButton* cmbtabelan = nullptr;
    QLineEdit* txtresposta = nullptr;
    QListWidget* lstresposta = nullptr;
    QScrollBar* brhincremento = nullptr;
    QGroupBox* Framen = nullptr;
    std::vector<BoundField> fields_; // in the profile's reading order
    std::vector<ResultShown> results_;
    std::vector<Mirror> mirrors_;
};

} // namespace vazolar
