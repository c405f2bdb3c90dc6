// The fast paths of the blend and of copy mode, built with AVX2 and chosen
// at run time.
//
// Each blended pixel depends on its left neighbour, just blended, so a row is
// one long dependency chain and cannot be vectorised along its length. Rows
// can run side by side, though: the blend here runs kLanes rows at once in a
// skewed wavefront, each row one block of kBlock pixels behind the row above.
// When a row reaches a block, every row above has finished that block and no
// row below has started it, so a neighbour row read from memory holds exactly
// the bytes the row-by-row order would see (blended above, not yet below). A
// lane that finishes its row goes straight on with the row kLanes below, so
// the wavefront fills and drains once per call, not once per group of rows.
//
// Per step, every row sums the four neighbours other than its left one for
// its block, channel by channel in 16-bit lanes; a transpose turns these into
// one vector per pixel column holding a pixel of each row; the chain then
// advances four rows one pixel per vector operation; a second transpose turns
// the results back into row blocks, which are stored into the work image.
// Blocks whose neighbourhood is black in every colour channel stay black and
// are skipped. A row goes into the surface as soon as its lane finishes it,
// while it is still in the cache. The channel
// arithmetic is the same as in the byte-by-byte blend: ((sum of five bytes)
// * factor) >> 12 is the high half of the 16-bit product sum * (factor * 16),
// exact while factor * 16 fits 16 bits.
#include "corvane/blend.h"

#if defined(__AVX2__)

#include <immintrin.h>

#include <cstring>

namespace orbweave::corvane {
namespace {

constexpr ptrdiff_t kLanes = 16;
constexpr ptrdiff_t kBlock = 8;
// Pixels ahead of the current block that are fetched into the cache: the
// wavefront reads and writes many rows at once, more streams than the
// hardware prefetcher follows.
constexpr ptrdiff_t kPrefetchPixels = 64;

// Factors the 16-bit multiply handles exactly: factor * 16 < 65536.
constexpr uint32_t kLargestFastFactor = 4095;
// Up to this factor five bytes times the factor, shifted by 12, stay below
// 256, so no channel needs its result cut to 8 bits.
constexpr uint32_t kLargestFactorWithoutWrap = 822;

constexpr uint32_t kByte3 = 0xFF000000;

#define CORVANE_INLINE inline __attribute__((always_inline))

// No standard-library templates here: this file is built for AVX2, and an
// inline function instantiated in it could replace the baseline copy used by
// the rest of the library.
ptrdiff_t Smaller(ptrdiff_t a, ptrdiff_t b) { return a < b ? a : b; }

// Inside the fast path a pixel is a 64-bit lane of four 16-bit channels. A
// row's block of eight pixels is two such vectors, holding pixels 0, 1, 4, 5
// and 2, 3, 6, 7: the order in which AVX2 unpacks the bytes of eight pixels,
// and back in which it packs them.
struct Block {
    __m256i low;   // pixels 0, 1, 4, 5
    __m256i high;  // pixels 2, 3, 6, 7
};

struct Plan {
    const BlendCall& call;
    ptrdiff_t blocks;      // blocks per row, the last one possibly partial
    ptrdiff_t leadOffset;  // bytes to the lowest row a lane reads
    __m256i factor;        // factor * 16 for channels 0-2, 0 for channel 3
};

struct Lane {
    uint32_t* self;   // first pixel of the block in the work image
    ptrdiff_t count;  // pixels of the block, 0 when the lane is idle
};

const uint32_t* Neighbour(const uint32_t* pixel, ptrdiff_t byteOffset) {
    return reinterpret_cast<const uint32_t*>(reinterpret_cast<const uint8_t*>(pixel) + byteOffset);
}

CORVANE_INLINE __m256i Load8(const uint32_t* pixels) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(pixels));
}

// The four loads that make up one lane's sums for its block: the
// neighbours at both offsets, the pixel itself and its right neighbour.
struct Sources {
    __m256i a;
    __m256i b;
    __m256i self;
    __m256i right;
};

