// Loading the display settings: drawing size, plot bounds, centre, focal
// distance, clamps and the dialog-independent defaults.
#include "core/colour.h"
#include "core/colour_tables.h"
#include "renderer/display/display_settings.h"
#include "renderer/display/run_state.h"
#include "renderer/renderer_fixture.h"

namespace orbweave::testing {
namespace {

class DisplaySettings : public RendererTest {
protected:
    void Load(std::int16_t runMode, double width, double height, bool forceDefaults = false, float scale = 1.0f)
    {
        runState.RunMode = runMode;
        LoadDisplaySettings(WindowTarget("picPreview", window, width, height), forceDefaults, scale);
    }
};

TEST_F(DisplaySettings, TinySizesGrowToTheSmallestSurface)
{
    Load(kRunModeDialog, 10, 5);
    EXPECT_EQ(ScreenWidth, 16);
    EXPECT_EQ(ScreenHeight, 12);
}

TEST_F(DisplaySettings, WidthsRoundUpToAMultipleOfFour)
{
    Load(kRunModeDialog, 641, 480);
    EXPECT_EQ(ScreenWidth, 644);
    EXPECT_EQ(MaxPlotX, 643);
}

TEST_F(DisplaySettings, TheCentreRoundsHalvesToEven)
{
    Load(kRunModeDialog, 640, 481);
    EXPECT_EQ(ProjectionCentre.x, 320);
    EXPECT_EQ(ProjectionCentre.y, 240);
    Load(kRunModeDialog, 640, 483);
    EXPECT_EQ(ProjectionCentre.y, 242);
    EXPECT_FLOAT_EQ(FocalDistance, 281.0f);
}

TEST_F(DisplaySettings, TheFullScreenSizeComesFromTheStoredCustomSize)
{
    Store("DirectX", "DX_WinWidth", "800");
    Store("DirectX", "DX_WinHeight", "600");
    Load(kRunModeSaver, 1, 1);
    EXPECT_EQ(ScreenWidth, 800);
    EXPECT_EQ(ScreenHeight, 600);
}

TEST_F(DisplaySettings, AHugeStoredSizeIsClamped)
{
    Store("DirectX", "DX_WinWidth", "2000000");
    Store("DirectX", "DX_WinHeight", "99999");
    Load(kRunModeSaver, 1, 1);
    EXPECT_EQ(ScreenWidth, 16384);
    EXPECT_EQ(ScreenHeight, 16384);
}

TEST_F(DisplaySettings, ThePreviewDividesByTheTwipsPerPixel)
{
    runState.TwipsPerPixel = {15, 12};
    Load(kRunModePreview, 152 * 15, 112 * 12);
    EXPECT_EQ(ScreenWidth, 152);
    EXPECT_EQ(ScreenHeight, 112);
    runState.TwipsPerPixel = {15, 15};
}

TEST_F(DisplaySettings, VerticalOffsetsMoveThePlotBounds)
{
    const std::pair<const char*, std::pair<int, int>> cases[] = {
        {"5", {4, 46}}, {"-5", {1, 43}}, {"2", {1, 46}}, {"-2", {1, 46}}, {"30", {8, 46}}};
    for (const auto& [offset, bounds] : cases) {
        Store("DirectX", "DX_VertOffset", offset);
        Load(kRunModeDialog, 64, 48);
        EXPECT_EQ(MinPlotY, bounds.first) << offset;
        EXPECT_EQ(MaxPlotY, bounds.second) << offset;
    }
}

TEST_F(DisplaySettings, HueStopsNeverRunBackwards)
{
    const char* stored[] = {"200", "100", "400", "300", "50"};
    for (int i = 0; i < 5; ++i) {
        Store("Advanced", "Adv_HueWheel" + std::to_string(i), stored[i]);
    }
    Load(kRunModeDialog, 64, 48);
    EXPECT_EQ(colourTables.HueWheel, (HueStops{200, 200, 360, 360, 360}));
    EXPECT_EQ(colourTables.HueSpan, (HueStops{0, 160, 0, 0, 0}));
}

TEST_F(DisplaySettings, FocalLengthIsClamped)
{
    Store("Advanced", "FocalLength", "0");
    Load(kRunModeDialog, 64, 48);
    EXPECT_FLOAT_EQ(FocalLength, 0.01f);
    Store("Advanced", "FocalLength", "25");
    Load(kRunModeDialog, 64, 48, false, 2.0f);
    EXPECT_FLOAT_EQ(FocalLength, 10.0f);
    EXPECT_FLOAT_EQ(FocalDistance, 560.0f);  // (32 + 24) / 2 x 10 x 2
}

TEST_F(DisplaySettings, PreviewsIgnoreTheStoredFocalLengthAndDelay)
{
    Store("Advanced", "FocalLength", "3");
    Store("Advanced", "Adv_TimeDelay", "50");
    Load(kRunModeDialog, 64, 48, true);
    EXPECT_FLOAT_EQ(FocalLength, 1.0f);
    EXPECT_EQ(FrameDelayMs, 25);
}

TEST_F(DisplaySettings, TheMessageSettingsAreClampedAndTrimmed)
{
    Store("Advanced", "Adv_FontName", "");
    Store("Advanced", "Adv_FontSize", "40");
    Store("Advanced", "Adv_FontHueV", "-3");
    Store("Advanced", "LockMessage", "  " + std::string(120, 'x') + "  ");
    Load(kRunModeDialog, 64, 48);
    EXPECT_EQ(FontName, "Arial");
    EXPECT_EQ(FontSize, 24);
    EXPECT_EQ(FontHueV, 0);
    EXPECT_EQ(LockMessage, std::string(100, 'x'));
}

TEST_F(DisplaySettings, AMessageIsCutAtWholeCharacters)
{
    std::string message;
    for (int i = 0; i < 101; ++i) {
        message += "\xC3\xA9";  // é
    }
    Store("Advanced", "LockMessage", message);
    Load(kRunModeDialog, 64, 48);
    EXPECT_EQ(LockMessage, message.substr(0, 200));
}

}  // namespace
}  // namespace orbweave::testing
