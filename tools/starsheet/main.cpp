// starsheet: draws factory galaxy types headless into a PNG, one type or all
// fifty as a contact sheet, from a fixed seed so that two runs match.
//
//   starsheet --all --out sheet.png
//   starsheet --type 17 --out golden.png --width 640 --height 480
//
// Options: --type N (0..49) or --all; --out FILE; --width, --height (pixels
// per picture); --stars; --frames; --seed; --columns (of the sheet).

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "core/convert.h"
#include "settings/factory_presets.h"
#include "settings/galaxy_tables.h"
#include "tools/starsheet/galaxy_snapshot.h"

namespace {

using orbweave::starsheet::SnapshotOptions;

struct Options {
    std::optional<int> type;
    bool all = false;
    std::string out;
    int columns = 10;
    SnapshotOptions snapshot;
};

constexpr int kLabelHeight = 16;
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
        if (name == "--type") options.type = *number;
        else if (name == "--width") options.snapshot.width = *number;
        else if (name == "--height") options.snapshot.height = *number;
        else if (name == "--stars") options.snapshot.stars = *number;
        else if (name == "--frames") options.snapshot.frames = *number;
        else if (name == "--seed") options.snapshot.seed = static_cast<std::uint32_t>(*number);
        else if (name == "--columns") options.columns = *number;
        else return std::nullopt;
    }
    const bool oneType = options.type && orbweave::IsGalaxyType(*options.type);
    if (options.out.empty() || options.all == oneType || options.columns < 1 || options.snapshot.width < 16 ||
        options.snapshot.height < 12 || options.snapshot.stars < 1) {
        return std::nullopt;
    }
    return options;
}

// The settings store the display set-up reads lives in a folder of its own,
// so the sheet never depends on, or changes, the user's settings.
class PrivateSettings {
public:
    PrivateSettings() {
        std::string pattern = (std::filesystem::temp_directory_path() / "starsheet-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) root_ = pattern;
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME"}) {
            ::setenv(name, (root_ / name).c_str(), 1);
        }
    }
    ~PrivateSettings() {
        std::error_code ignored;
        if (!root_.empty()) std::filesystem::remove_all(root_, ignored);
    }
    PrivateSettings(const PrivateSettings&) = delete;
    PrivateSettings& operator=(const PrivateSettings&) = delete;

private:
    std::filesystem::path root_;
};

QImage ContactSheet(const Options& options) {
    const int tileWidth = options.snapshot.width;
    const int tileHeight = options.snapshot.height + kLabelHeight;
    const int rows = (orbweave::kGalaxyTypeCount + options.columns - 1) / options.columns;
    QImage sheet(tileWidth * options.columns, tileHeight * rows, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    QPainter painter(&sheet);
    QFont font = painter.font();
    font.setPixelSize(11);
    painter.setFont(font);
    for (std::int16_t type = 0; type < orbweave::kGalaxyTypeCount; ++type) {
        const int left = (type % options.columns) * tileWidth;
        const int top = (type / options.columns) * tileHeight;
        painter.drawImage(left, top, orbweave::starsheet::RenderGalaxySnapshot(type, options.snapshot));
        painter.setPen(QColor(60, 60, 60));
        painter.drawRect(left, top, tileWidth - 1, tileHeight - 1);
        painter.setPen(QColor(210, 210, 210));
        const QString label = QString::number(type) + "  " +
                              QString::fromStdString(orbweave::UniGalDefaultNames[static_cast<std::size_t>(type)]);
        painter.drawText(left + 4, top + options.snapshot.height, tileWidth - 8, kLabelHeight,
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
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    PrivateSettings settings;
    orbweave::starsheet::UseFactoryGalaxies();

    const QImage picture = options->all
                               ? ContactSheet(*options)
                               : orbweave::starsheet::RenderGalaxySnapshot(
                                     static_cast<std::int16_t>(*options->type), options->snapshot);
    if (!picture.save(QString::fromStdString(options->out), "PNG")) {
        std::fprintf(stderr, "starsheet: cannot write %s\n", options->out.c_str());
        return 1;
    }
    return 0;
}