// Sums the four sources of eight pixels. Interleaving the bytes of two
// sources and multiplying-adding each byte pair by one adds the two channel
// by channel into 16 bits.
CORVANE_INLINE Block SumNeighbours(const Sources& s) {
    const __m256i ones = _mm256_set1_epi8(1);
    const auto add = [&](__m256i pairs, __m256i otherPairs) {
        return _mm256_add_epi16(_mm256_maddubs_epi16(pairs, ones), _mm256_maddubs_epi16(otherPairs, ones));
    };
    return {add(_mm256_unpacklo_epi8(s.a, s.b), _mm256_unpacklo_epi8(s.self, s.right)),
            add(_mm256_unpackhi_epi8(s.a, s.b), _mm256_unpackhi_epi8(s.self, s.right))};
}

// Entries 0..count - 1 of a short block. Masked-off entries are neither read
// nor written, so nothing outside the row is touched; they read as 0.
CORVANE_INLINE __m256i FirstEntries(ptrdiff_t count) {
    return _mm256_cmpgt_epi32(_mm256_set1_epi32(static_cast<int>(count)), _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7));
}

CORVANE_INLINE __m256i LoadMasked(const uint32_t* pixels, __m256i entries) {
    return _mm256_maskload_epi32(reinterpret_cast<const int*>(pixels), entries);
}

CORVANE_INLINE Sources LoadFullSources(const Plan& plan, const uint32_t* self) {
    // The lowest row is read here first; the rows above are in the cache.
    _mm_prefetch(reinterpret_cast<const char*>(Neighbour(self, plan.leadOffset) + kPrefetchPixels), _MM_HINT_T0);
    return {Load8(Neighbour(self, plan.call.offsetA)), Load8(Neighbour(self, plan.call.offsetB)), Load8(self),
            Load8(self + 1)};
}

Sources LoadSources(const Plan& plan, const Lane& lane) {
    if (lane.count == 0) {
        const __m256i zero = _mm256_setzero_si256();
        return {zero, zero, zero, zero};
    }
    if (lane.count == kBlock) {
        return LoadFullSources(plan, lane.self);
    }
    const __m256i entries = FirstEntries(lane.count);
    return {LoadMasked(Neighbour(lane.self, plan.call.offsetA), entries),
            LoadMasked(Neighbour(lane.self, plan.call.offsetB), entries), LoadMasked(lane.self, entries),
            LoadMasked(lane.self + 1, entries)};
}

// Transposes four rows of four 64-bit lanes (0x20 joins the low 128-bit
// halves of two vectors, 0x31 the high ones).
CORVANE_INLINE void Transpose(__m256i& r0, __m256i& r1, __m256i& r2, __m256i& r3) {
    const __m256i t0 = _mm256_unpacklo_epi64(r0, r1);
    const __m256i t1 = _mm256_unpackhi_epi64(r0, r1);
    const __m256i t2 = _mm256_unpacklo_epi64(r2, r3);
    const __m256i t3 = _mm256_unpackhi_epi64(r2, r3);
    r0 = _mm256_permute2x128_si256(t0, t2, 0x20);
    r1 = _mm256_permute2x128_si256(t1, t3, 0x20);
    r2 = _mm256_permute2x128_si256(t0, t2, 0x31);
    r3 = _mm256_permute2x128_si256(t1, t3, 0x31);
}

// One pixel of each of four rows: left = ((left + sums) * factor) >> 12.
template <bool Wrap>
CORVANE_INLINE void Advance(__m256i& left, __m256i& column, __m256i factor) {
    left = _mm256_mulhi_epu16(_mm256_add_epi16(left, column), factor);
    if constexpr (Wrap) {
        left = _mm256_and_si256(left, _mm256_set1_epi16(0xFF));
    }
    column = left;
}

