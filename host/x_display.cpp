#include "host/x_display.h"

#include <QString>
#include <QtGlobal>

// Xlib's macros clash with names in Qt's headers, so it comes after them.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "host/run_modes.h"

namespace orbweave {

namespace {

// Qt's notice, in all its wordings, when its connection to the X server breaks.
constexpr const char* kQtConnectionBroke = "The X11 connection broke";
constexpr std::string_view kDisplayLostText = "Orbweave: The connection to the X display was lost.\n";
constexpr const char* kHeadlessQt = "offscreen";
constexpr const char* kQtX11Platform = "xcb";
constexpr const char* kSdlX11Driver = "x11";

bool XDisplayReachable() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return false;
    }
    XCloseDisplay(display);
    return true;
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
    if (IsSet("DISPLAY") && !XDisplayReachable()) {
        ::unsetenv("DISPLAY");
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
