// The SDL2 backend: the full-screen saver window (exclusive with a display
// mode change, or covering the desktop), a plain window, and a window inside
// a foreign X11 window (the control-panel preview). Frames reach the screen
// through SDL's window surface (shared memory on X11), never an OpenGL
// context: without a GPU that is a software rasterizer costing several times
// the frame itself. A frame of the window's size and layout is drawn straight
// into the window surface's memory. Where SDL has no surface for the window
// (a 30-bit screen), the frame is drawn into a 32-bit work surface whose
// pixels are packed into the window's format when shown.
#pragma once

#include <memory>
#include <string>

#include "platform/display/display_system.h"
#include "platform/window/x11_pixels.h"
#include "platform/window/x11_windows.h"

struct SDL_Window;
struct SDL_Surface;

namespace orbweave::display {

enum class OpenFailure {
    None,
    RootMissing,   // no X display answers: the video system cannot start
    DeviceFailed,  // the display answers, but it refused the video system or cannot be used
};

struct OpenResult {
    std::shared_ptr<DisplaySystem> system;
    OpenFailure failure = OpenFailure::None;
};

// Starts SDL's video (allowing the desktop's own screen saver and locker,
// which SDL would otherwise inhibit) and opens the default display.
OpenResult OpenSdlDisplay();

class SdlWindow final : public Window {
public:
    // Covers the whole desktop; exclusive mode changes the display mode.
    static std::shared_ptr<SdlWindow> CreateFullScreen(const std::string& caption);
    static std::shared_ptr<SdlWindow> CreateWindowed(const std::string& caption, Size size);
    // A child window filling the foreign window `host`. The client area is
    // reported `scale` times larger than the host (the drawing code divides
    // it back); only the host's own size is drawn.
    static std::shared_ptr<SdlWindow> CreateEmbedded(window::NativeWindowId host, double scale);
    ~SdlWindow() override;

    Rect ScreenRect() const override;
    Size DrawableSize() const override;
    bool Exists() const override;
    Result Present(const Surface& frame) override;
    LockedRect LendPixels(Size size, PixelLayout layout) override;
    Result ShowLentPixels() override;

    Result EnterExclusiveMode(const DisplayMode& mode);
    Result LeaveExclusiveMode();
    bool IsMinimised() const;

private:
    enum class Kind { FullScreen, Windowed, Embedded };

    SdlWindow(Kind kind, SDL_Window* window);
    Result FollowHostSize();
    // The window surface, null when the window cannot be drawn into.
    SDL_Surface* WindowSurface();
    // The 32-bit work surface of the window's size that stands in for a
    // window surface SDL cannot make; null when there is none.
    SDL_Surface* WorkSurface();
    void FreeWorkSurface();

    Kind kind_;
    SDL_Window* window_ = nullptr;
    window::NativeWindowId host_ = 0;
    window::NativeWindowId child_ = 0;
    window::WindowSize hostSize_;
    double scale_ = 1.0;
    std::unique_ptr<window::XPixelWriter> writer_;
    SDL_Surface* work_ = nullptr;
};

}  // namespace orbweave::display