// Eight blended pixels as work entries with byte 3 clear, in pixel order.
CORVANE_INLINE __m256i PackBlock(const Block& block) {
    // Packing per 128-bit half takes pixels 0, 1 from low and 2, 3 from high,
    // then 4, 5 and 6, 7.
    return _mm256_packus_epi16(block.low, block.high);
}

template <SurfaceFormat Format>
constexpr ptrdiff_t kBytesPerPixel = Format == SurfaceFormat::Rgb32   ? 4
                                     : Format == SurfaceFormat::Rgb24 ? 3
                                                                      : 2;

// Surface pixels of eight work entries, for 15- and 16-bit surfaces.
template <SurfaceFormat Format>
CORVANE_INLINE __m256i Pack16(__m256i pixels) {
    // 5-5-5 or 5-6-5 with channel 0 in the top bits.
    constexpr bool wide = Format == SurfaceFormat::Rgb16;
    const auto mask = [](uint32_t bits) { return _mm256_set1_epi32(static_cast<int>(bits)); };
    const __m256i top = _mm256_slli_epi32(_mm256_and_si256(pixels, mask(0xF8)), wide ? 8 : 7);
    const __m256i middle = _mm256_and_si256(_mm256_srli_epi32(pixels, wide ? 5 : 6), mask(wide ? 0x7E0 : 0x3E0));
    const __m256i bottom = _mm256_and_si256(_mm256_srli_epi32(pixels, 19), mask(0x1F));
    return _mm256_or_si256(top, _mm256_or_si256(middle, bottom));
}

// Pixels per run of aligned stores into the surface.
template <SurfaceFormat Format>
constexpr ptrdiff_t kPixelsPerRun = Format == SurfaceFormat::Rgb32   ? 8
                                    : Format == SurfaceFormat::Rgb24 ? 32
                                                                     : 16;

CORVANE_INLINE void StoreAligned(uint8_t* target, __m256i bytes) {
    _mm256_store_si256(reinterpret_cast<__m256i*>(target), bytes);
}

// Writes one run of surface pixels from the work entries at `source`.
// Plain stores, not streaming ones: the display server copies the surface
// right after the call, and finds it in the cache instead of in memory.
template <SurfaceFormat Format>
CORVANE_INLINE void StoreRun(uint8_t* target, const uint32_t* source) {
    if constexpr (Format == SurfaceFormat::Rgb32) {
        StoreAligned(target, Load8(source));
    } else if constexpr (Format == SurfaceFormat::Rgb24) {
        // Four groups of eight pixels, each squeezed to 24 bytes (dwords 0-2
        // and 4-6 of its vector), spread over three 32-byte stores.
        const __m256i squeeze = _mm256_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1, 0, 1, 2, 4, 5,
                                                 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
        __m256i g[4];
        for (int i = 0; i < 4; ++i) {
            g[i] = _mm256_shuffle_epi8(Load8(source + 8 * i), squeeze);
        }
        const auto pick = [](__m256i v, int d0, int d1, int d2, int d3, int d4, int d5, int d6, int d7) {
            return _mm256_permutevar8x32_epi32(v, _mm256_setr_epi32(d0, d1, d2, d3, d4, d5, d6, d7));
        };
        StoreAligned(target,
               _mm256_blend_epi32(pick(g[0], 0, 1, 2, 4, 5, 6, 0, 0), pick(g[1], 0, 0, 0, 0, 0, 0, 0, 1), 0xC0));
        StoreAligned(target + 32,
               _mm256_blend_epi32(pick(g[1], 2, 4, 5, 6, 0, 0, 0, 0), pick(g[2], 0, 0, 0, 0, 0, 1, 2, 4), 0xF0));
        StoreAligned(target + 64,
               _mm256_blend_epi32(pick(g[2], 5, 6, 0, 0, 0, 0, 0, 0), pick(g[3], 0, 0, 0, 1, 2, 4, 5, 6), 0xFC));
    } else {
        // Packing per 128-bit half interleaves the two groups of eight by
        // fours; the 64-bit lane order 0, 2, 1, 3 puts them back in line.
        const __m256i packed = _mm256_packus_epi32(Pack16<Format>(Load8(source)), Pack16<Format>(Load8(source + 8)));
        StoreAligned(target, _mm256_permute4x64_epi64(packed, 0xD8));
    }
}

