// The display system object: desktop facts, cooperative level, display
// modes, surface creation and restoration. Backends (SDL, memory) supply the
// desktop and the modes; surfaces, blits and text are shared by all of them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/display/surface.h"
#include "platform/display/types.h"
#include "platform/display/window.h"

namespace orbweave::display {

// Every operation a backend may record or refuse.
enum class Call {
    SetCooperativeLevel,
    TestCooperativeLevel,
    SetDisplayMode,
    EnumerateModes,
    CreatePrimarySurface,
    CreateSurface,
    CreateClipper,
    RestoreAllSurfaces,
    GetWindowRect,
    Lock,
    Unlock,
    Fill,
    GetPixelFormat,
    Flip,
    BltFast,
    Blt,
    SetFont,
    SetTextColour,
    DrawText,
    MeasureText,
    Release,
};

const char* CallName(Call call);

class DisplaySystem {
public:
    virtual ~DisplaySystem();
    DisplaySystem(const DisplaySystem&) = delete;
    DisplaySystem& operator=(const DisplaySystem&) = delete;

    // Bits per pixel of the desktop: bytes per pixel x 8 (a 5-5-5 desktop is
    // 16, an 8-bit one 8 whatever layout the frames are drawn in).
    int DesktopBitsPerPixel();
    PixelFormat DesktopFormat();
    Size DesktopSize();

    Result SetCooperativeLevel(std::shared_ptr<Window> window, CooperativeLevel level);
    // Ok while the level set last still holds (an exclusive display can be taken away).
    Result TestCooperativeLevel();
    Result SetDisplayMode(const DisplayMode& mode);
    Result EnumerateModes(std::vector<DisplayMode>& out);
    Result RestoreAllSurfaces();
    Result GetWindowRect(const Window& window, Rect& out);

    // A primary surface, with one attached back buffer when `withBackBuffer`
    // (only in exclusive mode, where it is sized to the display mode).
    Result CreatePrimarySurface(bool withBackBuffer, std::shared_ptr<Surface>& out);
    // An off-screen surface in system memory, in the desktop's layout.
    Result CreateSurface(Size size, std::shared_ptr<Surface>& out);
    Result CreateSurface(Size size, PixelLayout layout, std::shared_ptr<Surface>& out);
    Result CreateClipper(std::shared_ptr<Clipper>& out);

    // Releases every surface made by this system; afterwards every call fails
    // with Result::Released. Safe to call more than once.
    void Release();
    bool IsReleased() const { return released_; }

    CooperativeLevel Level() const { return level_; }
    std::shared_ptr<Window> CooperativeWindow() const { return window_; }

protected:
    DisplaySystem() = default;

    // Called before every operation: the memory backend records and refuses
    // here. Ok lets the operation go on.
    virtual Result Check(Call call, const std::string& detail);

    virtual PixelFormat QueryDesktopFormat() = 0;
    virtual Size QueryDesktopSize() = 0;
    // The desktop's own bits per pixel; by default those of its layout.
    virtual int QueryDesktopBitsPerPixel() { return QueryDesktopFormat().bytesPerPixel * 8; }
    virtual Result ApplyCooperativeLevel(Window* window, CooperativeLevel level) = 0;
    virtual Result QueryCooperativeLevel() { return Result::Ok; }
    virtual Result ApplyDisplayMode(const DisplayMode& mode) = 0;
    virtual std::vector<DisplayMode> QueryModes() = 0;

    // Marks every live surface lost (a backend whose display was taken away).
    void LoseAllSurfaces();

private:
    friend class Surface;

    Result Flip(Surface& primary);
    Result Blit(Surface& destination, const Rect& destRect, Surface& source, const Rect& sourceRect, Call call);
    Result PresentPrimary(Surface& primary);
    void LendWindowPixels(Surface& surface);
    // Shows `source` when it is drawn in the memory of the window `primary`
    // presents to and covers it whole at `target`; false when a copy is needed.
    bool ShowsInPlace(Surface& primary, const Rect& target, const Surface& source, const Rect& sourceRect,
                      Result& shown);
    std::shared_ptr<Window> PresentationWindow(const Surface& primary) const;
    void Track(const std::shared_ptr<Surface>& surface);

    bool released_ = false;
    CooperativeLevel level_ = CooperativeLevel::Normal;
    std::shared_ptr<Window> window_;
    Size modeSize_;
    std::vector<std::weak_ptr<Surface>> surfaces_;
};

}  // namespace orbweave::display
