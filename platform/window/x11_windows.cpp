#include "platform/window/x11_windows.h"

#include <X11/Xlib.h>

#include <atomic>

namespace orbweave::window {

namespace {

std::atomic<int> errorCount{0};
std::atomic<bool> handlerInstalled{false};

int CountError(Display*, XErrorEvent*)
{
    ++errorCount;
    return 0;
}

// Our own connection, opened on first use; null without an X display.
Display* Connection()
{
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
bool Succeeds(Display* display, Request request)
{
    XSync(display, False);
    const int before = errorCount;
    const bool ok = request();
    XSync(display, False);
    return ok && errorCount == before;
}

}  // namespace

bool IsWindow(NativeWindowId id)
{
    Display* display = Connection();
    if (display == nullptr || id == 0) {
        return false;
    }
    XWindowAttributes attributes;
    return Succeeds(display, [&] { return XGetWindowAttributes(display, id, &attributes) != 0; });
}

std::optional<WindowSize> HostWindowSize(NativeWindowId id)
{
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

bool WatchHostWindow(NativeWindowId host)
{
    Display* display = Connection();
    if (display == nullptr || host == 0) {
        return false;
    }
    return Succeeds(display, [&] { return XSelectInput(display, host, StructureNotifyMask) != 0; });
}

bool HostWindowDestroyed(NativeWindowId host)
{
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

NativeWindowId CreateChildWindow(NativeWindowId parent, WindowSize size)
{
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

void ResizeChildWindow(NativeWindowId id, WindowSize size)
{
    Display* display = Connection();
    if (display == nullptr || id == 0 || size.width <= 0 || size.height <= 0) {
        return;
    }
    XResizeWindow(display, id, size.width, size.height);
    XSync(display, False);
}

void DestroyChildWindow(NativeWindowId id)
{
    Display* display = Connection();
    if (display == nullptr || id == 0) {
        return;
    }
    XDestroyWindow(display, id);
    XSync(display, False);
}

void InstallXErrorHandler()
{
    XSetErrorHandler(CountError);
    handlerInstalled = true;
}

int XErrorCount() { return errorCount; }

}  // namespace orbweave::window
