// The About box: the tour keeps the user's tables aside and puts them back,
// however it ends (OK, the title bar, after the credits, with a display that
// cannot be set up); the performance-log switch; the address labels.
#include "dialogs/info/about_box.h"

#include <gtest/gtest.h>

#include <QWidget>

#include "dialogs/info/credits_window.h"
#include "info_fixture.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/registry/settings.h"
#include "renderer/display/display.h"
#include "settings/galaxy_tables.h"

namespace orbweave::testing {
namespace {

class AboutBoxTest : public InfoTest {
protected:
    void SetUp() override {
        InfoTest::SetUp();
        InitDirectX();
        LoadFactoryDefaults();
        // The user's own tables, unlike the factory ones.
        UniGalaxies[3]._UniGalName = "My spiral";
        UniGalaxies[3]._UniGalPct = 77;
        CompGalaxies[2]._CompGalName = "My pair";
        userGalaxies = UniGalaxies;
        userComposites = CompGalaxies;
    }
    void TearDown() override {
        CreditsWindow::Release();
        AboutBox::Release();
        InfoTest::TearDown();
    }
    AboutBox& Open() {
        AboutBox& about = AboutBox::Instance();
        about.FormLet({{"Books:", "     > A book", " ", "Copyright"}});
        about.Show();
        return about;
    }
    void ExpectUserTables() {
        EXPECT_TRUE(UniGalaxies == userGalaxies);
        EXPECT_TRUE(CompGalaxies == userComposites);
    }

