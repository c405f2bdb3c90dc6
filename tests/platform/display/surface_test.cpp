// Surfaces: layouts, pitch, lock and unlock, fills, lost and released surfaces.
#include <gtest/gtest.h>

#include "platform/display/memory_backend.h"

namespace orbweave::display {
namespace {

TEST(PixelFormats, FiveFiveFiveReportsSixteenBitsAndItsGreenMask) {
    const PixelFormat f = FormatOf(PixelLayout::Rgb555);
    EXPECT_EQ(f.bitsPerPixel, 16);
    EXPECT_EQ(f.bytesPerPixel, 2);
    EXPECT_EQ(f.greenMask, 0x3E0u);
}

TEST(PixelFormats, MasksOfEveryLayout) {
    EXPECT_EQ(FormatOf(PixelLayout::Rgb565).redMask, 0xF800u);
    EXPECT_EQ(FormatOf(PixelLayout::Rgb565).greenMask, 0x7E0u);
    EXPECT_EQ(FormatOf(PixelLayout::Bgr24).blueMask, 0xFFu);
    EXPECT_EQ(FormatOf(PixelLayout::Xrgb8888).redMask, 0xFF0000u);
    EXPECT_EQ(FormatOf(PixelLayout::Xrgb8888).bitsPerPixel, 32);
}

TEST(PixelFormats, DecodeWidensEveryChannelToEightBits) {
    EXPECT_EQ(DecodeRgb(0xF800, FormatOf(PixelLayout::Rgb565)), 0xFF0000u);
    EXPECT_EQ(DecodeRgb(0x03E0, FormatOf(PixelLayout::Rgb555)), 0x00FF00u);
    EXPECT_EQ(DecodeRgb(0x00123456, FormatOf(PixelLayout::Xrgb8888)), 0x123456u);
}

TEST(SurfacePitch, IsAMultipleOfTheBytesPerPixelAndOfFour) {
    EXPECT_EQ(PitchFor(5, 3), 24);  // 15 bytes round up to 24, not to 16
    EXPECT_EQ(PitchFor(4, 3), 12);
    EXPECT_EQ(PitchFor(3, 2), 8);
    EXPECT_EQ(PitchFor(641, 4), 2564);
    for (int width = 1; width < 40; ++width) {
        EXPECT_EQ(PitchFor(width, 3) % 3, 0);
        EXPECT_GE(PitchFor(width, 3), width * 3);
    }
}

class SurfaceTest : public ::testing::Test {
protected:
    std::shared_ptr<MemoryDisplaySystem> system = MemoryDisplaySystem::Create();
    std::shared_ptr<Surface> surface;

