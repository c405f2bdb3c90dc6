// A pixel buffer and colour table for the particle plotters, with the
// library's state back at its state at load.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "corvane/plotter.h"
#include "corvane/random.h"

namespace orbweave::corvane::testing {

class PlotterTest : public ::testing::Test {
protected:
    static constexpr int kSize = 64;
    static constexpr uint32_t kColourBase = 0x10000;

    void SetUp() override {
        ResetRandomState();
        ResetPlotterState();
        for (uint32_t i = 0; i < colours.size(); ++i) {
            colours[i] = kColourBase + i;
        }
    }

    uint32_t Pixel(int x, int y) const { return pixels[static_cast<size_t>(y) * kSize + x]; }

    int LitPixels() const {
        int lit = 0;
        for (uint32_t pixel : pixels) {
            lit += pixel != 0 ? 1 : 0;
        }
        return lit;
    }

    std::vector<uint32_t> colours = std::vector<uint32_t>(1024);
    std::vector<uint32_t> pixels = std::vector<uint32_t>(kSize * kSize, 0);
};

// The generator's values after the first `skip`, as the library draws them.
inline std::vector<int32_t> RandValues(int skip, int count) {
    uint32_t seed = 1;
    std::vector<int32_t> values;
    for (int i = 0; i < skip + count; ++i) {
        seed = seed * 214013u + 2531011u;
        if (i >= skip) {
            values.push_back(static_cast<int32_t>((seed >> 16) & 0x7FFF));
        }
    }
    return values;
}

}  // namespace orbweave::corvane::testing
