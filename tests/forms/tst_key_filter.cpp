#include "fake_dialogs.h"
#include "form_driver.h"
#include "forms/key_filter.h"
#include "test_registry.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTest>

using namespace vazolar;
using namespace vazolar::testing;

// What typing leaves in a numeric field.
class KeyFilterTest : public QObject {
    Q_OBJECT

private slots:
    void typing_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("left");
        QTest::newRow("decimal comma") << "12,5"
                                       << "12,5";
        QTest::newRow("full stop dropped") << "12.5"
                                           << "125";
        QTest::newRow("letters dropped") << "1a2Bz"
                                         << "12";
        QTest::newRow("space dropped") << "1 2"
                                       << "12";
        QTest::newRow("signs and commas anywhere") << "--,,1"
                                                   << "--,,1";
        QTest::newRow("accented letter dropped") << "0,0é1"
                                                 << "0,01";
        QTest::newRow("plus and e dropped") << "+1e5"
                                            << "15";
    }
    void typing() {
        QFETCH(QString, typed);
        QFETCH(QString, left);
        FakeDialogs dialogs;
        for (const auto& [shape, fields] :
             {std::pair{Shape::Trapezoidal,
                        QStringList{"txti", "txtangulo", "txtn", "txtQdesejada", "txtb"}},
              std::pair{Shape::Rectangular, QStringList{"txti", "txtn", "txtQdesejada", "txtb"}},
              std::pair{Shape::Triangular, QStringList{"txti", "txtn", "txtQdesejada", "txty"}},
              std::pair{Shape::Circular, QStringList{"txti", "txtn", "txtQdesejada"}}}) {
            SectionForm form(shape, dialogs);
            const FormDriver ui(&form);
            for (const QString& field : fields) {
                ui.type(field, typed);
                QCOMPARE(ui.field(field)->text(), left);
            }
        }
    }

    // Keys that type nothing keep their effect; Enter and shortcuts' control characters do not.
    void editingKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("left");
        QTest::addColumn<int>("cursor");
        // The field holds "12,5" with the cursor after the "2".
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << 0 << "1,5" << 1;
        QTest::newRow("delete") << int(Qt::Key_Delete) << 0 << "125" << 2;
        QTest::newRow("left arrow") << int(Qt::Key_Left) << 0 << "12,5" << 1;
        QTest::newRow("end") << int(Qt::Key_End) << 0 << "12,5" << 4;
        QTest::newRow("home") << int(Qt::Key_Home) << 0 << "12,5" << 0;
        QTest::newRow("enter") << int(Qt::Key_Return) << 0 << "12,5" << 2;
        QTest::newRow("escape") << int(Qt::Key_Escape) << 0 << "12,5" << 2;
        QTest::newRow("ctrl+v") << int(Qt::Key_V) << int(Qt::ControlModifier) << "12,5" << 2;
        QTest::newRow("ctrl+x") << int(Qt::Key_X) << int(Qt::ControlModifier) << "12,5" << 2;
    }
    void editingKeys() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, left);
        QFETCH(int, cursor);
        FakeDialogs dialogs;
        SectionForm form(Shape::Triangular, dialogs);
        const FormDriver ui(&form);
        QApplication::clipboard()->setText("999");
        QLineEdit* field = ui.field("txtn");
        ui.type("txtn", "12,5");
        field->setCursorPosition(2);
        QTest::keyClick(field, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(field->text(), left);
        QCOMPARE(field->cursorPosition(), cursor);
    }

    void characterOfAKey_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("character"); // -1: types nothing
        QTest::newRow("digit") << int(Qt::Key_7) << 0 << "7" << int('7');
        QTest::newRow("ctrl+v without text")
            << int(Qt::Key_V) << int(Qt::ControlModifier) << "" << 22;
        QTest::newRow("ctrl+c as text")
            << int(Qt::Key_C) << int(Qt::ControlModifier) << "\x03" << 3;
        QTest::newRow("delete with a text") << int(Qt::Key_Delete) << 0 << "\x7f" << -1;
        QTest::newRow("tab") << int(Qt::Key_Tab) << 0 << "\t" << -1;
        QTest::newRow("shift") << int(Qt::Key_Shift) << 0 << "" << -1;
    }
    void characterOfAKey() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(int, character);
        const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
        const std::optional<char16_t> typed = typedCharacter(event);
        QCOMPARE(typed ? int(*typed) : -1, character);
    }
};

VAZOLAR_TEST(KeyFilterTest);
#include "tst_key_filter.moc"
