#include "host/stop_signals.h"

#include <fcntl.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>
#include <array>
#include <cerrno>
#include <csignal>
#include <utility>

#include "host/frame_yield.h"
#include "platform/display/window_events.h"
#include "platform/system/standard_streams.h"
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

// The notifier and the timer are owned by the application, so they go
// before the application does.
struct StopSignalObjects {
    QPointer<QSocketNotifier> notifier;
    QPointer<QTimer> windDown;
    std::function<void()> closeInnermostWindow;
};

StopSignalObjects& Objects() {
    static StopSignalObjects objects;
    return objects;
}

// One step of the wind-down. A window never closes while an animation
// started from the running event loop is on the stack: the loop returns and
// restores what it changed first. A modal window opened above an animation
// closes, which lets the animation's handler go on and the loop return.
void WindDownStep() {
    runState.StopRequested = true;
    if (AnimationRunsHere() || !Objects().closeInnermostWindow) {
        return;
    }
    Objects().closeInnermostWindow();
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

}  // namespace

void InstallStopSignals(std::function<void()> closeInnermostWindow) {
    if (QCoreApplication::instance() == nullptr || !OpenStopPipe()) {
        return;
    }
    Objects().closeInnermostWindow = std::move(closeInnermostWindow);
    display::LeaveStopSignalsToTheProgram();
    for (const int signal : kStopSignals) {
        CatchSignalUnlessIgnored(signal, OnStopSignal, SA_RESETHAND);
    }
}

}  // namespace orbweave
