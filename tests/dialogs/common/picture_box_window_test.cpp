// Frames presented into a dialog's picture box, and a box that has gone.
#include "dialogs/common/picture_box_window.h"

#include <memory>

#include "dialogs/common/dialog_test_tables.h"
#include "platform/forms/form.h"
#include "platform/forms/picture_box.h"
#include "renderer/display/display.h"
#include "renderer/display/display_settings.h"
#include "renderer/display/presentation.h"
#include "renderer/display/run_state.h"
#include "renderer/renderer_fixture.h"

namespace orbweave::testing {
namespace {

class PictureBoxWindowTest : public RendererTest {
protected:
    void SetUp() override {
        RendererTest::SetUp();
        dialog = std::make_unique<Form>("frmProps");
        ASSERT_TRUE(dialog->Build(kDisplayControls).empty());
    }
    PictureBox& Box() { return *dialog->Find<PictureBox>("picPreview"); }
    std::unique_ptr<Form> dialog;
};

TEST_F(PictureBoxWindowTest, FramesReachThePictureBox) {
    InitDirectX();
    runState.RunMode = kRunModeDialog;
    LoadDisplaySettings(WindowTarget(std::make_shared<PictureBoxWindow>(Box()), 80, 60), false, 1.0f);
    ASSERT_TRUE(LoadPropsInitDX());
    displayState.BackSurface->Fill({0, 0, 80, 60}, 0x00FF0000);
    BlendBlitSurface(0);
    EXPECT_EQ(system->CountOf(display::Call::Blt), 1);
    EXPECT_EQ(Box().Drawing().Image().pixel(40, 30) & 0xFFFFFF, 0xFF0000u);
}

TEST_F(PictureBoxWindowTest, APictureBoxTargetMeasuresTheBoxInPixelsUntilItHasGone) {
    Box().Move(0, 0, 1200, 900);
    const PictureBoxTarget target(Box());
    EXPECT_EQ(target.InnerWidth(), 80.0);
    EXPECT_EQ(target.InnerHeight(), 60.0);
    EXPECT_TRUE(target.DisplayWindow()->Exists());
    dialog.reset();
    EXPECT_EQ(target.InnerWidth(), 0.0);
    EXPECT_FALSE(target.DisplayWindow()->Exists());
}

TEST_F(PictureBoxWindowTest, ABoxThatHasGoneWithItsDialogTakesNoFrames) {
    PictureBoxWindow window(Box());
    EXPECT_TRUE(window.Exists());
    dialog.reset();
    EXPECT_FALSE(window.Exists());
    EXPECT_EQ(window.ScreenRect().Width(), 0);
    std::shared_ptr<display::Surface> frame;
    ASSERT_EQ(system->CreateSurface({16, 12}, frame), display::Result::Ok);
    EXPECT_EQ(window.Present(*frame), display::Result::Failed);
}

}  // namespace
}  // namespace orbweave::testing
