// host-window: stands in for the control panel's preview box. It makes a
// plain X11 window of the given size, prints its decimal id, and destroys
// the window on SIGUSR1 (printing "destroyed"), then waits for SIGTERM.
//   host-window <width> <height>
#include <X11/Xlib.h>

#include <unistd.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace {

volatile std::sig_atomic_t destroyRequested = 0;
volatile std::sig_atomic_t endRequested = 0;

void OnDestroy(int) { destroyRequested = 1; }
void OnEnd(int) { endRequested = 1; }

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: host-window <width> <height>\n", stderr);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fputs("host-window: no X display\n", stderr);
        return 1;
    }
    const unsigned width = static_cast<unsigned>(std::atoi(argv[1]));
    const unsigned height = static_cast<unsigned>(std::atoi(argv[2]));
    const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 40, 30, width, height, 0, 0,
                                              WhitePixel(display, DefaultScreen(display)));
    XStoreName(display, window, "Display Properties preview");
    XMapWindow(display, window);
    XSync(display, False);
    std::signal(SIGUSR1, OnDestroy);
    std::signal(SIGTERM, OnEnd);
    std::printf("%lu\n", window);
    std::fflush(stdout);
    bool destroyed = false;
    while (endRequested == 0) {
        if (destroyRequested != 0 && !destroyed) {
            XDestroyWindow(display, window);
            XSync(display, False);
            destroyed = true;
            std::puts("destroyed");
            std::fflush(stdout);
        }
        usleep(5000);
    }
    XCloseDisplay(display);
    return 0;
}