    void SetUp() override { ASSERT_EQ(system->CreateSurface({10, 4}, PixelLayout::Bgr24, surface), Result::Ok); }
};

TEST_F(SurfaceTest, LockGivesTheMemoryAndPitch) {
    LockedRect locked;
    ASSERT_EQ(surface->Lock(locked), Result::Ok);
    EXPECT_NE(locked.address, nullptr);
    EXPECT_EQ(locked.width, 10);
    EXPECT_EQ(locked.height, 4);
    EXPECT_EQ(locked.pitchBytes, 36);
    EXPECT_EQ(locked.bytesPerPixel, 3);
    locked.address[36 + 3] = 0x7F;  // pixel (1, 1), blue byte
    EXPECT_EQ(surface->Unlock(), Result::Ok);
    EXPECT_EQ(surface->PixelAt(1, 1), 0x7Fu);
}

TEST_F(SurfaceTest, ASecondLockIsRefusedUntilTheUnlock) {
    LockedRect locked;
    ASSERT_EQ(surface->Lock(locked), Result::Ok);
    EXPECT_EQ(surface->Lock(locked), Result::Busy);
    EXPECT_EQ(surface->Fill({0, 0, 10, 4}, 1), Result::Busy);
    EXPECT_EQ(surface->Unlock(), Result::Ok);
    EXPECT_EQ(surface->Unlock(), Result::Failed);
}

TEST_F(SurfaceTest, FillIsClippedToTheSurface) {
    ASSERT_EQ(surface->Fill({8, -5, 50, 2}, 0x00ABCDEF), Result::Ok);
    EXPECT_EQ(surface->PixelAt(9, 1), 0xABCDEFu);
    EXPECT_EQ(surface->PixelAt(8, 0), 0xABCDEFu);
    EXPECT_EQ(surface->PixelAt(7, 0), 0u);
    EXPECT_EQ(surface->PixelAt(9, 2), 0u);
}

TEST_F(SurfaceTest, ALostSurfaceRefusesLocksUntilRestored) {
    system->LoseSurfaces();
    EXPECT_TRUE(surface->IsLost());
    LockedRect locked;
    EXPECT_EQ(surface->Lock(locked), Result::SurfaceLost);
    ASSERT_EQ(system->RestoreAllSurfaces(), Result::Ok);
    EXPECT_FALSE(surface->IsLost());
    EXPECT_EQ(surface->Lock(locked), Result::Ok);
}

TEST_F(SurfaceTest, EveryCallOnAReleasedSurfaceFailsSoftly) {
    surface->Release();
    LockedRect locked;
    PixelFormat format;
    Size size;
    EXPECT_EQ(surface->Lock(locked), Result::Released);
    EXPECT_EQ(surface->Unlock(), Result::Released);
    EXPECT_EQ(surface->Fill({0, 0, 1, 1}, 0), Result::Released);
    EXPECT_EQ(surface->GetPixelFormat(format), Result::Released);
    EXPECT_EQ(surface->Flip(), Result::Released);
    EXPECT_EQ(surface->DrawText(0, 0, "x"), Result::Released);
    EXPECT_EQ(surface->MeasureText("x", size), Result::Released);
    surface->Release();
}

TEST_F(SurfaceTest, ReleasingTheSystemReleasesItsSurfacesButKeepsTheirMemory) {
    LockedRect locked;
    ASSERT_EQ(surface->Lock(locked), Result::Ok);
    system->Release();
    system->Release();
    EXPECT_TRUE(surface->IsReleased());
    locked.address[0] = 1;  // a frame still holding the surface writes safely
    std::shared_ptr<Surface> another;
    EXPECT_EQ(system->CreateSurface({4, 4}, another), Result::Released);
    EXPECT_EQ(system->SetDisplayMode({800, 600, 32}), Result::Released);
}

// A surface sharing its window's memory keeps its picture when it moves in,
// starts black in memory the window replaced, and returns to memory of its
// own (black) when the window stops lending; when the display goes it takes
// none, so that a release never needs a screen's worth of memory.
TEST(SharedWindowPixels, FollowTheWindowsMemoryAndFallBackToTheirOwn) {
    auto system = MemoryDisplaySystem::Create({PixelLayout::Rgb565, {8, 4}, {{8, 4, 16}}});
    auto window = std::make_shared<MemoryWindow>(Rect{0, 0, 8, 4});
    window->LendMemory(true);
    ASSERT_EQ(system->SetCooperativeLevel(window, CooperativeLevel::Normal), Result::Ok);
    std::shared_ptr<Surface> primary, back;
    ASSERT_EQ(system->CreatePrimarySurface(false, primary), Result::Ok);
    ASSERT_EQ(system->CreateSurface({8, 4}, back), Result::Ok);
    back->Fill({0, 0, 1, 1}, 0xF800);
    ASSERT_EQ(back->ShareWindowPixels(), Result::Ok);
    EXPECT_TRUE(back->SharesWindowPixels());
    EXPECT_EQ(back->PixelAt(0, 0), 0xF800u);  // moved in with its picture
    EXPECT_EQ(back->PixelAt(1, 0), 0u);       // the window's old bytes are gone
    EXPECT_EQ(primary->ShareWindowPixels(), Result::Failed);

    back->Fill({1, 0, 2, 1}, 0x07E0);
    ASSERT_EQ(primary->Blt({0, 0, 8, 4}, *back, {0, 0, 8, 4}), Result::Ok);
    EXPECT_EQ(window->InPlaceCount(), 1);
    EXPECT_EQ(window->LastFrame().PixelAt(1, 0), 0x07E0u);
    ASSERT_EQ(primary->Blt({0, 0, 8, 4}, *back, {0, 0, 4, 4}), Result::Ok);  // a stretch is copied
    EXPECT_EQ(window->InPlaceCount(), 1);
    EXPECT_EQ(window->LastFrame().PixelAt(2, 0), 0x07E0u);

    // A new window size: the surface no longer fits and draws into its own memory.
    window->SetScreenRect({0, 0, 9, 4});
    LockedRect locked;
    ASSERT_EQ(back->Lock(locked), Result::Ok);
    back->Unlock();
    EXPECT_FALSE(back->SharesWindowPixels());
    EXPECT_EQ(back->PixelAt(0, 0), 0u);
    // Back to its size: new memory, cleared.
    window->SetScreenRect({0, 0, 8, 4});
    back->Fill({3, 3, 4, 4}, 0x001F);
    EXPECT_TRUE(back->SharesWindowPixels());
    EXPECT_EQ(back->PixelAt(3, 3), 0x001Fu);
    EXPECT_EQ(back->PixelAt(0, 0), 0u);

    system->Release();
    EXPECT_FALSE(back->SharesWindowPixels());
    EXPECT_TRUE(back->Pixels().empty());
    EXPECT_EQ(back->PixelAt(3, 3), 0u);
}

}  // namespace
}  // namespace orbweave::display
