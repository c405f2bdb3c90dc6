#include "platform/window/x11_windows.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <atomic>
#include <string>

namespace orbweave::window {

namespace {

std::atomic<int> errorCount{0};
std::atomic<bool> handlerInstalled{false};

int CountError(Display*, XErrorEvent*) {
    ++errorCount;
    return 0;
}

// Our own connection, opened on first use; null without an X display.
Display* Connection() {
    static Display* display = [] {
        Display* d = XOpenDisplay(nullptr);
        if (d != nullptr && !handlerInstalled) {
            XSetErrorHandler(CountError);
            handlerInstalled = true;
        }
        return d;
    }();
    return display;
}

// Runs `request` and reports whether the server answered it without error.
template <typename Request>
bool Succeeds(Display* display, Request request) {
    XSync(display, False);
    const int before = errorCount;
    const bool ok = request();
    XSync(display, False);
    return ok && errorCount == before;
}

// How far below the root a named client window may sit: window managers put
// each client into a frame of their own, some into a frame inside a frame.
constexpr int kFrameDepth = 3;

constexpr long kNetWmStateAdd = 1;
constexpr long kSourceIsPager = 2;

std::optional<std::string> NetWmName(Display* display, Window window) {
    const Atom property = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, property, 0, 4096, False, utf8, &type, &format, &count, &after, &data) !=
        Success) {
        return std::nullopt;
    }
    std::optional<std::string> name;
    if (data != nullptr && type == utf8 && format == 8) {
        name = std::string(reinterpret_cast<const char*>(data), count);
    }
    if (data != nullptr) {
        XFree(data);
    }
    return name;
}

std::optional<std::string> WindowName(Display* display, Window window) {
    if (auto name = NetWmName(display, window)) {
        return name;
    }
    char* text = nullptr;
    if (XFetchName(display, window, &text) == 0 || text == nullptr) {
        return std::nullopt;
    }
    std::string name(text);
    XFree(text);
    return name;
}

// Searches the children of parent from the top of the stacking order down;
// a window without a name of its own may be a frame holding the client.
Window FindNamedChild(Display* display, Window parent, std::string_view caption, int depth) {
    Window root = 0, parentOut = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, parent, &root, &parentOut, &children, &count) == 0) {
        return 0;
    }
    Window found = 0;
    for (unsigned int i = count; i-- > 0 && found == 0;) {
        const auto name = WindowName(display, children[i]);
        if (name) {
            if (*name == caption) {
                found = children[i];
            }
        } else if (depth > 1) {
            found = FindNamedChild(display, children[i], caption, depth - 1);
        }
    }
    if (children != nullptr) {
        XFree(children);
    }
    return found;
}

// Asks the window manager, through the root window, to act on window.
void SendToWindowManager(Display* display, Window window, const char* messageType, long first, long second) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, messageType, False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = first;
    event.xclient.data.l[1] = second;
    XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
}

// The selection that stands for the window with this caption on the
// connection's default screen.
Atom ClaimAtom(Display* display, std::string_view caption) {
    const std::string name =
        "_ORBWEAVE_WINDOW_S" + std::to_string(DefaultScreen(display)) + " " + std::string(caption);
    return XInternAtom(display, name.c_str(), False);
}

// The claim's owner: an unnamed window that is never mapped, so that the
// caption test never takes it for the window itself.
Window ClaimOwner(Display* display) {
    static const Window owner = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    return owner;
}

}  // namespace

bool DisplayAnswers() { return Connection() != nullptr; }

bool IsWindow(NativeWindowId id) {
    Display* display = Connection();
    if (display == nullptr || id == 0) {
        return false;
    }
    XWindowAttributes attributes;
    return Succeeds(display, [&] { return XGetWindowAttributes(display, id, &attributes) != 0; });
}

std::optional<WindowSize> HostWindowSize(NativeWindowId id) {
    Display* display = Connection();
    if (display == nullptr || id == 0) {
        return std::nullopt;
    }
    XWindowAttributes attributes{};
    if (!Succeeds(display, [&] { return XGetWindowAttributes(display, id, &attributes) != 0; })) {
        return std::nullopt;
    }
    return WindowSize{attributes.width, attributes.height};
}

