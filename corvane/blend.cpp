// The four exported blend routines: row geometry, copy mode, the choice of
// path, and the byte-by-byte blend that is exact for any argument.
#include "corvane/blend.h"

#include <cstring>

#include "corvane/corvane.h"

namespace orbweave::corvane {
namespace {

// Bytes of the work entry that carry colour; byte 3 is kept by the blend and
// by the 15-, 16- and 24-bit copy mode.
constexpr uint32_t kColourBytes = 0x00FFFFFF;
constexpr int kChannels = 3;
constexpr ptrdiff_t kWorkEntryBytes = 4;

uint32_t LoadEntry(const uint32_t* entry) {
    uint32_t value;
    std::memcpy(&value, entry, sizeof value);
    return value;
}

// Blends the three colour bytes of one entry in place, in channel order, so
// that a neighbour offset into the same entry sees the bytes already done.
void BlendEntry(uint8_t* entry, const BlendCall& call) {
    for (int channel = 0; channel < kChannels; ++channel) {
        uint8_t* byte = entry + channel;
        const uint32_t sum = uint32_t{byte[call.offsetA]} + byte[call.offsetB] + byte[-kWorkEntryBytes] +
                             byte[kWorkEntryBytes] + byte[0];
        *byte = static_cast<uint8_t>((sum * call.factor) >> 12);
    }
}

// Copy mode: the 32-bit surface shows the row one below the output row and
// clears it whole; the others show the row two below and keep byte 3.
void CopyRows(const BlendCall& call) {
    const ptrdiff_t bytesPerPixel = BytesPerPixel(call.format);
    const bool whole = call.format == SurfaceFormat::Rgb32;
    const ptrdiff_t sourceRow = whole ? 0 : 1;
    for (ptrdiff_t row = 0; row < call.rows; ++row) {
        uint32_t* source = call.work + (row + sourceRow) * call.pitch;
        uint8_t* target = call.surface + row * call.pitch * bytesPerPixel;
        for (ptrdiff_t x = 1; x < call.rowLength - 1; ++x) {
            StorePixel(call.format, target + x * bytesPerPixel, source[x]);
            source[x] = whole ? 0 : source[x] & ~kColourBytes;
        }
    }
}

bool ProcessorHasAvx2() {
#if defined(__x86_64__) || defined(__i386__)
    return __builtin_cpu_supports("avx2");
#else
    return false;
#endif
}

// Rows are processed while pixel 1 of the output row lies below surfaceEnd.
// A pitch of 0 or less would never get there, so such a call does nothing.
ptrdiff_t CountRows(const void* surfaceStart, const void* surfaceEnd, ptrdiff_t pitch, ptrdiff_t bytesPerPixel) {
    const intptr_t span = reinterpret_cast<intptr_t>(surfaceEnd) - reinterpret_cast<intptr_t>(surfaceStart);
    if (pitch <= 0 || span <= bytesPerPixel) {
        return 0;
    }
    return (span - bytesPerPixel - 1) / (pitch * bytesPerPixel) + 1;
}

int32_t Blend(SurfaceFormat format, void* surfaceStart, const void* surfaceEnd, uint32_t* workStart, int32_t rowLength,
              int32_t pitch, int32_t factor, intptr_t offsetA, intptr_t offsetB) {
    const BlendCall call{
        .surface = static_cast<uint8_t*>(surfaceStart),
        .work = workStart,
        .rows = CountRows(surfaceStart, surfaceEnd, pitch, BytesPerPixel(format)),
        .rowLength = rowLength,
        .pitch = pitch,
        .factor = static_cast<uint32_t>(factor),
        .offsetA = offsetA,
        .offsetB = offsetB,
        .format = format,
    };
    RunBlend(call);
    return 0;
}

}  // namespace

ptrdiff_t BytesPerPixel(SurfaceFormat format) {
    switch (format) {
    case SurfaceFormat::Rgb15:
    case SurfaceFormat::Rgb16: return 2;
    case SurfaceFormat::Rgb24: return 3;
    case SurfaceFormat::Rgb32: return 4;
    }
    return 4;
}

void StorePixel(SurfaceFormat format, uint8_t* target, uint32_t entry) {
    const uint32_t b0 = entry & 0xFF;
    const uint32_t b1 = (entry >> 8) & 0xFF;
    const uint32_t b2 = (entry >> 16) & 0xFF;
    switch (format) {
    case SurfaceFormat::Rgb15: {
        const auto pixel = static_cast<uint16_t>((b0 >> 3) << 10 | (b1 >> 3) << 5 | b2 >> 3);
        std::memcpy(target, &pixel, sizeof pixel);
        break;
    }
    case SurfaceFormat::Rgb16: {
        const auto pixel = static_cast<uint16_t>((b0 >> 3) << 11 | (b1 >> 2) << 5 | b2 >> 3);
        std::memcpy(target, &pixel, sizeof pixel);
        break;
    }
    case SurfaceFormat::Rgb24:
        target[0] = static_cast<uint8_t>(b0);
        target[1] = static_cast<uint8_t>(b1);
        target[2] = static_cast<uint8_t>(b2);
        break;
    case SurfaceFormat::Rgb32: std::memcpy(target, &entry, sizeof entry); break;
    }
}

void BlendRowsDirect(const BlendCall& call) {
    const ptrdiff_t bytesPerPixel = BytesPerPixel(call.format);
    auto* workBytes = reinterpret_cast<uint8_t*>(call.work);
    for (ptrdiff_t row = 0; row < call.rows; ++row) {
        uint8_t* blended = workBytes + (row + 1) * call.pitch * kWorkEntryBytes;
        const uint32_t* shown = call.work + row * call.pitch;
        uint8_t* target = call.surface + row * call.pitch * bytesPerPixel;
        for (ptrdiff_t x = 1; x < call.rowLength - 1; ++x) {
            BlendEntry(blended + x * kWorkEntryBytes, call);
            StorePixel(call.format, target + x * bytesPerPixel, LoadEntry(shown + x));
        }
    }
}

void RunBlend(const BlendCall& call) {
    if (call.rows <= 0 || call.rowLength <= 2) {
        return;
    }
    if (ProcessorHasAvx2() && BlendRowsFast(call)) {
        return;
    }
    if (call.factor == kCopyFactor) {
        CopyRows(call);
    } else {
        BlendRowsDirect(call);
    }
}

}  // namespace orbweave::corvane

