// Frame pacing: the clock, the per-frame yield to the window system and the
// sleep that fills the rest of the frame. The clock, the sleep and the event
// pump are one replaceable pacer, so a headless run can count frames and
// advance a fake clock.
#pragma once

#include <cstdint>
#include <functional>

namespace orbweave {

struct FramePacer {
    std::function<std::int64_t()> ticks;  // monotonic milliseconds
    std::function<void(std::int64_t ms)> sleep;
    std::function<void()> pumpEvents;  // pending window-system events, once
};

// Installs a pacer; members left empty keep their defaults (the steady
// clock, a thread sleep, and one pass over the window system's pending
// events, display::PumpWindowEvents). The program hands in a pump of its own
// that also counts the frame and notes which event loop it runs in.
void SetFramePacer(FramePacer pacer);

std::int64_t TickCount();
// The tick clock in seconds.
double NowSeconds();
void SleepFor(std::int64_t ms);
void PumpEvents();

// Yields once, then sleeps what is left of the frame delay (only when that
// is 1 to 999 ms). True when the animation must stop.
bool WaitFrameDelay();

// The per-frame pacing of every animation: WaitFrameDelay, and in the
// control-panel preview also a test that the host window still exists (a
// vanished host sets StopRequested). True when the animation must stop.
bool WaitFrameDelayPreview();

// An extra pause of at least 20 ms, at most six times in the process's life.
void PauseSlice();
// Tests start the six pauses afresh.
void ResetPauseSlices();

}  // namespace orbweave
