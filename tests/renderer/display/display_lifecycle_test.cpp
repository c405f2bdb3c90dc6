// The display lifecycle: start-up, the five layouts, pixel formats, the work
// image, set-up failures, lost surfaces, fading and release.
#include "core/colour.h"
#include "core/colour_tables.h"
#include "renderer/display/display.h"
#include "renderer/display/presentation.h"
#include "renderer/display/run_state.h"
#include "renderer/renderer_fixture.h"

namespace orbweave::testing {
namespace {

using display::Call;

class DisplayLifecycle : public RendererTest {};

TEST_F(DisplayLifecycle, StartUpReadsTheDesktopDepthAndTheFlipSetting) {
    UseDesktop({display::PixelLayout::Rgb565, {640, 480}, {}});
    Store("DirectX", "DX_UseFlip", "0");
    InitDirectX();
    EXPECT_TRUE(displayState.DX);
    EXPECT_EQ(colourTables.DisplayBpp, 16);
    EXPECT_FALSE(displayState.UseFlip);
}

TEST_F(DisplayLifecycle, AMissingVideoSystemOffersTheDownloadPageAndEndsTheProcess) {
    SetDisplayOpener([] { return display::OpenResult{nullptr, display::OpenFailure::RootMissing}; });
    InitDirectX();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0],
              "X Display Not Found\r\n\r\nIt appears that SDL2 cannot reach an X display on your system.  "
              "Please start Orbweave inside an X11 session, with DISPLAY naming the X server.\r\n\r\n"
              "URL:  https://www.libsdl.org/download-2.0.php"
              "\r\n\r\nWould you like to go to the site now?");
    EXPECT_EQ(ended, (std::vector<int>{1}));
    EXPECT_FALSE(displayState.DX);
}

TEST_F(DisplayLifecycle, AnUnusableDisplayGivesTheServicesMessage) {
    SetDisplayOpener([] { return display::OpenResult{nullptr, display::OpenFailure::DeviceFailed}; });
    InitDirectX();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].starts_with("X Display Services cannot be started\r\n\r\nIt appears"));
    EXPECT_EQ(ended.size(), 1u);
}

TEST_F(DisplayLifecycle, TheSaverBuildsAnExclusiveFlipChainWithoutClipper) {
    ASSERT_TRUE(Start(kRunModeSaver));
    EXPECT_TRUE(displayState.FullScreenExclusive);
    EXPECT_EQ(system->Calls()[0].call, Call::EnumerateModes);  // the largest mode bounds the stored size
    EXPECT_EQ(system->Calls()[1].detail, "exclusive");
    EXPECT_EQ(system->Calls()[2].detail, "640x480x32");
    EXPECT_EQ(system->Calls()[3].detail, "flip chain");
    EXPECT_EQ(displayState.BackSurface->Kind(), display::SurfaceKind::BackBuffer);
    EXPECT_FALSE(Called(Call::CreateClipper));
}

TEST_F(DisplayLifecycle, WithoutFlippingTheSaverBlitsFromASystemMemorySurface) {
    Store("DirectX", "DX_UseFlip", "0");
    ASSERT_TRUE(Start(kRunModeSaver));
    EXPECT_TRUE(displayState.FullScreenExclusive);
    EXPECT_EQ(system->Calls()[3].detail, "single");
    EXPECT_EQ(displayState.BackSurface->Kind(), display::SurfaceKind::Plain);
    EXPECT_EQ(displayState.BackSurface->GetSize(), (display::Size{640, 480}));
}

TEST_F(DisplayLifecycle, ACustomSizeRunsAtTheNormalLevelWithoutClipper) {
    Store("DirectX", "CustomRes", "1");
    Store("DirectX", "DX_WinWidth", "320");
    Store("DirectX", "DX_WinHeight", "200");
    ASSERT_TRUE(Start(kRunModeSaver, 640, 480));
    EXPECT_FALSE(displayState.FullScreenExclusive);
    EXPECT_EQ(system->Calls()[1].detail, "normal");
    EXPECT_FALSE(Called(Call::SetDisplayMode));
    EXPECT_FALSE(Called(Call::CreateClipper));
    EXPECT_EQ(displayState.BackSurface->GetSize(), (display::Size{320, 200}));
}

