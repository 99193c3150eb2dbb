#include "fake_dialogs.h"
#include "form_driver.h"
#include "forms/key_filter.h"
#include "test_registry.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTest>

#include <functional>

using namespace vazolar;
using namespace vazolar::testing;

namespace {

// The numeric data fields of each form.
const std::pair<Shape, QStringList> kDataFields[] = {
    {Shape::Trapezoidal, {"txti", "txtangulo", "txtn", "txtQdesejada", "txtb"}},
    {Shape::Rectangular, {"txti", "txtn", "txtQdesejada", "txtb"}},
    {Shape::Triangular, {"txti", "txtn", "txtQdesejada", "txty"}},
    {Shape::Circular, {"txti", "txtn", "txtQdesejada"}}};

// Does `act` to every data field of every form, then checks what the field holds.
void checkEveryDataField(const std::function<void(const FormDriver&, const QString&)>& act,
                         const QString& left) {
    FakeDialogs dialogs;
    for (const auto& [shape, fields] : kDataFields) {
        SectionForm form(shape, dialogs);
        const FormDriver ui(&form);
        for (const QString& field : fields) {
            act(ui, field);
            QCOMPARE(ui.field(field)->text(), left);
        }
    }
}

} // namespace

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
        checkEveryDataField(
            [&](const FormDriver& ui, const QString& field) { ui.type(field, typed); }, left);
    }

    // Text an input method commits (a dead key and a letter, compose, IBus) loses what the
    // fields do not take when typed.
    void inputMethodCommits_data() {
        QTest::addColumn<QString>("committed");
        QTest::addColumn<QString>("left");
        QTest::newRow("dead acute and e") << "é"
                                          << "";
        QTest::newRow("dead tilde and a") << "ã"
                                          << "";
        QTest::newRow("composed digit") << "5"
                                        << "5";
        QTest::newRow("comma and minus") << "-0,5"
                                         << "-0,5";
        QTest::newRow("letters among digits") << "1é,2x"
                                              << "1,2";
        QTest::newRow("full stop and plus") << "+1.5"
                                            << "15";
        QTest::newRow("full-width digit") << "\uFF15"
                                          << "";
        QTest::newRow("backspace as text") << "1\b2"
                                           << "12";
    }
    void inputMethodCommits() {
        QFETCH(QString, committed);
        QFETCH(QString, left);
        checkEveryDataField(
            [&](const FormDriver& ui, const QString& field) {
                QInputMethodEvent commit;
                commit.setCommitString(committed);
                QApplication::sendEvent(ui.field(field), &commit);
            },
            left);
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