// Shows pixels 1..rowLength - 2 of a work row in a surface row: single
// pixels up to a 32-byte boundary of the surface, then whole runs.
template <SurfaceFormat Format>
void ShowRow(uint8_t* surfaceRow, const uint32_t* workRow, ptrdiff_t rowLength) {
    constexpr ptrdiff_t bytes = kBytesPerPixel<Format>;
    constexpr ptrdiff_t run = kPixelsPerRun<Format>;
    ptrdiff_t x = 1;
    const ptrdiff_t end = rowLength - 1;
    while (x < end && reinterpret_cast<uintptr_t>(surfaceRow + x * bytes) % 32 != 0) {
        StorePixel(Format, surfaceRow + x * bytes, workRow[x]);
        ++x;
    }
    for (; x + run <= end; x += run) {
        StoreRun<Format>(surfaceRow + x * bytes, workRow + x);
    }
    for (; x < end; ++x) {
        StorePixel(Format, surfaceRow + x * bytes, workRow[x]);
    }
}

// Stores the colour bytes of one lane's block into the work image, keeping
// byte 3.
CORVANE_INLINE void StoreFullBlock(const Lane& lane, const Block& block) {
    const __m256i merged =
        _mm256_blendv_epi8(PackBlock(block), Load8(lane.self), _mm256_set1_epi32(static_cast<int>(kByte3)));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(lane.self), merged);
}

void StoreBlock(const Lane& lane, const Block& block) {
    if (lane.count == kBlock) {
        StoreFullBlock(lane, block);
        return;
    }
    const __m256i entries = FirstEntries(lane.count);
    const __m256i merged = _mm256_blendv_epi8(PackBlock(block), LoadMasked(lane.self, entries),
                                              _mm256_set1_epi32(static_cast<int>(kByte3)));
    _mm256_maskstore_epi32(reinterpret_cast<int*>(lane.self), entries, merged);
}

// True when the colour bytes of every source and the colour channels of the
// left pixels are 0. Then every sum is 0 (sums add bytes, which cannot
// cancel), so all four blocks blend to 0 and already hold 0 (each sum
// includes the pixel itself), and the chain leaves 0 in every channel: most
// of a picture of stars on black is such blocks. Testing the loaded bytes
// spares a dark block the work of summing. An idle lane loads 0 and its left
// pixel is set again before it starts a row.
CORVANE_INLINE bool Dark(const Sources (&sources)[4], __m256i left) {
    __m256i any = _mm256_setzero_si256();
    for (const Sources& s : sources) {
        any = _mm256_or_si256(any, _mm256_or_si256(_mm256_or_si256(s.a, s.b), _mm256_or_si256(s.self, s.right)));
    }
    return _mm256_testz_si256(any, _mm256_set1_epi32(0x00FFFFFF)) != 0 &&
           _mm256_testz_si256(left, _mm256_set1_epi64x(0x0000FFFFFFFFFFFF)) != 0;
}

