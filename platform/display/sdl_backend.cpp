#include "platform/display/sdl_backend.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "core/product.h"
#include "platform/display/sdl_x11.h"
#include "platform/window/x11_pixels.h"

namespace orbweave::display {

namespace {

PixelLayout LayoutOfSdl(std::uint32_t format) {
    switch (format) {
    case SDL_PIXELFORMAT_RGB555: return PixelLayout::Rgb555;
    case SDL_PIXELFORMAT_RGB565: return PixelLayout::Rgb565;
    case SDL_PIXELFORMAT_RGB24:
    case SDL_PIXELFORMAT_BGR24: return PixelLayout::Bgr24;
    default: return PixelLayout::Xrgb8888;
    }
}

std::uint32_t SdlFormatOf(PixelLayout layout) {
    switch (layout) {
    case PixelLayout::Rgb555: return SDL_PIXELFORMAT_RGB555;
    case PixelLayout::Rgb565: return SDL_PIXELFORMAT_RGB565;
    case PixelLayout::Bgr24: return SDL_PIXELFORMAT_BGR24;      // memory order B, G, R
    case PixelLayout::Xrgb8888: return SDL_PIXELFORMAT_RGB888;  // memory order B, G, R, X
    }
    return SDL_PIXELFORMAT_RGB888;
}

// Bits per pixel as the system counts them: storage bytes x 8.
int StorageBits(std::uint32_t sdlFormat) { return SDL_BYTESPERPIXEL(sdlFormat) * 8; }

bool OnX11();

class SdlDisplaySystem final : public DisplaySystem {
public:
    SdlDisplaySystem() = default;
    ~SdlDisplaySystem() override { Release(); }

protected:
    PixelFormat QueryDesktopFormat() override {
        SDL_DisplayMode mode{};
        if (SDL_GetDesktopDisplayMode(0, &mode) != 0) {
            return FormatOf(PixelLayout::Xrgb8888);
        }
        return FormatOf(LayoutOfSdl(mode.format));
    }

    // SDL names no format for 8-bit and 30-bit X screens; the X server
    // knows how many bits it stores a pixel in.
    int QueryDesktopBitsPerPixel() override {
        if (OnX11()) {
            if (const std::optional<int> bits = window::ScreenBitsPerPixel()) {
                return *bits;
            }
        }
        return DisplaySystem::QueryDesktopBitsPerPixel();
    }

    Size QueryDesktopSize() override {
        SDL_DisplayMode mode{};
        if (SDL_GetDesktopDisplayMode(0, &mode) != 0) {
            return {};
        }
        return {mode.w, mode.h};
    }

    Result ApplyCooperativeLevel(Window* window, CooperativeLevel level) override {
        auto* sdlWindow = dynamic_cast<SdlWindow*>(window);
        if (level == CooperativeLevel::Exclusive) {
            return sdlWindow != nullptr ? Result::Ok : Result::Failed;
        }
        if (sdlWindow != nullptr) {
            return sdlWindow->LeaveExclusiveMode();
        }
        return Result::Ok;
    }

    // An exclusive display is taken away when its window is minimised.
    Result QueryCooperativeLevel() override {
        auto* sdlWindow = dynamic_cast<SdlWindow*>(CooperativeWindow().get());
        if (Level() == CooperativeLevel::Exclusive && sdlWindow != nullptr && sdlWindow->IsMinimised()) {
            return Result::SurfaceLost;
        }
        return Result::Ok;
    }

    Result ApplyDisplayMode(const DisplayMode& mode) override {
        auto* sdlWindow = dynamic_cast<SdlWindow*>(CooperativeWindow().get());
        if (Level() != CooperativeLevel::Exclusive || sdlWindow == nullptr) {
            return Result::Failed;
        }
        return sdlWindow->EnterExclusiveMode(mode);
    }

    std::vector<DisplayMode> QueryModes() override {
        std::vector<DisplayMode> modes;
        const int count = SDL_GetNumDisplayModes(0);
        for (int i = 0; i < count; ++i) {
            SDL_DisplayMode sdlMode{};
            if (SDL_GetDisplayMode(0, i, &sdlMode) != 0) {
                continue;
            }
            // SDL lists each refresh rate apart; the system lists sizes and depths.
            const DisplayMode mode{sdlMode.w, sdlMode.h, StorageBits(sdlMode.format)};
            if (std::find(modes.begin(), modes.end(), mode) == modes.end()) {
                modes.push_back(mode);
            }
        }
        return modes;
    }
};

// SDL falls back to drivers that show nothing when no display answers; a
// screen saver drawn there would run unseen and could not be stopped. They are
// used only when asked for by name.
bool OnInvisibleDriverNotAskedFor() {
    const char* current = SDL_GetCurrentVideoDriver();
    if (current == nullptr) return true;
    const bool invisible = std::strcmp(current, "offscreen") == 0 || std::strcmp(current, "dummy") == 0;
    const char* asked = SDL_getenv("SDL_VIDEODRIVER");
    return invisible && (asked == nullptr || std::strcmp(asked, current) != 0);
}

// An X display that answers can still refuse SDL's video for a moment: in a
// burst of starts SDL may find no usable screen while another program changes
// the screen mode. A few tries apart tell that from a display that is gone,
// and a refusal by a display that answers is not a missing display.
constexpr int kVideoStartTries = 5;
constexpr Uint32 kVideoStartPauseMs = 200;

OpenFailure StartVideo() {
    for (int attempt = 1;; ++attempt) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) return OpenFailure::None;
        if (!window::DisplayAnswers()) return OpenFailure::RootMissing;
        if (attempt == kVideoStartTries) {
            std::fprintf(stderr, "%s: the X display answers, but SDL could not start its video: %s\n",
                         std::string(kProductName).c_str(), SDL_GetError());
            return OpenFailure::DeviceFailed;
        }
        SDL_Delay(kVideoStartPauseMs);
    }
}

