#include "host/x_display.h"

#include <QString>
#include <QtGlobal>

// Xlib's macros clash with names in Qt's headers, so it comes after them.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "core/product.h"
#include "host/run_modes.h"

namespace orbweave {

namespace {

// Qt's notice, in all its wordings, when its connection to the X server breaks.
constexpr const char* kQtConnectionBroke = "The X11 connection broke";
constexpr std::string_view kDisplayLostText =
    kJoined<kProductNameText, ": The connection to the X display was lost.\n">;
constexpr const char* kHeadlessQt = "offscreen";
constexpr const char* kQtX11Platform = "xcb";
constexpr const char* kSdlX11Driver = "x11";

constexpr const char* kSdlXRandR = "SDL_VIDEO_X11_XRANDR";

// The screen DISPLAY names (its default screen); none when no X server
// answers.
std::optional<int> NamedScreen() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return std::nullopt;
    }
    const int screen = DefaultScreen(display);
    XCloseDisplay(display);
    return screen;
}

bool IsSet(const char* variable) { return std::getenv(variable) != nullptr; }

// An explicit choice of Qt's X11 platform ("xcb", or "xcb:" with options).
bool ChoosesQtX11(const char* platform) {
    return std::string_view(platform).substr(0, std::string_view(kQtX11Platform).size()) == kQtX11Platform;
}

[[noreturn]] void EndForLostDisplay() {
    std::fflush(nullptr);
    std::_Exit(kExitFailure);
}

QtMessageHandler& PassedOn() {
    static QtMessageHandler handler = nullptr;
    return handler;
}

void WatchQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (PassedOn() != nullptr) {
        PassedOn()(type, context, message);
    }
    // Qt calls exit() right after this notice.
    if (message.startsWith(QLatin1String(kQtConnectionBroke))) {
        EndForLostDisplay();
    }
}

// Xlib's connections (SDL's, our window look-ups, Qt's own): Xlib would
// call exit() once this returns, so it does not return.
int OnXConnectionLost(Display*) {
    std::fwrite(kDisplayLostText.data(), 1, kDisplayLostText.size(), stderr);
    EndForLostDisplay();
}

}  // namespace

void ChooseBackends() {
    const std::optional<int> screen = IsSet("DISPLAY") ? NamedScreen() : std::nullopt;
    if (IsSet("DISPLAY") && !screen) {
        ::unsetenv("DISPLAY");
    }
    // Through XRandR SDL lists the outputs of every screen from screen 0 up,
    // whatever screen DISPLAY names, and its windows open on the first: a
    // saver for ":0.1" would cover screen 0. Without it SDL sees the named
    // screen alone, at its desktop mode.
    if (screen.value_or(0) != 0) {
        ::setenv(kSdlXRandR, "0", 0);
    }
    if (IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY")) {
        return;
    }
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform == nullptr || ChoosesQtX11(platform)) {
        ::setenv("QT_QPA_PLATFORM", kHeadlessQt, 1);
    }
    ::setenv("SDL_VIDEODRIVER", kSdlX11Driver, 0);
}

void EndAtOnceWhenDisplayGoes() {
    XSetIOErrorHandler(OnXConnectionLost);
    const QtMessageHandler previous = qInstallMessageHandler(WatchQtMessages);
    if (previous != WatchQtMessages) {
        PassedOn() = previous;
    }
}

}  // namespace orbweave
