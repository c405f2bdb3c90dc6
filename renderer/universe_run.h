// The universe animation: epochs of a creation phase followed by a camera
// tour past the galaxies, repeated until the run is asked to stop.
#pragma once

#include <cstdint>

#include "platform/window/x11_windows.h"

namespace orbweave {

// The control-panel preview's host window (the id given after "/P"). Start-up
// sets it; the preview's frames stop once it is gone.
extern window::NativeWindowId HostWindowHandle;

// The star count of the current universe run, for the performance report.
extern std::int32_t PerfPixelCount;

// The per-frame pacing of every animation: WaitFrameDelay, and in the
// control-panel preview also a test that the host window still exists (a
// vanished host sets StopRequested). True when the animation must stop.
bool WaitFrameDelayPreview();

// Runs universe epochs until StopRequested is set; it never returns without
// it (a set-up failure sets it). Precondition: LoadUniverseSettings has filled
// the universe state, the galaxy tables are current and LoadDisplaySettings
// has derived the drawing geometry. Every table is released on return.
void RunUniverse();

}  // namespace orbweave
