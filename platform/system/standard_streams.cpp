#include "platform/system/standard_streams.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace orbweave {

namespace {

constexpr int kStandardStreams = 3;

bool IsClosed(int descriptor) { return ::fcntl(descriptor, F_GETFD) == -1 && errno == EBADF; }

void IgnoreSignal(int) {}

}  // namespace

void OpenClosedStandardStreams() {
    // open() takes the lowest free number; the streams below the one at hand
    // are open by then, so /dev/null arrives under the closed one's number.
    for (int descriptor = 0; descriptor < kStandardStreams; ++descriptor) {
        if (IsClosed(descriptor)) {
            ::open("/dev/null", O_RDWR);
        }
    }
}

void KeepBrokenPipesHarmless() {
    struct sigaction current {};
    if (::sigaction(SIGPIPE, nullptr, &current) != 0 || current.sa_handler == SIG_IGN) {
        return;
    }
    struct sigaction action {};
    action.sa_handler = IgnoreSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGPIPE, &action, nullptr);
}

}  // namespace orbweave
