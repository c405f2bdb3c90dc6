// The process-wide run state that start-up and the animation hosts set and
// every animation loop reads. This is the one place it lives.
#pragma once

#include <cstdint>
#include <functional>

namespace orbweave {

// What the current animation draws into.
inline constexpr std::int16_t kRunModeDialog = 0;   // a picture box inside a dialog
inline constexpr std::int16_t kRunModeSaver = 1;    // the full-screen saver
inline constexpr std::int16_t kRunModePreview = 2;  // the control-panel preview

// Ends every animation loop; tested once per frame.
extern bool StopRequested;
extern std::int16_t RunMode;
// The full-screen run writes its performance report ("DX_WriteLog").
extern bool WriteLogEnabled;

// The screen's twips per pixel (15 at 96 DPI), set at start-up. The preview's
// drawing size and presentation rectangle are divided by it.
struct TwipsPair {
    std::int16_t x = 15;
    std::int16_t y = 15;
};
extern TwipsPair TwipsPerPixel;

// Ends the process with `status`. Tests replace the handler to observe the
// end instead; the default calls std::exit.
void EndProcess(int status);
void SetEndProcessHandler(std::function<void(int status)> handler);

}  // namespace orbweave
