// Picture boxes: the kept image, drawing in the box's own scale, and the
// frames the renderer presents.
#include <QWidget>

#include <array>
#include <cstdint>

#include <gtest/gtest.h>

#include "form_test_tables.h"
#include "forms_test_support.h"
#include "platform/forms/picture_box.h"

namespace orbweave {
namespace {

constexpr std::int32_t kRed = 0x0000FF;
constexpr std::int32_t kGreen = 0x00FF00;
constexpr std::int32_t kBlue = 0xFF0000;
constexpr std::int32_t kBlack = 0;

class PictureBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.Build(testing::kPictureBoxTable);
        Canvas().SetBackColor(kBlack);
        Canvas().Cls();
    }
    PictureBox& Picture() { return *form.Find<PictureBox>("picPreview"); }
    orbweave::Canvas& Canvas() { return Picture().Drawing(); }

    Form form{"frmTest"};
};

TEST_F(PictureBoxTest, KeepsItsDrawingAcrossRepaintsUntilCleared) {
    ASSERT_TRUE(testing::ShowActive(form));
    Canvas().SetScalePixels();
    Canvas().FilledBox(0, 0, 9, 9, kRed);
    Picture().Widget()->repaint();
    const QImage shown = Picture().Widget()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(5, 5), QColor(255, 0, 0));
    EXPECT_EQ(Canvas().Point(5, 5), kRed);
    Canvas().Cls();
    EXPECT_EQ(Canvas().Point(5, 5), kBlack);
}

TEST_F(PictureBoxTest, DrawsInTwipsByDefault) {
    EXPECT_EQ(Canvas().ScaleWidth(), 600);
    EXPECT_EQ(Canvas().ScaleHeight(), 300);
    Canvas().PSet(150, 75, kGreen);
    EXPECT_EQ(Canvas().Point(10, 5), kGreen);
    EXPECT_EQ(Canvas().Point(11, 5), kBlack);
}

TEST_F(PictureBoxTest, DrawsInAScaleOfItsOwn) {
    ASSERT_TRUE(Canvas().SetScale(0, 0, 4, 2));
    EXPECT_FALSE(Canvas().SetScale(0, 0, 0, 2));
    Canvas().FilledBox(2, 1, 4, 2, kBlue);
    EXPECT_EQ(Canvas().Point(20, 10), kBlue);
    EXPECT_EQ(Canvas().Point(39, 19), kBlue);
    EXPECT_EQ(Canvas().Point(19, 10), kBlack);
}

TEST_F(PictureBoxTest, DrawsLinesFromTheLastPointAndBoxOutlines) {
    Canvas().SetScalePixels();
    Canvas().PSet(0, 0, kRed);
    Canvas().LineTo(10, 0, kRed);
    EXPECT_EQ(Canvas().Point(5, 0), kRed);
    Canvas().Box(20, 5, 30, 15, kGreen);
    EXPECT_EQ(Canvas().Point(20, 10), kGreen);
    EXPECT_EQ(Canvas().Point(30, 15), kGreen);
    EXPECT_EQ(Canvas().Point(25, 10), kBlack);
}

TEST_F(PictureBoxTest, FillsCirclesWithTheFillColourWhenSolid) {
    Canvas().SetScalePixels();
    Canvas().Circle(10, 10, 5, kRed);
    EXPECT_EQ(Canvas().Point(10, 10), kBlack);
    Canvas().SetFillStyle(kFillSolid);
    Canvas().SetFillColor(kBlue);
    Canvas().Circle(10, 10, 5, kRed);
    EXPECT_EQ(Canvas().Point(10, 10), kBlue);
    EXPECT_EQ(Canvas().Point(10, 5), kRed);
    EXPECT_EQ(Canvas().Point(10, 3), kBlack);
}

TEST_F(PictureBoxTest, PresentsFramesStretchedToTheBox) {
    // 2 by 1 pixels, B,G,R,X in memory: red then blue.
    const std::array<std::uint8_t, 8> frame = {0, 0, 255, 0, 255, 0, 0, 0};
    ASSERT_TRUE(Picture().PresentFrame({frame.data(), 2, 1, 8, FramePixelFormat::Xrgb8888}));
    EXPECT_EQ(Canvas().Point(0, 0), kRed);
    EXPECT_EQ(Canvas().Point(19, 19), kRed);
    EXPECT_EQ(Canvas().Point(20, 0), kBlue);
    EXPECT_EQ(Canvas().Point(39, 19), kBlue);
}

TEST_F(PictureBoxTest, PresentsSixteenBitFramesWithRedInTheTopBits) {
    const std::array<std::uint16_t, 1> rgb565 = {0xF800};
    ASSERT_TRUE(Picture().PresentFrame({rgb565.data(), 1, 1, 2, FramePixelFormat::Rgb565}));
    EXPECT_EQ(Canvas().Point(7, 7), kRed);
    const std::array<std::uint16_t, 1> rgb555 = {0x001F};
    ASSERT_TRUE(Picture().PresentFrame({rgb555.data(), 1, 1, 2, FramePixelFormat::Rgb555}));
    EXPECT_EQ(Canvas().Point(7, 7), kBlue);
}

TEST_F(PictureBoxTest, RefusesFramesWithoutPixelsOrWithShortRows) {
    const std::array<std::uint8_t, 6> frame{};
    EXPECT_FALSE(Picture().PresentFrame({nullptr, 2, 1, 8, FramePixelFormat::Xrgb8888}));
    EXPECT_FALSE(Picture().PresentFrame({frame.data(), 2, 1, 5, FramePixelFormat::Bgr24}));
    EXPECT_FALSE(Picture().PresentFrame({frame.data(), 0, 1, 6, FramePixelFormat::Bgr24}));
}

}  // namespace
}  // namespace orbweave
