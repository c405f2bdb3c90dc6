#include "renderer/galaxy/star_colours.h"

#include <algorithm>
#include <cmath>

#include "core/colour.h"
#include "core/convert.h"
#include "renderer/galaxy/galaxy_constants.h"
#include "renderer/galaxy/hue_tables.h"
#include "renderer/galaxy/precision.h"
#include "settings/galaxy_tables.h"

namespace orbweave {
namespace {

constexpr std::int16_t kLongestEvent = kEventTableSize - 1;
constexpr double kThreeQuarterTurn = 4.712388980384685;
// The fade of a pulsar starts a twelfth of a turn in and swells by two
// thirds of the cycle's angular step per frame.
constexpr double kFadeStart = kTwoPi / 12;
constexpr double kFadeRate = 60.0 / 90.0;

std::int32_t ScaledColour(std::int32_t colour, float factor) { return ToInt32(ScaleRGB(colour, factor)).value_or(0); }

}  // namespace

void CycleStarHues(const RunContext& run, std::span<const std::int16_t> types, std::span<std::int32_t> colors,
                   std::span<float> hues) {
    const std::size_t stars = std::min(
        {types.size(), colors.size(), hues.size(), static_cast<std::size_t>(std::max(run.universe.Universe_Stars, 0))});
    for (std::size_t i = 0; i < stars; ++i) {
        const std::int16_t t = types[i];
        if (!IsGalaxyType(t) || run.types[t].Run_HueCycles == 0) continue;
        double hue = static_cast<double>(hues[i]) + run.types[t].Galaxy_HWheelInc;
        if (hue >= kHueCount) hue -= kHueCount;
        hues[i] = Single(hue);
        colors[i] = run.colours.HueColorTable[t][WholeHue(hues[i])];
    }
}

void BuildStarColorRamps(GalaxyTypes& types) {
    for (int t = 0; t < kGalaxyTypeCount; ++t) {
        UniGalaxy& g = types[static_cast<std::size_t>(t)];
        g.Run_NewColorRamp.fill(0);
        g.Galaxy_NewFrames = std::clamp<std::int16_t>(g.Galaxy_NewFrames, 0, kLongestEvent);
        const int n = g.Galaxy_NewFrames;
        if (n == 0) continue;
        for (int i = 0; i <= n; ++i) {
            const double h = std::floor(g.Galaxy_HWC_End + (g.Galaxy_HWC_Start - g.Galaxy_HWC_End) * (double(i) / n));
            const float whiten = static_cast<float>(static_cast<double>(i) / n);
            g.Run_NewColorRamp[i] = WhitenHueColor(NormaliseHue(static_cast<int>(h)), whiten);
        }
    }
}

void BuildPulsarTables(GalaxyTypes& types) {
    for (int t = 0; t < kGalaxyTypeCount; ++t) {
        UniGalaxy& g = types[static_cast<std::size_t>(t)];
        g.Run_PulsarColor.fill(0);
        g.Run_PulsarSize.fill(0);
        g.Galaxy_PulsarFrames = std::clamp<std::int16_t>(g.Galaxy_PulsarFrames, 0, kLongestEvent);
        const int n = g.Galaxy_PulsarFrames;
        if (n == 0) continue;
        const double start = g.Galaxy_HWC_Start, end = g.Galaxy_HWC_End;
        const double least = g.Galaxy_PulsarMinExt, most = g.Galaxy_PulsarMaxExt;
        float phi = Single(kFadeStart);
        const float delta = Single(kTwoPi / n * kFadeRate);
        const double fadeInEnd = std::nearbyint(n * 0.25 - 1);
        const double fadeOutStart = std::nearbyint(n * 0.75 + 1);
        for (int i = 0; i < n; ++i) {
            // sin a = -cos(2 pi i / n): from the start hue and smallest size
            // to the end hue and largest size at mid-cycle, and back.
            const double a = kTwoPi * i / n + kThreeQuarterTurn;
            const double swing = Sin(a);
            const int hue = static_cast<int>(std::nearbyint((end - start) * 0.5 * swing + (start + end) * 0.5));
            // Faded in RGB order so every depth rounds the channels alike.
            const std::int32_t c = HueToWheelRGB(hue);
            std::int32_t faded = c;
            if (i < fadeInEnd) {
                phi = Single(static_cast<double>(phi) + delta);
                faded = ScaledColour(c, Single(Sin(phi)));
            } else if (i >= fadeOutStart) {
                faded = ScaledColour(c, Single(Sin(phi)));
                phi = Single(static_cast<double>(phi) - delta);
            }
            g.Run_PulsarColor[i] = ToDisplayOrder(faded);
            g.Run_PulsarSize[i] = Single(((most - least) * 0.5 * swing + (least + most) * 0.5) * 0.001);
        }
    }
}

std::int32_t GetHueColor(const ColourTables& colours, std::int16_t galType, std::int16_t hue) {
    if (!IsGalaxyType(galType)) return 0;
    return colours.HueColorTable[galType][static_cast<std::size_t>(NormaliseHue(hue))];
}

}  // namespace orbweave
