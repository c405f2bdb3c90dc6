#include "renderer/headless/headless_run.h"

#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "core/random.h"
#include "platform/registry/settings.h"
#include "renderer/display/display.h"
#include "renderer/display/display_settings.h"
#include "renderer/display/pacing.h"
#include "renderer/display/presentation.h"
#include "renderer/display/run_state.h"
#include "renderer/galaxy/galaxy_display.h"
#include "renderer/universe/universe_run.h"
#include "renderer/universe/universe_settings.h"
#include "settings/factory_presets.h"
#include "settings/registry_transfers.h"

namespace orbweave::headless {
namespace {

using Clock = std::chrono::steady_clock;

double MsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// A memory window that also notes when each presentation starts (the
// presentation first asks for the window's rectangle) and ends.
class TimedWindow final : public display::Window {
public:
    TimedWindow(display::Rect rect, bool keepFrames) : memory_(rect) { memory_.KeepFrames(keepFrames); }

    display::Rect ScreenRect() const override {
        if (!presenting_) {
            presenting_ = true;
            started_ = Clock::now();
        }
        return memory_.ScreenRect();
    }
    bool Exists() const override { return memory_.Exists(); }
    display::Result Present(const display::Surface& frame) override {
        const display::Result result = memory_.Present(frame);
        if (presenting_) {
            presentMs_ += MsBetween(started_, Clock::now());
            presenting_ = false;
        }
        return result;
    }

    const display::Frame& LastFrame() const { return memory_.LastFrame(); }
    double PresentMs() const { return presentMs_; }
    void ResetPresentMs() { presentMs_ = 0; }

private:
    display::MemoryWindow memory_;
    mutable bool presenting_ = false;
    mutable Clock::time_point started_;
    double presentMs_ = 0;
};

// The settings store of the run, in a folder of its own that is removed
// afterwards.
class TemporaryStore {
public:
    TemporaryStore()
        : folder_(std::filesystem::temp_directory_path() / ("orbweave-headless-" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(folder_);
        setenv("XDG_CONFIG_HOME", (folder_ / "config").c_str(), 1);
        setenv("XDG_CONFIG_DIRS", (folder_ / "etc").c_str(), 1);
        setenv("XDG_DATA_HOME", (folder_ / "data").c_str(), 1);
        ResetSettingsStore();
    }
    ~TemporaryStore() {
        ResetSettingsStore();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

private:
    std::filesystem::path folder_;
};

bool StoreSettings(const RunOptions& options) {
    InitUniGalaxyNames();
    LoadFactoryDefaults();
    bool stored = GalaxyTablesToReg();
    stored &= SaveSettingValue("DirectX", "DX_WinWidth", options.width);
    stored &= SaveSettingValue("DirectX", "DX_WinHeight", options.height);
    for (const auto& [name, value] : options.universeValues) {
        stored &= SaveSettingValue("Universe", name, std::string_view(value));
    }
    return stored;
}

}  // namespace

bool RunHeadless(const RunOptions& options, RunTimes* times) {
    const TemporaryStore store;
    if (!StoreSettings(options)) {
        return false;
    }
    const int bitsPerPixel = display::FormatOf(options.layout).bytesPerPixel * 8;
    auto system = display::MemoryDisplaySystem::Create({options.layout,
                                                        {options.width, options.height},
                                                        {{options.width, options.height, bitsPerPixel}},
                                                        /*recordCalls=*/false});
    SetDisplayOpener([system] { return display::OpenResult{system, display::OpenFailure::None}; });
    auto window = std::make_shared<TimedWindow>(display::Rect{0, 0, options.width, options.height},
                                                options.keepFrames || static_cast<bool>(options.onFrame));

    // The clock moves on by the frame delay at every frame's event pump, so
    // no frame ever sleeps; the pump also counts the frames and stops the run.
    std::int64_t now = 0;
    std::int64_t frames = 0;
    std::optional<Clock::time_point> firstFrame;
    Clock::time_point lastFrame;
    SetFramePacer({[&now] { return now; }, [&now](std::int64_t ms) { now += ms; },
                   [&] {
                       ++frames;
                       now += displaySettings.FrameDelayMs;
                       lastFrame = Clock::now();
                       if (!firstFrame) {
                           firstFrame = lastFrame;
                           window->ResetPresentMs();
                       }
                       if (options.onFrame) options.onFrame(frames, window->LastFrame());
                       if (frames >= options.frames) runState.StopRequested = true;
                   }});

    InitDirectX();
    runState.StopRequested = false;
    const bool universe = options.scene == Scene::Universe;
    runState.RunMode = universe ? kRunModeSaver : kRunModeDialog;
    LoadDisplaySettings(WindowTarget(window, options.width, options.height), false, 1.0f);
    UniverseInputs inputs = LoadUniverseSettings(false);
    SeedRandomTable(options.seed);
    const Clock::time_point started = Clock::now();
    if (universe) {
        RunUniverse(inputs);
    } else {
        RunGalaxyDisplay(inputs.values, StoredRunTables(), static_cast<std::int16_t>(options.index), 0, 0,
                         options.stars, options.scene == Scene::Composite, 1.0f);
    }
    const bool ran = frames > 0;
    if (times != nullptr) {
        // The first frame also holds the set-up; the figures start after it.
        times->frames = frames - 1;
        times->totalMs = firstFrame ? MsBetween(*firstFrame, lastFrame) : MsBetween(started, Clock::now());
        times->presentMs = window->PresentMs();
    }
    ReleaseDirectX();
    displayState.SaverHWnd.reset();
    SetFramePacer({});
    SetDisplayOpener({});
    return ran;
}

QImage FrameImage(const display::Frame& frame) {
    QImage image(frame.size.width, frame.size.height, QImage::Format_RGB32);
    for (int y = 0; y < frame.size.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < frame.size.width; ++x) {
            line[x] = 0xFF000000u | frame.RgbAt(x, y);
        }
    }
    return image;
}

}  // namespace orbweave::headless
