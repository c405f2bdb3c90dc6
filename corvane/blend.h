// The blend of the work image into a display surface, shared by the four
// exported blend routines.
#pragma once

#include <cstddef>
#include <cstdint>

namespace orbweave::corvane {

enum class SurfaceFormat { Rgb15, Rgb16, Rgb24, Rgb32 };

// Factor that selects copy mode instead of blending.
inline constexpr uint32_t kCopyFactor = 720;

// One blend call with its row count resolved. Output row i (0 <= i < rows)
// starts at surface + i * pitch * bytes-per-pixel; in blend mode it receives
// work row i after work row i + 1 has been blended, so work rows 1..rows are
// blended and rows 0..rows - 1 are shown.
struct BlendCall {
    uint8_t* surface;
    uint32_t* work;  // pixel 0 of work row 0
    ptrdiff_t rows;
    ptrdiff_t rowLength;  // pixels 1..rowLength - 2 of each row are processed
    ptrdiff_t pitch;      // pixels from one row to the next, in both buffers
    uint32_t factor;
    ptrdiff_t offsetA;  // bytes from a work byte to its two neighbours
    ptrdiff_t offsetB;
    SurfaceFormat format;
};

ptrdiff_t BytesPerPixel(SurfaceFormat format);

// Writes one work entry into the surface in the given format.
void StorePixel(SurfaceFormat format, uint8_t* target, uint32_t entry);

// Runs a whole call: the fast path when it applies, otherwise copy mode or
// the byte-by-byte blend.
void RunBlend(const BlendCall& call);

// The byte-by-byte blend, exact for every argument the caller may pass.
void BlendRowsDirect(const BlendCall& call);

// The fast paths of blend and copy mode, for processors with AVX2 only;
// returns false, having changed nothing, when the call does not fit them
// (see blend_fast.cpp).
bool BlendRowsFast(const BlendCall& call);

}  // namespace orbweave::corvane
