// Hues to colours. Every colour of the system starts as a hue in whole
// degrees; two pastel wheels (no channel below 55) turn it into a colour:
// the fixed six-sector wheel for dialogs and text, and the configurable wheel
// of five hue stops whose colours come in the display's pixel order.
//
// A colour is red in bits 0-7, green in bits 8-15 and blue in bits 16-23
// (RGB order). Display order is RGB order on displays below 24 bits per
// pixel and has red and blue exchanged on 24- and 32-bit displays, because
// the blend routines write byte 0 of the work image as blue there. Every
// display-order colour is built in RGB order first and then put in display
// order, so a hue shows the same colour at every depth.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace orbweave {

inline constexpr int kHueCount = 360;
inline constexpr int kHueStopCount = 5;
inline constexpr int kHueRampLength = 80;

using HueStops = std::array<std::int16_t, kHueStopCount>;

// The default hue stops.
inline constexpr HueStops kDefaultHueStops = {100, 150, 180, 240, 300};

// The five span widths of a set of stops: S1-S0, S2-S1, S3-S2, S4-S3, 360-S4.
constexpr HueStops HueSpansOf(const HueStops& stops) {
    HueStops spans{};
    for (int i = 0; i + 1 < kHueStopCount; ++i) spans[i] = static_cast<std::int16_t>(stops[i + 1] - stops[i]);
    spans[kHueStopCount - 1] = static_cast<std::int16_t>(kHueCount - stops[kHueStopCount - 1]);
    return spans;
}

// Any whole number of degrees mapped into 0..359.
constexpr int NormaliseHue(int hue) { return ((hue % kHueCount) + kHueCount) % kHueCount; }

// The fixed six-sector wheel, in RGB order.
std::int32_t HueToRGB(int hue);

// The configurable wheel of HueWheel and HueSpan, in RGB order.
std::int32_t HueToWheelRGB(int hue);

// An RGB-order colour in the display's order: red and blue exchanged on 24-
// and 32-bit displays. Applied twice it gives the colour back.
std::int32_t ToDisplayOrder(std::int32_t rgb);

// The configurable wheel of HueWheel and HueSpan, in display order.
std::int32_t HueToPixelColor(int hue);

// The configurable wheel with the given stops (spans derived from them), in
// RGB order and without regard to the display: the colour a wheel preview
// draws for a hue.
std::int32_t HueStopsToRGB(int hue, const HueStops& stops);

// HueTable(i) := HueToPixelColor(i) for every degree.
void BuildHueTable();

// Fills the first 80 entries of a ramp (fewer when the ramp is shorter):
// entries 0 to 7 run from white to the colour of hueStart, entries 8 to 79
// sweep the hues from hueStart towards hueEnd while dimming from 1.0 to
// 0.8225. With useDisplayWheel false the fixed wheel is used and the ramp is
// in RGB order; otherwise the configurable wheel, and the ramp is in display
// order.
void BuildHueRamp(std::span<std::int32_t> ramp, int hueStart, int hueEnd, bool useDisplayWheel);

// The colour with each channel multiplied by factor. Green and blue are taken
// to whole numbers and lose what overflows their field; red is neither, so a
// factor above 1 can carry red into green. Callers round the result.
double ScaleRGB(std::int32_t colour, float factor);

// The HueTable colour of a hue moved towards white: 0 keeps it, 1 is white.
// Draws one random fraction (unused) so the fraction sequence advances as the
// star code expects.
std::int32_t WhitenHueColor(int hue, float whiten);

}  // namespace orbweave
