// Frames of 0x00RRGGBB packed into the channels of X visuals SDL cannot
// draw: each channel widened to its mask, full stays full, order follows
// the masks.
#include "platform/window/x11_pixels.h"

#include <gtest/gtest.h>

namespace orbweave::window {
namespace {

struct Masks {
    const char* name;
    std::uint32_t red, green, blue;
};

constexpr Masks kRgb30{"30-bit, red high", 0x3FF00000, 0x000FFC00, 0x000003FF};
constexpr Masks kBgr30{"30-bit, red low", 0x000003FF, 0x000FFC00, 0x3FF00000};
constexpr Masks kRgb24{"24-bit", 0x00FF0000, 0x0000FF00, 0x000000FF};

TEST(PixelPacker, WidensEachChannelToItsMask) {
    const struct {
        Masks masks;
        std::uint32_t rgb;
        std::uint32_t packed;
    } rows[] = {
        {kRgb30, 0xFFFFFF, 0x3FFFFFFF},  // white fills every bit of the channels, none beyond
        {kRgb30, 0x000000, 0x00000000},   {kRgb30, 0xFF0000, 0x3FF00000},
        {kRgb30, 0x000001, 0x00000004},  // 1 of 255 is 4 of 1023
        {kRgb30, 0x008000, 0x00080800},  // 128 of 255 is 514 of 1023 (0x202)
        {kBgr30, 0xFF0000, 0x000003FF},   {kBgr30, 0x0000FF, 0x3FF00000},
        {kRgb24, 0x123456, 0x00123456},    // same widths: unchanged
        {kRgb24, 0xFF123456, 0x00123456},  // the spare byte carries no colour
    };
    for (const auto& row : rows) {
        const PixelPacker packer(row.masks.red, row.masks.green, row.masks.blue);
        EXPECT_EQ(packer.Pack(row.rgb), row.packed) << row.masks.name << " " << std::hex << row.rgb;
    }
}

}  // namespace
}  // namespace orbweave::window
