#include "platform/display/cursor.h"

#include <SDL.h>

namespace orbweave::display {

namespace {

CursorHandler& Handler() {
    static CursorHandler handler;
    return handler;
}

}  // namespace

void ShowCursor(bool visible) {
    if (Handler()) {
        Handler()(visible);
        return;
    }
    if (SDL_WasInit(SDL_INIT_VIDEO) != 0) {
        SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
    }
}

void SetCursorHandler(CursorHandler handler) { Handler() = std::move(handler); }

}  // namespace orbweave::display