// Runs four lanes through one block: sums, transpose to pixel columns,
// eight chain steps, transpose back, store; dark blocks are left as they
// are. With Full, every lane has a full block.
template <bool Wrap, bool Full>
CORVANE_INLINE void BlendQuad(const Plan& plan, const Lane (&lanes)[4], __m256i& leftPixels) {
    Sources sources[4];
    for (int i = 0; i < 4; ++i) {
        sources[i] = Full ? LoadFullSources(plan, lanes[i].self) : LoadSources(plan, lanes[i]);
    }
    if (Dark(sources, leftPixels)) {
        leftPixels = _mm256_setzero_si256();
        return;
    }
    Block b[4];
    for (int i = 0; i < 4; ++i) {
        b[i] = SumNeighbours(sources[i]);
    }
    Transpose(b[0].low, b[1].low, b[2].low, b[3].low);
    Transpose(b[0].high, b[1].high, b[2].high, b[3].high);
    // Column i of the low vectors is pixel 0, 1, 4, 5; of the high ones 2, 3, 6, 7.
    const __m256i factor = plan.factor;
    __m256i left = leftPixels;
    Advance<Wrap>(left, b[0].low, factor);
    Advance<Wrap>(left, b[1].low, factor);
    Advance<Wrap>(left, b[0].high, factor);
    Advance<Wrap>(left, b[1].high, factor);
    Advance<Wrap>(left, b[2].low, factor);
    Advance<Wrap>(left, b[3].low, factor);
    Advance<Wrap>(left, b[2].high, factor);
    Advance<Wrap>(left, b[3].high, factor);
    leftPixels = left;
    Transpose(b[0].low, b[1].low, b[2].low, b[3].low);
    Transpose(b[0].high, b[1].high, b[2].high, b[3].high);
    for (int i = 0; i < 4; ++i) {
        if (Full) {
            StoreFullBlock(lanes[i], b[i]);
        } else if (lanes[i].count != 0) {
            StoreBlock(lanes[i], b[i]);
        }
    }
}

// Lane `lane` of a group of four with its left neighbour set to a work
// entry, widened to four 16-bit channels.
CORVANE_INLINE __m256i WithLeftPixel(__m256i quad, ptrdiff_t lane, uint32_t entry) {
    const __m256i wide = _mm256_broadcastq_epi64(_mm_cvtepu8_epi16(_mm_cvtsi32_si128(static_cast<int>(entry))));
    const __m256i chosen = _mm256_cmpeq_epi64(_mm256_setr_epi64x(0, 1, 2, 3), _mm256_set1_epi64x(lane));
    return _mm256_blendv_epi8(quad, wide, chosen);
}

// Where one lane of the wavefront stands. Lane i starts i steps after lane
// 0 on work row 1 + i and, having finished a row, goes on with the row
// kLanes below in the next step, so the skew between lanes holds from the
// first row to the last: each row is kept one block behind the row above.
struct LaneState {
    ptrdiff_t row;    // work row of the lane's next block
    ptrdiff_t block;  // that block; negative while the lane waits to start
};

// The lane's block in the work image; count 0 when the lane has none.
CORVANE_INLINE Lane LaneBlock(const Plan& plan, const LaneState& state) {
    const BlendCall& call = plan.call;
    if (state.block < 0 || state.row > call.rows) {
        return Lane{};
    }
    const ptrdiff_t first = 1 + state.block * kBlock;
    return Lane{call.work + state.row * call.pitch + first, Smaller(kBlock, call.rowLength - 1 - first)};
}

// After a lane's block: a finished row goes into the surface while it is
// still in the cache (the last blended row is not shown in this call), and
// the lane goes on to its next block.
template <SurfaceFormat Format>
CORVANE_INLINE void FinishBlock(const Plan& plan, LaneState& state) {
    const BlendCall& call = plan.call;
    ++state.block;
    if (state.block < plan.blocks) {
        return;
    }
    if (state.row < call.rows) {
        ShowRow<Format>(call.surface + state.row * call.pitch * kBytesPerPixel<Format>,
                        call.work + state.row * call.pitch, call.rowLength);
    }
    state = LaneState{state.row + kLanes, 0};
}

