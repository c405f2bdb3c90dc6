// The four blend routines against the reference model, and their edge cases.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "corvane/blend_reference.h"
#include "corvane/corvane.h"

namespace orbweave::corvane::testing {
namespace {

CorvaneBlendFn BlendFor(int bits) {
    switch (bits) {
    case 15: return BlendPixelLongRGB15;
    case 16: return BlendPixelLongRGB16;
    case 24: return BlendPixelLongRGB24;
    default: return BlendPixelLongRGB32;
    }
}

// A work image and a surface with room around the blended rows for
// neighbour offsets of up to kMargin rows.
struct Frame {
    static constexpr int kMargin = 21;

    Frame(const BlendSetup& setup, uint32_t seed, size_t surfaceShift = 0)
        : setup(setup), workStart(4 * static_cast<size_t>(kMargin) * setup.pitch), surfaceStart(surfaceShift) {
        const size_t entries = static_cast<size_t>(setup.rows + 2 + 2 * kMargin) * setup.pitch + 1;
        std::mt19937 random(seed);
        work.resize(4 * entries);
        for (uint8_t& byte : work) {
            byte = static_cast<uint8_t>(random());
        }
        surface.assign(
            surfaceShift + (static_cast<size_t>(setup.rows) * setup.pitch + 2) * SurfaceBytesPerPixel(setup.bits),
            0x5A);
    }

    // Calls the library so that exactly setup.rows output rows are processed.
    void RunLibrary() {
        const int bytes = SurfaceBytesPerPixel(setup.bits);
        uint8_t* start = surface.data() + surfaceStart;
        const uint8_t* end = start + ((setup.rows - 1) * setup.pitch + 1) * bytes + 1;
        BlendFor(setup.bits)(start, end, reinterpret_cast<uint32_t*>(work.data() + workStart), setup.rowLength,
                             setup.pitch, static_cast<int32_t>(setup.factor), setup.offsetA, setup.offsetB);
    }

    void RunReference() { ReferenceBlend(setup, work, workStart, surface, surfaceStart); }

