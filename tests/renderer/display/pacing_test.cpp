// Frame pacing: the per-frame yield, the stop test and the sleep.
#include "renderer/display/pacing.h"
#include "renderer/display/display_settings.h"
#include "renderer/display/run_state.h"
#include "renderer/renderer_fixture.h"

namespace orbweave::testing {
namespace {

class Pacing : public RendererTest {
protected:
    void SetUp() override {
        RendererTest::SetUp();
        displaySettings.FrameDelayMs = 25;
    }
};

TEST_F(Pacing, SleepsTheRestOfTheFrame) {
    runState.FrameStartTick = now - 5;
    EXPECT_FALSE(WaitFrameDelay());
    EXPECT_EQ(pumps, 1);
    EXPECT_EQ(slept, (std::vector<std::int64_t>{20}));
}

TEST_F(Pacing, ALateFrameDoesNotSleep) {
    runState.FrameStartTick = now - 30;
    EXPECT_FALSE(WaitFrameDelay());
    EXPECT_TRUE(slept.empty());
}

TEST_F(Pacing, RestsOfASecondOrMoreAreNotSlept) {
    displaySettings.FrameDelayMs = 1500;
    runState.FrameStartTick = now;
    EXPECT_FALSE(WaitFrameDelay());
    EXPECT_TRUE(slept.empty());
}

TEST_F(Pacing, AStopRequestedByAnEventEndsTheFrameAtOnce) {
    runState.FrameStartTick = now;
    onPump = [] { runState.StopRequested = true; };
    EXPECT_TRUE(WaitFrameDelay());
    EXPECT_TRUE(slept.empty());
}

TEST_F(Pacing, PauseSliceWaitsTwentyMillisecondsSixTimesInAll) {
    for (int i = 0; i < 6; ++i) {
        const std::int64_t before = now;
        PauseSlice();
        EXPECT_GE(now - before, 20);
    }
    const std::int64_t before = now;
    const int pumpsBefore = pumps;
    PauseSlice();
    EXPECT_EQ(now, before);
    EXPECT_EQ(pumps, pumpsBefore);
}

}  // namespace
}  // namespace orbweave::testing
