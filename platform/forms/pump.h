// Event pumping for animation loops. Every animation runs inside the handler
// that starts it and lets the window system work once per frame: events
// that are pending run now, re-entrantly, among them the click that stops it.
#pragma once

namespace orbweave {

// Runs every pending event (input, paints, timers) and returns.
void DoEvents();

}  // namespace orbweave