    std::array<UniGalaxy, kUniGalaxySlots> userGalaxies;
    std::array<CompGalaxy, kCompGalaxyCount> userComposites;
};

TEST_F(AboutBoxTest, OkEndsTheTourAndPutsTheUserTablesBack) {
    AboutBox& about = Open();
    std::string shownName;
    onPump = [&] {
        if (pumps == 3) {
            shownName = UniGalaxies[3]._UniGalName;
            about.cmdDismiss_Click();
            // The window stays until the tour that draws into it has returned.
            EXPECT_TRUE(about.Loaded());
        }
    };
    about.RunAboutAnimation();
    EXPECT_EQ(pumps, 3);
    EXPECT_EQ(shownName, UniGalDefaultNames[3]);
    EXPECT_FALSE(about.Loaded());
    EXPECT_FALSE(about.Running());
    ExpectUserTables();
}

TEST_F(AboutBoxTest, TitleBarCloseEndsTheTourAsOkDoes) {
    AboutBox& about = Open();
    onPump = [&] {
        if (pumps == 2) about.Frm().Window()->close();
    };
    about.RunAboutAnimation();
    EXPECT_EQ(pumps, 2);
    EXPECT_FALSE(about.Loaded());
    ExpectUserTables();
}

TEST_F(AboutBoxTest, ADisplayThatCannotBeSetUpStillEndsOnOk) {
    ReleaseDirectX();
    AboutBox& about = Open();
    int passes = 0;
    onPump = [&] {
        if (++passes == 60) about.cmdDismiss_Click();
    };
    about.RunAboutAnimation();
    EXPECT_EQ(passes, 60);
    EXPECT_FALSE(about.Loaded());
    ExpectUserTables();
}

TEST_F(AboutBoxTest, CreditsInterruptTheTypeWhichResumesAfterThem) {
    AboutBox& about = Open();
    int creditFrames = 0;
    std::int16_t interrupted = -1;
    std::int16_t resumed = -1;
    bool creditsSeen = false;
    onPump = [&] {
        if (CreditsWindow::Exists() && CreditsWindow::Instance().Running()) {
            creditsSeen = true;
            if (++creditFrames == 4) CreditsWindow::Instance().cmdDismiss_Click();
            return;
        }
        if (pumps == 3) {
            interrupted = about.CurrentType();
            about.cmdCredits_Click();
        }
        if (creditsSeen && resumed < 0) resumed = about.CurrentType();
        if (creditsSeen && pumps == creditFrames + 9) about.cmdDismiss_Click();
    };
    about.RunAboutAnimation();
    EXPECT_TRUE(creditsSeen);
    EXPECT_EQ(creditFrames, 4);
    EXPECT_EQ(resumed, interrupted);
    EXPECT_FALSE(CreditsWindow::Exists());
    EXPECT_FALSE(about.Loaded());
    ExpectUserTables();
}

enum class CloseAction { Ok, Escape, TitleBarClose };
enum class Moment { SameFrameAsCredits, FrameAfterCredits };

void CloseBy(Form& form, CloseAction action) {
    switch (action) {
    case CloseAction::Ok: form.Get<CommandButton>("cmdDismiss").PerformClick(); break;
    case CloseAction::Escape: form.CancelButton()->PerformClick(); break;
    case CloseAction::TitleBarClose: form.Window()->close(); break;
    }
}

// A Credits click stops the tour's current type. A close given in the same
// frame closes the About box once the tour has returned and put the user's
// tables back, and no credits appear; a close in the frame after meets the
// credits window, which is then in front: it closes, and the tour goes on
// with the interrupted type.
TEST_F(AboutBoxTest, ACloseAroundACreditsClickEndsTheWindowInFrontAfterItsLoop) {
    constexpr int kRunawayPumps = 400;
    for (const CloseAction action : {CloseAction::Ok, CloseAction::Escape, CloseAction::TitleBarClose}) {
        for (const Moment when : {Moment::SameFrameAsCredits, Moment::FrameAfterCredits}) {
            SCOPED_TRACE(::testing::Message() << "action " << static_cast<int>(action) << ", "
                                              << (when == Moment::SameFrameAsCredits ? "same frame" : "frame after"));
            AboutBox::Release();
            // As the box's activation does; the last case's close left it set.
            runState.StopRequested = false;
            AboutBox& about = Open();
            bool pressed = false;
            bool creditsShown = false;
            std::int16_t interrupted = -1;
            std::int16_t resumed = -1;
            pumps = 0;
            onPump = [&, action, when] {
                if (CreditsWindow::Exists() && CreditsWindow::Instance().Running()) {
                    creditsShown = true;
                    if (!pressed) CloseBy(CreditsWindow::Instance().Frm(), action);
                    pressed = true;
                    return;
                }
                if (pumps == 3) {
                    interrupted = about.CurrentType();
                    about.cmdCredits_Click();
                    if (when == Moment::SameFrameAsCredits) {
                        CloseBy(about.Frm(), action);
                        pressed = true;
                    }
                } else if (creditsShown && resumed < 0) {
                    resumed = about.CurrentType();
                    about.cmdDismiss_Click();
                }
                if (pumps > kRunawayPumps) about.cmdDismiss_Click();
            };
            about.RunAboutAnimation();
            onPump = nullptr;
            EXPECT_FALSE(about.Loaded());
            EXPECT_FALSE(CreditsWindow::Exists());
            EXPECT_EQ(creditsShown, when == Moment::FrameAfterCredits);
            if (when == Moment::FrameAfterCredits) {
                EXPECT_EQ(resumed, interrupted);
            }
            EXPECT_LT(pumps, kRunawayPumps);
            ExpectUserTables();
        }
    }
}

TEST_F(AboutBoxTest, LogSwitchStoresOneOnlyForTheAnswerOne) {
    AboutBox& about = Open();
    struct Row {
        std::optional<std::string> answer;
        const char* stored;
    };
    for (const Row& row :
         {Row{"1", "1"}, Row{"2", "0"}, Row{"yes", "0"}, Row{"1.5", "0"}, Row{" 1", "1"}, Row{std::nullopt, "0"}}) {
        SaveSettingValue("DirectX", "DX_WriteLog", "1");
        services->inputs.clear();
        services->inputAnswers = {row.answer};
        about.lblCopy_DblClick();
        ASSERT_EQ(services->inputs.size(), 1u);
        EXPECT_EQ(services->inputs[0].defaultAnswer, "1");
        EXPECT_EQ(GetSettingString("DirectX", "DX_WriteLog", "missing"), row.stored) << row.answer.value_or("<cancel>");
    }
    EXPECT_EQ(services->inputs[0].title, "Velmor Product Performance Logging");
    EXPECT_EQ(services->inputs[0].prompt,
              "Write to VelmorPerf.log file? 1=Yes, 0=No\r\n\r\nLog file will appear in the folder the Product is "
              "started from.");
}

TEST_F(AboutBoxTest, LogSwitchOffersZeroWhenUnset) {
    Open().Frm().Get<Label>("lblCopy", 0);
    AboutBox::Instance().lblCopy_DblClick();
    ASSERT_EQ(services->inputs.size(), 1u);
    EXPECT_EQ(services->inputs[0].defaultAnswer, "0");
}

TEST_F(AboutBoxTest, OnlyTheAddressLabelsOpenAddresses) {
    AboutBox& about = Open();
    for (int i = 0; i < 4; ++i) about.lblEmail_Click(i);
    for (int i = 0; i < 8; ++i) about.lblWeb_Click(i);
    EXPECT_EQ(services->addresses,
              (std::vector<std::string>{"mailto:orbweave@velmor.example", "mailto:orbweave@velmor.example",
                                        "https://www.velmor.example/", "https://www.velmor.example/",
                                        "https://www.velmor.example/faq/", "https://www.velmor.example/faq/"}));
    EXPECT_EQ(about.Frm().Get<Label>("lblEmail", 3).Caption(), "orbweave@velmor.example");
    EXPECT_EQ(about.Frm().Get<Label>("lblCopy", 0).Caption(), "");
}

}  // namespace
}  // namespace orbweave::testing
