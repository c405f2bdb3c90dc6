#pragma once

// Start-up: the process-wide state every mode needs, a new user's settings
// from the machine-wide ones, and the dispatch on the command line.

#include <cstdint>
#include <string_view>

namespace orbweave {

// Operating-system families: password checks before the saver closes belong
// to the first; this system reports the second.
inline constexpr std::int32_t kPlatformWin9x = 1;
inline constexpr std::int32_t kPlatformNt = 2;

inline constexpr std::string_view kHelpFileName = "Orbhelp50.hlp";
inline constexpr std::string_view kPropertiesCaption = "Orbweave Properties";
// Below this desktop depth nothing is drawn.
inline constexpr std::int16_t kLeastColourDepth = 16;

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;

extern std::int32_t OSPlatform;
struct TwipsSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};
extern TwipsSize ScreenTwips;

std::int32_t GetOSPlatform();

// True when the desktop has at least 16 bits per pixel. Otherwise shows the
// colour-depth message when asked, releases the display and returns false.
bool CheckColorDepth(bool showMessage);

// The start-up steps in order, then the mode the command line asks for. The
// saver and preview modes end the process; the result is the exit status of
// the modes that return.
int Main(std::string_view commandLine);

}  // namespace orbweave