    BlendSetup setup;
    size_t workStart;
    size_t surfaceStart;
    std::vector<uint8_t> work;
    std::vector<uint8_t> surface;
};

struct OffsetPair {
    const char* name;
    int rowsA;
    int rowsB;
    int bytesExtra;  // added to offset A; not 0 leaves whole rows
};

// The program's pairs (rows above and below, one neighbour being the pixel
// itself, both above, both below) and two that are not whole rows.
constexpr OffsetPair kOffsetPairs[] = {
    {"above and below", -1, 1, 0}, {"below and above", 1, -1, 0}, {"above and self", -1, 0, 0},
    {"both above", -1, -4, 0},     {"both below", 1, 3, 0},       {"diagonal", -1, 1, 4},
    {"odd bytes", -1, 1, 1},
};

constexpr uint32_t kFactors[] = {720, 721, 770, 800, 820, 920, 4095, 4096, 70000};

void ExpectSameAsReference(int bits) {
    uint32_t seed = static_cast<uint32_t>(bits);
    for (const OffsetPair& pair : kOffsetPairs) {
        for (uint32_t factor : kFactors) {
            for (int rowLength : {1, 2, 3, 4, 11, 150}) {
                for (int rows : {1, 3, 37}) {
                    // A pitch below the row length overlaps rows: only the
                    // byte-by-byte path takes such calls.
                    for (int pitchExtra : {-1, 0, 3}) {
                        const int pitch = rowLength + pitchExtra;
                        const BlendSetup setup{bits,
                                               rowLength,
                                               pitch,
                                               rows,
                                               factor,
                                               4 * pair.rowsA * pitch + pair.bytesExtra,
                                               4 * pair.rowsB * pitch};
                        ++seed;
                        Frame library(setup, seed, seed % 5);
                        Frame reference = library;
                        library.RunLibrary();
                        reference.RunReference();
                        ASSERT_EQ(library.work, reference.work) << pair.name << " factor " << factor << " row length "
                                                                << rowLength << " rows " << rows << " pitch " << pitch;
                        ASSERT_EQ(library.surface, reference.surface)
                            << pair.name << " factor " << factor << " row length " << rowLength << " rows " << rows
                            << " pitch " << pitch;
                    }
                }
            }
        }
    }
}

TEST(BlendMatchesReference, Rgb15) { ExpectSameAsReference(15); }
TEST(BlendMatchesReference, Rgb16) { ExpectSameAsReference(16); }
TEST(BlendMatchesReference, Rgb24) { ExpectSameAsReference(24); }
TEST(BlendMatchesReference, Rgb32) { ExpectSameAsReference(32); }

TEST(BlendMatchesReference, LargeImageInEveryFormat) {
    for (int bits : {15, 16, 24, 32}) {
        const int pitch = 643;
        const BlendSetup setup{bits, 640, pitch, 70, 800, -4 * pitch, 4 * pitch};
        Frame library(setup, 99, 1);
        Frame reference = library;
        library.RunLibrary();
        reference.RunReference();
        EXPECT_EQ(library.work, reference.work) << bits;
        EXPECT_EQ(library.surface, reference.surface) << bits;
    }
}

// Rows processed side by side: widths around the narrowest that runs them
// together, row counts around multiples of the rows run at once, the
// program's farthest neighbour rows (8 above or below) and rows farther
// away than the rows run at once, in every format, with and without byte
// wrap, on surfaces at every offset from a cache line.
TEST(BlendMatchesReference, RowsRunSideBySide) {
    struct Geometry {
        int rowLength;
        int rows;
    };
    constexpr Geometry kGeometries[] = {{122, 17}, {123, 16}, {123, 33}, {130, 17}, {131, 48}, {1920, 35}};
    constexpr OffsetPair kFarPairs[] = {
        {"above and below", -1, 1, 0}, {"8 above", -1, -8, 0}, {"8 below", 1, 8, 0}, {"20 apart", -20, 20, 0}};
    uint32_t seed = 500;
    for (const Geometry& geometry : kGeometries) {
        for (const OffsetPair& pair : kFarPairs) {
            for (uint32_t factor : {800u, 900u}) {
                for (int bits : {15, 16, 24, 32}) {
                    const int pitch = geometry.rowLength + static_cast<int>(seed % 3);
                    const BlendSetup setup{bits,   geometry.rowLength,     pitch, geometry.rows, factor,
                                           4 * pair.rowsA * pitch, 4 * pair.rowsB * pitch};
                    ++seed;
                    Frame library(setup, seed, seed % 64);
                    Frame reference = library;
                    library.RunLibrary();
                    reference.RunReference();
                    ASSERT_EQ(library.work, reference.work)
                        << pair.name << " factor " << factor << " row length " << geometry.rowLength << " bits " << bits;
                    ASSERT_EQ(library.surface, reference.surface)
                        << pair.name << " factor " << factor << " row length " << geometry.rowLength << " bits " << bits;
                }
            }
        }
    }
}

// Mostly black pictures, as the program blends them: black areas are
// skipped, which must keep byte 3 wherever it is set, and must not swallow a
// lit pixel 0 of a row, a lit pixel just left of a black block, or light in
// a neighbour row only.
TEST(BlendMatchesReference, MostlyBlackPictures) {
    struct Picture {
        const char* name;
        int litEvery;        // one entry in this many gets colour
        bool byte3;          // byte 3 set at random everywhere
        bool litFirstPixel;  // pixel 0 of every row lit
    };
    constexpr Picture kPictures[] = {
        {"black", 0, false, false},
        {"black, byte 3 set", 0, true, false},
        {"lit pixel 0", 0, true, true},
        {"sparse stars", 997, true, false},
        {"sparse stars on rows", 97, false, true},
    };
    uint32_t seed = 900;
    for (const Picture& picture : kPictures) {
        for (int bits : {16, 32}) {
            const int pitch = 650;
            const BlendSetup setup{bits, 640, pitch, 40, 800, -4 * pitch, 4 * pitch};
            Frame library(setup, ++seed, 0);
            std::mt19937 random(seed);
            auto* entries = reinterpret_cast<uint32_t*>(library.work.data());
            const size_t count = library.work.size() / 4;
            for (size_t i = 0; i < count; ++i) {
                const bool lit = picture.litEvery != 0 && random() % picture.litEvery == 0;
                const bool first = picture.litFirstPixel && i % pitch == 0;
                const uint32_t value = static_cast<uint32_t>(random());
                entries[i] = (lit || first ? value & 0x00FFFFFF : 0) | (picture.byte3 ? value & 0xFF000000 : 0);
            }
            Frame reference = library;
            library.RunLibrary();
            reference.RunReference();
            ASSERT_EQ(library.work, reference.work) << picture.name << " bits " << bits;
            ASSERT_EQ(library.surface, reference.surface) << picture.name << " bits " << bits;
        }
    }
}

// A 5 x 5 work image of one colour value in every channel, blended once with
// the rows above and below; the first blended entry of the middle row, whose
// neighbours all still hold the value.
uint32_t BlendedCentre(uint8_t value, int32_t factor) {
    std::vector<uint32_t> work(25, 0x01010101u * value);
    std::vector<uint32_t> surface(25);
    BlendPixelLongRGB32(surface.data(), surface.data() + 6, work.data() + 5, 5, 5, factor, -20, 20);
    return work[11];
}

TEST(BlendArithmetic, UniformAreaFadesByFactor) {
    EXPECT_EQ(BlendedCentre(200, 721), 0xC8B0B0B0u);  // 176, byte 3 kept
    EXPECT_EQ(BlendedCentre(200, 770), 0xC8BBBBBBu);  // 187
    EXPECT_EQ(BlendedCentre(200, 820), 0xC8C8C8C8u);  // 200: only blurs
}

TEST(BlendArithmetic, ResultsAboveAByteWrapToTheLowByte) {
    // (5 * 255 * 1000) >> 12 = 311, stored as 311 - 256.
    EXPECT_EQ(BlendedCentre(255, 1000) & 0xFF, 55u);
}

// Copy mode shows one entry in a 16-bit surface.
uint16_t CopiedPixel(CorvaneBlendFn blend, uint32_t entry) {
    std::vector<uint32_t> work(12, entry);
    std::vector<uint16_t> surface(12, 0);
    blend(surface.data(), surface.data() + 2, work.data(), 3, 3, 720, 0, 0);
    return surface[1];
}

TEST(BlendPacking, FifteenAndSixteenBitsPutChannelZeroOnTop) {
    EXPECT_EQ(CopiedPixel(BlendPixelLongRGB15, 0x000880FF), 0x7E01);
    EXPECT_EQ(CopiedPixel(BlendPixelLongRGB16, 0x000880FF), 0xFC01);
}

TEST(BlendCopyMode, ShowsAndClearsTheWorkImage) {
    std::vector<uint32_t> work(12, 0xAA123456);
    std::vector<uint32_t> surface(12, 0);
    BlendPixelLongRGB32(surface.data(), surface.data() + 2, work.data(), 3, 3, 720, 0, 0);
    EXPECT_EQ(surface[1], 0xAA123456u);
    EXPECT_EQ(work[1], 0u);  // the 32-bit routine shows row 0 and clears it whole
    BlendPixelLongRGB32(surface.data(), surface.data() + 2, work.data(), 3, 3, 720, 0, 0);
    EXPECT_EQ(surface[1], 0u);  // nothing drawn in between: black
}

TEST(BlendCopyMode, NarrowFormatsShowTheRowBelowAndKeepByteThree) {
    std::vector<uint32_t> work(12, 0);
    work[4] = 0xAAFFFFFF;
    std::vector<uint8_t> surface(12 * 3, 0);
    BlendPixelLongRGB24(surface.data(), surface.data() + 4, work.data(), 3, 3, 720, 0, 0);
    EXPECT_EQ(surface[3], 0xFF);
    EXPECT_EQ(work[4], 0xAA000000u);
}

TEST(BlendRows, NothingHappensWithoutARowToProcess) {
    std::vector<uint32_t> work(40, 0x00808080);
    const std::vector<uint32_t> untouched = work;
    std::vector<uint32_t> surface(40, 7);
    // Row length 2: no pixel; pixel 1 of row 0 at the end: no row; pitch 0 or
    // negative: the rows would never reach the end.
    BlendPixelLongRGB32(surface.data(), surface.data() + 20, work.data() + 8, 2, 4, 800, -16, 16);
    BlendPixelLongRGB32(surface.data(), surface.data() + 1, work.data() + 8, 4, 4, 800, -16, 16);
    BlendPixelLongRGB32(surface.data(), surface.data() + 20, work.data() + 8, 4, 0, 800, 0, 0);
    BlendPixelLongRGB32(surface.data(), surface.data() + 20, work.data() + 8, 4, -4, 800, 0, 0);
    EXPECT_EQ(work, untouched);
    EXPECT_EQ(surface, std::vector<uint32_t>(40, 7));
}

TEST(BlendRows, RowsRunWhilePixelOneIsBelowTheEnd) {
    // Pitch 4: pixel 1 of row 2 is at entry 9; an end at entry 10 processes
    // three rows, an end at entry 9 two.
    for (const auto& [endEntry, rows] : {std::pair{10, 3}, std::pair{9, 2}}) {
        std::vector<uint32_t> work(40, 0x00010101);
        std::vector<uint32_t> surface(40, 0xFFFFFFFF);
        BlendPixelLongRGB32(surface.data(), surface.data() + endEntry, work.data(), 4, 4, 720, 0, 0);
        for (int row = 0; row < 4; ++row) {
            EXPECT_EQ(surface[4 * row + 1] != 0xFFFFFFFF, row < rows) << endEntry << " " << row;
        }
    }
}

}  // namespace
}  // namespace orbweave::corvane::testing
