// The look every window of the dialogs shares, set on the application so
// that the windows Qt opens of its own (menus, drop-down lists, message and
// input boxes) have it too.
#pragma once

namespace orbweave {

// Makes the dialog font the application's font and puts the dialog style
// over the application's style, once; later calls change nothing. Each form
// calls it as it is made.
void UseDialogLook();

}  // namespace orbweave
