// Closing windows from outside, as their close boxes would: how a stop
// signal winds the dialogs down one window at a time.
#pragma once

namespace orbweave {

// Closes the innermost window: the active popup, else the active modal
// window, else the first visible top-level window. Does nothing without a
// QApplication or an open window.
void CloseInnermostWindow();

}  // namespace orbweave
