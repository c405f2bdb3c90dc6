#include <gtest/gtest.h>

#include "core/colour_tables.h"
#include "renderer/display/display.h"
#include "renderer/display/display_settings.h"
#include "renderer/display/presentation.h"
#include "renderer/display/run_state.h"
#include "renderer/renderer_state.h"

namespace orbweave {
namespace {

// Every record is changed at its first and last members, then one reset must
// bring each back to a freshly made record.
TEST(RendererState, OneResetReturnsEveryRecordToItsStartValues) {
    runState.StopRequested = true;
    runState.RunMode = kRunModePreview;
    runState.Screen.twipsPerPixel = {12, 9};
    runState.HostWindowHandle = 7;
    colourTables.HueWheel = {10, 20, 30, 40, 50};
    colourTables.DisplayBpp = 32;
    colourTables.HueTable[0] = 1;
    colourTables.TypeHueRamps[kHueColorRows - 1][kHueRampEntries - 1] = 1;
    displayState.DX = true;
    displayState.PixelBuffer.assign(4, 1);
    runPerformance.line = "line";
    runPerformance.presentTime = 2.5;
    displaySettings.VertOffset = 9;
    displaySettings.ZeroText = "0";
    drawingGeometry.ScreenWidth = 640;
    drawingGeometry.FocalDistance = 3.0f;

    ResetRendererState();

    EXPECT_EQ(runState, RunState{});
    static const ColourTables freshColours;
    EXPECT_TRUE(colourTables == freshColours);
    EXPECT_FALSE(displayState.DX);
    EXPECT_TRUE(displayState.PixelBuffer.empty());
    EXPECT_EQ(runPerformance.line, "");
    EXPECT_EQ(runPerformance.presentTime, 0.0);
    EXPECT_EQ(displaySettings.VertOffset, 0);
    EXPECT_EQ(displaySettings.ZeroText, "");
    EXPECT_EQ(drawingGeometry.ScreenWidth, 16);
    EXPECT_EQ(drawingGeometry.FocalDistance, 0.0f);
}

}  // namespace
}  // namespace orbweave
