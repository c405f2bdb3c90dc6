#pragma once

// Every service the process can have replaced, in one record: app/main.cpp
// fills it once with the real window system, tests fill it with fakes. Each
// layer below keeps its own small setter, which this one calls, so that no
// layer includes a higher one. A member left empty puts that service's
// default back.
//
// The forms layer's own services (input box, busy pointer, help viewer) and
// the window event handler a saver window installs for its life are not here:
// the host includes nothing of the forms layer, and the handler belongs to
// one run.

#include <functional>
#include <string>

#include "host/startup.h"
#include "platform/display/cursor.h"
#include "platform/system/services.h"
#include "renderer/display/display.h"
#include "renderer/display/pacing.h"
#include "renderer/display/run_state.h"

namespace orbweave {

struct ProcessServices {
    // The frame clock, sleep and per-frame event pump.
    FramePacer framePacer;
    // Opens the display system; the default opens SDL.
    DisplayOpener displayOpener;
    // Ends the process; the default calls std::exit.
    std::function<void(int status)> endProcess;
    // Shows or hides the mouse pointer; the default asks SDL.
    display::CursorHandler cursor;
    // Where libcorvane.so is looked for: this folder (empty: the program's
    // own), then, when allowed, the dynamic loader's search path.
    std::string corvaneFolder;
    bool corvaneByPlainName = true;
    // When a wait for another program's hold on the settings gives up; the
    // default gives up once StopRequested is set.
    std::function<bool()> storeWaitStop;
    // Message boxes, the beep and the address opener; the defaults need no
    // display (platform/system/services.h).
    MessageBoxService messageBox;
    BeepService beep;
    UrlService openUrl;
    // The screen, measured once at start-up; the default knows no size and
    // assumes 96 dots per inch.
    std::function<ScreenMeasure()> measureScreen;
    // Configuration mode's dialog and window system (host/startup.h).
    ConfigurationRunner configurationRunner;
    ConfigurationWindows configurationWindows;
};

void InstallProcessServices(const ProcessServices& services);

// The services installed last, for start-up and configuration mode.
const ProcessServices& InstalledProcessServices();

}  // namespace orbweave
