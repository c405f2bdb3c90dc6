#pragma once

// Start-up: the process-wide state every mode needs, a new user's settings
// from the machine-wide ones, and the dispatch on the command line.

#include <cstdint>
#include <functional>
#include <string_view>

#include "core/product.h"
#include "host/run_modes.h"

namespace orbweave {

// Configuration mode ("/C" or an empty line) shows the properties dialog,
// which lives above the host, so the program hands it over with its process
// services (host/process_services.h): the runner shows the dialog until it
// unloads and returns the exit status. Without a runner configuration mode
// does nothing and ends with status 0.
using ConfigurationRunner = std::function<int()>;

// How configuration mode meets the window system. Tests replace it; an
// empty member keeps the default: WindowsCanBeSeen (host/console.h), and
// the X11 claim, lookup and raise by caption (platform/window).
struct ConfigurationWindows {
    // True when a window this process shows appears on a screen.
    std::function<bool()> canBeSeen;
    // Claims the one window with this caption for this process; false when
    // another process holds it or shows it already.
    std::function<bool(std::string_view caption)> claim;
    // Brings the top-level window with this caption to the front; false
    // when no such window is open.
    std::function<bool(std::string_view caption)> raise;
};

// The start-up steps in order, then the mode the command line asks for. The
// saver and preview modes end the process; the result is the exit status of
// the modes that return.
int Main(std::string_view commandLine);

}  // namespace orbweave
