// The display of the process: the display system opened once at start-up,
// the surfaces of the current animation, its pixel format and the 32-bit
// work image every animation draws into.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/display/display_system.h"
#include "platform/display/sdl_backend.h"
#include "settings/display_values.h"

namespace orbweave {

// The display state, one per process.
struct DisplayState {
    bool DX = false;                             // the video system is up
    std::shared_ptr<display::DisplaySystem> DD;  // the display system object
    std::shared_ptr<display::Window> SaverHWnd;  // the window the saver and the preview present to
    bool UseFlip = true;                         // the stored DX_UseFlip <> 0
    bool FullScreenExclusive = false;
    std::shared_ptr<display::Surface> PrimarySurface;
    std::shared_ptr<display::Surface> BackSurface;
    std::shared_ptr<display::Clipper> DisplayClipper;
    std::int32_t PixelFormat = 0;  // 15, 16, 24 or 32: the blend routine
    std::int32_t PitchPixels = 0;  // the back surface's pitch in pixels
    // The work image: PitchPixels x ScreenHeight + 1 colours, rows PitchPixels apart.
    std::vector<std::int32_t> PixelBuffer;
    // The blend level of the latest frame presented, for the performance
    // report; an animation goes on from it.
    std::int32_t CurrentBlend = 0;
};

extern DisplayState displayState;

// Back to the values the process starts with, letting the display system go.
void ResetDisplayState();

// The download page offered when the video system cannot start.
inline constexpr std::string_view kDisplayDownloadUrl = "https://www.libsdl.org/download-2.0.php";

// How the display system is opened; the default opens SDL. Tests open the
// memory backend instead.
using DisplayOpener = std::function<display::OpenResult()>;
void SetDisplayOpener(DisplayOpener opener);

void InitDirectX();
// The largest width and height among the display's modes that are no wider
// than the desktop (each of them is offered for full screen), the desktop's
// size when it lists none, 0 and 0 without a display.
DisplayLimits LargestDisplayMode();
// Builds the surfaces for the current geometry. False when the display could
// not be set up: the saver and the preview then end the process; a dialog's
// animation is abandoned and the dialog stays.
bool LoadPropsInitDX();
void RestoreLostSurfaces();
void FadeOutDisplay(std::int16_t frames, std::int16_t stepSize);
void ReleaseDirectX();
// A run that cannot get the memory it needs: the saver and the preview say
// so on standard error and end the process with status 1, the display
// released; a dialog's animation is only abandoned, its dialog left as it is.
void EndRunWithoutMemory();
// The logging hook of the display code; it discards what it is given.
void LogError(std::string_view moduleName, std::string_view message);

}  // namespace orbweave
