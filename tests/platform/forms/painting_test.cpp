// Decorative painting, checked on the pixels of the kept image.
#include <gtest/gtest.h>

#include "forms_test_support.h"
#include "platform/forms/painting.h"
#include "platform/forms/picture_box.h"

namespace orbweave {
namespace {

constexpr std::int32_t Rgb(int red, int green, int blue) { return red | (green << 8) | (blue << 16); }

constexpr std::int32_t kOuter = 8396800;  // red 0, green 32, blue 128
constexpr std::int32_t kInner = 128;      // red 128

class PaintingTest : public ::testing::Test {
protected:
    void SetUp() override { form.SetClientSize(3000, 1500); }  // 200 by 100 pixels
    Canvas& Drawing() { return form.Drawing(); }

    Form form{"frmAbout"};
};

TEST_F(PaintingTest, TheBackdropShadesFromTheOuterColourToNearTheInnerOne) {
    DrawRadialBackdrop(Drawing(), kOuter, kInner, 32, 840, 660);
    EXPECT_EQ(Drawing().Point(56, 44), Rgb(124, 1, 4));
    EXPECT_EQ(Drawing().Point(199, 99), kOuter);
    EXPECT_EQ(Drawing().Point(0, 0), Rgb(68, 15, 60));  // inside the 18th disc (k = 17), 71 of 154 pixels out
}

TEST_F(PaintingTest, ABackdropCentredOutsideStillCoversTheWindow) {
    DrawRadialBackdrop(Drawing(), kOuter, kInner, 4, -3000, -3000);
    // Discs of 500, 375, 250 and 125 pixels around (-200, -200).
    EXPECT_EQ(Drawing().Point(150, 99), kOuter);
    EXPECT_EQ(Drawing().Point(0, 0), Rgb(32, 24, 96));
}

TEST_F(PaintingTest, OneStepCoversTheWindowInTheOuterColour) {
    DrawRadialBackdrop(Drawing(), kOuter, kInner, 1, 840, 660);
    for (const auto& [x, y] : {std::pair{0, 0}, {199, 0}, {0, 99}, {199, 99}, {56, 44}})
        EXPECT_EQ(Drawing().Point(x, y), kOuter);
}

TEST_F(PaintingTest, TheBackdropLeavesTheFillSettingsAsTheyWere) {
    Drawing().SetFillStyle(kFillTransparent);
    Drawing().SetFillColor(Rgb(1, 2, 3));
    DrawRadialBackdrop(Drawing(), kOuter, kInner, 0, 840, 660);
    DrawRadialBackdrop(Drawing(), kOuter, kInner, 32, 840, 660);
    EXPECT_EQ(Drawing().FillStyle(), kFillTransparent);
    EXPECT_EQ(Drawing().FillColor(), Rgb(1, 2, 3));
}

TEST_F(PaintingTest, TheColourFramePaintsFivePixelsAlongEachEdge) {
    Drawing().SetBackColor(0);
    Drawing().Cls();
    DrawColorFrame(Drawing());
    const std::int32_t left = Rgb(96, 64, 255);
    const std::int32_t top = Rgb(255, 32, 128);
    const std::int32_t right = Rgb(64, 128, 192);
    const std::int32_t bottom = Rgb(64, 160, 160);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(Drawing().Point(i, 50), left) << i;
        EXPECT_EQ(Drawing().Point(100, i), top) << i;
        EXPECT_EQ(Drawing().Point(199 - i, 50), right) << i;
        EXPECT_EQ(Drawing().Point(100, 99 - i), bottom) << i;
    }
    EXPECT_EQ(Drawing().Point(5, 50), 0);
    EXPECT_EQ(Drawing().Point(100, 5), 0);
    // Later sides cover earlier ones at the corners.
    EXPECT_EQ(Drawing().Point(0, 0), top);
    EXPECT_EQ(Drawing().Point(199, 99), bottom);
    EXPECT_EQ(Drawing().DrawWidth(), 1);
}

TEST_F(PaintingTest, TheColourFrameFitsWindowsWiderThanSixteenBitsOfTwips) {
    form.SetClientSize(36000, 1500);  // 2400 pixels
    DrawColorFrame(Drawing());
    EXPECT_EQ(Drawing().Point(2399, 50), Rgb(64, 128, 192));
}

TEST_F(PaintingTest, PaintingSurvivesARepaint) {
    ASSERT_TRUE(testing::ShowActive(form));
    DrawRadialBackdrop(Drawing(), kOuter, kInner, 32, 840, 660);
    form.ClientWidget()->repaint();
    const QImage shown = form.ClientWidget()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(56, 44), QColor(124, 1, 4));
}

TEST_F(PaintingTest, TheColourWheelDrawsHueZeroToTheRightAndRunsCounterClockwise) {
    const ControlSpec row{"picWheel", kNoIndex, ControlKind::PictureBox, {}, 0, 0, 1500, 1500, ""};
    auto& wheel = *static_cast<PictureBox*>(form.AddControl(row));  // 100 by 100 pixels
    Canvas& canvas = wheel.Drawing();
    canvas.SetBackColor(0);
    canvas.Cls();
    const HueStops stops = kDefaultHueStops;
    DrawColorWheel(canvas, stops);
    // Neighbouring spokes share pixels near the centre; 35 pixels out a
    // pixel belongs to a spoke within two degrees.
    const auto nearHue = [&](int x, int y, int hue) {
        for (int near = hue - 2; near <= hue + 2; ++near)
            if (canvas.Point(x, y) == HueStopsToRGB(near, stops)) return true;
        return false;
    };
    EXPECT_TRUE(nearHue(85, 50, 0));
    EXPECT_TRUE(nearHue(50, 15, 90));
    EXPECT_TRUE(nearHue(15, 50, 180));
    EXPECT_TRUE(nearHue(50, 85, 270));
    EXPECT_EQ(canvas.Point(50, 3), 0);  // the spokes reach 45 pixels
}

}  // namespace
}  // namespace orbweave
