// Loading the display settings: drawing size, plot bounds, centre, focal
// distance, clamps and the dialog-independent defaults.
#include "renderer/display/display_settings.h"
#include "core/colour.h"
#include "core/colour_tables.h"
#include "renderer/display/display.h"
#include "renderer/display/run_state.h"
#include "renderer/renderer_fixture.h"

namespace orbweave::testing {
namespace {

class DisplaySettings : public RendererTest {
protected:
    void Load(std::int16_t runMode, double width, double height, bool forceDefaults = false, float scale = 1.0f) {
        runState.RunMode = runMode;
        LoadDisplaySettings(WindowTarget(window, width, height), forceDefaults, scale);
    }
};

TEST_F(DisplaySettings, TinySizesGrowToTheSmallestSurface) {
    Load(kRunModeDialog, 10, 5);
    EXPECT_EQ(drawingGeometry.ScreenWidth, 16);
    EXPECT_EQ(drawingGeometry.ScreenHeight, 12);
}

TEST_F(DisplaySettings, WidthsRoundUpToAMultipleOfFour) {
    Load(kRunModeDialog, 641, 480);
    EXPECT_EQ(drawingGeometry.ScreenWidth, 644);
    EXPECT_EQ(drawingGeometry.MaxPlotX, 643);
}

TEST_F(DisplaySettings, TheCentreRoundsHalvesToEven) {
    Load(kRunModeDialog, 640, 481);
    EXPECT_EQ(drawingGeometry.ProjectionCentre.x, 320);
    EXPECT_EQ(drawingGeometry.ProjectionCentre.y, 240);
    Load(kRunModeDialog, 640, 483);
    EXPECT_EQ(drawingGeometry.ProjectionCentre.y, 242);
    EXPECT_FLOAT_EQ(drawingGeometry.FocalDistance, 281.0f);
}

TEST_F(DisplaySettings, TheFullScreenSizeComesFromTheStoredCustomSize) {
    Store("DirectX", "DX_WinWidth", "800");
    Store("DirectX", "DX_WinHeight", "600");
    Load(kRunModeSaver, 1, 1);
    EXPECT_EQ(drawingGeometry.ScreenWidth, 800);
    EXPECT_EQ(drawingGeometry.ScreenHeight, 600);
}

TEST_F(DisplaySettings, AHugeStoredSizeIsClamped) {
    Store("DirectX", "DX_WinWidth", "2000000");
    Store("DirectX", "DX_WinHeight", "99999");
    Load(kRunModeSaver, 1, 1);
    EXPECT_EQ(drawingGeometry.ScreenWidth, 16384);
    EXPECT_EQ(drawingGeometry.ScreenHeight, 16384);
}

// A size stored by hand or by a template from another machine is never
// larger than this screen can show, so the saver never builds a huge surface.
TEST_F(DisplaySettings, TheFullScreenSizeIsAtMostTheLargestDisplayMode) {
    struct Case {
        std::vector<display::DisplayMode> modes;
        display::Size expected;
    };
    const Case cases[] = {
        // 1600 x 1200 is wider than the desktop and never listed.
        {{{800, 600, 32}, {1024, 768, 32}, {1600, 1200, 32}, {640, 480, 16}}, {1024, 768}},
        {{}, {1280, 1024}},  // no modes: the desktop's size
    };
    Store("DirectX", "CustomRes", "1");
    Store("DirectX", "DX_WinWidth", "16384");
    Store("DirectX", "DX_WinHeight", "16384");
    for (const Case& c : cases) {
        UseDesktop({display::PixelLayout::Xrgb8888, {1280, 1024}, c.modes});
        ASSERT_TRUE(Start(kRunModeSaver));
        EXPECT_EQ(displayState.BackSurface->GetSize(), c.expected) << c.modes.size() << " modes";
        EXPECT_EQ(displayState.PixelBuffer.size(),
                  static_cast<std::size_t>(displayState.PitchPixels) * c.expected.height + 1);
        ReleaseDirectX();
    }
}

TEST_F(DisplaySettings, ADialogsUnsavedChoicesReplaceTheStoredOnesWithinTheirRanges) {
    Store("DirectX", "DX_VertOffset", "4");
    runState.RunMode = kRunModeDialog;
    LoadDisplaySettings(WindowTarget(window, 64, 48), false, 1.0f, DisplayChoices{-3, 1});
    EXPECT_EQ(displaySettings.VertOffset, -3);
    EXPECT_EQ(displaySettings.RGB16Mode, 1);
    EXPECT_EQ(drawingGeometry.MaxPlotY, 45);
    LoadDisplaySettings(WindowTarget(window, 64, 48), false, 1.0f, DisplayChoices{30, -1});
    EXPECT_EQ(displaySettings.VertOffset, 9);
    EXPECT_EQ(displaySettings.RGB16Mode, 0);
    LoadDisplaySettings(WindowTarget(window, 64, 48), false, 1.0f);
    EXPECT_EQ(displaySettings.VertOffset, 4);
    EXPECT_EQ(displaySettings.RGB16Mode, 2);
}

TEST_F(DisplaySettings, ThePreviewDividesByTheTwipsPerPixel) {
    runState.Screen.twipsPerPixel = {15, 12};
    Load(kRunModePreview, 152 * 15, 112 * 12);
    EXPECT_EQ(drawingGeometry.ScreenWidth, 152);
    EXPECT_EQ(drawingGeometry.ScreenHeight, 112);
    runState.Screen.twipsPerPixel = {15, 15};
}

TEST_F(DisplaySettings, VerticalOffsetsMoveThePlotBounds) {
    const std::pair<const char*, std::pair<int, int>> cases[] = {
        {"5", {4, 46}}, {"-5", {1, 43}}, {"2", {1, 46}}, {"-2", {1, 46}}, {"30", {8, 46}}};
    for (const auto& [offset, bounds] : cases) {
        Store("DirectX", "DX_VertOffset", offset);
        Load(kRunModeDialog, 64, 48);
        EXPECT_EQ(drawingGeometry.MinPlotY, bounds.first) << offset;
        EXPECT_EQ(drawingGeometry.MaxPlotY, bounds.second) << offset;
    }
}

TEST_F(DisplaySettings, HueStopsNeverRunBackwards) {
    const char* stored[] = {"200", "100", "400", "300", "50"};
    for (int i = 0; i < 5; ++i) {
        Store("Advanced", "Adv_HueWheel" + std::to_string(i), stored[i]);
    }
    Load(kRunModeDialog, 64, 48);
    EXPECT_EQ(colourTables.HueWheel, (HueStops{200, 200, 360, 360, 360}));
    EXPECT_EQ(colourTables.HueSpan, (HueStops{0, 160, 0, 0, 0}));
}

TEST_F(DisplaySettings, FocalLengthIsClamped) {
    Store("Advanced", "FocalLength", "0");
    Load(kRunModeDialog, 64, 48);
    EXPECT_FLOAT_EQ(displaySettings.FocalLength, 0.01f);
    Store("Advanced", "FocalLength", "25");
    Load(kRunModeDialog, 64, 48, false, 2.0f);
    EXPECT_FLOAT_EQ(displaySettings.FocalLength, 10.0f);
    EXPECT_FLOAT_EQ(drawingGeometry.FocalDistance, 560.0f);  // (32 + 24) / 2 x 10 x 2
}

TEST_F(DisplaySettings, PreviewsIgnoreTheStoredFocalLengthAndDelay) {
    Store("Advanced", "FocalLength", "3");
    Store("Advanced", "Adv_TimeDelay", "50");
    Load(kRunModeDialog, 64, 48, true);
    EXPECT_FLOAT_EQ(displaySettings.FocalLength, 1.0f);
    EXPECT_EQ(displaySettings.FrameDelayMs, 25);
}

TEST_F(DisplaySettings, TheMessageSettingsAreClampedAndTrimmed) {
    Store("Advanced", "Adv_FontName", "");
    Store("Advanced", "Adv_FontSize", "40");
    Store("Advanced", "Adv_FontHueV", "-3");
    Store("Advanced", "LockMessage", "  " + std::string(120, 'x') + "  ");
    Load(kRunModeDialog, 64, 48);
    EXPECT_EQ(displaySettings.FontName, "Arial");
    EXPECT_EQ(displaySettings.FontSize, 24);
    EXPECT_EQ(displaySettings.FontHueV, 0);
    EXPECT_EQ(displaySettings.LockMessage, std::string(100, 'x'));
}

TEST_F(DisplaySettings, AMessageIsCutAtWholeCharacters) {
    std::string message;
    for (int i = 0; i < 101; ++i) {
        message += "\xC3\xA9";  // é
    }
    Store("Advanced", "LockMessage", message);
    Load(kRunModeDialog, 64, 48);
    EXPECT_EQ(displaySettings.LockMessage, message.substr(0, 200));
}

}  // namespace
}  // namespace orbweave::testing
