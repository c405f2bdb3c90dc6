#include "host/stop_signals.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <csignal>
#include <functional>
#include <string>
#include <vector>

#include "host/frame_yield.h"
#include "host_fixture.h"
#include "platform/forms/window_closing.h"
#include "renderer/display/pacing.h"
#include "renderer/display/run_state.h"

namespace orbweave {
namespace {

constexpr int kStopSignals[] = {SIGTERM, SIGHUP, SIGINT};

// The disposition a signal has when the program starts from a terminal.
void Default(int signal) { std::signal(signal, SIG_DFL); }

// Notes each close a window accepts.
class ClosingWatch : public QObject {
public:
    ClosingWatch(QWidget& window, std::string name, std::vector<std::string>& log) : name_(std::move(name)), log_(log) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Close) log_.push_back(name_ + " closed");
        return false;
    }

private:
    std::string name_;
    std::vector<std::string>& log_;
};

class StopSignalsTest : public testing::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        for (const int signal : kStopSignals) Default(signal);
        services.framePacer.pumpEvents = FrameYield;
        InstallProcessServices(services);
        InstallStopSignals(CloseInnermostWindow);
        runState.StopRequested = false;
    }
    void TearDown() override {
        for (const int signal : kStopSignals) Default(signal);
        // Forgets the signal taken, so that no window of the next test closes.
        InstallStopSignals(CloseInnermostWindow);
        HostTest::TearDown();
    }

    // Handles events until the condition holds; false if it never does.
    static bool Until(const std::function<bool()>& done) {
        for (int pass = 0; pass < 100000 && !done(); ++pass) {
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        }
        return done();
    }

    // An animation loop as the hosts run one: frames until StopRequested,
    // then a return. `rounds` loops in a row, each starting with
    // StopRequested cleared, as a host that starts its animation again does.
    void Animate(int rounds, const std::function<void()>& eachFrame = {}) {
        for (int round = 0; round < rounds; ++round) {
            runState.StopRequested = false;
            while (!runState.StopRequested) {
                if (eachFrame) eachFrame();
                PumpEvents();
            }
        }
        log.push_back("loop returned");
    }

    std::vector<std::string> log;
};

// The handler only leaves a note; the stop comes with Qt's next pass, which
// the frames' yield makes.
TEST_F(StopSignalsTest, EachStopSignalEndsTheAnimationAtTheNextYield) {
    for (const int signal : kStopSignals) {
        InstallStopSignals(CloseInnermostWindow);
        runState.StopRequested = false;
        std::raise(signal);
        EXPECT_FALSE(runState.StopRequested) << signal;
        QCoreApplication::processEvents();
        EXPECT_TRUE(runState.StopRequested) << signal;
    }
}

TEST_F(StopSignalsTest, ASignalIgnoredAtStartStaysIgnored) {
    std::signal(SIGINT, SIG_IGN);
    InstallStopSignals(CloseInnermostWindow);
    std::raise(SIGINT);
    QCoreApplication::processEvents();
    EXPECT_FALSE(runState.StopRequested);
}

// The window an animation draws into closes only after the loop has
// returned, even when the loop starts again once after the stop.
TEST_F(StopSignalsTest, AWindowClosesOnlyOnceItsAnimationHasReturned) {
    QWidget window;
    const ClosingWatch watch(window, "window", log);
    window.show();
    QTimer::singleShot(0, [&] {
        std::raise(SIGTERM);
        Animate(2);
    });
    ASSERT_TRUE(Until([&] { return !window.isVisible(); }));
    EXPECT_EQ(log, (std::vector<std::string>{"loop returned", "window closed"}));
}

// A modal window opened from inside an animation's frame closes first: its
// handler goes on, the loop returns, then the window under it closes.
TEST_F(StopSignalsTest, AModalWindowAboveAnAnimationClosesFirst) {
    QWidget window;
    QDialog modal;
    const ClosingWatch windowWatch(window, "window", log);
    const ClosingWatch modalWatch(modal, "modal", log);
    window.show();
    bool opened = false;
    QTimer::singleShot(0, [&] {
        Animate(1, [&] {
            if (opened) return;
            opened = true;
            QTimer::singleShot(0, [] { std::raise(SIGTERM); });
            modal.exec();
            log.push_back("modal returned");
        });
    });
    ASSERT_TRUE(Until([&] { return !window.isVisible(); }));
    EXPECT_EQ(log, (std::vector<std::string>{"modal closed", "modal returned", "loop returned", "window closed"}));
}

}  // namespace
}  // namespace orbweave
