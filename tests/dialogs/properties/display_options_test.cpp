// The dialog's display choices: the option lists against a fake mode list,
// the resolution lookups and the custom size boxes.
#include "dialogs/common/dialog_test_tables.h"
#include "dialogs/properties/display_options.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "renderer/display/display.h"
#include "renderer/renderer_fixture.h"

namespace orbweave::testing {
namespace {

class DisplayOptions : public RendererTest {
protected:
    void SetUp() override {
        RendererTest::SetUp();
        ASSERT_TRUE(dialog.Build(kDisplayControls).empty());
    }
    void Fill(display::MemoryDesktop desktop) {
        UseDesktop(std::move(desktop));
        InitDirectX();
        FillDisplayOptionLists(dialog, maxWidth, maxHeight);
    }
    ComboBox& Resolutions() { return *dialog.Find<ComboBox>("cboResolution"); }
    std::vector<std::string> Entries(std::string_view name) {
        std::vector<std::string> entries;
        const auto* list = dialog.Find<ComboBox>(name);
        for (int i = 0; i < list->ListCount(); ++i) {
            entries.push_back(list->List(i));
        }
        return entries;
    }

    Form dialog{"frmProps"};
    std::int32_t maxWidth = -1;
    std::int32_t maxHeight = -1;
};

const display::MemoryDesktop kEightHundredWide{
    display::PixelLayout::Xrgb8888,
    {800, 600},
    {{640, 480, 8}, {640, 480, 16}, {640, 480, 32}, {800, 600, 8}, {800, 600, 16}, {800, 600, 32}, {1024, 768, 32}}};

TEST_F(DisplayOptions, EachResolutionIsListedOnceUpToTheDesktopWidth) {
    Fill(kEightHundredWide);
    EXPECT_EQ(Entries("cboResolution"), (std::vector<std::string>{"Custom Values:", "640 * 480", "800 * 600"}));
    EXPECT_EQ(maxWidth, 800);
    EXPECT_EQ(maxHeight, 600);
}

TEST_F(DisplayOptions, ModesWithoutEightBitDepthsAreListedToo) {
    Fill({display::PixelLayout::Xrgb8888, {1920, 1080}, {{1920, 1080, 32}, {1280, 1024, 32}, {1280, 720, 32}}});
    EXPECT_EQ(Entries("cboResolution"),
              (std::vector<std::string>{"Custom Values:", "1920 * 1080", "1280 * 1024", "1280 * 720"}));
    EXPECT_EQ(maxWidth, 1920);
    EXPECT_EQ(maxHeight, 1080);
}

TEST_F(DisplayOptions, NoModesLeaveOnlyTheCustomEntry) {
    Fill({display::PixelLayout::Xrgb8888, {800, 600}, {}});
    EXPECT_EQ(Entries("cboResolution"), (std::vector<std::string>{"Custom Values:"}));
    EXPECT_EQ(maxWidth, 0);
    EXPECT_EQ(maxHeight, 0);
}

TEST_F(DisplayOptions, TheOffsetAndLayoutListsShowTheStoredChoices) {
    Store("DirectX", "DX_VertOffset", "-9");
    Fill(kEightHundredWide);
    EXPECT_EQ(Entries("cboVertOffset").size(), 19u);
    EXPECT_EQ(Entries("cboVertOffset").front(), "-9");
    EXPECT_EQ(Entries("cboVertOffset")[9], "0");
    EXPECT_EQ(dialog.GetListIndex("cboVertOffset"), 0);
    EXPECT_EQ(Entries("cboRGB16bbp"), (std::vector<std::string>{"5-6-5", "5-5-5", "Hardware"}));
    EXPECT_EQ(dialog.GetListIndex("cboRGB16bbp"), 2);
    EXPECT_EQ(dialog.Caption(), "Orbweave Properties");
}

TEST_F(DisplayOptions, AStoredOffsetOutOfRangeSelectsNothing) {
    Store("DirectX", "DX_VertOffset", "9");
    Fill(kEightHundredWide);
    EXPECT_EQ(dialog.GetListIndex("cboVertOffset"), 18);
    Store("DirectX", "DX_VertOffset", "12");
    Form other{"frmProps"};
    other.Build(kDisplayControls);
    FillDisplayOptionLists(other, maxWidth, maxHeight);
    EXPECT_EQ(other.GetListIndex("cboVertOffset"), -1);
}

TEST_F(DisplayOptions, AStoredChoiceSelectsItsListedMode) {
    Fill(kEightHundredWide);
    SelectResolutionItem(Resolutions(), false, 800, 600);
    EXPECT_EQ(Resolutions().ListIndex(), 2);
    SelectResolutionItem(Resolutions(), true, 800, 600);
    EXPECT_EQ(Resolutions().ListIndex(), 0);
}

TEST_F(DisplayOptions, AnUnlistedSizeFallsBackToTheCustomEntry) {
    Fill(kEightHundredWide);
    SelectResolutionItem(Resolutions(), false, 1024, 768);
    EXPECT_EQ(Resolutions().ListIndex(), 0);
}

TEST_F(DisplayOptions, TheCustomBoxesFollowTheResolutionChoice) {
    Store("DirectX", "CustomRes", "1");
    Store("DirectX", "DX_WinWidth", "720");
    Fill(kEightHundredWide);
    Resolutions().SetListIndex(0);
    UpdateResolutionFields(dialog, true);
    EXPECT_TRUE(dialog.Find("txtDXRes", 0)->Enabled());
    EXPECT_EQ(dialog.GetText("txtDXRes", 0), "720");
    EXPECT_EQ(dialog.GetText("txtDXRes", 1), "480");
    Resolutions().SetListIndex(1);
    UpdateResolutionFields(dialog, true);
    EXPECT_FALSE(dialog.Find("txtDXRes", 1)->Enabled());
    EXPECT_EQ(dialog.GetText("txtDXRes", 0), "640");
    EXPECT_EQ(dialog.GetText("txtDXRes", 1), "480");
    Resolutions().SetListIndex(2);
    UpdateResolutionFields(dialog, false);
    EXPECT_EQ(dialog.GetText("txtDXRes", 0), "640");
}

}  // namespace
}  // namespace orbweave::testing
