// The same frames blended into a 16-bit and a 32-bit screen show the same
// colours: the mean colour and the share of each coarse hue agree within
// what the 5-6-5 layout loses to quantisation.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QString>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <string>

#include "renderer/headless/headless_run.h"

namespace orbweave::headless {
namespace {

constexpr int kHueBins = 12;  // 30 degrees each

struct Picture {
    std::array<double, 3> mean{};             // red, green, blue over every pixel
    std::array<double, kHueBins> hueShare{};  // of the lit pixels
    int lit = 0;
};

// A pixel counts for the hue histogram when it is bright and coloured
// enough for its hue to survive 5-bit channels.
Picture Measure(const QImage& image) {
    constexpr int kLeastBrightness = 64;
    constexpr int kLeastChroma = 48;
    Picture p;
    const double pixels = static_cast<double>(image.width()) * image.height();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            p.mean[0] += c.red() / pixels;
            p.mean[1] += c.green() / pixels;
            p.mean[2] += c.blue() / pixels;
            const int high = std::max({c.red(), c.green(), c.blue()});
            const int low = std::min({c.red(), c.green(), c.blue()});
            if (high < kLeastBrightness || high - low < kLeastChroma) continue;
            ++p.hueShare[static_cast<std::size_t>(std::clamp(c.hsvHue(), 0, 359) / (360 / kHueBins))];
            ++p.lit;
        }
    }
    for (double& share : p.hueShare) share /= std::max(p.lit, 1);
    return p;
}

QImage Render(RunOptions options, display::PixelLayout layout) {
    options.layout = layout;
    QImage last;
    options.onFrame = [&](std::int64_t frame, const display::Frame& presented) {
        if (frame == options.frames) last = FrameImage(presented);
    };
    EXPECT_TRUE(RunHeadless(options));
    return last;
}

struct SceneRow {
    const char* name;
    Scene scene;
    int index;
    std::int64_t frames;
};

// The creation burst of the universe (its azure cloud turned teal under the
// old mirrored wheel) and three factory types of different hues.
constexpr SceneRow kScenes[] = {
    {"universe", Scene::Universe, 0, 60},
    {"type 4", Scene::GalaxyType, 4, 40},
    {"type 17", Scene::GalaxyType, 17, 40},
    {"type 33", Scene::GalaxyType, 33, 40},
};

TEST(ColourDepth, SixteenAndThirtyTwoBitScreensShowTheSameColours) {
    // 5-bit red and blue are at most 8 levels below the 8-bit value, 6-bit
    // green 4; the blend of the trails rounds once more per frame.
    constexpr double kMeanTolerance = 6.0;
    constexpr double kShareTolerance = 0.06;
    for (const SceneRow& row : kScenes) {
        SCOPED_TRACE(row.name);
        RunOptions options;
        options.scene = row.scene;
        options.index = row.index;
        options.frames = row.frames;
        options.width = 320;
        options.height = 240;
        options.stars = 3000;
        options.seed = 7;
        const QImage deep = Render(options, display::PixelLayout::Xrgb8888);
        const QImage high = Render(options, display::PixelLayout::Rgb565);
        ASSERT_FALSE(deep.isNull());
        ASSERT_FALSE(high.isNull());
        const Picture a = Measure(deep);
        const Picture b = Measure(high);
        ASSERT_GT(a.lit, 200) << "too few coloured pixels to compare";
        for (int c = 0; c < 3; ++c) EXPECT_NEAR(a.mean[c], b.mean[c], kMeanTolerance) << "channel " << c;
        for (int bin = 0; bin < kHueBins; ++bin) {
            EXPECT_NEAR(a.hueShare[bin], b.hueShare[bin], kShareTolerance) << "hues from " << bin * 30;
        }
    }
}

}  // namespace
}  // namespace orbweave::headless
