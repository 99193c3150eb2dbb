#pragma once

#include "fake_dialogs.h"
#include "forms/section_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

namespace vazolar::testing {

// The command states of a form that is empty, and of one that has been sized.
inline const QList<bool> kReadyCommands{true, true, false, false};
inline const QList<bool> kSizedCommands{false, false, true, true};

// Drives a section form the way a user does: typing key by key and clicking.
class FormDriver {
public:
    explicit FormDriver(QWidget* form) : form_(form) {}

    template <typename T = QWidget> T* get(const QString& name) const {
        T* control = form_->findChild<T*>(name);
        if (!control)
            qFatal("no control %s", qPrintable(name));
        return control;
    }
    QLineEdit* field(const QString& name) const { return get<QLineEdit>(name); }
    QLabel* label(const QString& name) const { return get<QLabel>(name); }
    QToolButton* button(const QString& name) const { return get<QToolButton>(name); }
    QListWidget* list(const QString& name) const { return get<QListWidget>(name); }

    // Types text into a field one key at a time, as real key events.
    void type(const QString& fieldName, const QString& text) const {
        QLineEdit* target = field(fieldName);
        target->setFocus();
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key(c.toUpper().unicode()), QString(c),
                                Qt::NoModifier);
    }

    void click(const QString& buttonName) const {
        QTest::mouseClick(button(buttonName), Qt::LeftButton);
    }

    void pickRow(const QString& listName, int row) const {
        QListWidget* target = list(listName);
        const QRect rect = target->visualItemRect(target->item(row));
        QTest::mouseClick(target->viewport(), Qt::LeftButton, {}, rect.center());
    }

    QStringList rows() const {
        QStringList texts;
        QListWidget* table = list("lstresposta");
        for (int i = 0; i < table->count(); ++i)
            texts << table->item(i)->text();
        return texts;
    }

    void setIncrement(int value) const { get<QScrollBar>("brhincremento")->setValue(value); }

    // Which of DIMENSIONAR, the roughness button, SALVAR and IMPRIMIR are enabled.
    QList<bool> commandStates() const {
        QList<bool> states;
        for (const char* name : {"cmbdimensionar", "cmbtabelan", "cmbsalvar", "cmbimprimir"})
            states << button(name)->isEnabled();
        return states;
    }

private:
    QWidget* form_;
};

// A section form on screen and active, with its dialogs answered by a script.
struct OpenForm {
    explicit OpenForm(Shape shape) : form(shape, dialogs), ui(&form) {
        form.show();
        if (!QTest::qWaitForWindowActive(&form))
            qWarning("the form did not become active");
    }
    FakeDialogs dialogs;
    SectionForm form;
    FormDriver ui;
};

} // namespace vazolar::testing
