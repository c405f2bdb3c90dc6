// The properties dialog's unsaved display choices, read from its lists.
#include "dialogs/properties/display_choices.h"

#include "core/convert.h"
#include "dialogs/common/dialog_test_tables.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "renderer/renderer_fixture.h"

namespace orbweave::testing {
namespace {

class DisplayChoicesTest : public RendererTest {
protected:
    void SetUp() override {
        RendererTest::SetUp();
        Store("DirectX", "DX_VertOffset", "4");
        Store("DirectX", "DX_RGB16bbp", "2");
        ASSERT_TRUE(dialog.Build(kDisplayControls).empty());
        auto* offsets = dialog.Find<ComboBox>("cboVertOffset");
        for (int offset = -9; offset <= 9; ++offset) {
            offsets->AddItem(IntegerToText(offset));
        }
        for (const char* layout : {"5-6-5", "5-5-5", "Hardware"}) {
            dialog.Find<ComboBox>("cboRGB16bbp")->AddItem(layout);
        }
    }
    Form dialog{"frmProps"};
};

TEST_F(DisplayChoicesTest, TheListsGiveTheChoicesWithinTheirRanges) {
    struct Case {
        int offsetEntry;
        int layoutEntry;
        std::int16_t vertOffset;
        std::int16_t rgb16Layout;
    };
    const Case cases[] = {
        {6, 1, -3, 1},
        {18, 2, 9, 2},
        {-1, -1, 0, 0},  // nothing chosen: an empty text reads 0, no entry the lowest layout
    };
    for (const Case& c : cases) {
        dialog.SetListIndex("cboVertOffset", kNoIndex, c.offsetEntry);
        dialog.SetListIndex("cboRGB16bbp", kNoIndex, c.layoutEntry);
        const DisplayChoices choices = ReadDisplayChoices(dialog);
        EXPECT_EQ(choices.vertOffset, c.vertOffset) << c.offsetEntry;
        EXPECT_EQ(choices.rgb16Layout, c.rgb16Layout) << c.layoutEntry;
    }
}

TEST_F(DisplayChoicesTest, ADialogWithoutTheListsGivesTheStoredChoices) {
    const Form editor{"frmMolecule"};
    const DisplayChoices choices = ReadDisplayChoices(editor);
    EXPECT_EQ(choices.vertOffset, 4);
    EXPECT_EQ(choices.rgb16Layout, 2);
}

}  // namespace
}  // namespace orbweave::testing
