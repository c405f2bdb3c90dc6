// close-window: sends WM_DELETE_WINDOW to a window, the message a window
// manager sends when its close box is pressed. The end-to-end tests run on a
// bare X server, where nothing else would send it.
//
//     close-window <window id, decimal or 0x hexadecimal>
//
// Exit status 0 once the message is sent, 1 when there is no display or the
// window does not exist, 2 for a bad argument.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

namespace {

int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

bool WindowExists(Display* display, Window window) {
    XWindowAttributes attributes;
    return XGetWindowAttributes(display, window, &attributes) != 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: close-window <window id>\n");
        return 2;
    }
    char* end = nullptr;
    const unsigned long id = std::strtoul(argv[1], &end, 0);
    if (end == argv[1] || *end != '\0' || id == 0) {
        std::fprintf(stderr, "close-window: '%s' is not a window id\n", argv[1]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "close-window: no X display\n");
        return 1;
    }
    XSetErrorHandler(IgnoreErrors);
    const auto window = static_cast<Window>(id);
    if (!WindowExists(display, window)) {
        std::fprintf(stderr, "close-window: no window %s\n", argv[1]);
        XCloseDisplay(display);
        return 1;
    }
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    XCloseDisplay(display);
    return 0;
}
