// The welcome window: its layout follows the wrapped text, and the backdrop
// is painted once.
#include "dialogs/info/welcome_window.h"

#include <gtest/gtest.h>

#include <string>

#include "info_fixture.h"
#include "platform/forms/canvas.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/screen.h"

namespace orbweave::testing {
namespace {

class WelcomeWindowTest : public InfoTest {
protected:
    void TearDown() override {
        WelcomeWindow::Release();
        InfoTest::TearDown();
    }
    WelcomeWindow& Open() {
        WelcomeWindow::Instance().Show();
        return WelcomeWindow::Instance();
    }
};

TEST_F(WelcomeWindowTest, ButtonEndsWithTheTextAndTheWindowEndsBelowIt) {
    Form& form = Open().Frm();
    const Control& text = form.Get("lblSmall", 0);
    const Control& ok = form.Get("cmdDismiss");
    const int pixel = ScreenTwipsPerPixelY();
    // The text is taller than the box it was designed in: its height followed the wrapped text.
    EXPECT_GT(text.Height(), 3000);
    EXPECT_NEAR(ok.Top() + ok.Height(), text.Top() + text.Height(), pixel);
    EXPECT_NEAR(form.ScaleHeight(), ok.Top() + 1.4 * ok.Height(), pixel);
    EXPECT_EQ(form.Get("lblSmall", 1).Left(), text.Left() + ScreenTwipsPerPixelX());
    EXPECT_EQ(form.Get("lblSmall", 1).Top(), text.Top() + pixel);
    EXPECT_EQ(form.Get<Label>("lblProduct", 1).Caption(), "Welcome to Orbweave 5.0g.");
}

TEST_F(WelcomeWindowTest, TextHasItsSixteenLinesWithTheLinuxFact) {
    const std::string text = WelcomeText();
    std::size_t breaks = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++breaks;
    EXPECT_EQ(breaks, 15u);
    EXPECT_NE(text.find("\r\n      -  Works on Linux with X11 (requires the SDL2 library).\r\n"), std::string::npos);
    EXPECT_TRUE(text.ends_with("\r\n\r\nCheers."));
}

TEST_F(WelcomeWindowTest, SecondActivationPaintsNoSecondBackdrop) {
    WelcomeWindow& welcome = Open();
    Canvas& canvas = welcome.Frm().Drawing();
    welcome.Form_Activate();
    ASSERT_TRUE(welcome.Painted());
    // Near the backdrop's centre (840, 660 twips) the discs approach dark red.
    const std::int32_t centre = canvas.Point(56, 44);
    EXPECT_GT(centre & 0xFF, 100);
    EXPECT_LT((centre >> 16) & 0xFF, 20);
    canvas.PSet(840, 660, 0x00FF00);
    welcome.Form_Activate();
    EXPECT_EQ(canvas.Point(56, 44), 0x00FF00);
}

TEST_F(WelcomeWindowTest, OkClosesWithResetSettingsFalse) {
    WelcomeWindow& welcome = Open();
    welcome.F_bResetSettings = true;
    welcome.Frm().Unload();
    welcome.Show();
    EXPECT_FALSE(welcome.F_bResetSettings);
    welcome.Frm().Get<CommandButton>("cmdDismiss").PerformClick();
    EXPECT_FALSE(welcome.Loaded());
    EXPECT_FALSE(welcome.Frm().Visible());
    EXPECT_FALSE(welcome.F_bResetSettings);
}

}  // namespace
}  // namespace orbweave::testing
