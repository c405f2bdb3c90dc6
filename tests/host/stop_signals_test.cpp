#include "host/stop_signals.h"

#include <QCoreApplication>
#include <csignal>

#include "host_fixture.h"
#include "renderer/display/run_state.h"

namespace orbweave {
namespace {

class StopSignalsTest : public testing::HostTest {
protected:
    // The disposition a signal has when the program starts from a terminal.
    static void Default(int signal) { std::signal(signal, SIG_DFL); }
};

// The handler only leaves a note; the stop comes with the frame's yield,
// where the loops expect it. Each handler is used once, so every round arms
// them again.
TEST_F(StopSignalsTest, EachStopSignalEndsTheAnimationAtTheNextYield) {
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        Default(signal);
        InstallStopSignals();
        StopRequested = false;
        std::raise(signal);
        EXPECT_FALSE(StopRequested) << signal;
        QCoreApplication::processEvents();
        EXPECT_TRUE(StopRequested) << signal;
        Default(signal);
    }
}

TEST_F(StopSignalsTest, ASignalIgnoredAtStartStaysIgnored) {
    std::signal(SIGINT, SIG_IGN);
    InstallStopSignals();
    std::raise(SIGINT);
    QCoreApplication::processEvents();
    EXPECT_FALSE(StopRequested);
    Default(SIGINT);
}

}  // namespace
}  // namespace orbweave