// One step of four lanes: each lane blends its block, a lane starting a row
// with that row's pixel 0 as its left neighbour.
template <SurfaceFormat Format, bool Wrap>
CORVANE_INLINE void StepQuad(const Plan& plan, LaneState (&states)[4], __m256i& left) {
    Lane lanes[4];
    bool full = true;
    for (ptrdiff_t i = 0; i < 4; ++i) {
        lanes[i] = LaneBlock(plan, states[i]);
        full = full && lanes[i].count == kBlock;
        if (lanes[i].count != 0 && states[i].block == 0) {
            left = WithLeftPixel(left, i, plan.call.work[states[i].row * plan.call.pitch]);
        }
    }
    if (full) {
        BlendQuad<Wrap, true>(plan, lanes, left);
    } else {
        BlendQuad<Wrap, false>(plan, lanes, left);
    }
    for (ptrdiff_t i = 0; i < 4; ++i) {
        if (lanes[i].count != 0) {
            FinishBlock<Format>(plan, states[i]);
        } else if (states[i].block < 0) {
            ++states[i].block;
        }
    }
}

// Steps until the last lane has finished its last row.
ptrdiff_t StepCount(const Plan& plan) {
    const ptrdiff_t rows = plan.call.rows;
    ptrdiff_t steps = 0;
    for (ptrdiff_t lane = 0; lane < kLanes && lane < rows; ++lane) {
        const ptrdiff_t laneRows = (rows - 1 - lane) / kLanes + 1;
        const ptrdiff_t laneSteps = lane + laneRows * plan.blocks;
        steps = laneSteps > steps ? laneSteps : steps;
    }
    return steps;
}

// Steps from now in which every lane stays on a full block away from both
// ends of its row, so that no lane starts, finishes or waits: 0 when some
// lane does one of these in this step.
ptrdiff_t SteadyStepCount(const Plan& plan, const LaneState (&states)[kLanes / 4][4]) {
    ptrdiff_t steady = plan.blocks;
    for (const auto& quad : states) {
        for (const LaneState& state : quad) {
            if (state.block < 1 || state.row > plan.call.rows) {
                return 0;
            }
            steady = Smaller(steady, plan.blocks - 1 - state.block);
        }
    }
    return steady;
}

// `count` steady steps: the lanes' blocks follow one another along their
// rows, so their places are worked out once and no row finishes.
template <bool Wrap>
void SteadySteps(const Plan& plan, LaneState (&states)[kLanes / 4][4], __m256i (&left)[kLanes / 4],
                 ptrdiff_t count) {
    Lane lanes[kLanes / 4][4];
    for (ptrdiff_t quad = 0; quad < kLanes / 4; ++quad) {
        for (ptrdiff_t i = 0; i < 4; ++i) {
            lanes[quad][i] = LaneBlock(plan, states[quad][i]);
            states[quad][i].block += count;
        }
    }
    for (ptrdiff_t step = 0; step < count; ++step) {
        for (ptrdiff_t quad = 0; quad < kLanes / 4; ++quad) {
            BlendQuad<Wrap, true>(plan, lanes[quad], left[quad]);
            for (Lane& lane : lanes[quad]) {
                lane.self += kBlock;
            }
        }
    }
}

// Blends work rows 1..rows in one wavefront and shows each row as it
// becomes final. Row 0 is shown as it is.
template <SurfaceFormat Format, bool Wrap>
void BlendAllRows(const Plan& plan) {
    const BlendCall& call = plan.call;
    ShowRow<Format>(call.surface, call.work, call.rowLength);
    LaneState states[kLanes / 4][4];
    for (ptrdiff_t lane = 0; lane < kLanes; ++lane) {
        states[lane / 4][lane % 4] = LaneState{1 + lane, -lane};
    }
    __m256i left[kLanes / 4] = {};
    const ptrdiff_t steps = StepCount(plan);
    for (ptrdiff_t step = 0; step < steps;) {
        const ptrdiff_t steady = Smaller(SteadyStepCount(plan, states), steps - step);
        if (steady > 0) {
            SteadySteps<Wrap>(plan, states, left, steady);
            step += steady;
            continue;
        }
        for (ptrdiff_t quad = 0; quad < kLanes / 4; ++quad) {
            StepQuad<Format, Wrap>(plan, states[quad], left[quad]);
        }
        ++step;
    }
}