bool OnX11() { return std::strcmp(SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "", "x11") == 0; }

}  // namespace

OpenResult OpenSdlDisplay() {
    // By default SDL keeps the desktop's screen saver and locker from
    // starting while it runs; a screen saver must never do that.
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    // The window surface stays in shared memory: SDL would otherwise back
    // it with an OpenGL texture, drawn by a software rasterizer on machines
    // without a GPU.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (const OpenFailure failure = StartVideo(); failure != OpenFailure::None) {
        return {nullptr, failure};
    }
    if (OnInvisibleDriverNotAskedFor()) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return {nullptr, OpenFailure::RootMissing};
    }
    SDL_DisplayMode desktop{};
    if (SDL_GetDesktopDisplayMode(0, &desktop) != 0) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return {nullptr, OpenFailure::DeviceFailed};
    }
    if (OnX11()) {
        window::InstallXErrorHandler();
    }
    return {std::make_shared<SdlDisplaySystem>(), OpenFailure::None};
}

SdlWindow::SdlWindow(Kind kind, SDL_Window* window) : kind_(kind), window_(window) {}

std::shared_ptr<SdlWindow> SdlWindow::CreateFullScreen(const std::string& caption) {
    SDL_DisplayMode desktop{};
    if (SDL_GetDesktopDisplayMode(0, &desktop) != 0) {
        return nullptr;
    }
    SDL_Window* window = SDL_CreateWindow(caption.c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, desktop.w,
                                          desktop.h, SDL_WINDOW_FULLSCREEN_DESKTOP);
    if (window == nullptr) {
        return nullptr;
    }
    return std::shared_ptr<SdlWindow>(new SdlWindow(Kind::FullScreen, window));
}

std::shared_ptr<SdlWindow> SdlWindow::CreateWindowed(const std::string& caption, Size size) {
    SDL_Window* window = SDL_CreateWindow(caption.c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                                          std::max(size.width, 1), std::max(size.height, 1), 0);
    if (window == nullptr) {
        return nullptr;
    }
    return std::shared_ptr<SdlWindow>(new SdlWindow(Kind::Windowed, window));
}

std::shared_ptr<SdlWindow> SdlWindow::CreateEmbedded(window::NativeWindowId host, double scale) {
    const auto hostSize = window::HostWindowSize(host);
    if (!hostSize || !std::isfinite(scale) || scale <= 0) {
        return nullptr;
    }
    window::WatchHostWindow(host);
    const window::NativeWindowId child = window::CreateChildWindow(host, *hostSize);
    if (child == 0) {
        return nullptr;
    }
    SDL_Window* window = SDL_CreateWindowFrom(reinterpret_cast<const void*>(static_cast<std::uintptr_t>(child)));
    if (window == nullptr) {
        window::DestroyWindow(child);
        return nullptr;
    }
    std::shared_ptr<SdlWindow> result(new SdlWindow(Kind::Embedded, window));
    result->host_ = host;
    result->child_ = child;
    result->hostSize_ = *hostSize;
    result->scale_ = scale;
    return result;
}

SdlWindow::~SdlWindow() {
    FreeWorkSurface();
    if (window_ != nullptr) {
        SDL_DestroyWindow(window_);
    }
    window::DestroyWindow(child_);
}

Rect SdlWindow::ScreenRect() const {
    if (kind_ == Kind::Embedded) {
        return {0, 0, static_cast<int>(std::nearbyint(hostSize_.width * scale_)),
                static_cast<int>(std::nearbyint(hostSize_.height * scale_))};
    }
    int x = 0, y = 0, w = 0, h = 0;
    SDL_GetWindowPosition(window_, &x, &y);
    SDL_GetWindowSize(window_, &w, &h);
    return {x, y, x + w, y + h};
}

Size SdlWindow::DrawableSize() const {
    if (kind_ == Kind::Embedded) {
        return {hostSize_.width, hostSize_.height};
    }
    int w = 0, h = 0;
    SDL_GetWindowSize(window_, &w, &h);
    return {w, h};
}

bool SdlWindow::Exists() const {
    if (window_ == nullptr) {
        return false;
    }
    if (kind_ == Kind::Embedded) {
        return !window::HostWindowDestroyed(host_) && window::IsWindow(host_);
    }
    return true;
}

bool SdlWindow::IsMinimised() const {
    return window_ != nullptr && (SDL_GetWindowFlags(window_) & SDL_WINDOW_MINIMIZED) != 0;
}


