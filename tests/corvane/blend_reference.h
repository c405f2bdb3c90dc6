// A straightforward model of the blend, written over plain byte vectors from
// the description of the routines, to compare the library with byte for byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace orbweave::corvane::testing {

struct BlendSetup {
    int bits;  // 15, 16, 24 or 32
    int rowLength;
    int pitch;  // pixels
    int rows;   // output rows
    uint32_t factor;
    ptrdiff_t offsetA;  // bytes
    ptrdiff_t offsetB;
};

int SurfaceBytesPerPixel(int bits);

// Blends `work` (from byte workStart) in place and writes `surface` (from
// byte surfaceStart), output row by output row, pixel by pixel.
void ReferenceBlend(const BlendSetup& setup, std::vector<uint8_t>& work, size_t workStart,
                    std::vector<uint8_t>& surface, size_t surfaceStart);

}  // namespace orbweave::corvane::testing
