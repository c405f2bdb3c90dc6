// Drawing into the work image: the clipped pixel write every star ends in,
// the bursts of new stars, novas and pulsars drawn as fixed point patterns
// whose scale follows the perspective, and the star glyph of the credits.
#pragma once

#include <cstdint>

#include "renderer/galaxy/run_context.h"

namespace orbweave {

// Pulsar shapes, as the dialog lists them.
inline constexpr std::int16_t kPulsarNova = 0;
inline constexpr std::int16_t kPulsarAxes = 1;
inline constexpr std::int16_t kPulsarStar = 2;
inline constexpr std::int16_t kPulsarSphere = 3;
inline constexpr std::int16_t kPulsarSphere2 = 4;

// Writes colour at (x, y) when it lies strictly inside the plot bounds;
// column 0, column MaxPlotX and rows MinPlotY and MaxPlotY are never written.
void PlotPixel(std::int32_t x, std::int32_t y, std::int32_t color);

// A new star's burst around its pixel (x, y), shrinking to a single pixel as
// count runs down to 0 over `frames`. Nothing at all when (x, y) is outside
// the plot bounds.
void PlotNewStar(std::int32_t x, std::int32_t y, float depth, std::int16_t count, std::int16_t frames, float ext,
                 std::int32_t color);

// A nova at camera-space (u, v, depth), growing as count runs down; drawn in
// five depth layers so it reads as a ball. Clipped point by point.
void PlotNovaStar(float u, float v, float depth, std::int16_t count, std::int16_t frames, float ext,
                  std::int32_t color);

// A pulsar of galType's shape at camera-space (u, v, depth) with this
// frame's size and colour. Clipped point by point.
void PlotPulsarStar(const RunContext& run, float u, float v, float depth, float size, std::int16_t galType,
                    std::int32_t color);

// A star in the colours of the HueTable of `colours` from hue on, growing a halo as depth
// falls below 0.9, 0.8, 0.6, 0.4 and 0.2.
void PlotStarGlyph(const ColourTables& colours, std::int32_t x, std::int32_t y, float depth, std::int16_t hue,
                   std::int16_t hueInc);

}  // namespace orbweave