template <bool Wrap>
void BlendAllRows(const Plan& plan) {
    switch (plan.call.format) {
    case SurfaceFormat::Rgb15: return BlendAllRows<SurfaceFormat::Rgb15, Wrap>(plan);
    case SurfaceFormat::Rgb16: return BlendAllRows<SurfaceFormat::Rgb16, Wrap>(plan);
    case SurfaceFormat::Rgb24: return BlendAllRows<SurfaceFormat::Rgb24, Wrap>(plan);
    case SurfaceFormat::Rgb32: return BlendAllRows<SurfaceFormat::Rgb32, Wrap>(plan);
    }
}

// Copy mode: the 32-bit surface shows work row i and clears it whole; the
// others show row i + 1 and keep its byte 3.
template <SurfaceFormat Format>
void CopyAllRows(const BlendCall& call) {
    constexpr bool whole = Format == SurfaceFormat::Rgb32;
    constexpr ptrdiff_t sourceRow = whole ? 0 : 1;
    for (ptrdiff_t row = 0; row < call.rows; ++row) {
        uint32_t* source = call.work + (row + sourceRow) * call.pitch;
        ShowRow<Format>(call.surface + row * call.pitch * kBytesPerPixel<Format>, source, call.rowLength);
        if constexpr (whole) {
            std::memset(source + 1, 0, (call.rowLength - 2) * sizeof *source);
        } else {
            for (ptrdiff_t x = 1; x < call.rowLength - 1; ++x) {
                source[x] &= kByte3;
            }
        }
    }
}

void CopyAllRows(const BlendCall& call) {
    switch (call.format) {
    case SurfaceFormat::Rgb15: return CopyAllRows<SurfaceFormat::Rgb15>(call);
    case SurfaceFormat::Rgb16: return CopyAllRows<SurfaceFormat::Rgb16>(call);
    case SurfaceFormat::Rgb24: return CopyAllRows<SurfaceFormat::Rgb24>(call);
    case SurfaceFormat::Rgb32: return CopyAllRows<SurfaceFormat::Rgb32>(call);
    }
}

}  // namespace

// The fast paths take calls whose rows do not overlap; blending also needs
// neighbour offsets of whole rows, a factor the 16-bit multiply handles, and
// rows of more than kLanes - 1 blocks, so that a lane going on to the row
// kLanes below stays behind the lane that blends the row above it.
bool BlendRowsFast(const BlendCall& call) {
    if (call.pitch < call.rowLength) {
        return false;
    }
    if (call.factor == kCopyFactor) {
        CopyAllRows(call);
    } else {
        const ptrdiff_t rowBytes = call.pitch * 4;
        if (call.factor > kLargestFastFactor || call.offsetA % rowBytes != 0 || call.offsetB % rowBytes != 0 ||
            call.rowLength - 2 <= (kLanes - 1) * kBlock) {
            return false;
        }
        const auto channel = static_cast<int64_t>(call.factor * 16);
        const Plan plan{
            .call = call,
            .blocks = (call.rowLength - 2 + kBlock - 1) / kBlock,
            .leadOffset = call.offsetA > call.offsetB ? (call.offsetA > 0 ? call.offsetA : 0)
                                                      : (call.offsetB > 0 ? call.offsetB : 0),
            .factor = _mm256_set1_epi64x(channel | channel << 16 | channel << 32),
        };
        if (call.factor <= kLargestFactorWithoutWrap) {
            BlendAllRows<false>(plan);
        } else {
            BlendAllRows<true>(plan);
        }
    }
    return true;
}

}  // namespace orbweave::corvane

#else

namespace orbweave::corvane {

bool BlendRowsFast(const BlendCall&) { return false; }

}  // namespace orbweave::corvane

#endif
