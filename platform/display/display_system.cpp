#include "platform/display/display_system.h"

#include <algorithm>
#include <cstring>

namespace orbweave::display {

namespace {

constexpr const char* kCallNames[] = {
    "SetCooperativeLevel",
    "TestCooperativeLevel",
    "SetDisplayMode",
    "EnumerateModes",
    "CreatePrimarySurface",
    "CreateSurface",
    "CreateClipper",
    "RestoreAllSurfaces",
    "GetWindowRect",
    "Lock",
    "Unlock",
    "Fill",
    "GetPixelFormat",
    "Flip",
    "BltFast",
    "Blt",
    "SetFont",
    "SetTextColour",
    "DrawText",
    "MeasureText",
    "Release",
};

std::string SizeText(int width, int height) { return std::to_string(width) + "x" + std::to_string(height); }

Rect Intersect(const Rect& a, const Rect& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

// Nearest-pixel stretch of `sourceRect` onto `destRect`, writing only inside
// `clip`. Both surfaces share one layout.
void StretchCopy(const std::uint8_t* source, int sourcePitch, const Rect& sourceRect, std::uint8_t* destination,
                 int destinationPitch, const Rect& destRect, const Rect& clip, int bytesPerPixel) {
    const Rect area = Intersect(destRect, clip);
    if (area.IsEmpty()) {
        return;
    }
    const long long sw = sourceRect.Width(), sh = sourceRect.Height();
    const long long dw = destRect.Width(), dh = destRect.Height();
    for (int dy = area.top; dy < area.bottom; ++dy) {
        const long long sy = sourceRect.top + (dy - destRect.top) * sh / dh;
        const std::uint8_t* sourceRow = source + sy * sourcePitch;
        std::uint8_t* destRow = destination + static_cast<long long>(dy) * destinationPitch;
        if (sw == dw) {
            const long long sx = sourceRect.left + (area.left - destRect.left);
            std::memcpy(destRow + static_cast<long long>(area.left) * bytesPerPixel, sourceRow + sx * bytesPerPixel,
                        static_cast<std::size_t>(area.Width()) * bytesPerPixel);
            continue;
        }
        for (int dx = area.left; dx < area.right; ++dx) {
            const long long sx = sourceRect.left + (dx - destRect.left) * sw / dw;
            std::memcpy(destRow + static_cast<long long>(dx) * bytesPerPixel, sourceRow + sx * bytesPerPixel,
                        bytesPerPixel);
        }
    }
}

}  // namespace

const char* CallName(Call call) { return kCallNames[static_cast<int>(call)]; }

DisplaySystem::~DisplaySystem() {
    for (const auto& weak : surfaces_) {
        if (const auto surface = weak.lock()) {
            surface->Detach();
        }
    }
}

Result DisplaySystem::Check(Call, const std::string&) { return Result::Ok; }

int DisplaySystem::DesktopBitsPerPixel() { return QueryDesktopBitsPerPixel(); }

PixelFormat DisplaySystem::DesktopFormat() { return QueryDesktopFormat(); }

Size DisplaySystem::DesktopSize() { return QueryDesktopSize(); }

Result DisplaySystem::SetCooperativeLevel(std::shared_ptr<Window> window, CooperativeLevel level) {
    if (released_) {
        return Result::Released;
    }
    const char* detail = level == CooperativeLevel::Exclusive ? "exclusive" : "normal";
    if (const Result r = Check(Call::SetCooperativeLevel, detail); r != Result::Ok) {
        return r;
    }
    if (const Result r = ApplyCooperativeLevel(window.get(), level); r != Result::Ok) {
        return r;
    }
    level_ = level;
    window_ = std::move(window);
    if (level == CooperativeLevel::Normal) {
        modeSize_ = {};
    }
    return Result::Ok;
}

Result DisplaySystem::TestCooperativeLevel() {
    if (released_) {
        return Result::Released;
    }
    if (const Result r = Check(Call::TestCooperativeLevel, ""); r != Result::Ok) {
        return r;
    }
    return QueryCooperativeLevel();
}

Result DisplaySystem::SetDisplayMode(const DisplayMode& mode) {
    if (released_) {
        return Result::Released;
    }
    const std::string detail = SizeText(mode.width, mode.height) + "x" + std::to_string(mode.bitsPerPixel);
    if (const Result r = Check(Call::SetDisplayMode, detail); r != Result::Ok) {
        return r;
    }
    if (mode.width <= 0 || mode.height <= 0) {
        return Result::ModeRefused;
    }
    if (const Result r = ApplyDisplayMode(mode); r != Result::Ok) {
        return r;
    }
    modeSize_ = {mode.width, mode.height};
    return Result::Ok;
}

Result DisplaySystem::EnumerateModes(std::vector<DisplayMode>& out) {
    if (released_) {
        return Result::Released;
    }
    if (const Result r = Check(Call::EnumerateModes, ""); r != Result::Ok) {
        return r;
    }
    out = QueryModes();
    return Result::Ok;
}

Result DisplaySystem::RestoreAllSurfaces() {
    if (released_) {
        return Result::Released;
    }
    if (const Result r = Check(Call::RestoreAllSurfaces, ""); r != Result::Ok) {
        return r;
    }
    for (const auto& weak : surfaces_) {
        if (const auto surface = weak.lock()) {
            surface->SetLost(false);
        }
    }
    return Result::Ok;
}

Result DisplaySystem::GetWindowRect(const Window& window, Rect& out) {
    if (released_) {
        return Result::Released;
    }
    if (const Result r = Check(Call::GetWindowRect, ""); r != Result::Ok) {
        return r;
    }
    if (!window.Exists()) {
        return Result::Failed;
    }
    out = window.ScreenRect();
    return Result::Ok;
}

void DisplaySystem::Track(const std::shared_ptr<Surface>& surface) {
    std::erase_if(surfaces_, [](const std::weak_ptr<Surface>& w) { return w.expired(); });
    surfaces_.push_back(surface);
}

Result DisplaySystem::CreatePrimarySurface(bool withBackBuffer, std::shared_ptr<Surface>& out) {
    if (released_) {
        return Result::Released;
    }
    if (const Result r = Check(Call::CreatePrimarySurface, withBackBuffer ? "flip chain" : "single"); r != Result::Ok) {
        return r;
    }
    const bool exclusive = level_ == CooperativeLevel::Exclusive;
    if (withBackBuffer && !exclusive) {
        return Result::Failed;
    }
    const PixelFormat format = QueryDesktopFormat();
    // An exclusive primary covers the display mode; a windowed one is sized
    // to its window when the first frame reaches it.
    Size size{};
    if (exclusive) {
        size = modeSize_.width > 0 ? modeSize_ : QueryDesktopSize();
    }
    auto primary = std::make_shared<Surface>(this, SurfaceKind::Primary, size, format);
    Track(primary);
    if (withBackBuffer) {
        primary->backBuffer_ = std::make_shared<Surface>(this, SurfaceKind::BackBuffer, size, format);
        Track(primary->backBuffer_);
    }
    out = std::move(primary);
    return Result::Ok;
}

Result DisplaySystem::CreateSurface(Size size, std::shared_ptr<Surface>& out) {
    if (released_) {
        return Result::Released;
    }
    return CreateSurface(size, QueryDesktopFormat().layout, out);
}

Result DisplaySystem::CreateSurface(Size size, PixelLayout layout, std::shared_ptr<Surface>& out) {
    if (released_) {
        return Result::Released;
    }
    if (const Result r = Check(Call::CreateSurface, SizeText(size.width, size.height)); r != Result::Ok) {
        return r;
    }
    if (size.width <= 0 || size.height <= 0) {
        return Result::Failed;
    }
    auto surface = std::make_shared<Surface>(this, SurfaceKind::Plain, size, FormatOf(layout));
    Track(surface);
    out = std::move(surface);
    return Result::Ok;
}

Result DisplaySystem::CreateClipper(std::shared_ptr<Clipper>& out) {
    if (released_) {
        return Result::Released;
    }
    if (const Result r = Check(Call::CreateClipper, ""); r != Result::Ok) {
        return r;
    }
    out = std::make_shared<Clipper>();
    return Result::Ok;
}

void DisplaySystem::Release() {
    if (released_) {
        return;
    }
    Check(Call::Release, "");
    released_ = true;
    for (const auto& weak : surfaces_) {
        if (const auto surface = weak.lock()) {
            surface->Detach();
        }
    }
    surfaces_.clear();
    window_.reset();
}

void DisplaySystem::LoseAllSurfaces() {
    for (const auto& weak : surfaces_) {
        if (const auto surface = weak.lock()) {
            surface->SetLost(true);
        }
    }
}

std::shared_ptr<Window> DisplaySystem::PresentationWindow(const Surface& primary) const {
    if (const auto& clipper = primary.clipper_; clipper && !clipper->IsReleased() && clipper->GetWindow()) {
        return clipper->GetWindow();
    }
    return window_;
}

Result DisplaySystem::PresentPrimary(Surface& primary) {
    const std::shared_ptr<Window> window =
        level_ == CooperativeLevel::Exclusive ? window_ : PresentationWindow(primary);
    if (!window || !window->Exists()) {
        return Result::Failed;
    }
    return window->Present(primary);
}

void DisplaySystem::LendWindowPixels(Surface& surface) {
    Window* window = window_.get();
    const LockedRect lent = window != nullptr && window->Exists()
                                ? window->LendPixels(surface.size_, surface.format_.layout)
                                : LockedRect{};
    const bool fits = lent.address != nullptr && lent.width == surface.size_.width &&
                      lent.height == surface.size_.height && lent.pitchBytes == surface.pitch_ &&
                      lent.bytesPerPixel == surface.format_.bytesPerPixel;
    surface.UsePixels(fits ? window : nullptr, fits ? lent.address : nullptr);
}

bool DisplaySystem::ShowsInPlace(Surface& primary, const Rect& target, const Surface& source, const Rect& sourceRect,
                                 Result& shown) {
    const Rect whole{0, 0, source.size_.width, source.size_.height};
    if (source.lender_ == nullptr || sourceRect != whole || target != whole) {
        return false;
    }
    const std::shared_ptr<Window> window =
        level_ == CooperativeLevel::Exclusive ? window_ : PresentationWindow(primary);
    if (window.get() != source.lender_ || !window->Exists() || window->DrawableSize() != source.size_) {
        return false;
    }
    shown = window->ShowLentPixels();
    return true;
}

Result DisplaySystem::Flip(Surface& primary) {
    const std::shared_ptr<Surface> back = primary.backBuffer_;
    if (primary.kind_ != SurfaceKind::Primary || !back) {
        return Result::Failed;
    }
    if (const Result r = back->Usable(); r != Result::Ok) {
        return r;
    }
    if (primary.locked_ || back->locked_) {
        return Result::Busy;
    }
    // A back buffer drawn in the window's own memory is shown where it is;
    // it stays the buffer drawn into next.
    back->FollowWindowPixels();
    const Rect whole{0, 0, back->size_.width, back->size_.height};
    if (Result shown; ShowsInPlace(primary, whole, *back, whole, shown)) {
        return shown;
    }
    if (back->lender_ != nullptr) {
        // The window cannot show it in place: the frame is copied, since the
        // window's memory cannot change hands.
        if (primary.size_ == back->size_ && primary.pitch_ == back->pitch_) {
            std::memcpy(primary.memory_, back->memory_, static_cast<std::size_t>(back->pitch_) * back->size_.height);
        }
        return PresentPrimary(primary);
    }
    primary.SwapPixels(*back);
    return PresentPrimary(primary);
}

Result DisplaySystem::Blit(Surface& destination, const Rect& destRect, Surface& source, const Rect& sourceRect,
                           Call call) {
    if (const Result r = Check(call, ""); r != Result::Ok) {
        return r;
    }
    if (const Result r = source.Usable(); r != Result::Ok) {
        return r;
    }
    if (destination.locked_ || source.locked_) {
        return Result::Busy;
    }
    if (source.format_.layout != destination.format_.layout) {
        return Result::Failed;
    }
    const Rect sourceBounds{0, 0, source.size_.width, source.size_.height};
    if (sourceRect.IsEmpty() || destRect.IsEmpty() || Intersect(sourceRect, sourceBounds) != sourceRect) {
        return Result::Failed;
    }
    Rect target = destRect;
    const bool windowed = destination.kind_ == SurfaceKind::Primary && level_ == CooperativeLevel::Normal;
    if (windowed) {
        // A windowed primary holds its window's client area: the destination,
        // given in screen pixels, is moved into the window and clipped to it.
        const std::shared_ptr<Window> window = PresentationWindow(destination);
        if (!window || !window->Exists()) {
            return Result::Failed;
        }
        const Rect screen = window->ScreenRect();
        target = {destRect.left - screen.left, destRect.top - screen.top, destRect.right - screen.left,
                  destRect.bottom - screen.top};
    }
    source.FollowWindowPixels();
    if (Result shown;
        destination.kind_ == SurfaceKind::Primary && ShowsInPlace(destination, target, source, sourceRect, shown)) {
        return shown;
    }
    if (windowed) {
        const Size drawable = PresentationWindow(destination)->DrawableSize();
        if (destination.size_ != drawable) {
            destination.Resize(drawable);
        }
    }
    destination.FollowWindowPixels();
    const Rect clip{0, 0, destination.size_.width, destination.size_.height};
    StretchCopy(source.memory_, source.pitch_, sourceRect, destination.memory_, destination.pitch_, target, clip,
                source.format_.bytesPerPixel);
    if (destination.kind_ == SurfaceKind::Primary) {
        return PresentPrimary(destination);
    }
    return Result::Ok;
}

}  // namespace orbweave::display