bool WatchHostWindow(NativeWindowId host) {
    Display* display = Connection();
    if (display == nullptr || host == 0) {
        return false;
    }
    return Succeeds(display, [&] { return XSelectInput(display, host, StructureNotifyMask) != 0; });
}

bool HostWindowDestroyed(NativeWindowId host) {
    Display* display = Connection();
    if (display == nullptr) {
        return true;
    }
    XEvent event;
    bool destroyed = false;
    while (XPending(display) > 0) {
        XNextEvent(display, &event);
        if (event.type == DestroyNotify && event.xdestroywindow.window == host) {
            destroyed = true;
        }
    }
    return destroyed;
}

NativeWindowId CreateChildWindow(NativeWindowId parent, WindowSize size) {
    Display* display = Connection();
    if (display == nullptr || parent == 0 || size.width <= 0 || size.height <= 0) {
        return 0;
    }
    Window child = 0;
    const bool ok = Succeeds(display, [&] {
        child = XCreateSimpleWindow(display, parent, 0, 0, size.width, size.height, 0, 0, 0);
        return child != 0 && XMapWindow(display, child) != 0;
    });
    if (!ok) {
        return 0;
    }
    return child;
}

void ResizeChildWindow(NativeWindowId id, WindowSize size) {
    Display* display = Connection();
    if (display == nullptr || id == 0 || size.width <= 0 || size.height <= 0) {
        return;
    }
    XResizeWindow(display, id, size.width, size.height);
    XSync(display, False);
}

void DestroyWindow(NativeWindowId id) {
    Display* display = Connection();
    if (display == nullptr || id == 0) {
        return;
    }
    XDestroyWindow(display, id);
    XSync(display, False);
}

void InstallXErrorHandler() {
    XSetErrorHandler(CountError);
    handlerInstalled = true;
}

int XErrorCount() { return errorCount; }

NativeWindowId FindWindowA(std::string_view caption) {
    Display* display = Connection();
    if (display == nullptr) {
        return 0;
    }
    XSync(display, False);
    return FindNamedChild(display, DefaultRootWindow(display), caption, kFrameDepth);
}

bool SetForegroundWindow(NativeWindowId id) {
    Display* display = Connection();
    if (display == nullptr || id == 0) {
        return false;
    }
    return Succeeds(display, [&] {
        XRaiseWindow(display, id);
        SendToWindowManager(display, id, "_NET_ACTIVE_WINDOW", kSourceIsPager, CurrentTime);
        return true;
    });
}

bool MakeWindowTopmost(NativeWindowId id) {
    Display* display = Connection();
    if (display == nullptr || id == 0) {
        return false;
    }
    return Succeeds(display, [&] {
        const Atom above = XInternAtom(display, "_NET_WM_STATE_ABOVE", False);
        SendToWindowManager(display, id, "_NET_WM_STATE", kNetWmStateAdd, static_cast<long>(above));
        XRaiseWindow(display, id);
        return true;
    });
}

bool ClaimWindowCaption(std::string_view caption) {
    Display* display = Connection();
    if (display == nullptr) {
        return true;
    }
    const Atom selection = ClaimAtom(display, caption);
    const Window owner = ClaimOwner(display);
    XGrabServer(display);
    const bool unclaimed = XGetSelectionOwner(display, selection) == None &&
                      FindNamedChild(display, DefaultRootWindow(display), caption, kFrameDepth) == 0;
    if (unclaimed) {
        XSetSelectionOwner(display, selection, owner, CurrentTime);
    }
    XUngrabServer(display);
    // The ungrab must reach the server now: it would otherwise wait in the
    // output buffer and hold every other client.
    XSync(display, False);
    return unclaimed && XGetSelectionOwner(display, selection) == owner;
}

NativeWindowId CreateHiddenWindow(std::string_view caption) {
    Display* display = Connection();
    if (display == nullptr) {
        return 0;
    }
    const std::string name(caption);
    Window window = 0;
    const bool ok = Succeeds(display, [&] {
        window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
        if (window == 0) {
            return false;
        }
        XStoreName(display, window, name.c_str());
        XChangeProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False),
                        XInternAtom(display, "UTF8_STRING", False), 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(name.data()), static_cast<int>(name.size()));
        return true;
    });
    return ok ? window : 0;
}

}  // namespace orbweave::window
