#include "renderer/display/pacing.h"

#include <chrono>
#include <cstdlib>
#include <thread>

#include "platform/display/window_events.h"
#include "renderer/display/display_settings.h"
#include "renderer/display/run_state.h"

namespace orbweave {

namespace {

constexpr std::int64_t kLongestSleepMs = 999;
constexpr int kPauseSliceLimit = 6;
constexpr std::int64_t kPauseSliceMs = 20;
constexpr double kSecondsPerTick = 0.001;

std::int64_t SteadyTicks() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void ThreadSleep(std::int64_t ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// The pauses taken so far: the limit holds for the whole process.
int& PauseSlicesTaken() {
    static int taken = 0;
    return taken;
}

FramePacer& Pacer() {
    static FramePacer pacer{SteadyTicks, ThreadSleep, display::PumpWindowEvents};
    return pacer;
}

}  // namespace

void SetFramePacer(FramePacer pacer) {
    Pacer() = {pacer.ticks ? std::move(pacer.ticks) : SteadyTicks, pacer.sleep ? std::move(pacer.sleep) : ThreadSleep,
               pacer.pumpEvents ? std::move(pacer.pumpEvents) : display::PumpWindowEvents};
}

std::int64_t TickCount() { return Pacer().ticks(); }

double NowSeconds() { return static_cast<double>(TickCount()) * kSecondsPerTick; }

void SleepFor(std::int64_t ms) { Pacer().sleep(ms); }

void PumpEvents() { Pacer().pumpEvents(); }

bool WaitFrameDelay() {
    PumpEvents();
    if (runState.StopRequested) {
        return true;
    }
    const std::int64_t rest = displaySettings.FrameDelayMs - std::llabs(TickCount() - runState.FrameStartTick);
    if (rest >= 1 && rest <= kLongestSleepMs) {
        SleepFor(rest);
    }
    return false;
}

void PauseSlice() {
    int& taken = PauseSlicesTaken();
    if (taken >= kPauseSliceLimit) {
        return;
    }
    ++taken;
    const std::int64_t noted = TickCount();
    // Yields until 20 ms have passed, sleeping a millisecond between yields
    // rather than spinning.
    while (std::llabs(TickCount() - noted) < kPauseSliceMs) {
        PumpEvents();
        SleepFor(1);
    }
}

void ResetPauseSlices() { PauseSlicesTaken() = 0; }

bool WaitFrameDelayPreview() {
    bool stop = WaitFrameDelay();
    if (runState.RunMode == kRunModePreview && !window::IsWindow(runState.HostWindowHandle)) {
        runState.StopRequested = true;
        stop = true;
    }
    return stop;
}

}  // namespace orbweave