TEST_F(DisplayLifecycle, AModeTheScreenDoesNotOfferFallsBackToTheDesktopLayoutAtTheDesktopSize) {
    UseDesktop({display::PixelLayout::Xrgb8888, {1278, 720}, {{640, 480, 32}, {800, 600, 32}}});
    Store("DirectX", "DX_WinWidth", "641");  // rounded up to 644, which is not offered
    ASSERT_TRUE(Start(kRunModeSaver));
    EXPECT_FALSE(displayState.FullScreenExclusive);
    EXPECT_TRUE(ended.empty());
    EXPECT_EQ(system->Calls()[3].call, Call::SetCooperativeLevel);
    EXPECT_EQ(system->Calls()[3].detail, "normal");
    // The drawing width keeps its multiple of 4; the geometry follows the new size.
    EXPECT_EQ(displayState.BackSurface->GetSize(), (display::Size{1280, 720}));
    EXPECT_EQ(drawingGeometry.ScreenWidth, 1280);
    EXPECT_EQ(drawingGeometry.ProjectionCentre.x, 640);
    EXPECT_EQ(drawingGeometry.ProjectionCentre.y, 360);
    EXPECT_EQ(drawingGeometry.MaxPlotX, 1279);
}

TEST_F(DisplayLifecycle, DialogsAndThePreviewGetAClipperOnTheirWindow) {
    for (const std::int16_t mode : {kRunModeDialog, kRunModePreview}) {
        ASSERT_TRUE(Start(mode));
        EXPECT_FALSE(displayState.FullScreenExclusive);
        ASSERT_TRUE(displayState.DisplayClipper);
        EXPECT_EQ(displayState.DisplayClipper->GetWindow(), window);
        EXPECT_EQ(displayState.PrimarySurface->GetClipper(), displayState.DisplayClipper);
    }
}

TEST_F(DisplayLifecycle, AnotherAnimationReleasesThePreviousSurfaces) {
    ASSERT_TRUE(Start(kRunModeDialog));
    const auto oldBack = displayState.BackSurface;
    const auto oldClipper = displayState.DisplayClipper;
    ASSERT_TRUE(Start(kRunModeDialog, 32, 24));
    EXPECT_TRUE(oldBack->IsReleased());
    EXPECT_TRUE(oldClipper->IsReleased());
    EXPECT_FALSE(displayState.BackSurface->IsReleased());
}

TEST_F(DisplayLifecycle, TheWorkImageHasOneEntryMoreThanTheSurfaceRows) {
    ASSERT_TRUE(Start(kRunModeDialog, 64, 48));
    EXPECT_EQ(displayState.PitchPixels, 64);
    EXPECT_EQ(displayState.PixelBuffer.size(), 64u * 48 + 1);
}

TEST_F(DisplayLifecycle, TwentyFourBitRowsStayWholePixels) {
    UseDesktop({display::PixelLayout::Bgr24, {640, 480}, {}});
    ASSERT_TRUE(Start(kRunModeDialog, 66, 20));  // 68 pixels of 3 bytes: 204 bytes, a multiple of 12
    EXPECT_EQ(displayState.PixelFormat, 24);
    EXPECT_EQ(displayState.PitchPixels, 68);
    EXPECT_EQ(displayState.PixelBuffer.size(), 68u * 20 + 1);
}

struct SixteenBitCase {
    display::PixelLayout desktop;
    const char* mode;
    std::int32_t expected;
};

class SixteenBitLayouts : public RendererTest, public ::testing::WithParamInterface<SixteenBitCase> {};

