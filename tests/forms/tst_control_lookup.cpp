#include "forms/control_lookup.h"
#include "forms/form_builder.h"
#include "test_registry.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <functional>

#include <sys/wait.h>
#include <unistd.h>

using namespace vazolar;

// Looks a control up in a built window.
using Lookup = std::function<void(const QWidget*)>;
Q_DECLARE_METATYPE(Lookup)

namespace {

// A window with a data group holding one field and the caption Label1(0).
FormLayout smallLayout() {
    FormLayout layout;
    layout.caption = QStringLiteral("Teste");
    layout.controls = {{.name = "framedados", .kind = ControlKind::GroupBox, .text = "DADOS"},
                       {.name = "txti", .kind = ControlKind::TextField, .container = "framedados"},
                       {.name = "Label1", .container = "framedados", .text = "I (%)", .index = 0}};
    layout.tabOrder = {"txti"};
    return layout;
}

// The write end of the pipe on which a child process sends its fatal message.
int fatalPipe = -1;

void sendFatalMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtFatalMsg)
        return;
    const QByteArray text = message.toUtf8();
    [[maybe_unused]] const auto written = write(fatalPipe, text.constData(), text.size());
    _exit(0);
}

// What a lookup or a build stops the program with: the text of its qFatal, or an empty text
// when it carries on. The action runs in a child process, which the fatal message ends.
QString fatalMessageOf(const std::function<void()>& action) {
    int ends[2];
    if (pipe(ends) != 0)
        return QStringLiteral("no pipe");
    const pid_t child = fork();
    if (child == 0) {
        close(ends[0]);
        fatalPipe = ends[1];
        qInstallMessageHandler(sendFatalMessage);
        action();
        _exit(1);
    }
    close(ends[1]);
    QByteArray received;
    char buffer[256];
    for (ssize_t n; (n = read(ends[0], buffer, sizeof buffer)) > 0;)
        received.append(buffer, n);
    close(ends[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return QString::fromUtf8(received);
}

} // namespace

// A control the code needs and the layout lacks stops the program at once, naming it.
class ControlLookupTest : public QObject {
    Q_OBJECT

private slots:
    void controlsOfTheLayoutAreFound() {
        QWidget window;
        buildLayout(&window, smallLayout());
        QCOMPARE(requireControl<QLineEdit>(&window, "txti"), window.findChild<QLineEdit*>("txti"));
        QCOMPARE(requireMember<QLabel>(&window, "Label1", 0)->text(), QStringLiteral("I (%)"));
    }

    void aMissingControlIsReportedByName_data() {
        QTest::addColumn<Lookup>("lookup");
        QTest::addColumn<QString>("message");
        QTest::newRow("name not in the layout")
            << Lookup([](const QWidget* w) { requireControl<QLineEdit>(w, "txtangulo"); })
            << "frmteste has no QLineEdit named txtangulo";
        QTest::newRow("name of a control of another type")
            << Lookup([](const QWidget* w) { requireControl<QLabel>(w, "txti"); })
            << "frmteste has no QLabel named txti";
        QTest::newRow("member missing from a control array")
            << Lookup([](const QWidget* w) { requireMember<QLabel>(w, "Label1", 4); })
            << "frmteste has no QLabel named Label1(4)";
    }
    void aMissingControlIsReportedByName() {
        QFETCH(Lookup, lookup);
        QFETCH(QString, message);
        QWidget window;
        window.setObjectName("frmteste");
        buildLayout(&window, smallLayout());
        QCOMPARE(fatalMessageOf([&] { lookup(&window); }), message);
    }

    void aLayoutNamingAControlItLacksDoesNotBuild_data() {
        QTest::addColumn<bool>("inTabOrder");
        QTest::addColumn<QString>("message");
        QTest::newRow("container") << false << "frmteste has no QGroupBox named Frame1";
        QTest::newRow("tab order") << true << "frmteste has no QWidget named txtn";
    }
    void aLayoutNamingAControlItLacksDoesNotBuild() {
        QFETCH(bool, inTabOrder);
        QFETCH(QString, message);
        FormLayout layout = smallLayout();
        if (inTabOrder)
            layout.tabOrder << "txtn";
        else
            layout.controls.push_back({.name = "lblB", .container = "Frame1", .text = "?"});
        QWidget window;
        window.setObjectName("frmteste");
        QCOMPARE(fatalMessageOf([&] { buildLayout(&window, layout); }), message);
    }
};

VAZOLAR_TEST(ControlLookupTest);
#include "tst_control_lookup.moc"
