// Pictures put into X windows whose pixel format SDL cannot draw: a 30-bit
// screen (10 bits a channel) has visuals SDL names no format for, so SDL
// makes no window surface there. The frame is kept as 0x00RRGGBB pixels and
// packed into the window visual's channels when it is shown. Also the
// screen's real bits per pixel, which SDL does not report for such screens
// nor for 8-bit ones.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "platform/window/x11_windows.h"

struct _XDisplay;

namespace orbweave::window {

// Storage bits per pixel of the default screen of DISPLAY (8 on an 8-bit
// screen, 32 on a 24- or 30-bit one); nothing without an X display.
std::optional<int> ScreenBitsPerPixel();

// Widens each 8-bit channel of 0x00RRGGBB to the width of its mask and
// moves it there: 0xFF becomes a full channel of any width.
class PixelPacker {
public:
    PixelPacker(std::uint32_t redMask, std::uint32_t greenMask, std::uint32_t blueMask);
    std::uint32_t Pack(std::uint32_t rgb) const {
        return red_[(rgb >> 16) & 0xFF] | green_[(rgb >> 8) & 0xFF] | blue_[rgb & 0xFF];
    }

private:
    using Channel = std::array<std::uint32_t, 256>;
    static Channel ChannelFor(std::uint32_t mask);

    Channel red_;
    Channel green_;
    Channel blue_;
};

// Puts 0x00RRGGBB frames into one window of a true-colour visual with
// 32-bit pixels, through the connection that owns the window.
class XPixelWriter {
public:
    // Null when the window's visual is not true colour (or direct colour
    // with straight ramps) with 32-bit pixels.
    static std::unique_ptr<XPixelWriter> For(_XDisplay* display, NativeWindowId window);
    ~XPixelWriter();
    XPixelWriter(const XPixelWriter&) = delete;
    XPixelWriter& operator=(const XPixelWriter&) = delete;

    // Packs the rows (`pitchPixels` apart) and shows them at the window's
    // top left corner. False when the server refused them.
    bool Put(const std::uint32_t* pixels, int width, int height, int pitchPixels);

private:
    struct Parts;
    explicit XPixelWriter(std::unique_ptr<Parts> parts);
    std::unique_ptr<Parts> parts_;
};

}  // namespace orbweave::window
