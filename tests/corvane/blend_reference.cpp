#include "corvane/blend_reference.h"

namespace orbweave::corvane::testing {

int SurfaceBytesPerPixel(int bits) { return bits == 32 ? 4 : bits == 24 ? 3 : 2; }

namespace {

void WritePixel(int bits, const uint8_t* entry, uint8_t* out) {
    const unsigned b0 = entry[0], b1 = entry[1], b2 = entry[2];
    unsigned packed = 0;
    switch (bits) {
    case 15: packed = (b0 >> 3) << 10 | (b1 >> 3) << 5 | (b2 >> 3); break;
    case 16: packed = (b0 >> 3) << 11 | (b1 >> 2) << 5 | (b2 >> 3); break;
    case 24:
        out[0] = entry[0];
        out[1] = entry[1];
        out[2] = entry[2];
        return;
    default:
        for (int i = 0; i < 4; ++i) {
            out[i] = entry[i];
        }
        return;
    }
    out[0] = static_cast<uint8_t>(packed & 0xFF);
    out[1] = static_cast<uint8_t>(packed >> 8);
}

}  // namespace

void ReferenceBlend(const BlendSetup& s, std::vector<uint8_t>& work, size_t workStart, std::vector<uint8_t>& surface,
                    size_t surfaceStart) {
    const bool copy = s.factor == 720;
    const size_t rowBytes = 4 * static_cast<size_t>(s.pitch);
    for (int i = 0; i < s.rows; ++i) {
        for (int x = 1; x <= s.rowLength - 2; ++x) {
            const size_t below = workStart + (i + 1) * rowBytes + 4 * x;
            const size_t same = workStart + i * rowBytes + 4 * x;
            size_t shown = same;
            if (copy) {
                shown = s.bits == 32 ? same : below;
            } else {
                for (size_t a = below; a < below + 3; ++a) {
                    const uint32_t sum =
                        work[a + s.offsetA] + work[a + s.offsetB] + work[a - 4] + work[a + 4] + work[a];
                    work[a] = static_cast<uint8_t>((sum * s.factor) >> 12);
                }
            }
            const size_t out = surfaceStart + (static_cast<size_t>(i) * s.pitch + x) * SurfaceBytesPerPixel(s.bits);
            WritePixel(s.bits, &work[shown], &surface[out]);
            if (copy) {
                const int cleared = s.bits == 32 ? 4 : 3;
                for (int c = 0; c < cleared; ++c) {
                    work[shown + c] = 0;
                }
            }
        }
    }
}

}  // namespace orbweave::corvane::testing
