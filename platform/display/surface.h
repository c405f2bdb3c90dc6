// A surface: pixel memory in one of the four layouts, locked for direct
// writes, filled, blitted, flipped and written on with text. Surfaces are
// made by a DisplaySystem; once it or the surface is released every
// operation fails softly with Result::Released.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/display/types.h"

namespace orbweave::display {

class DisplaySystem;
class Window;

enum class SurfaceKind {
    Primary,     // the visible surface
    BackBuffer,  // attached to a primary surface, swapped with it by a flip
    Plain,       // an off-screen surface in system memory
};

// Binds a primary surface to the window whose client area it may draw into.
class Clipper {
public:
    Result SetWindow(std::shared_ptr<Window> window);
    std::shared_ptr<Window> GetWindow() const { return window_; }
    void Release();
    bool IsReleased() const { return released_; }

private:
    std::shared_ptr<Window> window_;
    bool released_ = false;
};

class Surface {
public:
    Surface(DisplaySystem* owner, SurfaceKind kind, Size size, PixelFormat format);
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    Result Lock(LockedRect& out);
    Result Unlock();
    // `pixel` is a raw value in the surface's own layout (0 is black).
    Result Fill(const Rect& rect, std::uint32_t pixel);
    bool IsLost() const;
    Result GetPixelFormat(PixelFormat& out) const;
    Result GetAttachedBackBuffer(std::shared_ptr<Surface>& out) const;

    // Presentation; on a primary surface these put the result on screen.
    Result Flip();
    Result BltFast(int x, int y, Surface& source, const Rect& sourceRect);
    Result Blt(const Rect& destination, Surface& source, const Rect& sourceRect);
    Result SetClipper(std::shared_ptr<Clipper> clipper);
    // From now on the surface (a back buffer or an off-screen surface) draws
    // straight into the memory its display's window shows, whenever the
    // window lends memory of its size, layout and pitch: a flip or a whole
    // blit of it onto the primary then shows it without a copy.
    Result ShareWindowPixels();
    // True while the surface's memory is the window's.
    bool SharesWindowPixels() const { return lender_ != nullptr; }

    // Text, drawn with the surface's font and colour; `rgb` has red in its
    // low byte whatever the surface layout. Fails while the surface is locked.
    Result SetFont(const FontSpec& font);
    Result SetTextColour(std::uint32_t rgb);
    Result DrawText(int x, int y, const std::string& text);
    Result MeasureText(const std::string& text, Size& out);

    void Release();
    bool IsReleased() const { return owner_ == nullptr; }

    // Read access for presentation and tests.
    SurfaceKind Kind() const { return kind_; }
    Size GetSize() const { return size_; }
    const PixelFormat& Format() const { return format_; }
    int PitchBytes() const { return pitch_; }
    // Empty once released from the window whose memory it drew into.
    std::span<const std::uint8_t> Pixels() const {
        return {memory_, memory_ == nullptr ? 0 : static_cast<std::size_t>(pitch_) * size_.height};
    }
    std::uint32_t PixelAt(int x, int y) const;
    std::uint32_t RgbAt(int x, int y) const { return DecodeRgb(PixelAt(x, y), format_); }
    std::shared_ptr<Clipper> GetClipper() const { return clipper_; }

private:
    friend class DisplaySystem;

    void Resize(Size size);
    void SwapPixels(Surface& other);
    void SetLost(bool lost) { lost_ = lost; }
    void Detach();
    // Follows the window's memory when the surface shares it (the window may
    // have moved it since the last frame); a no-op otherwise.
    void FollowWindowPixels();
    // Draws into `memory` (lent by `lender`, whose pitch equals ours) from
    // now on, or into memory of its own again when `lender` is null.
    void UsePixels(Window* lender, std::uint8_t* memory);
    std::uint8_t* Row(int y) { return memory_ + static_cast<std::size_t>(y) * pitch_; }
    const std::uint8_t* Row(int y) const { return memory_ + static_cast<std::size_t>(y) * pitch_; }
    Result Usable() const;

    DisplaySystem* owner_;
    SurfaceKind kind_;
    Size size_;
    PixelFormat format_;
    int pitch_ = 0;
    std::vector<std::uint8_t> pixels_;  // own memory, empty while sharing a window's
    std::uint8_t* memory_ = nullptr;    // the pixels drawn into: pixels_, the window's, or none once released
    bool sharesWindow_ = false;         // asked to share its window's pixels
    Window* lender_ = nullptr;          // the window whose pixels it draws into now
    bool locked_ = false;
    bool lost_ = false;
    std::shared_ptr<Surface> backBuffer_;
    std::shared_ptr<Clipper> clipper_;
    FontSpec font_;
    std::uint32_t textRgb_ = 0;
};

// Byte pitch of a surface we allocate: a multiple of its bytes per pixel and
// of 4, so rows never start in the middle of a pixel.
int PitchFor(int width, int bytesPerPixel);

}  // namespace orbweave::display
