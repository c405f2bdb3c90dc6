// Native X11 windows of other processes: whether a window still exists, its
// size, a child window of our own inside it, top-level windows found and
// raised by name, and an X error handler that keeps a vanished window from
// ending the process. Without an X display every query answers "no window"
// and every action does nothing.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace orbweave::window {

using NativeWindowId = std::uint64_t;

struct WindowSize {
    int width = 0;
    int height = 0;
    bool operator==(const WindowSize&) const = default;
};

// Whether an X server answers on DISPLAY (through our own connection).
bool DisplayAnswers();

bool IsWindow(NativeWindowId id);
std::optional<WindowSize> HostWindowSize(NativeWindowId id);

// Asks the X server for structure events of `host` (destruction, resizing):
// a foreign window sends none unless someone selects them.
bool WatchHostWindow(NativeWindowId host);
// True once a watched host has been destroyed (reads pending X events).
bool HostWindowDestroyed(NativeWindowId host);

// A plain child window filling `parent`, mapped; 0 when it cannot be made.
NativeWindowId CreateChildWindow(NativeWindowId parent, WindowSize size);
void ResizeChildWindow(NativeWindowId id, WindowSize size);
// Destroys a window this process made, child or hidden; 0 is ignored.
void DestroyWindow(NativeWindowId id);

// Replaces the process's X error handler with one that counts errors and
// carries on: a request on a window that has just vanished (BadWindow,
// BadDrawable) must end the preview, not the process. Install it after
// SDL has started, since SDL sets a handler of its own.
void InstallXErrorHandler();
int XErrorCount();

// Top-level windows by their name (the caption another process gave them):
// the windows on the root window, and the client windows a window manager
// has put inside its frames. The one highest in the stacking order wins; 0
// when none has exactly this name.
NativeWindowId FindWindowA(std::string_view caption);
// Raises the window and asks the window manager (when there is one) to
// give it the focus.
bool SetForegroundWindow(NativeWindowId id);
// Keeps the window above the others.
bool MakeWindowTopmost(NativeWindowId id);

// Claims, for the rest of the process, the one top-level window with this
// caption on the X screen the process uses (DISPLAY's screen). True when
// the claim is ours, and without an X display (nothing to share); false when
// another process holds it or a window with this caption is already open.
// The claim is an X selection named after the screen and the caption: the
// server gives it one owner at a time and frees it when the owner's
// connection closes, however the process ends, and it is per display and
// screen as the caption test is. The test for an owner, the caption test and
// the claim run under a server grab, so of programs started in the same
// instant exactly one wins.
bool ClaimWindowCaption(std::string_view caption);

// A top-level window that is never mapped: it only carries a name, so that
// FindWindowA finds the process that made it. 0 when it cannot be made.
NativeWindowId CreateHiddenWindow(std::string_view caption);

}  // namespace orbweave::window
