// The credits window: clamped arguments, the blend steps of the mouse, the
// credit lines, the endless scroll, the layout floor and the double-click.
#include "dialogs/info/credits_window.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <QFontMetrics>
#include <QImage>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include "info_fixture.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/picture_box.h"
#include "platform/forms/screen.h"
#include "renderer/display/display.h"

namespace orbweave::testing {
namespace {

class CreditsWindowTest : public InfoTest {
protected:
    void SetUp() override {
        InfoTest::SetUp();
        InitDirectX();
    }
    void TearDown() override {
        CreditsWindow::Release();
        InfoTest::TearDown();
    }
    CreditsWindow& Open(CreditsParameters parameters) {
        CreditsWindow& credits = CreditsWindow::Instance();
        credits.FormLet(std::move(parameters));
        credits.Show();
        return credits;
    }
};

TEST_F(CreditsWindowTest, ArgumentsOutOfRangeAreClamped) {
    CreditsWindow& credits = Open({5, 1.0f, 20.0f, {}});
    onPump = [this] {
        if (pumps == 2) runState.StopRequested = true;
    };
    credits.RunCreditsStarfield();
    EXPECT_EQ(credits.Stars(), 10);
    EXPECT_FLOAT_EQ(credits.Speed(), 0.25f);
    EXPECT_FLOAT_EQ(credits.Scroll(), 10.0f);
}

TEST_F(CreditsWindowTest, MouseButtonsStepTheBlendWithinItsRange) {
    struct Row {
        std::int32_t blend;
        int button;
        std::int32_t after;
    };
    for (const Row& row : {Row{95, kLeftButton, 94}, Row{1, kLeftButton, 0}, Row{0, kLeftButton, 0},
                           Row{-3, kLeftButton, 0}, Row{95, kRightButton, 96}, Row{99, kRightButton, 100},
                           // The blend's range ends at 100; beyond it colours wrap into noise.
                           Row{100, kRightButton, 100}, Row{150, kRightButton, 100}, Row{95, kMiddleButton, 95}}) {
        EXPECT_EQ(BlendAfterClick(row.blend, row.button), row.after) << row.blend << " " << row.button;
    }
    std::int32_t blend = 95;
    for (int i = 0; i < 3; ++i) blend = BlendAfterClick(blend, kLeftButton);
    EXPECT_EQ(blend, 92);
}

TEST_F(CreditsWindowTest, CreditElementsBecomeTitlesAndEntries) {
    struct Row {
        std::string element;
        std::vector<CreditLine> lines;
    };
    const std::string longTitle(35, 'T');
    const std::string longEntry = " " + std::string(45, 'e');
    for (const Row& row : {
             Row{" ", {{"     ", 8.0}}},
             Row{"      Anna Ek  ", {{"     Anna Ek", 8.0}}},
             Row{longEntry, {{"     " + std::string(45, 'e'), 8.0}}},
             Row{"Beta testers:", {{"", 8.0}, {"Beta testers:", 10.0}}},
             Row{longTitle, {{"", 8.0}, {longTitle, 10.0}}},
             Row{"Copyright (C) Velmor.  All rights reserved.",
                 {{"", 8.0}, {"Copyright (C) Velmor.  All rights reserved.", 10.0}}},
             Row{"", {{"", 8.0}, {"", 10.0}}},
         }) {
        EXPECT_EQ(CreditLinesFor(row.element), row.lines) << "'" << row.element << "'";
    }
}

TEST_F(CreditsWindowTest, TextRisesUntilItHasLeftThePanelThenEntersFromTheBottom) {
    CreditsWindow& credits = Open({500, 0.005f, 10.0f, {"Books:", "     > One", "     > Two", " ", "Copyright"}});
    const Form& form = credits.Frm();
    const double pixel = ScreenTwipsPerPixelY();
    const double height = form.Get("picCredits").Height() / pixel;
    // The text starts inside the bottom of the panel as it was loaded, before the window grew.
    EXPECT_DOUBLE_EQ(credits.CreditsTop(), 320 - 90 - 10);
    std::vector<double> tops = {credits.CreditsTop()};
    // Each frame's scroll comes after its pacing; the top is read at the next one.
    auto record = [&] {
        tops.push_back(credits.CreditsTop());
        if (tops.back() > tops[tops.size() - 2]) runState.StopRequested = true;
    };
    onPump = [&] {
        if (tops.size() > 1000) runState.StopRequested = true;
        record();
    };
    credits.RunCreditsStarfield();
    ASSERT_GE(tops.size(), 4u);
    ASSERT_LT(tops.size(), 1000u);
    for (std::size_t i = 2; i + 1 < tops.size(); ++i) EXPECT_DOUBLE_EQ(tops[i], tops[i - 1] - 10) << i;
    EXPECT_LT(tops[tops.size() - 2], -height);
    EXPECT_GE(tops[tops.size() - 3], -height);
    EXPECT_DOUBLE_EQ(tops.back(), form.Get("picFrame").Height() / pixel - 10);
}

// The rows of the credit picture that hold any lit pixel, grouped into bands
// of touching rows: one band per printed line.
struct TextBands {
    int count = 0;
    int lastRow = -1;
};
TextBands BandsOf(const QImage& image, int height) {
    TextBands bands;
    bool inBand = false;
    for (int y = 0; y < std::min(height, image.height()); ++y) {
        bool lit = false;
        for (int x = 0; x < image.width() && !lit; ++x) lit = (image.pixel(x, y) & 0xFFFFFF) != 0;
        if (lit && !inBand) ++bands.count;
        if (lit) bands.lastRow = y;
        inBand = lit;
    }
    return bands;
}

// However many lines there are, each is drawn whole inside the picture and
// the picture ends just below the last one.
TEST_F(CreditsWindowTest, EveryCreditLineIsDrawnWholeInsideThePicture) {
    std::vector<std::string> credits;
    for (int group = 0; group < 8; ++group) {
        credits.push_back("Group " + std::to_string(group) + ":");
        for (int entry = 0; entry < 5; ++entry) credits.push_back("     - Member " + std::to_string(entry));
    }
    credits.push_back("Last Line");
    const Form& form = Open({500, 0.005f, 2.0f, credits}).Frm();
    const QWidget& picture = *form.Get("picCredits").Widget();
    const TextBands bands = BandsOf(form.Get<PictureBox>("picCredits").Drawing().Image(), picture.height());
    // The name, the maker's two lines and the version, then each group's
    // title and entries; empty lines draw nothing.
    EXPECT_EQ(bands.count, 4 + 8 * 6 + 1);
    const int lineHeight = QFontMetrics(picture.font()).height();
    EXPECT_GT(bands.lastRow, picture.height() - lineHeight / 2);
    EXPECT_LT(bands.lastRow, picture.height());
}

// A line wider than the panel's least width widens it: no line reaches the
// picture's right edge, where it would be cut.
TEST_F(CreditsWindowTest, ThePanelIsAsWideAsTheWidestLine) {
    const Form& form =
        Open({500, 0.005f, 2.0f,
              {"Observatories, Societies and Libraries that Helped:",
               "     Imogen Brightwater, Velmor Observatory and the Night Sky Society of the North"}})
            .Frm();
    const QWidget& picture = *form.Get("picCredits").Widget();
    const QImage image = form.Get<PictureBox>("picCredits").Drawing().Image();
    ASSERT_GE(image.width(), picture.width());
    for (int y = 0; y < std::min(picture.height(), image.height()); ++y)
        EXPECT_EQ(image.pixel(picture.width() - 1, y) & 0xFFFFFF, 0u) << "row " << y;
}

TEST_F(CreditsWindowTest, LoadsAt440By320EnlargedAndKeepsLayoutBelow240By160) {
    CreditsWindow& credits = Open({500, 0.005f, 2.0f, {}});
    Form& form = credits.Frm();
    EXPECT_EQ(drawingGeometry.ScreenWidth, 440);
    EXPECT_EQ(drawingGeometry.ScreenHeight, 320);
    EXPECT_GT(form.ScaleWidth(), 440 * ScreenTwipsPerPixelX());
    const Control& ok = form.Get("cmdDismiss");
    const int okTop = ok.Top();
    const int panelHeight = form.Get("picFrame").Height();
    form.SetClientSize(200 * ScreenTwipsPerPixelX(), 150 * ScreenTwipsPerPixelY());
    EXPECT_EQ(ok.Top(), okTop);
    EXPECT_EQ(form.Get("picFrame").Height(), panelHeight);
    form.SetClientSize(300 * ScreenTwipsPerPixelX(), 200 * ScreenTwipsPerPixelY());
    EXPECT_EQ(form.Get("picFrame").Height(), 110 * ScreenTwipsPerPixelY());
    EXPECT_EQ(form.Get("picField").Width(), form.ScaleWidth());
}

TEST_F(CreditsWindowTest, ADoubleClickChangesTheBlendOnceAndMaximises) {
    // The starfield that the window's activation starts stops at its first frame.
    bool started = false;
    onPump = [&] {
        started = true;
        runState.StopRequested = true;
    };
    CreditsWindow& credits = Open({500, 0.005f, 2.0f, {}});
    Form& form = credits.Frm();
    QWindow* window = form.Window()->windowHandle();
    ASSERT_NE(window, nullptr);
    credits.Form_Activate();
    for (int wait = 0; wait < 200 && !started; ++wait) QTest::qWait(5);
    ASSERT_TRUE(started);
    ASSERT_FALSE(credits.Running());
    displayState.CurrentBlend = 95;
    const QPoint inField = form.Get("picField").Widget()->mapTo(form.Window(), QPoint(5, 5));
    QTest::mouseDClick(window, Qt::RightButton, {}, inField);
    QCoreApplication::processEvents();
    EXPECT_EQ(displayState.CurrentBlend, 96);
    EXPECT_EQ(form.State(), WindowState::Maximized);
    QTest::mouseClick(window, Qt::LeftButton, {}, inField);
    EXPECT_EQ(displayState.CurrentBlend, 95);
}

TEST_F(CreditsWindowTest, TitleBarCloseEndsTheStarfieldFirst) {
    CreditsWindow& credits = Open({500, 0.005f, 2.0f, {}});
    onPump = [&] {
        if (pumps != 2) return;
        credits.Frm().Window()->close();
        EXPECT_TRUE(credits.Loaded());
    };
    credits.RunCreditsStarfield();
    EXPECT_EQ(pumps, 2);
    EXPECT_FALSE(credits.Loaded());
    EXPECT_TRUE(runState.StopRequested);
}

}  // namespace
}  // namespace orbweave::testing
