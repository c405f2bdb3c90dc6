#pragma once

// SIGTERM, SIGHUP and SIGINT end the program the way its user would, within
// a frame, and with status 0:
// - the running animation stops at the end of its frame (StopRequested);
// - once no animation runs under it, the innermost popup, then the innermost
//   modal window closes as its close box would (a message box takes the
//   answer that does nothing: Cancel, No, or its one OK);
// - then each window left closes as its close box would: the properties
//   dialog as Cancel, storing nothing of its controls.
// The saver and the preview end as on a key or the host's destruction: the
// display is faded, its mode restored and released, the performance report
// written when it is on.
//
// The handler only writes one byte into a pipe (async-signal-safe); Qt's
// event loop reads it and runs the steps above, one per pass, again and
// again until the process has ended: a window that closes may let a loop
// start an animation again, which then stops at its first frame. A signal
// ignored when the program started (SIGINT and SIGHUP of a job started in
// the background or under nohup) stays ignored. Each handler is used once:
// a second signal of the same kind ends the process at once, for a process
// that cannot take the first (one held outside its event loop).

#include <functional>

namespace orbweave {

// Needs the Qt application. `closeInnermostWindow` closes one window as its
// close box would (the dialogs' windows are not the host's to know). Calling
// it again arms the handlers again and forgets a stop signal already taken.
void InstallStopSignals(std::function<void()> closeInnermostWindow);

}  // namespace orbweave
