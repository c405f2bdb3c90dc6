// The memory backend and the presentation paths: flips, fast blits and
// stretched blits into a window, call recording and refused calls.
#include <gtest/gtest.h>

#include "platform/display/cursor.h"
#include "platform/display/memory_backend.h"

namespace orbweave::display {
namespace {

class PresentationTest : public ::testing::Test {
protected:
    std::shared_ptr<MemoryDisplaySystem> system =
        MemoryDisplaySystem::Create({PixelLayout::Xrgb8888, {800, 600}, {{640, 480, 32}, {800, 600, 32}}});
    std::shared_ptr<MemoryWindow> window = std::make_shared<MemoryWindow>(Rect{100, 50, 140, 70});
};

TEST_F(PresentationTest, AFlipSwapsTheBuffersAndShowsTheNewFront) {
    ASSERT_EQ(system->SetCooperativeLevel(window, CooperativeLevel::Exclusive), Result::Ok);
    ASSERT_EQ(system->SetDisplayMode({640, 480, 32}), Result::Ok);
    std::shared_ptr<Surface> primary, back;
    ASSERT_EQ(system->CreatePrimarySurface(true, primary), Result::Ok);
    ASSERT_EQ(primary->GetAttachedBackBuffer(back), Result::Ok);
    EXPECT_EQ(primary->GetSize(), (Size{640, 480}));
    back->Fill({0, 0, 640, 480}, 0x0000FF);
    ASSERT_EQ(primary->Flip(), Result::Ok);
    EXPECT_EQ(primary->PixelAt(5, 5), 0x0000FFu);
    EXPECT_EQ(back->PixelAt(5, 5), 0u);
    EXPECT_EQ(window->PresentCount(), 1);
    EXPECT_EQ(window->LastFrame().RgbAt(639, 479), 0x0000FFu);
}

TEST_F(PresentationTest, AFlipChainNeedsTheExclusiveLevel) {
    std::shared_ptr<Surface> primary;
    EXPECT_EQ(system->CreatePrimarySurface(true, primary), Result::Failed);
    ASSERT_EQ(system->CreatePrimarySurface(false, primary), Result::Ok);
    EXPECT_EQ(primary->Flip(), Result::Failed);
}

TEST_F(PresentationTest, AWindowedBlitStretchesIntoTheWindowAndClipsToIt) {
    ASSERT_EQ(system->SetCooperativeLevel(window, CooperativeLevel::Normal), Result::Ok);
    std::shared_ptr<Surface> primary, back;
    ASSERT_EQ(system->CreatePrimarySurface(false, primary), Result::Ok);
    ASSERT_EQ(system->CreateSurface({20, 10}, back), Result::Ok);
    back->Fill({0, 0, 10, 10}, 0xFF0000);
    back->Fill({10, 0, 20, 10}, 0x00FF00);
    // Twice the size, starting 10 pixels left of the window.
    ASSERT_EQ(primary->Blt({90, 50, 130, 70}, *back, {0, 0, 20, 10}), Result::Ok);
    const Frame& frame = window->LastFrame();
    EXPECT_EQ(frame.size, (Size{40, 20}));
    EXPECT_EQ(frame.RgbAt(0, 0), 0xFF0000u);   // source column 5
    EXPECT_EQ(frame.RgbAt(9, 19), 0xFF0000u);  // source column 9
    EXPECT_EQ(frame.RgbAt(10, 0), 0x00FF00u);  // source column 10
    EXPECT_EQ(frame.RgbAt(29, 0), 0x00FF00u);
    EXPECT_EQ(frame.RgbAt(30, 0), 0u);  // beyond the stretched source
}

TEST_F(PresentationTest, AClipperChoosesTheWindowOfAWindowedPrimary) {
    auto other = std::make_shared<MemoryWindow>(Rect{0, 0, 4, 4});
    ASSERT_EQ(system->SetCooperativeLevel(window, CooperativeLevel::Normal), Result::Ok);
    std::shared_ptr<Surface> primary, back;
    std::shared_ptr<Clipper> clipper;
    system->CreatePrimarySurface(false, primary);
    system->CreateSurface({4, 4}, back);
    ASSERT_EQ(system->CreateClipper(clipper), Result::Ok);
    clipper->SetWindow(other);
    primary->SetClipper(clipper);
    ASSERT_EQ(primary->Blt({0, 0, 4, 4}, *back, {0, 0, 4, 4}), Result::Ok);
    EXPECT_EQ(other->PresentCount(), 1);
    EXPECT_EQ(window->PresentCount(), 0);
}

TEST_F(PresentationTest, BlitsRefuseSourceRectanglesOutsideTheSource) {
    system->SetCooperativeLevel(window, CooperativeLevel::Normal);
    std::shared_ptr<Surface> primary, back;
    system->CreatePrimarySurface(false, primary);
    system->CreateSurface({4, 4}, back);
    EXPECT_EQ(primary->Blt({0, 0, 4, 4}, *back, {0, 0, 5, 4}), Result::Failed);
    EXPECT_EQ(primary->BltFast(0, 0, *back, {-1, 0, 4, 4}), Result::Failed);
}

TEST_F(PresentationTest, ADestroyedWindowIsNotPresentedTo) {
    system->SetCooperativeLevel(window, CooperativeLevel::Normal);
    std::shared_ptr<Surface> primary, back;
    system->CreatePrimarySurface(false, primary);
    system->CreateSurface({4, 4}, back);
    window->Destroy();
    EXPECT_EQ(primary->Blt({100, 50, 104, 54}, *back, {0, 0, 4, 4}), Result::Failed);
    Rect rect;
    EXPECT_EQ(system->GetWindowRect(*window, rect), Result::Failed);
}

TEST(MemoryBackend, RecordsEveryCallWithItsDetail) {
    auto system = MemoryDisplaySystem::Create();
    auto window = std::make_shared<MemoryWindow>(Rect{0, 0, 800, 600});
    system->SetCooperativeLevel(window, CooperativeLevel::Exclusive);
    system->SetDisplayMode({800, 600, 32});
    ASSERT_EQ(system->Calls().size(), 2u);
    EXPECT_EQ(system->Calls()[0].call, Call::SetCooperativeLevel);
    EXPECT_EQ(system->Calls()[0].detail, "exclusive");
    EXPECT_EQ(system->Calls()[1].detail, "800x600x32");
    EXPECT_STREQ(CallName(system->Calls()[1].call), "SetDisplayMode");
}

TEST(MemoryBackend, RefusesCallsAsOftenAsAsked) {
    auto system = MemoryDisplaySystem::Create();
    std::shared_ptr<Surface> surface;
    system->CreateSurface({4, 4}, surface);
    system->Fail(Call::Lock, Result::Failed, 2);
    LockedRect locked;
    EXPECT_EQ(surface->Lock(locked), Result::Failed);
    EXPECT_EQ(surface->Lock(locked), Result::Failed);
    EXPECT_EQ(surface->Lock(locked), Result::Ok);
    EXPECT_EQ(system->CountOf(Call::Lock), 3);
}

TEST(MemoryBackend, ADisplayThatKeepsNoRecordStillRefusesOnDemand) {
    MemoryDesktop desktop;
    desktop.recordCalls = false;
    auto system = MemoryDisplaySystem::Create(desktop);
    std::shared_ptr<Surface> surface;
    system->CreateSurface({4, 4}, surface);
    system->Fail(Call::Lock, Result::Failed, 1);
    LockedRect locked;
    EXPECT_EQ(surface->Lock(locked), Result::Failed);
    EXPECT_EQ(surface->Lock(locked), Result::Ok);
    EXPECT_TRUE(system->Calls().empty());
}

TEST(MemoryBackend, SetsOnlyTheModesItsDriverOffers) {
    auto system = MemoryDisplaySystem::Create({PixelLayout::Rgb565, {1024, 768}, {{640, 480, 16}}});
    EXPECT_EQ(system->DesktopBitsPerPixel(), 16);
    EXPECT_EQ(system->SetDisplayMode({640, 480, 16}), Result::Ok);
    EXPECT_EQ(system->SetDisplayMode({644, 480, 16}), Result::ModeRefused);
    EXPECT_EQ(system->SetDisplayMode({640, 480, 32}), Result::ModeRefused);
    std::vector<DisplayMode> modes;
    ASSERT_EQ(system->EnumerateModes(modes), Result::Ok);
    EXPECT_EQ(modes, (std::vector<DisplayMode>{{640, 480, 16}}));
}

TEST(MemoryBackend, AFiveFiveFiveDesktopCountsSixteenBits) {
    auto system = MemoryDisplaySystem::Create({PixelLayout::Rgb555, {640, 480}, {}});
    EXPECT_EQ(system->DesktopBitsPerPixel(), 16);
    EXPECT_EQ(system->DesktopFormat().greenMask, 0x3E0u);
}

TEST(MemoryBackend, ALostCooperativeLevelFailsItsTest) {
    auto system = MemoryDisplaySystem::Create();
    EXPECT_EQ(system->TestCooperativeLevel(), Result::Ok);
    system->LoseCooperativeLevel(true);
    EXPECT_NE(system->TestCooperativeLevel(), Result::Ok);
}

TEST(Cursor, GoesToTheInstalledHandler) {
    std::vector<bool> shown;
    SetCursorHandler([&](bool visible) { shown.push_back(visible); });
    ShowCursor(false);
    ShowCursor(true);
    SetCursorHandler({});
    EXPECT_EQ(shown, (std::vector<bool>{false, true}));
}

}  // namespace
}  // namespace orbweave::display
