// SDL's events as the layers above see them: the kinds the program acts on,
// each pending event once, every mouse motion with its own position.
#include "platform/display/window_events.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

namespace orbweave::display {
namespace {

class WindowEventsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        SetWindowEventHandler([this](const WindowEvent& event) { received.push_back(event); });
    }
    void TearDown() override {
        SetWindowEventHandler({});
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    static void Push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError(); }
    static SDL_Event OfType(std::uint32_t type) {
        SDL_Event event{};
        event.type = type;
        return event;
    }
    static SDL_Event Motion(int x, int y) {
        SDL_Event event = OfType(SDL_MOUSEMOTION);
        event.motion.x = x;
        event.motion.y = y;
        return event;
    }
    static SDL_Event OfWindow(std::uint8_t what) {
        SDL_Event event = OfType(SDL_WINDOWEVENT);
        event.window.event = what;
        return event;
    }

    std::vector<WindowEvent> received;
};

TEST_F(WindowEventsTest, EachPendingEventIsTranslatedOnceAndOthersAreDropped) {
    Push(OfType(SDL_KEYUP));
    Push(OfType(SDL_KEYDOWN));
    Push(OfType(SDL_MOUSEBUTTONUP));
    Push(OfType(SDL_MOUSEBUTTONDOWN));
    Push(OfWindow(SDL_WINDOWEVENT_EXPOSED));
    Push(OfWindow(SDL_WINDOWEVENT_CLOSE));
    Push(OfType(SDL_QUIT));
    PumpSdlEvents();
    EXPECT_EQ(received, (std::vector<WindowEvent>{{WindowEventKind::KeyDown},
                                                  {WindowEventKind::MouseButtonDown},
                                                  {WindowEventKind::WindowClose},
                                                  {WindowEventKind::Quit}}));
    received.clear();
    PumpSdlEvents();
    EXPECT_TRUE(received.empty());
}

// A slow frame pumps once for many motions: each keeps its own position.
TEST_F(WindowEventsTest, EveryMotionOfOneFrameArrivesWithItsPosition) {
    for (const int x : {100, 200, 300}) Push(Motion(x, x / 2));
    PumpSdlEvents();
    EXPECT_EQ(received, (std::vector<WindowEvent>{{WindowEventKind::MouseMove, 100, 50},
                                                  {WindowEventKind::MouseMove, 200, 100},
                                                  {WindowEventKind::MouseMove, 300, 150}}));
}

}  // namespace
}  // namespace orbweave::display