using orbweave::corvane::SurfaceFormat;

extern "C" {

int32_t BlendPixelLongRGB15(void* surfaceStart, const void* surfaceEnd, uint32_t* workStart, int32_t rowLength,
                            int32_t pitch, int32_t factor, intptr_t offsetA, intptr_t offsetB) {
    return orbweave::corvane::Blend(SurfaceFormat::Rgb15, surfaceStart, surfaceEnd, workStart, rowLength, pitch, factor,
                                    offsetA, offsetB);
}

int32_t BlendPixelLongRGB16(void* surfaceStart, const void* surfaceEnd, uint32_t* workStart, int32_t rowLength,
                            int32_t pitch, int32_t factor, intptr_t offsetA, intptr_t offsetB) {
    return orbweave::corvane::Blend(SurfaceFormat::Rgb16, surfaceStart, surfaceEnd, workStart, rowLength, pitch, factor,
                                    offsetA, offsetB);
}

int32_t BlendPixelLongRGB24(void* surfaceStart, const void* surfaceEnd, uint32_t* workStart, int32_t rowLength,
                            int32_t pitch, int32_t factor, intptr_t offsetA, intptr_t offsetB) {
    return orbweave::corvane::Blend(SurfaceFormat::Rgb24, surfaceStart, surfaceEnd, workStart, rowLength, pitch, factor,
                                    offsetA, offsetB);
}

int32_t BlendPixelLongRGB32(void* surfaceStart, const void* surfaceEnd, uint32_t* workStart, int32_t rowLength,
                            int32_t pitch, int32_t factor, intptr_t offsetA, intptr_t offsetB) {
    return orbweave::corvane::Blend(SurfaceFormat::Rgb32, surfaceStart, surfaceEnd, workStart, rowLength, pitch, factor,
                                    offsetA, offsetB);
}

}  // extern "C"
