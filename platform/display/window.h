// A window that frames can be presented into: the saver's SDL window, a
// window embedded in a foreign X11 window, a dialog's picture box, or a
// window of the memory backend.
#pragma once

#include "platform/display/types.h"

namespace orbweave::display {

class Surface;

class Window {
public:
    virtual ~Window() = default;

    // The client area as the window reports it to the display system.
    virtual Rect ScreenRect() const = 0;
    // Pixels that can really be drawn (the part of the client area the
    // window shows); by default the whole client area.
    virtual Size DrawableSize() const {
        const Rect r = ScreenRect();
        return {r.Width(), r.Height()};
    }
    virtual bool Exists() const = 0;
    // Shows `frame`, whose size is DrawableSize() in windowed layouts and
    // the display mode's size in exclusive ones.
    virtual Result Present(const Surface& frame) = 0;
    // The memory the window shows, lent for drawing a frame of `size` in
    // `layout` straight into it: a null address when it has none of that
    // size and layout. Valid until the next LendPixels or Present.
    virtual LockedRect LendPixels(Size /*size*/, PixelLayout /*layout*/) { return {}; }
    // Shows the frame drawn into the lent memory.
    virtual Result ShowLentPixels() { return Result::Failed; }
};

}  // namespace orbweave::display
