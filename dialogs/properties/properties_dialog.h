#pragma once

// The properties dialog: the window that edits the universe, the galaxy
// types, the composites and the display settings.

namespace orbweave {

// Configuration mode: checks the colour depth (with its message), shows the
// dialog modeless and runs the event loop until the dialog unloads. The
// result is the exit status.
int RunPropertiesDialog();

}  // namespace orbweave
