// The exports that work on plain pixel buffers besides the blend: an
// in-place blend of an 8-bit buffer and a point-list plotter.
#include <cstdint>

#include "corvane/corvane.h"

namespace orbweave::corvane {
namespace {

// Neighbour offsets and the processed range of an 8-bit buffer blend, in
// bytes. The offsets follow the work-image blend's vertical offsets: shift 0
// takes the rows above and below, positive shifts both neighbours from above,
// negative shifts from below; large shifts leave rows out at the top or the
// bottom so that no neighbour falls outside the buffer.
struct PaletteSpan {
    int64_t offsetA;
    int64_t offsetB;
    int64_t start;
    int64_t end;
};

PaletteSpan PaletteSpanOf(int64_t rows, int64_t pitch, int64_t shift) {
    PaletteSpan span{};
    span.offsetA = shift >= 0 ? -pitch : pitch;
    span.offsetB = shift >= 0 ? (1 - shift) * pitch : -(shift + 1) * pitch;
    span.start = shift > 2 ? (shift - 1) * pitch : pitch;
    span.end = (rows - 1) * pitch + (shift < -2 ? (shift + 2) * pitch : 0);
    return span;
}

}  // namespace
}  // namespace orbweave::corvane

extern "C" {

int32_t BlendPaletteByteArray(uint8_t* buffer, int32_t /*ignored*/, int32_t rows, int32_t pitch, int32_t factor,
                              int32_t shift) {
    const auto span = orbweave::corvane::PaletteSpanOf(rows, pitch, shift);
    if (span.start + 1 >= span.end - 1) {
        return 0;
    }
    const auto multiplier = static_cast<uint32_t>(factor);
    // The range runs straight through row ends: the buffer has no border columns.
    for (int64_t p = span.start; p <= span.end - 3; ++p) {
        uint8_t* byte = buffer + p;
        const uint32_t sum = uint32_t{byte[1]} + byte[-1] + byte[span.offsetB] + byte[span.offsetA] + byte[0];
        *byte = static_cast<uint8_t>((sum * multiplier) >> 12);
    }
    return 0;
}

int32_t SetPixelLongRGB32(uint32_t* buffer, int32_t xLimit, int32_t yLimit, int32_t pitch, int32_t count,
                          const int32_t* xArray, const int32_t* yArray, const uint32_t* colourArray) {
    // Compared as unsigned numbers, negative coordinates fall outside.
    const auto inside = [](int32_t value, int32_t limit) {
        return value != 0 && static_cast<uint32_t>(value) < static_cast<uint32_t>(limit);
    };
    for (int32_t i = 0; i < count; ++i) {
        const int32_t x = xArray[i];
        const int32_t y = yArray[i];
        if (inside(x, xLimit) && inside(y, yLimit)) {
            buffer[int64_t{static_cast<uint32_t>(y)} * pitch + static_cast<uint32_t>(x)] = colourArray[i];
        }
    }
    return 0;
}

}  // extern "C"
