// The saver's message: where it is drawn, its text and its countdown.
#include <cmath>

#include "renderer/display/display.h"
#include "renderer/display/display_settings.h"
#include "renderer/display/overlay.h"
#include "renderer/display/run_state.h"
#include "renderer/renderer_fixture.h"

namespace orbweave::testing {
namespace {

class Overlay : public RendererTest {
protected:
    void SetUp() override {
        RendererTest::SetUp();
        Store("DirectX", "CustomRes", "1");
        Store("DirectX", "DX_WinWidth", "400");
        Store("DirectX", "DX_WinHeight", "300");
    }
    // The text and position of every DrawText call so far.
    std::vector<std::string> Drawn() const {
        std::vector<std::string> texts;
        for (const auto& record : system->Calls()) {
            if (record.call == display::Call::DrawText) {
                texts.push_back(record.detail);
            }
        }
        return texts;
    }
    std::string LastText() const {
        const auto texts = Drawn();
        return texts.empty() ? "" : texts.back().substr(texts.back().find(' ') + 1);
    }
};

TEST_F(Overlay, OnlyTheFullScreenSaverShowsTheMessage) {
    Store("Advanced", "LockMessage", "Back soon");
    for (const std::int16_t mode : {kRunModeDialog, kRunModePreview}) {
        ASSERT_TRUE(Start(mode));
        DrawMessageOverlay();
    }
    EXPECT_TRUE(Drawn().empty());
    ASSERT_TRUE(Start(kRunModeSaver));
    DrawMessageOverlay();
    EXPECT_EQ(LastText(), "Back soon");
}

TEST_F(Overlay, AnEmptyMessageDrawsNothing) {
    Store("Advanced", "LockMessage", "   ");
    ASSERT_TRUE(Start(kRunModeSaver));
    DrawMessageOverlay();
    EXPECT_TRUE(Drawn().empty());
}

TEST_F(Overlay, TheTextIsCentredAndPlacedByItsTopOffset) {
    Store("Advanced", "LockMessage", "Back soon");
    Store("Advanced", "Adv_FontTOff", "0");
    ASSERT_TRUE(Start(kRunModeSaver));
    DrawMessageOverlay();
    display::Size size;
    ASSERT_EQ(displayState.BackSurface->MeasureText("Back soon", size), display::Result::Ok);
    const int x = static_cast<int>(std::nearbyint((400 - size.width) * 0.5));
    EXPECT_EQ(Drawn().back(), std::to_string(x) + ",0 Back soon");
    displaySettings.FontTOff = 100;
    DrawMessageOverlay();
    EXPECT_EQ(Drawn().back(), std::to_string(x) + "," + std::to_string(300 - size.height) + " Back soon");
}

TEST_F(Overlay, TheCountdownDropsAMinuteEverySixtySeconds) {
    Store("Advanced", "LockMessage", "Away");
    Store("Advanced", "Adv_CMinutes", "10");
    Store("Advanced", "Adv_ZeroText", "Any minute now");
    ASSERT_TRUE(Start(kRunModeSaver));
    DrawMessageOverlay();
    EXPECT_EQ(LastText(), "Away 10 minutes");
    now += 60000;
    DrawMessageOverlay();
    EXPECT_EQ(LastText(), "Away 9 minutes");
    now += 480000;  // the start of the tenth minute
    DrawMessageOverlay();
    EXPECT_EQ(LastText(), "Away 1 minute");
    now += 60000;
    DrawMessageOverlay();
    EXPECT_EQ(LastText(), "Any minute now");
}

TEST_F(Overlay, TheCountReplacesTheTimeToken) {
    displaySettings.LockMessage = "Back in [T]";
    displaySettings.TimeText = "[T]";
    EXPECT_EQ(CountdownText(5), "Back in 5 minutes");
    displaySettings.TimeText = "";
    EXPECT_EQ(CountdownText(5), "Back in [T] 5 minutes");
    displaySettings.TimeText = "  ";
    EXPECT_EQ(CountdownText(1), "Back in [T] 1 minute");
    displaySettings.TimeText = "[t]";  // the token is compared with case
    EXPECT_EQ(CountdownText(2), "Back in [T] 2 minutes");
}

TEST_F(Overlay, TheTimeUpTextMayBeEmpty) {
    displaySettings.ZeroText = "";
    EXPECT_EQ(CountdownText(0), "");
}

}  // namespace
}  // namespace orbweave::testing
