#include "host/preview.h"

#include "host_fixture.h"
#include "renderer/display/display.h"
#include "renderer/display/presentation.h"
#include "renderer/display/run_state.h"

namespace orbweave {
namespace {

class PreviewTest : public testing::HostTest {
protected:
    // A host of 160 x 120 pixels, as the drawing window reports it.
    std::shared_ptr<display::MemoryWindow> window =
        std::make_shared<display::MemoryWindow>(display::Rect{0, 0, 160, 120});
};

TEST_F(PreviewTest, TheDrawingSizeIsTheHostsSize) {
    runState.Screen.twipsPerPixel = {15, 12};
    const PreviewTarget pic(window);
    EXPECT_EQ(pic.InnerWidth(), 160 * 15);
    EXPECT_EQ(pic.InnerHeight(), 120 * 12);
    runState.RunMode = kRunModePreview;
    LoadDisplaySettings(pic, true, 1.0f);
    EXPECT_EQ(drawingGeometry.ScreenWidth, 160);
    EXPECT_EQ(drawingGeometry.ScreenHeight, 120);
    runState.Screen.twipsPerPixel = {};
}

// The host window the test gives does not exist, so the preview stops at
// the end of its first frame, with the preview's own settings.
TEST_F(PreviewTest, AHostThatIsNoWindowStopsTheFirstFrame) {
    Store("Advanced", "FocalLength", "3");
    Store("Advanced", "Adv_TimeDelay", "80");
    Store("Universe", "Universe_Stars", "1000");
    InitDirectX();
    runState.RunMode = kRunModePreview;
    runState.HostWindowHandle = 0;
    RunPreviewLoop(PreviewTarget(window));
    EXPECT_EQ(window->PresentCount(), 1);
    EXPECT_EQ(displaySettings.FocalLength, 1.0f);
    EXPECT_EQ(displaySettings.FrameDelayMs, 25);
    EXPECT_EQ(runPerformance.pixelCount, 650);  // the run drew 0.65 of the stored stars
    EXPECT_FALSE(displayState.DX);
}

}  // namespace
}  // namespace orbweave
