#pragma once

// The X display the program runs on: probed before Qt and SDL start, and
// the end of the process when it goes away under them.

namespace orbweave {

// Run before Qt or SDL starts. A DISPLAY that is empty or names an X server
// that cannot be reached is removed from the environment: Qt's X11 platform
// would abort the process on it, while without a display every mode says
// "X Display Not Found" and ends with status 1. Then, when there is no
// display at all (nor a Wayland one), Qt runs headless (it still draws
// text) instead of trying its X11 platform, and SDL is asked for X11, which
// reports the missing display; its invisible offscreen driver would run a
// saver that nobody could see or stop. Other explicit choices win. When
// DISPLAY names a screen other than the first, SDL is kept to that screen.
void ChooseBackends();

// When the X server goes away under the program (log-out, a server that
// dies), Qt and Xlib end the process with exit(), whose destructors would
// then tear down windows that are still on the stack and crash. This ends
// the process at once with status 1 instead, after the notice Qt gives or
// one of our own, with standard output and error flushed; nothing is left
// half-written, since every store transfer is one transaction. Install it
// once the Qt application is made: Qt puts in an Xlib handler of its own
// while it starts.
void EndAtOnceWhenDisplayGoes();

}  // namespace orbweave
