// moving-dots: draws coloured dots that leave trails, through the real
// display path (SDL window, surfaces, Corvane blend, presentation), full
// screen or in a window. A developer's check of the display on a real X
// server; the end-to-end tests take screenshots of it.
//
//   moving-dots [--fullscreen | --window WxH] [--frames N] [--hold-ms M]
//               [--setting Section:Name=Value]...
//
// Settings given with --setting are stored before the display starts.
// After the frames it prints "frames done", holds the picture for M ms, and
// prints the statistics line ("stats: ...") when "DX_WriteLog" is on.
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "core/colour.h"
#include "core/convert.h"
#include "core/product.h"
#include "platform/display/cursor.h"
#include "platform/display/sdl_backend.h"
#include "platform/registry/settings.h"
#include "renderer/display/display.h"
#include "renderer/display/display_settings.h"
#include "renderer/display/pacing.h"
#include "renderer/display/presentation.h"
#include "renderer/display/run_state.h"

namespace {

using namespace orbweave;

constexpr std::int32_t kTrailLevel = 92;
constexpr int kDotRadius = 2;

struct Options {
    bool fullScreen = false;
    display::Size windowSize{320, 240};
    int frames = 150;
    int holdMs = 0;
    std::vector<std::string> settings;
};

struct Dot {
    double x, y, vx, vy;
    std::uint8_t r, g, b;
};

class ToolTarget final : public DrawingTarget {
public:
    explicit ToolTarget(std::shared_ptr<display::SdlWindow> window) : window_(std::move(window)) {}
    std::shared_ptr<display::Window> DisplayWindow() const override { return window_; }
    double InnerWidth() const override { return window_->DrawableSize().width; }
    double InnerHeight() const override { return window_->DrawableSize().height; }

private:
    std::shared_ptr<display::SdlWindow> window_;
};

bool ParseSize(const char* text, display::Size& size) {
    const char* x = std::strchr(text, 'x');
    if (x == nullptr) {
        return false;
    }
    const auto w = TextToInt32(std::string_view(text, x - text));
    const auto h = TextToInt32(x + 1);
    if (!w || !h || *w <= 0 || *h <= 0) {
        return false;
    }
    size = {*w, *h};
    return true;
}

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--fullscreen") {
            options.fullScreen = true;
        } else if (arg == "--window" && hasValue) {
            if (!ParseSize(argv[++i], options.windowSize)) {
                return false;
            }
        } else if (arg == "--frames" && hasValue) {
            options.frames = TextToInt32(argv[++i]).value_or(0);
        } else if (arg == "--hold-ms" && hasValue) {
            options.holdMs = TextToInt32(argv[++i]).value_or(0);
        } else if (arg == "--setting" && hasValue) {
            options.settings.emplace_back(argv[++i]);
        } else {
            return false;
        }
    }
    return options.frames > 0;
}

// "Section:Name=Value" into the current user's settings.
bool StoreSetting(const std::string& text) {
    const std::size_t colon = text.find(':');
    const std::size_t equals = text.find('=', colon == std::string::npos ? 0 : colon);
    if (colon == std::string::npos || equals == std::string::npos) {
        return false;
    }
    return SaveSettingValue(text.substr(0, colon), text.substr(colon + 1, equals - colon - 1),
                            std::string_view(text).substr(equals + 1));
}

// The work image holds byte 0 as blue on 24- and 32-bit surfaces and as the
// top (red) bits on 16-bit ones.
std::int32_t WorkColour(const Dot& dot) {
    if (displayState.PixelFormat >= 24) {
        return dot.b | dot.g << 8 | dot.r << 16;
    }
    return dot.r | dot.g << 8 | dot.b << 16;
}

std::vector<Dot> MakeDots() {
    const std::uint8_t colours[][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
    std::vector<Dot> dots;
    for (int i = 0; i < 12; ++i) {
        const auto* c = colours[i % 4];
        dots.push_back({drawingGeometry.ScreenWidth * (0.1 + 0.07 * i), drawingGeometry.ScreenHeight * (0.2 + 0.05 * i),
                        1.5 + 0.4 * (i % 5), 1.0 + 0.3 * (i % 3), c[0], c[1], c[2]});
    }
    return dots;
}

void MoveAndPlot(Dot& dot) {
    dot.x += dot.vx;
    dot.y += dot.vy;
    if (dot.x < 4 || dot.x > drawingGeometry.ScreenWidth - 5) {
        dot.vx = -dot.vx;
    }
    if (dot.y < drawingGeometry.MinPlotY + 3 || dot.y > drawingGeometry.MaxPlotY - 3) {
        dot.vy = -dot.vy;
    }
    const int cx = static_cast<int>(dot.x), cy = static_cast<int>(dot.y);
    for (int y = cy - kDotRadius; y <= cy + kDotRadius; ++y) {
        for (int x = cx - kDotRadius; x <= cx + kDotRadius; ++x) {
            if (x > 0 && x < drawingGeometry.MaxPlotX && y > drawingGeometry.MinPlotY && y < drawingGeometry.MaxPlotY) {
                displayState.PixelBuffer[static_cast<std::size_t>(y) * displayState.PitchPixels + x] = WorkColour(dot);
            }
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fputs(
            "usage: moving-dots [--fullscreen | --window WxH] [--frames N] [--hold-ms M] "
            "[--setting Section:Name=Value]...\n",
            stderr);
        return 2;
    }
    for (const std::string& setting : options.settings) {
        if (!StoreSetting(setting)) {
            std::fprintf(stderr, "moving-dots: cannot store %s\n", setting.c_str());
            return 2;
        }
    }
    runState.WriteLogEnabled = ReadDisplayValue<&DisplayRecord::DX_WriteLog>() != 0;
    InitDirectX();
    runState.RunMode = options.fullScreen ? kRunModeSaver : kRunModeDialog;
    auto window = options.fullScreen ? display::SdlWindow::CreateFullScreen(std::string(kSaverCaption))
                                     : display::SdlWindow::CreateWindowed("moving dots", options.windowSize);
    if (!window) {
        std::fputs("moving-dots: no window\n", stderr);
        return 1;
    }
    display::ShowCursor(false);
    const ToolTarget target(window);
    LoadDisplaySettings(target, false, 1.0f);
    if (!LoadPropsInitDX()) {
        std::fputs("moving-dots: the display could not be set up\n", stderr);
        return 1;
    }
    std::printf("display %dx%d pixel format %d %s\n", drawingGeometry.ScreenWidth, drawingGeometry.ScreenHeight,
                displayState.PixelFormat, displayState.FullScreenExclusive ? "exclusive" : "windowed");
    std::vector<Dot> dots = MakeDots();
    for (int frame = 0; frame < options.frames && !runState.StopRequested; ++frame) {
        runState.FrameStartTick = TickCount();
        for (Dot& dot : dots) {
            MoveAndPlot(dot);
        }
        BlendBlitSurface(kTrailLevel);
        WaitFrameDelay();
    }
    std::puts("frames done");
    std::fflush(stdout);
    const std::int64_t holdEnd = TickCount() + options.holdMs;
    while (TickCount() < holdEnd) {
        PumpEvents();
        SleepFor(10);
    }
    ReleaseDirectX();
    if (runState.WriteLogEnabled) {
        std::printf("stats: %s\n", runPerformance.line.c_str());
    }
    return 0;
}
