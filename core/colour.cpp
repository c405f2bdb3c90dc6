#include "core/colour.h"

#include <algorithm>
#include <cmath>

#include "core/colour_tables.h"
#include "core/convert.h"
#include "core/random.h"

namespace orbweave {

namespace {

constexpr int kSectorWidth = 60;
constexpr float kOneSixtieth = 0.016666666f;
constexpr int kTrueColourBpp = 24;

constexpr std::int32_t kRedMask = 0xFF;
constexpr std::int32_t kGreenMask = 0xFF00;
constexpr std::int32_t kBlueMask = 0xFF0000;

// The pastel channel level at a fraction t of a sector: 55 up to 255.
int Level(double t) {
    constexpr double kFloor = 55.0;
    constexpr double kRise = 200.0;
    return std::clamp(static_cast<int>(std::floor(kFloor + kRise * t)), 0, 255);
}

std::int32_t Pack(int red, int green, int blue) { return red + 256 * green + 65536 * blue; }

// The colour of a sector of the six-sector wheel at fraction f. Sectors 1, 3
// and 5 fall (they use 1 - f); the others rise.
std::int32_t SectorColour(int sector, double f) {
    constexpr int kFull = 255;
    constexpr int kLow = 55;
    switch (sector) {
    case 0: return Pack(kFull, Level(f), kLow);
    case 1: return Pack(Level(1.0 - f), kFull, kLow);
    case 2: return Pack(kLow, kFull, Level(f));
    case 3: return Pack(kLow, Level(1.0 - f), kFull);
    case 4: return Pack(Level(f), kLow, kFull);
    default: return Pack(kFull, kLow, Level(1.0 - f));
    }
}

// The position of offset within a span, 0 up to 1. A span that is not
// positive cannot occur with ascending stops; it reads as the sector start.
double SpanFraction(int offset, int span) {
    if (span <= 0) return 0.0;
    return static_cast<double>(offset % span) / span;
}

// Steps 2 and 3 of the configurable wheel for a hue already in 0..359.
std::int32_t StopsColour(int h, const HueStops& stops, const HueStops& spans) {
    int sector = kHueStopCount;
    for (int i = 0; i < kHueStopCount; ++i) {
        if (h < stops[i]) {
            sector = i;
            break;
        }
    }
    double f = 0.0;
    if (sector == 0) {
        f = SpanFraction(h, stops[0]);
    } else {
        f = SpanFraction(h - stops[sector - 1], spans[sector - 1]);
    }
    // The falling sectors take their fraction in single precision.
    if (sector % 2 == 1) f = static_cast<float>(f);
    return SectorColour(sector, f);
}

int NormaliseWideHue(std::int64_t hue) { return static_cast<int>(((hue % kHueCount) + kHueCount) % kHueCount); }

std::int32_t WheelColour(int hue, bool useDisplayWheel) { return useDisplayWheel ? HueToWheelRGB(hue) : HueToRGB(hue); }

// Moves one channel field towards its full value and keeps it in its field.
std::int64_t TowardsFull(std::int32_t field, std::int32_t fullField, float amount) {
    const double moved = field + (fullField - field) * static_cast<double>(amount);
    return ToInt64(moved).value_or(0) & fullField;
}

}  // namespace

std::int32_t HueToRGB(int hue) {
    const int h = NormaliseHue(hue);
    const float f = static_cast<float>(h % kSectorWidth) * kOneSixtieth;
    return SectorColour(h / kSectorWidth, f);
}

std::int32_t HueToWheelRGB(int hue) {
    return StopsColour(NormaliseHue(hue), colourTables.HueWheel, colourTables.HueSpan);
}

std::int32_t ToDisplayOrder(std::int32_t rgb) {
    if (colourTables.DisplayBpp < kTrueColourBpp) return rgb;
    return (rgb & ~(kRedMask | kBlueMask)) | ((rgb & kRedMask) << 16) | ((rgb >> 16) & kRedMask);
}

std::int32_t HueToPixelColor(int hue) { return ToDisplayOrder(HueToWheelRGB(hue)); }

std::int32_t HueStopsToRGB(int hue, const HueStops& stops) {
    return StopsColour(NormaliseHue(hue), stops, HueSpansOf(stops));
}

void BuildHueTable() {
    for (int i = 0; i < kHueCount; ++i) colourTables.HueTable[static_cast<std::size_t>(i)] = HueToPixelColor(i);
}

void BuildHueRamp(std::span<std::int32_t> ramp, int hueStart, int hueEnd, bool useDisplayWheel) {
    constexpr int kWhiteSteps = 8;
    constexpr float kWhiteDivisor = 7.0f;
    constexpr float kSweepDivisor = 72.0f;
    constexpr float kDimDivisor = 400.0f;
    const std::size_t length = std::min<std::size_t>(ramp.size(), kHueRampLength);
    // The ramp is made in RGB order, so the rounding of each channel is the
    // same at every depth; only the finished entries change order.
    const auto order = [useDisplayWheel](std::int32_t rgb) { return useDisplayWheel ? ToDisplayOrder(rgb) : rgb; };

    const std::int32_t start = WheelColour(NormaliseHue(hueStart), useDisplayWheel);
    const int red = start & kRedMask;
    const int green = (start >> 8) & kRedMask;
    const int blue = (start >> 16) & kRedMask;
    for (std::size_t i = 0; i < std::min<std::size_t>(length, kWhiteSteps); ++i) {
        const double f = static_cast<float>(i) / kWhiteDivisor;
        const auto towards = [f](int channel) { return static_cast<int>(std::nearbyint(255 - (255 - channel) * f)); };
        ramp[i] = order(Pack(towards(red), towards(green), towards(blue)));
    }

    const double sweep = static_cast<double>(hueEnd) - hueStart;
    for (std::size_t i = kWhiteSteps; i < length; ++i) {
        const int step = static_cast<int>(i);
        const double f = static_cast<float>(step - kWhiteSteps) / kSweepDivisor;
        const std::int64_t hue = ToInt64(f * sweep + hueStart).value_or(hueStart);
        const std::int32_t colour = WheelColour(NormaliseWideHue(hue), useDisplayWheel);
        const float dim = static_cast<float>(400 - step + kWhiteSteps) / kDimDivisor;
        ramp[i] = order(ToInt32(ScaleRGB(colour, dim)).value_or(0));
    }
}

double ScaleRGB(std::int32_t colour, float factor) {
    const double scale = factor;
    const std::int64_t green = ToInt64((colour & kGreenMask) * scale).value_or(0) & kGreenMask;
    const std::int64_t blue = ToInt64((colour & kBlueMask) * scale).value_or(0) & kBlueMask;
    const double red = (colour & kRedMask) * scale;
    return red + static_cast<double>(green) + static_cast<double>(blue);
}

std::int32_t WhitenHueColor(int hue, float whiten) {
    RandomFraction();
    // Whitened in RGB order, where each channel rounds the same way at every
    // depth (the table holds display order; exchanging twice restores RGB).
    const std::int32_t colour = ToDisplayOrder(colourTables.HueTable[static_cast<std::size_t>(NormaliseHue(hue))]);
    const std::int64_t green = TowardsFull(colour & kGreenMask, kGreenMask, whiten);
    const std::int64_t blue = TowardsFull(colour & kBlueMask, kBlueMask, whiten);
    const int red = colour & kRedMask;
    const double redMoved = red + (255 - red) * static_cast<double>(whiten);
    return ToDisplayOrder(ToInt32(redMoved + static_cast<double>(green) + static_cast<double>(blue)).value_or(0));
}

}  // namespace orbweave
