// Shared set-up of the star tests: empty galaxy tables, a prescribed random
// sequence, and a small work image with known drawing geometry.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "core/colour.h"
#include "core/colour_tables.h"
#include "core/random.h"
#include "renderer/display/display.h"
#include "renderer/display/display_settings.h"
#include "renderer/galaxy/run_context.h"
#include "settings/galaxy_tables.h"

namespace orbweave::testing {

// How close a generated coordinate must come to its expected value.
inline constexpr double kNear = 1e-5;

// Where the whole-number cursor is parked so its draws never meet the
// fraction cursor's entries.
inline constexpr int kIntegerStart = 8192;

// Makes the next fractions numerator / 32768 for each given numerator, and
// the next whole numbers the given values, in order.
inline void PrescribeRandoms(std::vector<int> fractions, std::vector<int> integers = {}) {
    SeedRandomTable(1);
    for (int i = 0; i < kIntegerStart; ++i) RandomInteger();
    RandTable[0] = 0;
    for (std::size_t k = 0; k < fractions.size(); ++k) RandTable[k + 1] = RandTable[k] ^ fractions[k];
    RandTable[kIntegerStart] = 0;
    for (std::size_t k = 0; k < integers.size(); ++k) {
        RandTable[kIntegerStart + k + 1] = RandTable[kIntegerStart + k] ^ integers[k];
    }
}

struct DrawCount {
    int fractions;
    int integers;
};

// The draws made since PrescribeRandoms.
inline DrawCount DrawsMade() { return {RandomFractionCursor(), RandomIntegerCursor() - kIntegerStart}; }

// A work image of width x height with the drawing geometry the display
// derives for it (focal length 1).
inline void UseWorkImage(int width, int height) {
    drawingGeometry.ScreenWidth = width;
    drawingGeometry.ScreenHeight = height;
    drawingGeometry.MaxPlotX = width - 1;
    drawingGeometry.MinPlotY = 1;
    drawingGeometry.MaxPlotY = height - 2;
    drawingGeometry.ProjectionCentre = {width / 2, height / 2};
    displaySettings.FocalLength = 1.0f;
    drawingGeometry.FocalDistance =
        static_cast<float>((drawingGeometry.ProjectionCentre.x + drawingGeometry.ProjectionCentre.y) * 0.5);
    displayState.PitchPixels = width;
    displayState.PixelBuffer.assign(static_cast<std::size_t>(width) * height + 1, 0);
}

inline int LitPixels() {
    return static_cast<int>(std::count_if(displayState.PixelBuffer.begin(), displayState.PixelBuffer.end(),
                                          [](std::int32_t c) { return c != 0; }));
}

inline std::int32_t PixelAt(int x, int y) {
    return displayState.PixelBuffer[static_cast<std::size_t>(y) * displayState.PitchPixels + x];
}

// A run over the stored tables, for the steps that read no universe value.
inline RunContext StoredRun() {
    static const UniverseSettings defaults;
    return StoredRunContext(defaults);
}

class StarTest : public ::testing::Test {
protected:
    void SetUp() override {
        UniGalaxies.fill(UniGalaxy{});
        CompGalaxies.fill(CompGalaxy{});
        colourTables.DisplayBpp = 16;
    }
};

}  // namespace orbweave::testing
