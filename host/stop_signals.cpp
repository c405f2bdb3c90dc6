#include "host/stop_signals.h"

#include <SDL.h>
#include <fcntl.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>

#include "renderer/display/run_state.h"

namespace orbweave {

namespace {

constexpr std::array kStopSignals = {SIGTERM, SIGHUP, SIGINT};

// Read and write ends of the pipe from the handler to the frame's yield.
int stopPipe[2] = {-1, -1};

void OnStopSignal(int) {
    const int saved = errno;
    const char byte = 1;
    // A full pipe already holds a stop that has not been read.
    [[maybe_unused]] const ssize_t written = ::write(stopPipe[1], &byte, 1);
    errno = saved;
}

void TakeStopSignals() {
    char bytes[64];
    while (::read(stopPipe[0], bytes, sizeof bytes) > 0) {}
    runState.StopRequested = true;
}

bool OpenStopPipe() {
    if (stopPipe[0] < 0 && ::pipe2(stopPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return false;
    }
    // Owned by the application, so it goes before the application does.
    static QPointer<QSocketNotifier> notifier;
    if (notifier.isNull()) {
        notifier = new QSocketNotifier(stopPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
        QObject::connect(notifier, &QSocketNotifier::activated, [] { TakeStopSignals(); });
    }
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
