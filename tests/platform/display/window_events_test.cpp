// SDL's events as the layers above see them: the kinds the program acts on,
// each pending event once, every mouse motion of one frame with its position.
#include "platform/display/window_events.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

namespace orbweave::display {
namespace {

SDL_Event Event(std::uint32_t type, int a = 0, int b = 0) {
    SDL_Event event{};
    event.type = type;
    if (type == SDL_MOUSEMOTION) {
        event.motion.x = a;
        event.motion.y = b;
    }
    if (type == SDL_WINDOWEVENT) event.window.event = static_cast<std::uint8_t>(a);
    return event;
}

TEST(WindowEvents, EachPendingEventIsTranslatedOnceAndOthersAreDropped) {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    std::vector<WindowEvent> received;
    SetWindowEventHandler([&](const WindowEvent& event) { received.push_back(event); });
    for (SDL_Event event : {Event(SDL_KEYUP), Event(SDL_KEYDOWN), Event(SDL_MOUSEBUTTONUP), Event(SDL_MOUSEBUTTONDOWN),
                            Event(SDL_MOUSEMOTION, 100, 50), Event(SDL_MOUSEMOTION, 200, 100),
                            Event(SDL_WINDOWEVENT, SDL_WINDOWEVENT_EXPOSED), Event(SDL_WINDOWEVENT, SDL_WINDOWEVENT_CLOSE),
                            Event(SDL_QUIT)}) {
        ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
    }
    PumpSdlEvents();
    PumpSdlEvents();
    SetWindowEventHandler({});
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    using enum WindowEventKind;
    EXPECT_EQ(received, (std::vector<WindowEvent>{
                            {KeyDown}, {MouseButtonDown}, {MouseMove, 100, 50}, {MouseMove, 200, 100}, {WindowClose}, {Quit}}));
}

}  // namespace
}  // namespace orbweave::display
