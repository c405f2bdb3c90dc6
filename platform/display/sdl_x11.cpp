#include "platform/display/sdl_x11.h"

#include <SDL.h>
#include <SDL_syswm.h>

namespace orbweave::display {

std::unique_ptr<window::XPixelWriter> PixelWriterFor(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (window == nullptr || SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) {
        return nullptr;
    }
    return window::XPixelWriter::For(info.info.x11.display, info.info.x11.window);
}

}  // namespace orbweave::display
