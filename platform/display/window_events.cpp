#include "platform/display/window_events.h"

#include <SDL.h>
#include <QCoreApplication>

#include <optional>
#include <utility>

namespace orbweave::display {

namespace {

WindowEventHandler& EventHandler() {
    static WindowEventHandler handler;
    return handler;
}

std::optional<WindowEvent> Translate(const SDL_Event& event) {
    switch (event.type) {
    case SDL_KEYDOWN: return WindowEvent{WindowEventKind::KeyDown};
    case SDL_MOUSEBUTTONDOWN: return WindowEvent{WindowEventKind::MouseButtonDown};
    case SDL_MOUSEMOTION: return WindowEvent{WindowEventKind::MouseMove, double(event.motion.x), double(event.motion.y)};
    case SDL_QUIT: return WindowEvent{WindowEventKind::Quit};
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_CLOSE) return WindowEvent{WindowEventKind::WindowClose};
        return std::nullopt;
    default: return std::nullopt;
    }
}

}  // namespace

void SetWindowEventHandler(WindowEventHandler handler) { EventHandler() = std::move(handler); }

void DispatchWindowEvent(const WindowEvent& event) {
    if (EventHandler()) {
        EventHandler()(event);
    }
}

void PumpSdlEvents() {
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) {
        return;
    }
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        if (const auto translated = Translate(event)) {
            DispatchWindowEvent(*translated);
        }
    }
}

void PumpWindowEvents() {
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::processEvents();
    }
    PumpSdlEvents();
}

void LeaveStopSignalsToTheProgram() { SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1"); }

}  // namespace orbweave::display
