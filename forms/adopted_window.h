#pragma once

#include "reports/memo_content.h"
#include "window_arrangement.h"
#include "wording/adopted_request.h"
#include "wording/adopted_text.h"

#include <optional>
#include <span>
#include <vector>

#include <QList>
#include <QWidget>

class QComboBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QVBoxLayout;

namespace vazolar {

class PictureView;
class ProfileWindow;
class UserDialogs;
struct WindowField; // a line field of the window and its object name

// "Seção adotada": the section the engineer will build, after a sized trial. Its fields (the
// dimension rounded up, the run's data, the freeboard rule and the design limits) can be
// edited, and every edit shows at once how the discharge flows in that section, in a table
// and in three pictures: the section to scale, the rating curve and the energy curve. A form
// keeps one; it is not modal and closes with its form.
class AdoptedWindow : public QWidget {
    Q_OBJECT

public:
    // lastSavePath: the form's last saved report, whose folder the memo's save dialog opens
    // in; it lives as long as the form.
    AdoptedWindow(QWidget* form, const QWidget* trialList, Shape shape, UserDialogs& dialogs,
                  const QString& lastSavePath);

    // The run the memo documents with the section.
    void setSizing(std::optional<reports::MemoSizing> sizing) { sizing_ = std::move(sizing); }

    // Puts the request's texts in the fields and shows the window, beside its form the first
    // time.
    void showRequest(const AdoptedRequest& request);

    // The fields as they stand.
    AdoptedRequest request() const;
    const Outcome<AdoptedResult>& outcome() const { return outcome_; }
    // The results table as Copiar puts it on the clipboard.
    QString copyText() const;
    // What "Memória de cálculo…" writes: the run and the section as the window shows it.
    // Nothing while a field cannot be read.
    std::optional<reports::MemoInput> memoInput() const;
    // Makes the memo and asks where to save it, from this window or from its profile's.
    void saveMemo(QWidget* from, const std::optional<reports::MemoInput>& input);
    // The profile's window of this section; none before "Curva de remanso…" is pressed.
    ProfileWindow* profileWindow() const { return profileWindow_; }

signals:
    // Every edit, after the table and the pictures follow it.
    void sectionChanged();

private:
    QLineEdit* addField(const char* name, const QString& caption);
    void addLineFields(std::span<const WindowField> fields);
    void addListBeside(AdoptedField id, QLineEdit* edit);
    void addPipeList(QLineEdit* diameter);
    void addLiningList(QLineEdit* shear);
    void showListedValues();
    void buildFields();
    void buildPictures();
    void recompute();
    void showRows(const QList<ResultRow>& rows);
    void showPictures();
    void on_cmbborda_activated();
    void on_cmdcopiar_clicked();
    void on_cmdmemoria_clicked();
    void on_cmdremanso_clicked();
    void buildMemoFields();
    QString proposedMemoPath() const;
    // The window's parts laid out anew, in one scrolling column or in columns; they keep what
    // they hold. Done while the window is hidden, when it opens.
    void arrange(Arrangement arrangement);
    QSize leastSize(Arrangement arrangement);
    QWidget* oneColumnBody();
    void fitOneColumn();
    QWidget* columnsBody();
    void openArranged();

    QWidget* form_;
    const QWidget* trialList_;
    Shape shape_;
    UserDialogs& dialogs_;
    Outcome<AdoptedResult> outcome_;
    QList<ResultRow> rows_;
    bool filling_ = false; // showRequest is putting texts in the fields
    std::optional<reports::MemoSizing> sizing_;
    const QString& lastSavePath_;
    QString lastMemoPath_;

    static constexpr int kOneColumnHeight = 1000;
    QVBoxLayout* outer_ = nullptr;
    QWidget* body_ = nullptr; // the parts' current arrangement
    Arrangement arrangement_ = Arrangement::OneColumn;
    QGroupBox* fieldsBox_ = nullptr;
    QGroupBox* memoBox_ = nullptr;
    QFormLayout* fieldsLayout_ = nullptr;
    QFormLayout* memoLayout_ = nullptr;
    // The fields the shape takes, each with the request's text it holds; the bank's list and
    // its value apart.
    struct LineField {
        QString AdoptedRequest::*text;
        QLineEdit* edit;
    };
    std::vector<LineField> lineFields_;
    QComboBox* cmbborda = nullptr;
    // The circle's D and its list of concrete pipes; τadm and its list of linings.
    QLineEdit* txtdiametro = nullptr;
    QComboBox* cmbdn = nullptr;
    QLineEdit* txttauadm = nullptr;
    QComboBox* cmbtauadm = nullptr;
    QLineEdit* txtborda = nullptr;
    QTableWidget* grdresultado = nullptr;
    QLabel* lblstatus = nullptr;
    QPushButton* cmdcopiar = nullptr;
    QPushButton* cmdmemoria = nullptr;
    QPushButton* cmdremanso = nullptr;
    ProfileWindow* profileWindow_ = nullptr;
    QLineEdit* txtobra = nullptr;
    QLineEdit* txttrecho = nullptr;
    QLineEdit* txtresponsavel = nullptr;
    PictureView* picsecao = nullptr;
    PictureView* piccurvachave = nullptr;
    PictureView* picenergia = nullptr;
};

} // namespace vazolar
