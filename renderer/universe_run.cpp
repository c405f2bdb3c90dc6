#include "renderer/universe_run.h"

#include "renderer/pacing.h"
#include "renderer/run_state.h"

namespace orbweave {

window::NativeWindowId HostWindowHandle = 0;
std::int32_t PerfPixelCount = 0;

bool WaitFrameDelayPreview()
{
    bool stop = WaitFrameDelay();
    if (RunMode == kRunModePreview && !window::IsWindow(HostWindowHandle)) {
        StopRequested = true;
        stop = true;
    }
    return stop;
}

void RunUniverse()
{
    StopRequested = true;
}

}  // namespace orbweave