TEST_P(SixteenBitLayouts, ChooseTheBlendRoutine) {
    UseDesktop({GetParam().desktop, {640, 480}, {}});
    Store("DirectX", "DX_RGB16bbp", GetParam().mode);
    ASSERT_TRUE(Start(kRunModeDialog));
    EXPECT_EQ(displayState.PixelFormat, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, SixteenBitLayouts,
                         ::testing::Values(SixteenBitCase{display::PixelLayout::Rgb555, "2", 15},
                                           SixteenBitCase{display::PixelLayout::Rgb565, "2", 16},
                                           SixteenBitCase{display::PixelLayout::Rgb555, "0", 16},
                                           SixteenBitCase{display::PixelLayout::Rgb565, "1", 15}));

TEST_F(DisplayLifecycle, ASetUpFailureInADialogKeepsTheDialogAndItsDisplay) {
    InitDirectX();
    system->Fail(Call::CreateSurface, display::Result::Failed, 1);
    EXPECT_FALSE(Start(kRunModeDialog));
    EXPECT_TRUE(ended.empty());
    EXPECT_TRUE(displayState.DD);
    EXPECT_FALSE(displayState.BackSurface);
    EXPECT_TRUE(Start(kRunModeDialog));  // the next preview works again
}

TEST_F(DisplayLifecycle, ASetUpFailureInTheSaverReleasesEverythingAndEndsTheProcess) {
    InitDirectX();
    system->Fail(Call::Lock, display::Result::Failed);
    EXPECT_FALSE(Start(kRunModeSaver));
    EXPECT_EQ(ended, (std::vector<int>{1}));
    EXPECT_FALSE(displayState.DD);
    EXPECT_TRUE(system->IsReleased());
    EXPECT_EQ(cursor, (std::vector<bool>{true}));
}

TEST_F(DisplayLifecycle, ReleaseWithNothingCreatedOnlyShowsTheCursor) {
    ReleaseDirectX();
    ReleaseDirectX();
    EXPECT_EQ(cursor, (std::vector<bool>{true, true}));
    EXPECT_TRUE(system->Calls().empty());
}

TEST_F(DisplayLifecycle, ReleaseReleasesEveryObjectOnce) {
    ASSERT_TRUE(Start(kRunModeDialog));
    const auto back = displayState.BackSurface;
    ReleaseDirectX();
    ReleaseDirectX();
    EXPECT_TRUE(back->IsReleased());
    EXPECT_EQ(system->CountOf(Call::Release), 1);
    EXPECT_FALSE(displayState.PrimarySurface || displayState.BackSurface || displayState.DisplayClipper ||
                 displayState.DD);
}

TEST_F(DisplayLifecycle, ALostDisplayIsTakenBackAfterTheEventsRan) {
    ASSERT_TRUE(Start(kRunModeSaver));
    system->LoseCooperativeLevel(true);
    system->LoseSurfaces();
    const std::size_t first = system->Calls().size();
    onPump = [this] { system->LoseCooperativeLevel(false); };
    RestoreLostSurfaces();
    EXPECT_EQ(pumps, 1);
    EXPECT_EQ(CallsSince(first),
              (std::vector<Call>{Call::TestCooperativeLevel, Call::SetCooperativeLevel, Call::RestoreAllSurfaces}));
    EXPECT_EQ(system->Calls()[first + 1].detail, "exclusive");
    EXPECT_FALSE(displayState.BackSurface->IsLost());
}

TEST_F(DisplayLifecycle, AHeldDisplayNeedsNoRestore) {
    ASSERT_TRUE(Start(kRunModeSaver));
    const std::size_t first = system->Calls().size();
    RestoreLostSurfaces();
    EXPECT_EQ(CallsSince(first), (std::vector<Call>{Call::TestCooperativeLevel}));
    EXPECT_EQ(pumps, 0);
}

TEST_F(DisplayLifecycle, TheSaversFadeShowsTenFrames) {
    ASSERT_TRUE(Start(kRunModeSaver));
    FadeOutDisplay(10, 8);
    EXPECT_EQ(window->PresentCount(), 10);
    EXPECT_EQ(LastBlend().factor, 720 + 10);
}

TEST_F(DisplayLifecycle, ALongerFadeStopsAtLevelTwo) {
    ASSERT_TRUE(Start(kRunModeSaver));
    FadeOutDisplay(20, 8);  // 160 > 90: 90 / 8 rounds to 11 frames
    EXPECT_EQ(window->PresentCount(), 11);
    EXPECT_EQ(LastBlend().factor, 720 + 2);
}

TEST_F(DisplayLifecycle, ACloseDuringAFadeNeitherFadesAgainNorBreaksTheFrame) {
    ASSERT_TRUE(Start(kRunModeSaver));
    system->LoseCooperativeLevel(true);
    int nested = 0;
    onPump = [&] {
        if (nested++ == 0) {
            FadeOutDisplay(10, 8);  // the close request arrives inside a frame of the fade
            ReleaseDirectX();
        }
    };
    FadeOutDisplay(10, 8);
    EXPECT_EQ(nested, 1);
    EXPECT_FALSE(displayState.DD);
    EXPECT_EQ(window->PresentCount(), 0);
}

}  // namespace
}  // namespace orbweave::testing
