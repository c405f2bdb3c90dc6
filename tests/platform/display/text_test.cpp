// Text drawn with Qt straight into surface memory, in every layout.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "platform/display/memory_backend.h"

namespace orbweave::display {
namespace {

class TextTest : public ::testing::TestWithParam<PixelLayout> {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "test-display";
        static char* argv[] = {name, nullptr};
        if (QGuiApplication::instance() == nullptr) {
            app = new QGuiApplication(argc, argv);
        }
    }
    static void TearDownTestSuite() {
        delete app;
        app = nullptr;
    }
    static inline QGuiApplication* app = nullptr;

    std::shared_ptr<MemoryDisplaySystem> system = MemoryDisplaySystem::Create();
};

// Counts pixels whose colour is clearly red.
int RedPixels(const Surface& surface) {
    int count = 0;
    for (int y = 0; y < surface.GetSize().height; ++y) {
        for (int x = 0; x < surface.GetSize().width; ++x) {
            const std::uint32_t rgb = surface.RgbAt(x, y);
            count += (rgb >> 16) > 0xC0 && ((rgb >> 8) & 0xFF) < 0x40 && (rgb & 0xFF) < 0x40;
        }
    }
    return count;
}

TEST_P(TextTest, RedTextIsRedInTheSurfaceLayout) {
    std::shared_ptr<Surface> surface;
    ASSERT_EQ(system->CreateSurface({120, 40}, GetParam(), surface), Result::Ok);
    surface->SetFont({"DejaVu Sans", 18, true});
    surface->SetTextColour(0x0000FF);  // red in the low byte
    ASSERT_EQ(surface->DrawText(4, 4, "HHHH"), Result::Ok);
    EXPECT_GT(RedPixels(*surface), 20);
}

INSTANTIATE_TEST_SUITE_P(EveryLayout, TextTest,
                         ::testing::Values(PixelLayout::Rgb555, PixelLayout::Rgb565, PixelLayout::Bgr24,
                                           PixelLayout::Xrgb8888));

TEST_F(TextTest, TextStaysInsideItsMeasuredBox) {
    std::shared_ptr<Surface> surface;
    system->CreateSurface({200, 60}, PixelLayout::Xrgb8888, surface);
    surface->SetFont({"DejaVu Sans", 12, false});
    surface->SetTextColour(0xFFFFFF);
    Size size;
    ASSERT_EQ(surface->MeasureText("Back in 5 minutes", size), Result::Ok);
    EXPECT_GT(size.width, 50);
    EXPECT_GT(size.height, 10);
    ASSERT_EQ(surface->DrawText(10, 20, "Back in 5 minutes"), Result::Ok);
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 200; ++x) {
            const bool inside = x >= 10 && x < 10 + size.width + 2 && y >= 20 && y < 20 + size.height;
            if (!inside) {
                EXPECT_EQ(surface->RgbAt(x, y), 0u) << x << "," << y;
            }
        }
    }
}

TEST_F(TextTest, DrawingIsRefusedWhileTheSurfaceIsLocked) {
    std::shared_ptr<Surface> surface;
    system->CreateSurface({20, 20}, surface);
    LockedRect locked;
    surface->Lock(locked);
    EXPECT_EQ(surface->DrawText(0, 0, "x"), Result::Busy);
}

}  // namespace
}  // namespace orbweave::display
