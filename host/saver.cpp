#include "host/saver.h"

#include <utility>

#include "core/convert.h"
#include "host/perf_report.h"
#include "host/run_modes.h"
#include "host/trace.h"
#include "platform/display/cursor.h"
#include "platform/display/sdl_backend.h"
#include "platform/display/window_events.h"
#include "platform/registry/settings.h"
#include "platform/window/x11_windows.h"
#include "renderer/display/display.h"
#include "renderer/display/pacing.h"
#include "renderer/display/presentation.h"
#include "renderer/display/run_state.h"
#include "renderer/universe/universe_run.h"
#include "renderer/universe/universe_settings.h"
#include "settings/display_values.h"
#include "settings/factory_presets.h"
#include "settings/registry_transfers.h"
#include "settings/user_marks.h"

namespace orbweave {

namespace {

// The fade-out: ten blend-only frames, the level falling by 8 each.
constexpr std::int16_t kFadeFrames = 10;
constexpr std::int16_t kFadeStep = 8;

// The saver window's events as the window system delivers them during the
// frame's yield.
void DispatchSaverEvent(SaverWindow& frm, const display::WindowEvent& event) {
    switch (event.kind) {
    case display::WindowEventKind::KeyDown: frm.KeyDown(); break;
    case display::WindowEventKind::MouseButtonDown: frm.MouseDown(); break;
    case display::WindowEventKind::MouseMove: frm.MouseMove(event.x, event.y); break;
    case display::WindowEventKind::Quit: frm.QueryUnload(); break;
    case display::WindowEventKind::WindowClose: break;
    }
}

// Fades the last picture out, gives the display back to the desktop and
// releases it.
void CloseSaverDisplay() {
    FadeOutDisplay(kFadeFrames, kFadeStep);
    if (displayState.DD) {
        displayState.DD->SetCooperativeLevel(displayState.SaverHWnd, display::CooperativeLevel::Normal);
    }
    ReleaseDirectX();
}

void WritePerfReport() {
    if (runPerformance.line.empty() || !runState.WriteLogEnabled) {
        return;
    }
    AppendPerfReport(kPerfLogName, FormatPerfReport(CurrentPerfFigures()));
}

// The saver window's life: shown, animated, closed. False when it could not
// be opened.
bool RunSaverWindow() {
    const auto window = display::SdlWindow::CreateFullScreen(std::string(kSaverCaption));
    if (!window) {
        return false;
    }
    SaverWindow frm(window);
    window::MakeWindowTopmost(window::FindWindowA(kSaverCaption));
    {
        const SaverEventListener listener(frm);
        LoadDisplaySettings(frm, false, 1.0f);
        frm.DisplayEffects();
    }
    TraceEvent("stopped");
    CloseSaverDisplay();
    return true;
}

}  // namespace

SaverWindow::SaverWindow(std::shared_ptr<display::Window> window) : window_(std::move(window)), mouseRule_(TickCount) {}

double SaverWindow::InnerWidth() const { return window_ ? window_->DrawableSize().width : 0; }

double SaverWindow::InnerHeight() const { return window_ ? window_->DrawableSize().height : 0; }

bool SeedNewUserGalaxyTables() {
    if (HasStoredSettings()) {
        return true;
    }
    LoadFactoryDefaults();
    // The saver needs no write to run: a store another program holds is not
    // waited for, and the seeding is tried again later.
    SettingsTransaction transaction(kHiveUser, kNoStoreWait);
    if (!transaction.CanWrite()) {
        return false;
    }
    // Asked again under the lock: a read that another program's lock made
    // fail must not pass for a user without settings.
    if (HasStoredSettings()) {
        return true;
    }
    return GalaxyTablesToReg() && transaction.Commit();
}

void SaverWindow::DisplayEffects() {
    // Only the text "1" turns the mouse rule off.
    constexpr const DisplayValue& mouseMove = RowOf(&DisplayRecord::Adv_MouseMove);
    mouseMoveIgnored_ = GetSettingString(mouseMove.section, mouseMove.name, mouseMove.defaultText) == "1";
    GalaxyTablesSource tables = SeedNewUserGalaxyTables() ? GalaxyTablesSource::Store : GalaxyTablesSource::Memory;
    while (!runState.StopRequested) {
        UniverseInputs inputs = LoadUniverseSettings(false, tables);
        RunUniverse(inputs);
        // A seeding the store could not take is tried again after each universe.
        if (tables == GalaxyTablesSource::Memory && !runState.StopRequested && SeedNewUserGalaxyTables()) {
            tables = GalaxyTablesSource::Store;
        }
    }
}

void SaverWindow::KeyDown() { QueryUnload(); }

void SaverWindow::MouseDown() { QueryUnload(); }

void SaverWindow::MouseMove(double x, double y) {
    const bool closes = !mouseMoveIgnored_ && mouseRule_.Move(x, y);
    if (Tracing()) {
        TraceEvent("motion " + NumberToText(x) + ' ' + NumberToText(y) + " counted " +
                   IntegerToText(mouseRule_.CountedMoves()));
    }
    if (closes) {
        QueryUnload();
    }
}

// The desktop's locker asks for a password, not the saver: a request to
// close always goes through.
void SaverWindow::QueryUnload() {
    if (unloaded_) {
        return;
    }
    runState.StopRequested = true;
    unloaded_ = true;
}

SaverEventListener::SaverEventListener(SaverWindow& frm) {
    display::SetWindowEventHandler([&frm](const display::WindowEvent& event) { DispatchSaverEvent(frm, event); });
}

SaverEventListener::~SaverEventListener() { display::SetWindowEventHandler({}); }

void RunSaver() {
    runState.StopRequested = false;
    runState.RunMode = kRunModeSaver;
    if (!CheckColorDepth(true)) {
        EndProcess(kExitFailure);
        return;
    }
    display::ShowCursor(false);
    const bool shown = RunSaverWindow();
    if (!shown) {
        ReleaseDirectX();
    }
    display::ShowCursor(true);
    if (shown) {
        WritePerfReport();
    }
    EndProcess(shown ? kExitSuccess : kExitFailure);
}

}  // namespace orbweave
