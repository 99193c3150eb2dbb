#pragma once

#include "examples.h"
#include "form_driver.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>

// Driving a sized form's trial table as a user does: double-clicks and context menus.
namespace vazolar::testing {

// The worked example of a shape, typed into an open form and sized.
struct SizedExample {
    explicit SizedExample(const QString& name) : example(loadExample(name)), open(example.shape) {
        for (auto it = example.fields.begin(); it != example.fields.end(); ++it)
            open.ui.type(it.key(), it.value());
        if (example.shape != Shape::Circular)
            open.ui.setIncrement(example.scrollValue);
        open.ui.click("cmbdimensionar");
    }
    QWidget* analysisWindow() const { return open.form.findChild<QWidget*>("frmanalise"); }

    ExampleCase example;
    OpenForm open;
};

inline void doubleClickRow(QListWidget* list, int row) {
    const QPoint centre = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}

// Picks an entry of the context menu the moment it opens.
inline void pickFromNextMenu(const QString& entry) {
    QTimer::singleShot(0, [entry] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (QAction* action : menu->actions()) {
            if (action->text() == entry)
                menu->setActiveAction(action);
        }
        QTest::keyClick(menu, Qt::Key_Return);
    });
}

inline void openContextMenu(QWidget* target, QPoint at) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &event);
}

} // namespace vazolar::testing
