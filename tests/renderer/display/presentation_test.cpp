// One frame: the blend call's arguments for each vertical offset, skipped
// blends, presentation paths, lost surfaces and the statistics line.
#include <dlfcn.h>

#include <filesystem>

#include "renderer/display/corvane_loader.h"
#include "renderer/display/display.h"
#include "renderer/display/display_settings.h"
#include "renderer/display/presentation.h"
#include "renderer/display/run_state.h"
#include "renderer/renderer_fixture.h"

namespace orbweave::testing {
namespace {

using display::Call;

class Presentation : public RendererTest {
protected:
    // Starts a 64 x 48 dialog animation with the given vertical offset.
    void StartWithOffset(int offset) {
        Store("DirectX", "DX_VertOffset", std::to_string(offset));
        ASSERT_TRUE(Start(kRunModeDialog, 64, 48));
        display::LockedRect locked;
        ASSERT_EQ(displayState.BackSurface->Lock(locked), display::Result::Ok);
        surface = locked.address;
        displayState.BackSurface->Unlock();
    }
    std::uint8_t* surface = nullptr;
    static constexpr std::intptr_t kRow = 4 * 64;  // bytes of one work-image row
};

TEST_F(Presentation, OffsetZeroBlendsWithTheRowsAboveAndBelow) {
    StartWithOffset(0);
    BlendBlitSurface(35);
    const FakeBlendCall& call = LastBlend();
    EXPECT_EQ(call.routine, 32);
    EXPECT_EQ(call.surfaceStart, surface);
    EXPECT_EQ(call.surfaceEnd, surface + 45 * 64 * 4);  // row ScreenHeight - 3
    EXPECT_EQ(call.workStart, reinterpret_cast<std::uint32_t*>(&displayState.PixelBuffer[64]));
    EXPECT_EQ(call.rowLength, 64);
    EXPECT_EQ(call.pitch, 64);
    EXPECT_EQ(call.factor, 755);
    EXPECT_EQ(call.offsetA, -kRow);
    EXPECT_EQ(call.offsetB, kRow);
}

TEST_F(Presentation, APositiveOffsetTakesBothNeighboursFromAbove) {
    StartWithOffset(5);
    BlendBlitSurface(0);
    const FakeBlendCall& call = LastBlend();
    EXPECT_EQ(call.surfaceStart, surface + 3 * 64 * 4);  // the first three rows are not written
    EXPECT_EQ(call.workStart, reinterpret_cast<std::uint32_t*>(&displayState.PixelBuffer[4 * 64]));
    EXPECT_EQ(call.offsetA, -kRow);
    EXPECT_EQ(call.offsetB, -4 * kRow);
    EXPECT_EQ(call.factor, 720);
}

TEST_F(Presentation, ANegativeOffsetTakesBothNeighboursFromBelow) {
    StartWithOffset(-5);
    BlendBlitSurface(0);
    const FakeBlendCall& call = LastBlend();
    EXPECT_EQ(call.surfaceStart, surface);
    EXPECT_EQ(call.surfaceEnd, surface + 42 * 64 * 4);  // ScreenHeight - 6
    EXPECT_EQ(call.offsetA, kRow);
    EXPECT_EQ(call.offsetB, 4 * kRow);
}

TEST_F(Presentation, OffsetsOfOnePairANeighbourWithThePixelItself) {
    StartWithOffset(1);
    BlendBlitSurface(0);
    EXPECT_EQ(LastBlend().offsetB, 0);
    StartWithOffset(-1);
    BlendBlitSurface(0);
    EXPECT_EQ(LastBlend().offsetB, 0);
}

TEST_F(Presentation, TheLevelIsAddedToTheFactorBase) {
    StartWithOffset(0);
    BlendBlitSurface(64);
    EXPECT_EQ(LastBlend().factor, 784);
}

TEST_F(Presentation, TheRoutineFollowsTheSurfaceLayout) {
    UseDesktop({display::PixelLayout::Rgb565, {640, 480}, {}});
    Store("DirectX", "DX_RGB16bbp", "1");
    ASSERT_TRUE(Start(kRunModeDialog));
    BlendBlitSurface(0);
    EXPECT_EQ(LastBlend().routine, 15);
    ReleaseDirectX();
    UseDesktop({display::PixelLayout::Bgr24, {640, 480}, {}});
    ASSERT_TRUE(Start(kRunModeDialog));
    BlendBlitSurface(0);
    EXPECT_EQ(LastBlend().routine, 24);
}

TEST_F(Presentation, AFailedLockSkipsTheBlendButShowsTheFrame) {
    StartWithOffset(0);
    const int before = FakeBlendCount();
    system->Fail(Call::Lock, display::Result::Failed, 1);
    BlendBlitSurface(0);
    EXPECT_EQ(FakeBlendCount(), before);
    EXPECT_EQ(window->PresentCount(), 1);
    BlendBlitSurface(0);
    EXPECT_EQ(FakeBlendCount(), before + 1);
}

TEST_F(Presentation, RowsNarrowerThanTheDrawingAreSkipped) {
    StartWithOffset(0);
    const int before = FakeBlendCount();
    drawingGeometry.ScreenWidth = 68;  // the geometry changed without a new set-up
    BlendBlitSurface(0);
    EXPECT_EQ(FakeBlendCount(), before);
    EXPECT_EQ(window->PresentCount(), 1);
}

TEST_F(Presentation, WithoutCorvaneTheFrameIsShownAndTheLibraryIsLookedForAgain) {
    SetCorvaneLookup((config.Root() / "empty").string(), false);
    StartWithOffset(0);
    displayState.PixelBuffer[64 * 10 + 10] = 0x00FFFFFF;
    BlendBlitSurface(0);
    EXPECT_EQ(window->PresentCount(), 1);
    EXPECT_EQ(window->LastFrame().RgbAt(10, 9), 0u);
    SetCorvaneLookup(FAKE_CORVANE_FOLDER, false);
    const int before = FakeBlendCount();
    BlendBlitSurface(0);
    EXPECT_EQ(FakeBlendCount(), before + 1);
}

TEST_F(Presentation, ARoutineTheLibraryLacksIsLookedForAgainAtTheNextFrame) {
    const std::filesystem::path folder = config.Root() / "corvane";
    const std::filesystem::path library = folder / kCorvaneLibraryName;
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(PARTIAL_CORVANE_FOLDER "/libcorvane.so", library);
    SetCorvaneLookup(folder.string(), false);
    StartWithOffset(0);
    BlendBlitSurface(0);  // the 32-bit routine is missing: shown without new pixels
    EXPECT_EQ(window->PresentCount(), 1);

    // Replaced while the animation runs by a library with every routine.
    std::filesystem::copy_file(FAKE_CORVANE_FOLDER "/libcorvane.so", folder / "next.so");
    std::filesystem::rename(folder / "next.so", library);
    BlendBlitSurface(0);
    void* loaded = dlopen(library.c_str(), RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(loaded, nullptr);
    const auto count = reinterpret_cast<int (*)()>(dlsym(loaded, "FakeCorvaneCallCount"));
    ASSERT_NE(count, nullptr);
    EXPECT_EQ(count(), 1);
    dlclose(loaded);
}

TEST_F(Presentation, TheRealLibraryShowsTheWorkImageInTheWindow) {
    if (!std::filesystem::exists(REAL_CORVANE_FOLDER "/libcorvane.so")) {
        GTEST_SKIP() << "libcorvane.so is not built";
    }
    SetCorvaneLookup(REAL_CORVANE_FOLDER, false);
    StartWithOffset(0);
    for (int x = 20; x < 30; ++x) {
        displayState.PixelBuffer[64 * 11 + x] = 0x000000FF;  // blue in byte 0: red on none of the 32-bit layouts
    }
    BlendBlitSurface(0);
    bool shown = false;
    for (int y = 0; y < 48; ++y) {
        shown |= window->LastFrame().RgbAt(25, y) == 0x0000FFu;
    }
    EXPECT_TRUE(shown);
}

TEST_F(Presentation, AWindowedFrameIsStretchedOntoTheWindow) {
    StartWithOffset(0);
    window->SetScreenRect({10, 20, 138, 116});  // twice the drawing size
    BlendBlitSurface(0);
    EXPECT_EQ(window->LastFrame().size, (display::Size{128, 96}));
    EXPECT_EQ(system->CountOf(Call::Blt), 1);
}

TEST_F(Presentation, ThePreviewScalesTheWindowRectangleBackToItsHost) {
    runState.Screen.twipsPerPixel = {15, 15};
    Store("DirectX", "DX_VertOffset", "0");
    ASSERT_TRUE(Start(kRunModePreview, 64 * 15, 48 * 15));
    EXPECT_EQ(drawingGeometry.ScreenWidth, 64);
    BlendBlitSurface(0);
    EXPECT_EQ(window->LastFrame().size, (display::Size{960, 720}));
    EXPECT_EQ(window->LastFrame().RgbAt(63, 47), 0u);
}

TEST_F(Presentation, WithoutFlipHardwareEveryFrameFallsBackToAFastBlit) {
    ASSERT_TRUE(Start(kRunModeSaver));
    system->Fail(Call::Flip, display::Result::NoFlipHardware);
    const std::size_t first = system->Calls().size();
    BlendBlitSurface(0);
    BlendBlitSurface(0);
    std::vector<Call> presents;
    for (Call call : CallsSince(first)) {
        if (call == Call::Flip || call == Call::BltFast) {
            presents.push_back(call);
        }
    }
    EXPECT_EQ(presents, (std::vector<Call>{Call::Flip, Call::BltFast, Call::Flip, Call::BltFast}));
    EXPECT_EQ(window->PresentCount(), 2);
}

TEST_F(Presentation, LostSurfacesAreRestoredAndTheFrameStillBlended) {
    StartWithOffset(0);
    const int before = FakeBlendCount();
    system->LoseSurfaces();
    BlendBlitSurface(0);
    EXPECT_TRUE(Called(Call::RestoreAllSurfaces));
    EXPECT_EQ(FakeBlendCount(), before + 1);
}

TEST_F(Presentation, ADisplayReleasedByAnEventInsideTheFrameEndsTheFrameQuietly) {
    StartWithOffset(0);
    system->LoseCooperativeLevel(true);
    onPump = [] { ReleaseDirectX(); };
    BlendBlitSurface(0);
    EXPECT_FALSE(displayState.DD);
    EXPECT_EQ(window->PresentCount(), 0);
}

// A window that lends its memory gets the frame drawn straight into it and
// shown without a copy wherever the drawing area covers it whole; the frame
// it shows is the one the copying path shows.
TEST_F(Presentation, AWindowLendingItsMemoryShowsTheSameFrameWithoutACopy) {
    struct Case {
        const char* name;
        std::int16_t runMode;
        const char* useFlip;
        int width, height;  // the drawing area
        int windowScale;    // the window is this many times larger
        display::Call present;
        bool inPlace;
    };
    const Case cases[] = {
        {"exclusive flip", kRunModeSaver, "1", 640, 480, 1, Call::Flip, true},
        {"exclusive blit", kRunModeSaver, "0", 640, 480, 1, Call::BltFast, true},
        {"windowed", kRunModeDialog, "1", 64, 48, 1, Call::Blt, true},
        {"windowed stretched", kRunModeDialog, "1", 64, 48, 2, Call::Blt, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        display::Frame frames[2];
        for (const bool lends : {false, true}) {
            ReleaseDirectX();
            ResetDisplayState();
            UseDesktop({display::PixelLayout::Xrgb8888, {640, 480}, {{640, 480, 32}}});
            window = std::make_shared<display::MemoryWindow>(display::Rect{});
            window->LendMemory(lends);
            Store("DirectX", "DX_UseFlip", c.useFlip);
            Store("DirectX", "DX_VertOffset", "0");
            ASSERT_TRUE(Start(c.runMode, c.width, c.height));
            window->SetScreenRect({10, 20, 10 + c.width * c.windowScale, 20 + c.height * c.windowScale});
            for (int frame = 0; frame < 2; ++frame) {
                // The stand-in blend writes nothing: the frame is drawn here,
                // a mark that moves each frame.
                displayState.BackSurface->Fill({0, 0, c.width, c.height}, 0);
                displayState.BackSurface->Fill({2 + frame, 1, 6 + frame, 2}, 0x00FF00);
                BlendBlitSurface(0);
            }
            EXPECT_EQ(displayState.BackSurface->SharesWindowPixels(), lends && c.inPlace);
            EXPECT_EQ(window->InPlaceCount(), lends && c.inPlace ? 2 : 0);
            EXPECT_EQ(window->PresentCount(), 2);
            EXPECT_EQ(system->CountOf(c.present), 2);
            frames[lends] = window->LastFrame();
        }
        EXPECT_EQ(frames[1].size, frames[0].size);
        EXPECT_EQ(frames[1].pixels, frames[0].pixels);
        EXPECT_EQ(frames[1].RgbAt(3 * c.windowScale, c.windowScale), 0x00FF00u);
        EXPECT_EQ(frames[1].RgbAt(2 * c.windowScale, c.windowScale), 0u);
    }
}

class Statistics : public RendererTest {
protected:
    void SetUp() override {
        RendererTest::SetUp();
        runState.WriteLogEnabled = true;
        ASSERT_TRUE(Start(kRunModeDialog));
    }
    void Frames(int count, std::int64_t msEach) {
        for (int i = 0; i < count; ++i) {
            now += msEach;
            BlendBlitSurface(0);
        }
    }
};

TEST_F(Statistics, ALineAfterEveryHundredFrames) {
    Frames(99, 30);
    EXPECT_TRUE(runPerformance.line.empty());
    Frames(1, 30);
    // The batch started at the first frame: 99 frame times of 30 ms.
    EXPECT_TRUE(runPerformance.line.ends_with("   Frames: 100   Time: 00:00:00:03   FPS: 33.67")) << runPerformance.line;
    Frames(100, 30);
    EXPECT_TRUE(runPerformance.line.ends_with("   Frames: 200   Time: 00:00:00:06   FPS: 33.50")) << runPerformance.line;
}

TEST_F(Statistics, AFrameOutsideThePresentationCountsAsIdleTime) {
    BlendBlitSurface(0);
    EXPECT_EQ(runPerformance.idleTime, 0.0);  // the first frame has no earlier presentation
    now += 40;
    BlendBlitSurface(0);
    EXPECT_NEAR(runPerformance.idleTime, 0.04, 1e-9);
}

TEST_F(Statistics, NothingIsCountedWithTheLogOff) {
    runState.WriteLogEnabled = false;
    Frames(150, 30);
    EXPECT_TRUE(runPerformance.line.empty());
    EXPECT_EQ(runPerformance.idleTime, 0.0);
}

TEST(StatisticsLine, MatchesTheReportFormat) {
    std::tm when{};
    when.tm_year = 2026 - 1900;
    when.tm_mon = 11;
    when.tm_mday = 7;
    when.tm_hour = 23;
    when.tm_min = 9;
    EXPECT_EQ(FormatPerfLine(when, 100.2, 30), "12/07/2026 11:09 PM   Frames: 3000   Time: 00:00:01:40   FPS: 29.94");
    EXPECT_TRUE(FormatPerfLine(when, 100.0, 30).ends_with("FPS: 30.00"));
}

TEST(StatisticsLine, TwelveOClockAndMorningHours) {
    std::tm when{};
    when.tm_year = 2026 - 1900;
    when.tm_mday = 1;
    EXPECT_TRUE(FormatPerfLine(when, 1, 1).starts_with("01/01/2026 12:00 AM"));
    when.tm_hour = 12;
    EXPECT_TRUE(FormatPerfLine(when, 1, 1).starts_with("01/01/2026 12:00 PM"));
    when.tm_hour = 9;
    when.tm_min = 5;
    EXPECT_TRUE(FormatPerfLine(when, 1, 1).starts_with("01/01/2026 09:05 AM"));
}

TEST(StatisticsLine, DaysComeFromTheRoundedSeconds) {
    const std::tm when{};
    EXPECT_NE(FormatPerfLine(when, 86399.6, 1).find("Time: 01:00:00:00"), std::string::npos);
    EXPECT_NE(FormatPerfLine(when, 90061.0, 1).find("Time: 01:01:01:01"), std::string::npos);
}

TEST(StatisticsLine, RatesBelowOneHaveNoLeadingZero) {
    const std::tm when{};
    EXPECT_TRUE(FormatPerfLine(when, 200.0, 1).ends_with("FPS: .50"));
    EXPECT_TRUE(FormatPerfLine(when, 0.0, 0).ends_with("FPS: .00"));
}

}  // namespace
}  // namespace orbweave::testing
