// What the SDL backend asks of the X window behind an SDL window. Kept apart
// because SDL's window-system header brings in Xlib, whose macros clash with
// names in Qt's headers and in ours.
#pragma once

#include <memory>

#include "platform/window/x11_pixels.h"

struct SDL_Window;

namespace orbweave::display {

// A writer into the X window behind `window`, through SDL's own connection;
// null off X11 or where the window's visual is not a 32-bit true-colour one.
std::unique_ptr<window::XPixelWriter> PixelWriterFor(SDL_Window* window);

}  // namespace orbweave::display
