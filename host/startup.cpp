#include "host/startup.h"

#include <chrono>
#include <cstdio>
#include <string>

#include "core/colour.h"
#include "core/random.h"
#include "host/command_line.h"
#include "host/console.h"
#include "host/machine_settings.h"
#include "host/preview.h"
#include "host/process_services.h"
#include "host/run_modes.h"
#include "platform/registry/settings.h"
#include "platform/registry/store.h"
#include "platform/system/services.h"
#include "platform/window/x11_windows.h"
#include "renderer/display/display.h"
#include "renderer/display/run_state.h"
#include "renderer/universe/universe_run.h"
#include "settings/display_values.h"
#include "settings/factory_presets.h"
#include "settings/template_transfers.h"

namespace orbweave {

namespace {

// Without a window system to ask, no size is known and the screen is taken
// for 96 dots per inch.
ScreenMeasure MeasureScreen() {
    const auto& measure = InstalledProcessServices().measureScreen;
    return measure ? measure() : ScreenMeasure{};
}

void InitProcessState() {
    runState.StopRequested = false;
    InitDirectX();
    MigrateMachineSettings();
    runState.Screen = MeasureScreen();
    InitRandomTable();
    InitUniGalaxyNames();
    runState.RunMode = kRunModeDialog;
    runState.WriteLogEnabled = ReadDisplayValue<&DisplayRecord::DX_WriteLog>() != 0;
}

// A dialog nobody can see could never be closed: the process would live on
// unseen, so it explains itself and ends instead.
constexpr std::string_view kUnseenDialogText =
    kJoined<"The properties dialog cannot be shown without an X display.  Please start ", kProductNameText,
            " inside an X11 session, with DISPLAY naming the X server.">;

bool RaiseOpenWindow(std::string_view caption) {
    const window::NativeWindowId id = window::FindWindowA(caption);
    if (id == 0) {
        return false;
    }
    window::SetForegroundWindow(id);
    return true;
}

const ConfigurationWindows& Windows() { return InstalledProcessServices().configurationWindows; }

bool CanBeSeen() { return Windows().canBeSeen ? Windows().canBeSeen() : WindowsCanBeSeen(); }

bool RaiseWindow(std::string_view caption) {
    return Windows().raise ? Windows().raise(caption) : RaiseOpenWindow(caption);
}

bool ClaimWindow(std::string_view caption) {
    return Windows().claim ? Windows().claim(caption) : window::ClaimWindowCaption(caption);
}

// One properties dialog per screen: a second request brings the open one to
// the front and ends. The claim makes the test and the dialog's coming one
// step, so that of two requests in the same instant only one shows a dialog;
// the other finds no window to raise while the winner is still loading, and
// the winner's new window comes up in front anyway.
int RunConfiguration() {
    if (!ClaimWindow(kPropertiesCaption)) {
        RaiseWindow(kPropertiesCaption);
        return kExitSuccess;
    }
    if (!CanBeSeen()) {
        ShowMessage(kUnseenDialogText, kMessageTitle, {MessageIcon::Information, MessageButtons::Ok, 0});
        return kExitFailure;
    }
    const ConfigurationRunner& runner = InstalledProcessServices().configurationRunner;
    return runner ? runner() : kExitSuccess;
}

// How long an import waits for another program's hold on the settings
// before it is dropped: the saver starts after it.
constexpr std::chrono::milliseconds kImportStoreWait{500};

// Why a template was not imported, on standard error.
void ReportNotImported(std::string_view file, std::string_view why) {
    const std::string line = std::string(kProductName) + ": the template " + std::string(file) +
                             " was not imported: " + std::string(why) + ".\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
}

// Why an import was dropped: the saver runs all the same.
void ReportDroppedImport(std::string_view file) {
    if (LastSettingsWriteFailure() == SettingsWriteFailure::InUse) {
        ReportNotImported(file, "the settings are in use by another program; please try again");
    } else if (const std::string why = UserStoreCreateFailure(); !why.empty()) {
        ReportNotImported(file, "the settings file cannot be created: " + why);
    } else {
        ReportNotImported(file, "the settings cannot be written");
    }
}

// A file that cannot be read or is no template (a letter, a file in UTF-16)
// changes nothing; the user learns why the saver runs on the old settings.
void ReportNotATemplate(std::string_view file) {
    ReportNotImported(
        file, kJoined<"it cannot be read as an ", kProductNameText, " template; the settings were left as they were">);
}

// The import marks the user as having settings, and the saver takes its
// galaxy types from the store, not from the template: a new user gets the
// factory types first, as a saver run without import would, and in the same
// transaction, so that neither is stored without the other.
void ImportTemplate(std::string_view file) {
    SettingsTransaction store(kHiveUser, kImportStoreWait);
    if (!store.CanWrite()) {
        ReportDroppedImport(file);
        return;
    }
    SeedNewUserGalaxyTables();
    if (CyclePropsTempToRegArrays(file) == TemplateImport::NotTemplate) {
        ReportNotATemplate(file);
        return;  // the uncommitted store keeps nothing, the seed included
    }
    if (!store.Commit()) {
        ReportDroppedImport(file);
    }
}

int RunPreviewMode(std::int32_t window) {
    // X window ids are unsigned 32-bit numbers.
    runState.HostWindowHandle = static_cast<std::uint32_t>(window);
    if (CheckColorDepth(false)) {
        runState.RunMode = kRunModePreview;
        RunPreview();
    }
    return kExitSuccess;
}

}  // namespace

int Main(std::string_view commandLine) {
    InitProcessState();
    const CommandLine command = ParseCommandLine(commandLine);
    switch (command.mode) {
    case CommandMode::Configure: return RunConfiguration();
    case CommandMode::Saver:
        // A saver already runs on this screen, or one started in the same
        // instant has claimed it.
        if (window::ClaimWindowCaption(kSaverCaption)) {
            RunSaver();
        }
        return kExitSuccess;
    case CommandMode::Preview: return RunPreviewMode(command.number);
    case CommandMode::ChangePassword:
        // Password locking is the desktop locker's job: there is no saver
        // password to change here, so the number is read and the process ends.
        return kExitSuccess;
    case CommandMode::ImportTemplate:
        ImportTemplate(command.file);
        RunSaver();
        return kExitSuccess;
    case CommandMode::Default: RunSaver(); return kExitSuccess;
    }
    return kExitSuccess;
}

}  // namespace orbweave
