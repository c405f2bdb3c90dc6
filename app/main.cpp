// orbweave: the screen saver program. Every mode needs the Qt application
// (text is drawn with Qt), then start-up decides from the command line what
// runs: the properties dialog for configuration, the saver or the preview.
#include <QApplication>
#include <cstdlib>
#include <span>

#include "dialogs/editors/editor_launchers.h"
#include "dialogs/info/info_launchers.h"
#include "dialogs/properties/properties_dialog.h"
#include "host/command_line.h"
#include "host/console.h"
#include "host/startup.h"
#include "host/stop_signals.h"
#include "host/trace.h"
#include "platform/forms/services.h"
#include "platform/system/services.h"

namespace {

// Without any display Qt could not start at all, so it runs headless (it
// still draws text); SDL would pick its invisible offscreen driver and the
// saver would run unseen with no way to stop it, so SDL is asked for X11,
// which then reports the missing display. Explicit choices win.
void ChooseBackendsWithoutDisplay() {
    const bool hasDisplay = std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr;
    if (!hasDisplay) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        ::setenv("SDL_VIDEODRIVER", "x11", 0);
    }
}

}  // namespace

int main(int argc, char** argv) {
    ChooseBackendsWithoutDisplay();
    orbweave::QuietRuntimeFolderNotice();
    QApplication application(argc, argv);
    orbweave::InstallQtServices();
    // On a headless platform nobody could answer a message box: messages go
    // to standard error and questions take the answer that does nothing.
    if (!orbweave::WindowsCanBeSeen()) {
        orbweave::SetMessageBoxService(orbweave::WriteUnattendedMessage);
    }
    orbweave::InstallInfoLaunchers();
    orbweave::InstallEditorLaunchers();
    orbweave::SetConfigurationRunner(orbweave::RunPropertiesDialog);
    orbweave::InstallStopSignals();
    orbweave::StartTrace();
    const std::span<const char* const> arguments(argv + (argc > 0 ? 1 : 0), argc > 0 ? argc - 1 : 0);
    return orbweave::Main(orbweave::JoinArguments(arguments));
}
