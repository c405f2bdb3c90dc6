// render-frames: runs the universe, one galaxy type or one composite galaxy
// headless from a fixed seed and writes chosen frames as PNG files.
//
//   render-frames --universe --frames 700 --save 20,300,650 --out /tmp/uni
//   render-frames --type 4 --frames 300 --save 300 --out /tmp/nebula --width 320 --height 240
//   render-frames --composite 2 --frames 200 --save 200 --out /tmp/comp
//   render-frames --universe --set Universe_ESteps=50 --set Universe_GSteps=40 ...
//
// Frame n is written to <out>-<n>.png. Options: --width, --height, --seed,
// --stars (galaxy scenes), --every N (also save every Nth frame), --bpp
// 15|16|24|32 (the screen's pixel layout the frames are blended into; the
// PNG is always true colour, default 32).

#include <cstdio>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include <QGuiApplication>

#include "core/convert.h"
#include "renderer/headless/headless_run.h"

namespace {

using orbweave::headless::RunOptions;
using orbweave::headless::Scene;

struct Options {
    RunOptions run;
    std::set<std::int64_t> save;
    std::int64_t every = 0;
    std::string out;
};

constexpr std::string_view kUsage =
    "usage: render-frames (--universe | --type N | --composite N) --frames N --out PREFIX\n"
    "                     [--save A,B,...] [--every N] [--width W] [--height H] [--seed S]\n"
    "                     [--stars N] [--bpp 15|16|24|32] [--set Universe_Name=value]...\n";

// The screen layouts by bits per pixel; 15 is the 5-5-5 layout of a 16-bit pixel.
struct DepthRow {
    std::int64_t bits;
    orbweave::display::PixelLayout layout;
};
constexpr DepthRow kDepths[] = {
    {15, orbweave::display::PixelLayout::Rgb555},
    {16, orbweave::display::PixelLayout::Rgb565},
    {24, orbweave::display::PixelLayout::Bgr24},
    {32, orbweave::display::PixelLayout::Xrgb8888},
};

std::optional<orbweave::display::PixelLayout> LayoutOf(std::int64_t bits) {
    for (const DepthRow& row : kDepths) {
        if (row.bits == bits) return row.layout;
    }
    return std::nullopt;
}

std::optional<std::int64_t> Number(std::string_view text) {
    const auto value = orbweave::TextToInt32(text);
    return value ? std::optional<std::int64_t>(*value) : std::nullopt;
}

bool ParseSaveList(std::string_view text, std::set<std::int64_t>& frames) {
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const auto frame = Number(text.substr(0, comma));
        if (!frame) return false;
        frames.insert(*frame);
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    return true;
}

bool ParseSetting(std::string_view text, RunOptions& run) {
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos || equals == 0) return false;
    run.universeValues.emplace_back(std::string(text.substr(0, equals)), std::string(text.substr(equals + 1)));
    return true;
}

std::optional<Options> ParseArguments(int argc, char** argv) {
    Options options;
    bool scene = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view name = argv[i];
        if (name == "--universe") {
            options.run.scene = Scene::Universe;
            scene = true;
            continue;
        }
        if (i + 1 >= argc) return std::nullopt;
        const std::string_view value = argv[++i];
        if (name == "--out") {
            options.out = value;
        } else if (name == "--save") {
            if (!ParseSaveList(value, options.save)) return std::nullopt;
        } else if (name == "--set") {
            if (!ParseSetting(value, options.run)) return std::nullopt;
        } else {
            const auto number = Number(value);
            if (!number) return std::nullopt;
            if (name == "--type" || name == "--composite") {
                options.run.scene = name == "--type" ? Scene::GalaxyType : Scene::Composite;
                options.run.index = static_cast<int>(*number);
                scene = true;
            } else if (name == "--frames") {
                options.run.frames = *number;
            } else if (name == "--every") {
                options.every = *number;
            } else if (name == "--width") {
                options.run.width = static_cast<int>(*number);
            } else if (name == "--height") {
                options.run.height = static_cast<int>(*number);
            } else if (name == "--seed") {
                options.run.seed = static_cast<std::uint32_t>(*number);
            } else if (name == "--bpp") {
                const auto layout = LayoutOf(*number);
                if (!layout) return std::nullopt;
                options.run.layout = *layout;
            } else if (name == "--stars") {
                options.run.stars = static_cast<std::int32_t>(*number);
            } else {
                return std::nullopt;
            }
        }
    }
    if (!scene || options.out.empty() || options.run.frames < 1 || options.run.width < 16 || options.run.height < 12) {
        return std::nullopt;
    }
    return options;
}

}  // namespace

int main(int argc, char** argv) {
    const auto options = ParseArguments(argc, argv);
    if (!options) {
        std::fputs(kUsage.data(), stderr);
        return 2;
    }
    // Only images are made: no window system is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    RunOptions run = options->run;
    int failures = 0;
    run.onFrame = [&](std::int64_t frame, const orbweave::display::Frame& presented) {
        const bool chosen = options->save.contains(frame) || (options->every > 0 && frame % options->every == 0);
        if (!chosen) return;
        const std::string file = options->out + "-" + std::to_string(frame) + ".png";
        if (!orbweave::headless::FrameImage(presented).save(QString::fromStdString(file))) {
            std::fprintf(stderr, "render-frames: cannot write %s\n", file.c_str());
            ++failures;
        }
    };
    if (!orbweave::headless::RunHeadless(run)) {
        std::fputs("render-frames: the run could not start\n", stderr);
        return 1;
    }
    return failures == 0 ? 0 : 1;
}
