#include "platform/display/surface.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <numeric>

#include "platform/display/display_system.h"

namespace orbweave::display {

namespace {

struct LayoutRow {
    PixelLayout layout;
    int bitsPerPixel;
    int bytesPerPixel;
    std::uint32_t red, green, blue;
};

constexpr LayoutRow kLayouts[] = {
    {PixelLayout::Rgb555, 16, 2, 0x7C00, 0x03E0, 0x001F},
    {PixelLayout::Rgb565, 16, 2, 0xF800, 0x07E0, 0x001F},
    {PixelLayout::Bgr24, 24, 3, 0xFF0000, 0x00FF00, 0x0000FF},
    {PixelLayout::Xrgb8888, 32, 4, 0xFF0000, 0x00FF00, 0x0000FF},
};

}  // namespace

PixelFormat FormatOf(PixelLayout layout) {
    for (const LayoutRow& row : kLayouts) {
        if (row.layout == layout) {
            return {row.layout, row.bitsPerPixel, row.bytesPerPixel, row.red, row.green, row.blue};
        }
    }
    return {};
}

namespace {

std::uint32_t WidenChannel(std::uint32_t pixel, std::uint32_t mask) {
    if (mask == 0) {
        return 0;
    }
    const int shift = std::countr_zero(mask);
    const int bits = std::popcount(mask);
    std::uint32_t value = (pixel & mask) >> shift;
    value <<= 8 - bits;
    return value | (value >> bits);  // repeat the top bits into the new low ones
}

}  // namespace

std::uint32_t DecodeRgb(std::uint32_t pixel, const PixelFormat& format) {
    return WidenChannel(pixel, format.redMask) << 16 | WidenChannel(pixel, format.greenMask) << 8 |
           WidenChannel(pixel, format.blueMask);
}

int PitchFor(int width, int bytesPerPixel) {
    const int unit = std::lcm(bytesPerPixel, 4);
    const int bytes = std::max(width, 0) * bytesPerPixel;
    return (bytes + unit - 1) / unit * unit;
}

Result Clipper::SetWindow(std::shared_ptr<Window> window) {
    if (released_) {
        return Result::Released;
    }
    window_ = std::move(window);
    return Result::Ok;
}

void Clipper::Release() {
    released_ = true;
    window_.reset();
}

Surface::Surface(DisplaySystem* owner, SurfaceKind kind, Size size, PixelFormat format)
    : owner_(owner), kind_(kind), format_(format) {
    Resize(size);
}

void Surface::Resize(Size size) {
    size_ = {std::max(size.width, 0), std::max(size.height, 0)};
    pitch_ = PitchFor(size_.width, format_.bytesPerPixel);
    lender_ = nullptr;
    pixels_.assign(static_cast<std::size_t>(pitch_) * size_.height, 0);
    memory_ = pixels_.data();
}

void Surface::SwapPixels(Surface& other) {
    pixels_.swap(other.pixels_);
    memory_ = pixels_.data();
    other.memory_ = other.pixels_.data();
}

void Surface::UsePixels(Window* lender, std::uint8_t* memory) {
    const std::size_t bytes = static_cast<std::size_t>(pitch_) * size_.height;
    if (lender == nullptr) {
        if (lender_ != nullptr) {
            // The window took its memory back: start again from black.
            lender_ = nullptr;
            pixels_.assign(bytes, 0);
            memory_ = pixels_.data();
        }
        return;
    }
    if (lender == lender_ && memory == memory_) {
        return;
    }
    // Our own picture moves into the window's memory once; memory the window
    // replaced (a new size, a new window) starts black, as a new surface does.
    if (lender_ == nullptr) {
        std::memcpy(memory, pixels_.data(), bytes);
    } else {
        std::memset(memory, 0, bytes);
    }
    lender_ = lender;
    memory_ = memory;
    std::vector<std::uint8_t>().swap(pixels_);
}

Result Surface::ShareWindowPixels() {
    if (const Result r = Usable(); r != Result::Ok) {
        return r;
    }
    if (kind_ == SurfaceKind::Primary) {
        return Result::Failed;
    }
    sharesWindow_ = true;
    FollowWindowPixels();
    return Result::Ok;
}

void Surface::FollowWindowPixels() {
    if (sharesWindow_ && owner_ != nullptr && !locked_) {
        owner_->LendWindowPixels(*this);
    }
}

void Surface::Detach() {
    // The memory stays until the last holder lets go, so a frame that still
    // holds this surface never writes through a freed address. A window's
    // memory is not ours to keep, and none is taken in its place: releasing
    // the display must not need a screen's worth of memory the process may
    // no longer get.
    sharesWindow_ = false;
    if (lender_ != nullptr) {
        lender_ = nullptr;
        memory_ = nullptr;
    }
    owner_ = nullptr;
    locked_ = false;
    backBuffer_.reset();
    clipper_.reset();
}

Result Surface::Usable() const {
    if (owner_ == nullptr) {
        return Result::Released;
    }
    return lost_ ? Result::SurfaceLost : Result::Ok;
}

Result Surface::Lock(LockedRect& out) {
    if (const Result r = Usable(); r != Result::Ok) {
        return r;
    }
    if (const Result r = owner_->Check(Call::Lock, ""); r != Result::Ok) {
        return r;
    }
    if (locked_) {
        return Result::Busy;
    }
    FollowWindowPixels();
    locked_ = true;
    out = {memory_, size_.width, size_.height, pitch_, format_.bytesPerPixel};
    return Result::Ok;
}

Result Surface::Unlock() {
    if (owner_ == nullptr) {
        return Result::Released;
    }
    if (const Result r = owner_->Check(Call::Unlock, ""); r != Result::Ok) {
        return r;
    }
    if (!locked_) {
        return Result::Failed;
    }
    locked_ = false;
    return Result::Ok;
}

Result Surface::Fill(const Rect& rect, std::uint32_t pixel) {
    if (const Result r = Usable(); r != Result::Ok) {
        return r;
    }
    if (const Result r = owner_->Check(Call::Fill, ""); r != Result::Ok) {
        return r;
    }
    if (locked_) {
        return Result::Busy;
    }
    FollowWindowPixels();
    const int left = std::clamp(rect.left, 0, size_.width);
    const int right = std::clamp(rect.right, 0, size_.width);
    const int top = std::clamp(rect.top, 0, size_.height);
    const int bottom = std::clamp(rect.bottom, 0, size_.height);
    const int bpp = format_.bytesPerPixel;
    std::uint8_t value[4];
    for (int i = 0; i < 4; ++i) {
        value[i] = static_cast<std::uint8_t>(pixel >> (8 * i));
    }
    for (int y = top; y < bottom; ++y) {
        std::uint8_t* p = Row(y) + static_cast<std::size_t>(left) * bpp;
        for (int x = left; x < right; ++x, p += bpp) {
            std::memcpy(p, value, bpp);
        }
    }
    return Result::Ok;
}

bool Surface::IsLost() const { return lost_; }

Result Surface::GetPixelFormat(PixelFormat& out) const {
    if (owner_ == nullptr) {
        return Result::Released;
    }
    if (const Result r = owner_->Check(Call::GetPixelFormat, ""); r != Result::Ok) {
        return r;
    }
    out = format_;
    return Result::Ok;
}

Result Surface::GetAttachedBackBuffer(std::shared_ptr<Surface>& out) const {
    if (owner_ == nullptr) {
        return Result::Released;
    }
    if (!backBuffer_) {
        return Result::Failed;
    }
    out = backBuffer_;
    return Result::Ok;
}

Result Surface::Flip() {
    if (const Result r = Usable(); r != Result::Ok) {
        return r;
    }
    if (const Result r = owner_->Check(Call::Flip, ""); r != Result::Ok) {
        return r;
    }
    return owner_->Flip(*this);
}

Result Surface::BltFast(int x, int y, Surface& source, const Rect& sourceRect) {
    if (const Result r = Usable(); r != Result::Ok) {
        return r;
    }
    const Rect destination{x, y, x + sourceRect.Width(), y + sourceRect.Height()};
    return owner_->Blit(*this, destination, source, sourceRect, Call::BltFast);
}

Result Surface::Blt(const Rect& destination, Surface& source, const Rect& sourceRect) {
    if (const Result r = Usable(); r != Result::Ok) {
        return r;
    }
    return owner_->Blit(*this, destination, source, sourceRect, Call::Blt);
}

Result Surface::SetClipper(std::shared_ptr<Clipper> clipper) {
    if (owner_ == nullptr) {
        return Result::Released;
    }
    clipper_ = std::move(clipper);
    return Result::Ok;
}

void Surface::Release() {
    if (backBuffer_) {
        backBuffer_->Detach();
    }
    Detach();
}

std::uint32_t Surface::PixelAt(int x, int y) const {
    if (memory_ == nullptr || x < 0 || y < 0 || x >= size_.width || y >= size_.height) {
        return 0;
    }
    const std::uint8_t* p = Row(y) + static_cast<std::size_t>(x) * format_.bytesPerPixel;
    std::uint32_t value = 0;
    for (int i = 0; i < format_.bytesPerPixel; ++i) {
        value |= static_cast<std::uint32_t>(p[i]) << (8 * i);
    }
    return value;
}

}  // namespace orbweave::display
