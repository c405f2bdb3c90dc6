#include "host/stop_signals.h"

#include <SDL.h>
#include <fcntl.h>
#include <unistd.h>
#include <QApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cerrno>
#include <csignal>

#include "host/frame_yield.h"
#include "renderer/display/run_state.h"

namespace orbweave {

namespace {

constexpr std::array kStopSignals = {SIGTERM, SIGHUP, SIGINT};
// Between two steps of the wind-down: well within a frame.
constexpr int kWindDownStepMs = 10;

// Read and write ends of the pipe from the handler to Qt's event loop.
int stopPipe[2] = {-1, -1};

void OnStopSignal(int) {
    const int saved = errno;
    const char byte = 1;
    // A full pipe already holds a stop that has not been read.
    [[maybe_unused]] const ssize_t written = ::write(stopPipe[1], &byte, 1);
    errno = saved;
}

// Both owned by the application, so they go before the application does.
struct StopSignalObjects {
    QPointer<QSocketNotifier> notifier;
    QPointer<QTimer> windDown;
};

StopSignalObjects& Objects() {
    static StopSignalObjects objects;
    return objects;
}

// The first visible top-level window, or null.
QWidget* OpenWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

// One step of the wind-down. A window never closes while an animation
// started from the running event loop is on the stack: the loop returns and
// restores what it changed first. A modal window opened above an animation
// closes, which lets the animation's handler go on and the loop return.
void WindDownStep() {
    runState.StopRequested = true;
    if (AnimationRunsHere() || qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        return;
    }
    QWidget* window = QApplication::activePopupWidget();
    if (window == nullptr) {
        window = QApplication::activeModalWidget();
    }
    if (window == nullptr) {
        window = OpenWindow();
    }
    if (window != nullptr) {
        window->close();
    }
}

void TakeStopSignals() {
    char bytes[64];
    while (::read(stopPipe[0], bytes, sizeof bytes) > 0) {}
    QTimer* windDown = Objects().windDown;
    if (windDown != nullptr && !windDown->isActive()) {
        windDown->start();
        WindDownStep();
    }
}

bool OpenStopPipe() {
    if (stopPipe[0] < 0 && ::pipe2(stopPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return false;
    }
    StopSignalObjects& objects = Objects();
    if (objects.notifier.isNull()) {
        objects.notifier = new QSocketNotifier(stopPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
        QObject::connect(objects.notifier, &QSocketNotifier::activated, [] { TakeStopSignals(); });
    }
    if (objects.windDown.isNull()) {
        objects.windDown = new QTimer(QCoreApplication::instance());
        objects.windDown->setInterval(kWindDownStepMs);
        QObject::connect(objects.windDown, &QTimer::timeout, [] { WindDownStep(); });
    }
    objects.windDown->stop();
    return true;
}

void ArmHandler(int signal) {
    struct sigaction current {};
    if (::sigaction(signal, nullptr, &current) != 0 || current.sa_handler == SIG_IGN) {
        return;
    }
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    ::sigaction(signal, &action, nullptr);
}

}  // namespace

void InstallStopSignals() {
    if (QCoreApplication::instance() == nullptr || !OpenStopPipe()) {
        return;
    }
    // SDL would otherwise put in handlers of its own when its video starts.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    for (const int signal : kStopSignals) {
        ArmHandler(signal);
    }
}

}  // namespace orbweave
