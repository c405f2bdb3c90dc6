// orbweave: the screen saver program. Every mode needs the Qt application
// (text is drawn with Qt), then start-up decides from the command line what
// runs: the properties dialog for configuration, the saver or the preview.
#include <QApplication>
#include <new>
#include <span>

#include "dialogs/editors/editor_launchers.h"
#include "dialogs/info/info_launchers.h"
#include "dialogs/properties/properties_dialog.h"
#include "host/command_line.h"
#include "host/console.h"
#include "host/frame_yield.h"
#include "host/process_services.h"
#include "host/run_modes.h"
#include "host/startup.h"
#include "host/stop_signals.h"
#include "host/trace.h"
#include "host/x_display.h"
#include "platform/forms/screen.h"
#include "platform/forms/services.h"
#include "platform/forms/window_closing.h"
#include "platform/system/memory.h"
#include "platform/system/standard_streams.h"

namespace {

orbweave::ScreenMeasure MeasureQtScreen() {
    return {{orbweave::ScreenWidthTwips(), orbweave::ScreenHeightTwips()},
            {orbweave::ScreenTwipsPerPixelX(), orbweave::ScreenTwipsPerPixelY()}};
}

// The real window system behind every replaceable service. On a headless
// platform nobody could answer a message box: messages go to standard error
// and questions take the answer that does nothing.
orbweave::ProcessServices QtProcessServices() {
    orbweave::ProcessServices services;
    services.framePacer.pumpEvents = orbweave::FrameYield;
    services.messageBox =
        orbweave::WindowsCanBeSeen() ? orbweave::MessageBoxService(orbweave::QtMessageBox) : orbweave::WriteUnattendedMessage;
    services.beep = orbweave::QtBeep;
    services.openUrl = orbweave::QtOpenUrl;
    services.measureScreen = MeasureQtScreen;
    services.configurationRunner = orbweave::RunPropertiesDialog;
    return services;
}

int Run(int argc, char** argv) {
    orbweave::ChooseBackends();
    orbweave::FilterQtMessages();
    QApplication application(argc, argv);
    orbweave::EndAtOnceWhenDisplayGoes();
    orbweave::InstallProcessServices(QtProcessServices());
    orbweave::InstallInfoLaunchers();
    orbweave::InstallEditorLaunchers();
    orbweave::InstallStopSignals(orbweave::CloseInnermostWindow);
    orbweave::StartTrace();
    const std::span<const char* const> arguments(argv + (argc > 0 ? 1 : 0), argc > 0 ? argc - 1 : 0);
    return orbweave::Main(orbweave::JoinArguments(arguments));
}

}  // namespace

int main(int argc, char** argv) {
    orbweave::OpenClosedStandardStreams();
    orbweave::KeepBrokenPipesHarmless();
    // A start or a run that cannot get its memory ends as every start that
    // cannot run does, with a word on standard error, not an abort; the
    // windows it made are gone by then.
    try {
        return Run(argc, argv);
    } catch (const std::bad_alloc&) {
        orbweave::ReportMemoryExhausted();
        return orbweave::kExitFailure;
    }
}
