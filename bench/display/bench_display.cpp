// bench-display: one BlendBlitSurface on the memory backend (the saver's
// exclusive flip layout) beside the bare Corvane blend call it makes; the
// windowed present on a real SDL window (on a private Xvfb when there is no
// display) beside a memcpy of the frame; and a whole default-universe frame.
// At 1920x1080 and 3840x2160, one line each:
//   present <W>x<H> blendblit_ms=<median> corvane_ms=<median>
//   present-window <W>x<H> ms=<median> memcpy_ms=<median> ratio=<ms / memcpy_ms>
//   saver-frame <W>x<H> ms=<draw + present> draw_ms=<stars and blend, headless> present_ms=<window>
#include <SDL.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <optional>

#include <QGuiApplication>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/display/memory_backend.h"
#include "platform/display/sdl_backend.h"
#include "platform/display/window_events.h"
#include "platform/registry/settings.h"
#include "renderer/display/corvane_loader.h"
#include "renderer/display/display.h"
#include "renderer/display/display_settings.h"
#include "renderer/display/presentation.h"
#include "renderer/display/run_state.h"
#include "renderer/headless/headless_run.h"

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

// An Xvfb large enough for the biggest window, on a display number it picks
// itself; its process id, or 0 when it did not start.
pid_t StartXvfb() {
    int fds[2];
    if (pipe(fds) != 0) {
        return 0;
    }
    const std::string fd = std::to_string(fds[1]);
    const char* argv[] = {"Xvfb",         "-displayfd", fd.c_str(), "-screen", "0",
                          "3840x2160x24", "-nolisten",  "tcp",      nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, "Xvfb", nullptr, nullptr, const_cast<char**>(argv), environ) != 0) {
        pid = 0;
    }
    close(fds[1]);
    char number[16] = {};
    const ssize_t got = pid != 0 ? read(fds[0], number, sizeof number - 1) : 0;
    close(fds[0]);
    if (got <= 0) {
        if (pid > 0) {  // started but never said its display: not left running
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
        }
        return 0;
    }
    setenv("DISPLAY", (":" + std::string(number, std::strcspn(number, "\n"))).c_str(), 1);
    return pid;
}

// The windowed present: a back surface drawn in the window's own memory,
// blitted whole onto the windowed primary.
std::optional<double> MeasureWindowPresent(int width, int height) {
    const display::OpenResult opened = display::OpenSdlDisplay();
    if (!opened.system) {
        return std::nullopt;
    }
    auto window = display::SdlWindow::CreateWindowed("bench-display", {width, height});
    std::shared_ptr<display::Surface> primary, back;
    std::shared_ptr<display::Clipper> clipper;
    if (!window || !display::Succeeded(opened.system->SetCooperativeLevel(window, display::CooperativeLevel::Normal)) ||
        !display::Succeeded(opened.system->CreatePrimarySurface(false, primary)) ||
        !display::Succeeded(opened.system->CreateSurface({width, height}, back)) ||
        !display::Succeeded(opened.system->CreateClipper(clipper)) || !display::Succeeded(clipper->SetWindow(window)) ||
        !display::Succeeded(primary->SetClipper(clipper)) || !display::Succeeded(back->ShareWindowPixels())) {
        return std::nullopt;
    }
    display::PumpSdlEvents();
    std::optional<double> ms;
    if (back->SharesWindowPixels()) {
        const display::Rect source{0, 0, width, height};
        ms = MedianMs(
            [&] {
                back->Fill({0, 0, width, 1}, 0x00FFFFFF);
            },
            [&] { primary->Blt(window->ScreenRect(), *back, source); });
    }
    opened.system->Release();
    window.reset();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return ms;
}

double MeasureMemcpy(int width, int height) {
    const std::size_t bytes = static_cast<std::size_t>(width) * height * 4;
    std::vector<std::uint8_t> from(bytes, 1), to(bytes, 0);
    return MedianMs([&] { from[0] ^= 1; }, [&] { std::memcpy(to.data(), from.data(), bytes); });
}

// A whole default-universe frame, stars and blend, on the memory display.
std::optional<double> MeasureDrawing(int width, int height) {
    headless::RunOptions options;
    options.width = width;
    options.height = height;
    options.seed = 7;
    options.frames = 300;
    options.keepFrames = false;
    headless::RunTimes times;
    if (!headless::RunHeadless(options, &times) || times.frames < 1) {
        return std::nullopt;
    }
    return times.totalMs / times.frames;
}

bool MeasureWindowAndFrame(int width, int height) {
    const std::optional<double> present = MeasureWindowPresent(width, height);
    const std::optional<double> drawing = MeasureDrawing(width, height);
    if (!present || !drawing) {
        std::fprintf(stderr, "bench-display: no SDL window of %dx%d or no universe run\n", width, height);
        return false;
    }
    const double copy = MeasureMemcpy(width, height);
    std::printf("present-window %dx%d ms=%s memcpy_ms=%s ratio=%s\n", width, height, MsText(*present).c_str(),
                MsText(copy).c_str(), MsText(copy > 0 ? *present / copy : 0).c_str());
    std::printf("saver-frame %dx%d ms=%s draw_ms=%s present_ms=%s\n", width, height,
                MsText(*drawing + *present).c_str(), MsText(*drawing).c_str(), MsText(*present).c_str());
    std::fflush(stdout);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("orbweave-bench-display-" + std::to_string(::getpid()));
    setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    setenv("XDG_CONFIG_DIRS", (folder / "etc").c_str(), 1);
    // The headless universe draws text with Qt; no window system is needed.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    // The windowed present always runs on a private X server: a window on
    // the desktop may be partly off its screen, and a display of another
    // depth would measure another layout.
    const pid_t xvfb = StartXvfb();
    if (xvfb == 0) {
        std::fprintf(stderr, "bench-display: Xvfb did not start; the windowed present is not measured\n");
    }
    setenv("SDL_VIDEODRIVER", "x11", 1);
    bool ok = Measure(1920, 1080) && Measure(3840, 2160);
    if (xvfb != 0) {
        ok = ok && MeasureWindowAndFrame(1920, 1080) && MeasureWindowAndFrame(3840, 2160);
        kill(xvfb, SIGTERM);
        waitpid(xvfb, nullptr, 0);
    }
    std::filesystem::remove_all(folder);
    return ok ? 0 : 1;
}
