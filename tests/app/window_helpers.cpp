#include "window_helpers.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace vazolar::testing {

namespace {

constexpr int kDeadlinePassed = 99;
constexpr int kPollMilliseconds = 10;

struct PlainSection {
    WindowId id;
    const char* name;
};

constexpr PlainSection kPlainSections[] = {{WindowId::Trapezoidal, "frmtrapezoidal"},
                                           {WindowId::Rectangular, "frmretangular"},
                                           {WindowId::Triangular, "frmtriangular"},
                                           {WindowId::Circular, "frmcircular"}};

} // namespace

void registerPlainSectionWindows(Windows& windows) {
    for (const PlainSection& section : kPlainSections) {
        windows.registerFactory(section.id, [name = section.name] {
            auto* window = new QWidget;
            window->setObjectName(QString::fromLatin1(name));
            window->resize(200, 100);
            return window;
        });
    }
}

void pressCloseBox(QWidget* window) {
    window->windowHandle()->close();
}

void deleteClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void closeEveryWindow(Windows& windows) {
    for (int id = 0; id < kWindowCount; ++id)
        windows.close(static_cast<WindowId>(id));
    deleteClosedWindows();
}

void ApplicationRun::at(int milliseconds, const QString& step, std::function<void()> action) {
    QTimer::singleShot(milliseconds, &context_, [this, step, action] {
        log << step;
        action();
    });
}

void ApplicationRun::when(std::function<bool()> condition, const QString& step,
                          std::function<void()> action) {
    auto* poll = new QTimer(&context_);
    QObject::connect(poll, &QTimer::timeout, &context_, [this, poll, condition, step, action] {
        if (!condition())
            return;
        poll->stop();
        log << step;
        action();
    });
    poll->start(kPollMilliseconds);
}

bool ApplicationRun::endsByItself(int deadlineMilliseconds) {
    QTimer::singleShot(deadlineMilliseconds, &context_,
                       [] { QCoreApplication::exit(kDeadlinePassed); });
    const int status = QApplication::exec();
    deleteClosedWindows();
    return status == 0;
}

} // namespace vazolar::testing
