#pragma once

// SIGTERM, SIGHUP and SIGINT end the saver and the preview the way a key or
// the host's destruction does: the animation stops at the end of its frame,
// the display is faded, its mode restored and released, the performance
// report written when it is on, and the process ends with status 0.
//
// The handler only writes one byte into a pipe (async-signal-safe); the
// next frame's yield to Qt reads it and sets StopRequested, which the loops
// already test. A signal ignored when the program started (SIGINT and
// SIGHUP of a job started in the background or under nohup) stays ignored.
// Each handler is used once: a second signal of the same kind ends the
// process at once, for when no animation runs to notice the first (a message
// box waiting for an answer, for instance).

namespace orbweave {

// Needs the Qt application. Calling it again arms the handlers again.
void InstallStopSignals();

}  // namespace orbweave
