// Plain value types shared by every display backend: results, rectangles,
// pixel layouts, display modes, fonts.
#pragma once

#include <cstdint>
#include <string>

namespace orbweave::display {

// Every operation reports its outcome; nothing throws.
enum class Result {
    Ok,
    Failed,          // the operation was refused or could not be carried out
    Released,        // the object (or the system that made it) has been released
    SurfaceLost,     // the surface memory is lost; restore the surfaces first
    NoFlipHardware,  // a flip was asked for where no flip chain can flip
    ModeRefused,     // the display mode is not offered by the screen
    Busy,            // the surface is locked
};

inline bool Succeeded(Result r) { return r == Result::Ok; }

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

// Right and bottom are exclusive, as in every rectangle of the system.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool operator==(const Rect&) const = default;
};

// The four surface layouts the blend routines write. The 24- and 32-bit ones
// hold blue in their lowest byte (memory order B,G,R and B,G,R,X).
enum class PixelLayout { Rgb555, Rgb565, Bgr24, Xrgb8888 };

struct PixelFormat {
    PixelLayout layout = PixelLayout::Xrgb8888;
    int bitsPerPixel = 32;  // storage bits: a 5-5-5 surface reports 16
    int bytesPerPixel = 4;
    std::uint32_t redMask = 0;
    std::uint32_t greenMask = 0;
    std::uint32_t blueMask = 0;
    bool operator==(const PixelFormat&) const = default;
};

PixelFormat FormatOf(PixelLayout layout);
// A raw pixel value as 0xRRGGBB, each channel widened to eight bits.
std::uint32_t DecodeRgb(std::uint32_t pixel, const PixelFormat& format);

struct DisplayMode {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    bool operator==(const DisplayMode&) const = default;
};

enum class CooperativeLevel { Normal, Exclusive };

// Memory of a locked surface: `address` stays valid until the unlock.
struct LockedRect {
    std::uint8_t* address = nullptr;
    int width = 0;
    int height = 0;
    int pitchBytes = 0;
    int bytesPerPixel = 0;
};

struct FontSpec {
    std::string name = "Arial";
    double pointSize = 12.0;
    bool bold = false;
    bool operator==(const FontSpec&) const = default;
};

}  // namespace orbweave::display