Result SdlWindow::FollowHostSize() {
    const auto size = window::HostWindowSize(host_);
    if (!size) {
        return Result::Failed;
    }
    if (*size == hostSize_) {
        return Result::Ok;
    }
    // SDL hears nothing about a foreign window's size, so the window (and
    // with it its surface) is made afresh for the new size.
    window::ResizeChildWindow(child_, *size);
    SDL_DestroyWindow(window_);
    window_ = SDL_CreateWindowFrom(reinterpret_cast<const void*>(static_cast<std::uintptr_t>(child_)));
    hostSize_ = *size;
    return window_ != nullptr ? Result::Ok : Result::Failed;
}

SDL_Surface* SdlWindow::WindowSurface() {
    if (!Exists()) {
        return nullptr;
    }
    if (kind_ == Kind::Embedded && FollowHostSize() != Result::Ok) {
        return nullptr;
    }
    if (writer_) {
        return WorkSurface();
    }
    if (SDL_Surface* surface = SDL_GetWindowSurface(window_)) {
        return surface;
    }
    // SDL makes no surface for a window whose format it cannot name: the
    // window is drawn through a work surface from now on.
    writer_ = PixelWriterFor(window_);
    return writer_ ? WorkSurface() : nullptr;
}

SDL_Surface* SdlWindow::WorkSurface() {
    const Size size = DrawableSize();
    if (work_ != nullptr && (work_->w != size.width || work_->h != size.height)) {
        FreeWorkSurface();
    }
    if (work_ == nullptr && size.width > 0 && size.height > 0) {
        work_ = SDL_CreateRGBSurfaceWithFormat(0, size.width, size.height, 32, SdlFormatOf(PixelLayout::Xrgb8888));
    }
    return work_;
}

void SdlWindow::FreeWorkSurface() {
    SDL_FreeSurface(work_);
    work_ = nullptr;
}

LockedRect SdlWindow::LendPixels(Size size, PixelLayout layout) {
    SDL_Surface* surface = WindowSurface();
    if (surface == nullptr || surface->w != size.width || surface->h != size.height ||
        surface->format->format != SdlFormatOf(layout) || SDL_MUSTLOCK(surface)) {
        return {};
    }
    return {static_cast<std::uint8_t*>(surface->pixels), surface->w, surface->h, surface->pitch,
            surface->format->BytesPerPixel};
}

Result SdlWindow::ShowLentPixels() {
    if (window_ == nullptr) {
        return Result::Failed;
    }
    if (writer_) {
        return work_ != nullptr && writer_->Put(static_cast<const std::uint32_t*>(work_->pixels), work_->w, work_->h,
                                                work_->pitch / work_->format->BytesPerPixel)
                   ? Result::Ok
                   : Result::Failed;
    }
    return SDL_UpdateWindowSurface(window_) == 0 ? Result::Ok : Result::Failed;
}

// A frame of another size is stretched over the whole window (nearest
// pixel), one of another layout converted; the window surface is then shown.
Result SdlWindow::Present(const Surface& frame) {
    SDL_Surface* target = WindowSurface();
    const Size size = frame.GetSize();
    if (target == nullptr || size.width <= 0 || size.height <= 0) {
        return Result::Failed;
    }
    // SDL only reads the frame's pixels.
    SDL_Surface* source = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint8_t*>(frame.Pixels().data()),
                                                             size.width, size.height, frame.Format().bitsPerPixel,
                                                             frame.PitchBytes(), SdlFormatOf(frame.Format().layout));
    if (source == nullptr) {
        return Result::Failed;
    }
    const bool sameSize = size.width == target->w && size.height == target->h;
    const int copied =
        sameSize ? SDL_BlitSurface(source, nullptr, target, nullptr) : SDL_BlitScaled(source, nullptr, target, nullptr);
    SDL_FreeSurface(source);
    if (copied != 0) {
        return Result::Failed;
    }
    return ShowLentPixels();
}

Result SdlWindow::EnterExclusiveMode(const DisplayMode& mode) {
    if (window_ == nullptr || kind_ == Kind::Embedded) {
        return Result::Failed;
    }
    const int display = std::max(SDL_GetWindowDisplayIndex(window_), 0);
    const int count = SDL_GetNumDisplayModes(display);
    for (int i = 0; i < count; ++i) {
        SDL_DisplayMode candidate{};
        if (SDL_GetDisplayMode(display, i, &candidate) != 0 || candidate.w != mode.width ||
            candidate.h != mode.height || StorageBits(candidate.format) != mode.bitsPerPixel) {
            continue;
        }
        if (SDL_SetWindowDisplayMode(window_, &candidate) != 0 ||
            SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN) != 0) {
            return Result::ModeRefused;
        }
        return Result::Ok;
    }
    return Result::ModeRefused;
}

Result SdlWindow::LeaveExclusiveMode() {
    if (window_ == nullptr) {
        return Result::Failed;
    }
    if (kind_ == Kind::FullScreen && SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
        return Result::Failed;
    }
    return Result::Ok;
}

}  // namespace orbweave::display
