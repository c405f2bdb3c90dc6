#include "renderer/galaxy/hue_tables.h"

#include <algorithm>
#include <cmath>

#include "core/colour.h"
#include "settings/galaxy_tables.h"

namespace orbweave {

namespace {

constexpr float kSixtieth = 0.016666666f;

struct Tint {
    double base;
    float scale;
    double red, green, blue;
};

// A channel value: the largest whole number not above it, kept in a byte so
// shares outside 0..100 (a record the dialog wrote unvalidated) cannot spill
// into the neighbouring channel.
std::int32_t Channel(double value) { return static_cast<std::int32_t>(std::clamp(std::floor(value), 0.0, 255.0)); }

std::int32_t WheelColour(const Tint& tint, int h) {
    const float f = static_cast<float>((h % 60) * kSixtieth);
    const double scale = tint.scale;
    auto full = [&](double c) { return tint.base + c * scale; };
    auto rising = [&](double c) { return tint.base + f * scale * c; };
    auto falling = [&](double c) { return tint.base + (1.0 - f) * scale * c; };
    double r = tint.base, g = tint.base, b = tint.base;
    switch (h / 60) {
    case 0:
        r = full(tint.red);
        g = rising(tint.green);
        break;
    case 1:
        r = falling(tint.red);
        g = full(tint.green);
        break;
    case 2:
        g = full(tint.green);
        b = rising(tint.blue);
        break;
    case 3:
        g = falling(tint.green);
        b = full(tint.blue);
        break;
    case 4:
        r = rising(tint.red);
        b = full(tint.blue);
        break;
    default:
        r = full(tint.red);
        b = falling(tint.blue);
        break;
    }
    return Channel(r) + 256 * Channel(g) + 65536 * Channel(b);
}

}  // namespace

void BuildHueColorTables(ColourTables& colours, const std::array<UniGalaxy, kUniGalaxySlots>& types) {
    for (int t = 0; t < kGalaxyTypeCount; ++t) {
        const UniGalaxy& g = types[static_cast<std::size_t>(t)];
        Tint tint{};
        tint.base = std::nearbyint(g.Galaxy_HueBase * 255.0 / 100.0);
        tint.scale = static_cast<float>((255.0 - tint.base) * 0.01);
        tint.red = g.Galaxy_HueRed;
        tint.green = g.Galaxy_HueGrn;
        tint.blue = g.Galaxy_HueBlu;
        for (int i = 0; i < kHueCount; ++i) colours.HueColorTable[t][i] = ToDisplayOrder(WheelColour(tint, i));
    }
}

void BuildHueWheels(ColourTables& colours, const std::array<UniGalaxy, kUniGalaxySlots>& types, std::int16_t hueStart,
                    std::int16_t hueEnd) {
    BuildHueRamp(colours.UniverseHueRamp, hueStart, hueEnd, true);
    for (int t = 0; t < kGalaxyTypeCount; ++t) {
        const UniGalaxy& g = types[static_cast<std::size_t>(t)];
        BuildHueRamp(colours.TypeHueRamps[static_cast<std::size_t>(t)], g.Galaxy_HWC_Start, g.Galaxy_HWC_End, true);
    }
}

std::int16_t WholeHue(double hue) {
    if (!std::isfinite(hue)) return 0;
    const double rounded = std::nearbyint(hue);
    // A star's hue is kept on the wheel, so the remainder is rarely needed;
    // it is a slow instruction, taken once per star and frame.
    if (rounded >= 0 && rounded < kHueCount) return static_cast<std::int16_t>(rounded);
    double h = std::fmod(rounded, static_cast<double>(kHueCount));
    if (h < 0) h += kHueCount;
    return static_cast<std::int16_t>(h);
}

}  // namespace orbweave
