// bench-display: one BlendBlitSurface on the memory backend (the saver's
// exclusive flip layout) beside the bare Corvane blend call it makes, at
// 1920x1080 and 3840x2160, so that the cost of the presentation path itself
// shows. Prints one line per size:
//   present <W>x<H> blendblit_ms=<median> corvane_ms=<median>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/display/memory_backend.h"
#include "platform/registry/settings.h"
#include "renderer/display/corvane_loader.h"
#include "renderer/display/display.h"
#include "renderer/display/display_settings.h"
#include "renderer/display/presentation.h"
#include "renderer/display/run_state.h"

namespace {

using namespace orbweave;

constexpr int kWarmUp = 5;
constexpr int kRuns = 40;
constexpr std::int32_t kLevel = 90;

// A fixed scattering of stars, so every run blends the same picture.
void Scatter(std::vector<std::int32_t>& image) {
    std::uint32_t state = 12345;
    std::fill(image.begin(), image.end(), 0);
    for (std::size_t i = 0; i < image.size() / 50; ++i) {
        state = state * 1664525u + 1013904223u;
        image[state % image.size()] = static_cast<std::int32_t>(state & 0x00FFFFFF);
    }
}

double MedianMs(const std::function<void()>& prepare, const std::function<void()>& measured) {
    std::vector<double> times;
    for (int i = 0; i < kWarmUp + kRuns; ++i) {
        prepare();
        const auto start = std::chrono::steady_clock::now();
        measured();
        const auto end = std::chrono::steady_clock::now();
        if (i >= kWarmUp) {
            times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        }
    }
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
}

std::string MsText(double ms) {
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, ms, std::chars_format::fixed, 3);
    return error == std::errc() ? std::string(buffer, end) : std::string("?");
}

bool Measure(int width, int height) {
    SaveSettingValue("DirectX", "DX_WinWidth", width);
    SaveSettingValue("DirectX", "DX_WinHeight", height);
    auto system =
        display::MemoryDisplaySystem::Create({display::PixelLayout::Xrgb8888, {width, height}, {{width, height, 32}}});
    SetDisplayOpener([system] { return display::OpenResult{system, display::OpenFailure::None}; });
    auto window = std::make_shared<display::MemoryWindow>(display::Rect{0, 0, width, height});
    window->KeepFrames(false);

    InitDirectX();
    runState.RunMode = kRunModeSaver;
    LoadDisplaySettings(WindowTarget(window, window->ScreenRect().Width(), window->ScreenRect().Height()), false, 1.0f);
    const CorvaneBlendFn rgb32 = LoadCorvaneBlendRoutine(BlendRoutine::Rgb32);
    if (!LoadPropsInitDX() || rgb32 == nullptr) {
        std::fprintf(stderr, "bench-display: no display or no %s\n", kCorvaneLibraryName);
        return false;
    }
    const double blendBlit = MedianMs([] { Scatter(displayState.PixelBuffer); }, [] { BlendBlitSurface(kLevel); });

    // The same call BlendBlitSurface makes at vertical offset 0, on its own.
    std::vector<std::uint8_t> surface(static_cast<std::size_t>(displayState.PitchPixels) * height * 4);
    const std::intptr_t row = 4 * static_cast<std::intptr_t>(displayState.PitchPixels);
    const double corvane = MedianMs(
        [] { Scatter(displayState.PixelBuffer); },
        [&] {
            rgb32(surface.data(), surface.data() + static_cast<std::size_t>(height - 3) * displayState.PitchPixels * 4,
                  reinterpret_cast<std::uint32_t*>(displayState.PixelBuffer.data() + displayState.PitchPixels), width,
                  displayState.PitchPixels, kBlendFactorBase + kLevel, -row, row);
        });
    std::printf("present %dx%d blendblit_ms=%s corvane_ms=%s\n", width, height, MsText(blendBlit).c_str(),
                MsText(corvane).c_str());
    ReleaseDirectX();
    return true;
}

}  // namespace

int main() {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("orbweave-bench-display-" + std::to_string(::getpid()));
    setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    setenv("XDG_CONFIG_DIRS", (folder / "etc").c_str(), 1);
    const bool ok = Measure(1920, 1080) && Measure(3840, 2160);
    std::filesystem::remove_all(folder);
    return ok ? 0 : 1;
}
