// starsheet: draws factory galaxy types headless into a PNG, one type or all
// fifty as a contact sheet, from a fixed seed so that two runs match. Each
// picture is the last frame of the galaxy display run for a number of frames
// on the memory backend, as the dialogs' previews animate the type.
//
//   starsheet --all --out sheet.png
//   starsheet --type 17 --out golden.png --width 640 --height 480
//
// Options: --type N (0..49) or --all; --out FILE; --width, --height (pixels
// per picture); --stars; --frames; --seed; --columns (of the sheet).

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "core/convert.h"
#include "renderer/headless/headless_run.h"
#include "settings/factory_presets.h"
#include "settings/galaxy_tables.h"

namespace {

using orbweave::headless::RunOptions;

// A picture by default: 6000 stars in 256 x 192 pixels after 300 frames.
RunOptions PictureRun() {
    RunOptions run;
    run.scene = orbweave::headless::Scene::GalaxyType;
    run.width = 256;
    run.height = 192;
    run.stars = 6000;
    run.frames = 300;
    run.seed = 1;
    return run;
}

struct Options {
    std::optional<int> type;
    bool all = false;
    std::string out;
    int columns = 10;
    RunOptions run = PictureRun();
};

constexpr int kLabelHeight = 16;
// Spreads the types' seeds apart, so that random shapes (nebula ribbons,
// attractor seeds) differ from type to type as they do between galaxies.
constexpr std::uint32_t kSeedStepPerType = 7919;
constexpr std::string_view kUsage =
    "usage: starsheet (--type N | --all) --out FILE.png [--width W] [--height H] [--stars N]\n"
    "                 [--frames N] [--seed N] [--columns N]\n";

std::optional<int> WholeNumber(std::string_view text) {
    const auto value = orbweave::TextToInt32(text);
    return value ? std::optional<int>(*value) : std::nullopt;
}

std::optional<Options> ParseArguments(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view name = argv[i];
        if (name == "--all") {
            options.all = true;
            continue;
        }
        if (i + 1 >= argc) return std::nullopt;
        const std::string_view value = argv[++i];
        if (name == "--out") {
            options.out = value;
            continue;
        }
        const auto number = WholeNumber(value);
        if (!number) return std::nullopt;
        if (name == "--type")
            options.type = *number;
        else if (name == "--width")
            options.run.width = *number;
        else if (name == "--height")
            options.run.height = *number;
        else if (name == "--stars")
            options.run.stars = *number;
        else if (name == "--frames")
            options.run.frames = std::max(*number, 1);
        else if (name == "--seed")
            options.run.seed = static_cast<std::uint32_t>(*number);
        else if (name == "--columns")
            options.columns = *number;
        else
            return std::nullopt;
    }
    const bool oneType = options.type && orbweave::IsGalaxyType(*options.type);
    if (options.out.empty() || options.all == oneType || options.columns < 1 || options.run.width < 16 ||
        options.run.height < 12 || options.run.stars < 1) {
        return std::nullopt;
    }
    return options;
}

// The last frame of galaxy type `type` run on its own; empty when the run
// could not start.
std::optional<QImage> RenderGalaxyType(int type, const RunOptions& options) {
    RunOptions run = options;
    run.index = type;
    run.seed += kSeedStepPerType * static_cast<std::uint32_t>(type);
    QImage picture;
    const std::int64_t last = run.frames;
    run.onFrame = [&picture, last](std::int64_t frame, const orbweave::display::Frame& presented) {
        if (frame == last) picture = orbweave::headless::FrameImage(presented);
    };
    if (!orbweave::headless::RunHeadless(run) || picture.isNull()) return std::nullopt;
    return picture;
}

std::optional<QImage> ContactSheet(const Options& options) {
    const int tileWidth = options.run.width;
    const int tileHeight = options.run.height + kLabelHeight;
    const int rows = (orbweave::kGalaxyTypeCount + options.columns - 1) / options.columns;
    QImage sheet(tileWidth * options.columns, tileHeight * rows, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    QPainter painter(&sheet);
    QFont font = painter.font();
    font.setPixelSize(11);
    painter.setFont(font);
    for (int type = 0; type < orbweave::kGalaxyTypeCount; ++type) {
        const auto picture = RenderGalaxyType(type, options.run);
        if (!picture) return std::nullopt;
        const int left = (type % options.columns) * tileWidth;
        const int top = (type / options.columns) * tileHeight;
        painter.drawImage(left, top, *picture);
        painter.setPen(QColor(60, 60, 60));
        painter.drawRect(left, top, tileWidth - 1, tileHeight - 1);
        painter.setPen(QColor(210, 210, 210));
        const QString label = QString::number(type) + "  " +
                              QString::fromStdString(orbweave::UniGalDefaultNames[static_cast<std::size_t>(type)]);
        painter.drawText(left + 4, top + options.run.height, tileWidth - 8, kLabelHeight,
                         Qt::AlignLeft | Qt::AlignVCenter, label);
        std::fprintf(stderr, "\r%d/%d", type + 1, orbweave::kGalaxyTypeCount);
    }
    std::fprintf(stderr, "\n");
    return sheet;
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
    // The labels show the factory names.
    orbweave::InitUniGalaxyNames();

    const auto picture = options->all ? ContactSheet(*options) : RenderGalaxyType(*options->type, options->run);
    if (!picture) {
        std::fputs("starsheet: the galaxy display could not start\n", stderr);
        return 1;
    }
    if (!picture->save(QString::fromStdString(options->out), "PNG")) {
        std::fprintf(stderr, "starsheet: cannot write %s\n", options->out.c_str());
        return 1;
    }
    return 0;
}
