// The 8-bit buffer blend and the point-list plotter.
#include <gtest/gtest.h>

#include <vector>

#include "corvane/corvane.h"

namespace {

// Indices of the bytes a blend of a uniform buffer of 200s changes.
std::pair<int, int> ChangedRange(int rows, int pitch, int shift) {
    std::vector<uint8_t> buffer(static_cast<size_t>(rows) * pitch, 200);
    BlendPaletteByteArray(buffer.data(), 0, rows, pitch, 721, shift);
    int first = -1;
    int last = -1;
    for (int i = 0; i < static_cast<int>(buffer.size()); ++i) {
        if (buffer[i] != 200) {
            first = first < 0 ? i : first;
            last = i;
        }
    }
    return {first, last};
}

TEST(BlendPaletteByteArray, BlendsFromTheSecondRowUpToThreeBytesBeforeTheLast) {
    EXPECT_EQ(ChangedRange(6, 8, 0), std::pair(8, 37));
}

TEST(BlendPaletteByteArray, LargeShiftsLeaveRowsOutAtTopOrBottom) {
    EXPECT_EQ(ChangedRange(10, 8, 4), std::pair(24, 69));  // starts at row 3
    EXPECT_EQ(ChangedRange(10, 8, -4), std::pair(8, 53));  // ends two rows earlier
    EXPECT_EQ(ChangedRange(3, 8, 0), std::pair(8, 13));
    EXPECT_EQ(ChangedRange(2, 8, 0), std::pair(-1, -1));  // nothing to blend
}

TEST(BlendPaletteByteArray, TakesItsNeighboursFromTheShift) {
    // Shift 0: rows above and below; factor 4096 keeps the plain sums.
    std::vector<uint8_t> buffer = {10, 10, 10, 10, 20, 20, 20, 20, 30, 30, 30, 30};
    BlendPaletteByteArray(buffer.data(), 0, 3, 4, 4096, 0);
    EXPECT_EQ(buffer[4], 90);   // right 20, left 10 (row end), below 30, above 10, itself 20
    EXPECT_EQ(buffer[5], 170);  // right 20, left 90 (just blended), 30, 10, 20
}

TEST(SetPixelLongRGB32, SetsOnlyPointsStrictlyInsideTheLimits) {
    std::vector<uint32_t> buffer(5 * 4, 0);
    const std::vector<int32_t> xs = {1, 0, 4, -1, 3, 2, 3};
    const std::vector<int32_t> ys = {1, 2, 2, 2, 0, 5, 4};
    const std::vector<uint32_t> colours = {11, 12, 13, 14, 15, 16, 17};
    EXPECT_EQ(SetPixelLongRGB32(buffer.data(), 4, 5, 4, 7, xs.data(), ys.data(), colours.data()), 0);
    std::vector<uint32_t> expected(5 * 4, 0);
    expected[1 * 4 + 1] = 11;
    expected[4 * 4 + 3] = 17;
    EXPECT_EQ(buffer, expected);
}

}  // namespace
