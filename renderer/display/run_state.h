// The process-wide run state that start-up and the animation hosts set and
// every animation loop reads, in one record.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/window/x11_windows.h"

namespace orbweave {

// What the current animation draws into.
inline constexpr std::int16_t kRunModeDialog = 0;   // a picture box inside a dialog
inline constexpr std::int16_t kRunModeSaver = 1;    // the full-screen saver
inline constexpr std::int16_t kRunModePreview = 2;  // the control-panel preview

struct TwipsSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool operator==(const TwipsSize&) const = default;
};

struct TwipsPair {
    std::int16_t x = 15;
    std::int16_t y = 15;
    bool operator==(const TwipsPair&) const = default;
};

// A twips measure as a divisor: a measure of 0 or less, which would divide
// by zero or flip the picture, counts as 1.
constexpr double TwipsDivisor(std::int16_t twips) { return twips > 0 ? twips : 1; }

// The screen as start-up measures it: its size in twips (for the
// diagnostics) and its twips per pixel (15 at 96 DPI), which the preview's
// drawing size and presentation rectangle are divided by.
struct ScreenMeasure {
    TwipsSize size;
    TwipsPair twipsPerPixel;
    bool operator==(const ScreenMeasure&) const = default;
};

struct RunState {
    // Ends every animation loop; tested once per frame. Only the main thread
    // sets it: a stop signal reaches it through a pipe read by Qt.
    bool StopRequested = false;
    std::int16_t RunMode = kRunModeDialog;
    // The full-screen run writes its performance report ("DX_WriteLog").
    bool WriteLogEnabled = false;
    ScreenMeasure Screen;
    // Tick at the start of the current frame, written by each frame loop.
    std::int64_t FrameStartTick = 0;
    // The control-panel preview's host window (the id given after "/P").
    // Start-up sets it; the preview's frames stop once it is gone.
    window::NativeWindowId HostWindowHandle = 0;
    bool operator==(const RunState&) const = default;
};

extern RunState runState;

// Back to the values the process starts with.
void ResetRunState();

// Ends the process with `status`. Tests replace the handler to observe the
// end instead; the default calls std::exit.
void EndProcess(int status);
void SetEndProcessHandler(std::function<void(int status)> handler);

}  // namespace orbweave
