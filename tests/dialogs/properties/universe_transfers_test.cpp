#include "dialogs/properties/universe_transfers.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "dialogs/common/control_names.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/registry/settings.h"
#include "settings/template_file.h"
#include "settings/templates/template_fixture.h"
#include "settings/universe_values.h"

namespace orbweave {
namespace {

constexpr int kProfileEntries = 52;

// The universe controls of the properties dialog, each holding something
// other than its default.
class UniverseTransferTest : public TemplateTest {
protected:
    void SetUp() override {
        TemplateTest::SetUp();
        dialog_ = std::make_unique<Form>("frmProps");
        for (const UniverseValue& v : kUniverseValues) dialog_->AddControl(SpecOf(v));
        auto* profile = dialog_->Find<ComboBox>("cboUniProfile");
        for (int i = 0; i < kProfileEntries; ++i) profile->AddItem("Profile " + std::to_string(i));
        for (const UniverseValue& v : kUniverseValues) {
            const ControlRef c = ControlOf(v.control);
            if (c.name == "txtUni") dialog_->SetText(c.name, c.index, "-5");
        }
        dialog_->SetText("cboTourGalaxies", kNoIndex, "old tour");
        dialog_->SetListIndex("cboUniProfile", kNoIndex, 3);
    }

    static ControlSpec SpecOf(const UniverseValue& v) {
        const ControlRef c = ControlOf(v.control);
        ControlSpec row{c.name, c.index, ControlKind::TextBox, {}, 0, 0, 1000, 300, ""};
        if (v.type == UniverseValueType::Flag) row.kind = ControlKind::CheckBox;
        if (v.type == UniverseValueType::Text) {
            row.kind = ControlKind::ComboBox;
            row.style = kStyleEditable;
        }
        if (v.type == UniverseValueType::Int16) row.kind = ControlKind::ComboBox;
        return row;
    }

    std::string Text(int index) const { return dialog_->GetText("txtUni", index).value_or("<missing>"); }
    int Value(std::string_view name) const { return dialog_->GetValue(name).value_or(-9); }
    int Profile() const { return dialog_->GetListIndex("cboUniProfile").value_or(-9); }

    std::unique_ptr<Form> dialog_;
};

TEST_F(UniverseTransferTest, TemplateTextsGoIntoTheControlsAsTheyStand) {
    const TemplateReader& reader = Import(
        "\r\n[Universe]\r\nUniverse_Galaxy= 42\r\nUniverse_Persist=0.98500\r\nUniverse_AmCAge=abc\r\n"
        "Universe_GS_Idx= 3 1 \r\nUniverse_Tour=-1\r\nUniverse_GVisit=1\r\nUniverse_RotCam=True\r\n"
        "Universe_Profile=7\r\n");
    dialog_->SetValue("chkRotCamera", kNoIndex, 1);
    TempToUniverseControls(*dialog_, reader);
    EXPECT_EQ(Text(0), "18000");
    EXPECT_EQ(Text(1), " 42");
    EXPECT_EQ(Text(12), "0.98500");
    EXPECT_EQ(Text(42), "abc");
    EXPECT_EQ(Text(51), "1");
    EXPECT_EQ(dialog_->GetText("cboTourGalaxies"), " 3 1 ");
    EXPECT_EQ(Value("chkUniTour"), 0);
    EXPECT_EQ(Value("chkVisitSeq"), 1);
    EXPECT_EQ(Value("chkRotCamera"), 0);
    EXPECT_EQ(Profile(), 7);
}

TEST_F(UniverseTransferTest, AnEmptyTemplateSetsEveryDefault) {
    TempToUniverseControls(*dialog_, Import(""));
    EXPECT_EQ(Text(0), "18000");
    EXPECT_EQ(Text(12), "0.985");
    EXPECT_EQ(Text(44), "600");
    EXPECT_EQ(dialog_->GetText("cboTourGalaxies"), "");
    EXPECT_EQ(Value("chkUniTour"), 1);
    EXPECT_EQ(Value("chkVisitSeq"), 0);
    EXPECT_EQ(Profile(), 51);
}

TEST_F(UniverseTransferTest, TheProfileReadsAsZeroPrefixedTextAndKeepsARefusedIndex) {
    const std::vector<std::pair<std::string, int>> cases{{"", 0}, {"-1", 3}, {"52", 3}, {"x", 3}, {"50", 50}};
    for (const auto& [text, expected] : cases) {
        dialog_->SetListIndex("cboUniProfile", kNoIndex, 3);
        TempToUniverseControls(*dialog_, Import("\r\n[Universe]\r\nUniverse_Profile=" + text + "\r\n"));
        EXPECT_EQ(Profile(), expected) << '"' << text << '"';
    }
}

TEST_F(UniverseTransferTest, ControlsAreSavedInTheirTextForms) {
    dialog_->SetText("txtUni", 0, "abc");
    dialog_->SetText("txtUni", 1, " 42");
    dialog_->SetText("txtUni", 12, "0.9850");
    dialog_->SetText("txtUni", 14, "12abc");
    dialog_->SetText("txtUni", 16, "");
    dialog_->SetText("cboTourGalaxies", kNoIndex, "  3 1 2  ");
    dialog_->SetValue("chkUniTour", kNoIndex, 1);
    dialog_->SetListIndex("cboUniProfile", kNoIndex, -1);
    const std::string path = PathOf("universe.owv");
    TemplateWriter writer(path);
    EXPECT_TRUE(UniverseControlsToTemp(*dialog_, writer));
    ASSERT_TRUE(writer.Commit());
    EXPECT_EQ(ReadFile(path),
              "\r\n[Universe]\r\n"
              "Universe_Stars=0\r\nUniverse_Galaxy=42\r\nUniverse_Expand=-5\r\nUniverse_ESteps=-5\r\n"
              "Universe_Persist=0.985\r\nUniverse_Damping=12\r\nUniverse_HW_Start=0\r\nUniverse_HW_End=-5\r\n"
              "Universe_Recycle=-5\r\nUniverse_NewFreq=-5\r\nUniverse_NewPctStEx=-5\r\nUniverse_GSteps=-5\r\n"
              "Universe_GPCtrl=-5\r\nUniverse_GCCtrl=-5\r\nUniverse_DstCen=-5\r\nUniverse_C_Ramp=-5\r\n"
              "Universe_GS_Idx=3 1 2\r\nUniverse_Tour=1\r\nUniverse_GVisit=0\r\nUniverse_RotCam=0\r\n"
              "Universe_AmStar=-5\r\nUniverse_AmPers=-5\r\nUniverse_AmCAge=-5\r\nUniverse_AmFrames=-5\r\n"
              "Universe_AmMaxExt=-5\r\nUniverse_GravForce=-5\r\nUniverse_GravFrame=-5\r\nUniverse_Profile=-1\r\n");
}

TEST_F(UniverseTransferTest, NumbersSurviveASaveAndALoadDigitForDigit) {
    const std::vector<std::pair<int, std::string>> boxes{
        {0, "12345678"},   // a 32-bit value
        {10, "12345678"},  // a single-precision value the float holds exactly
        {12, "0.985"},    {41, "0.999"}, {42, "0.1"},
    };
    for (const auto& [index, text] : boxes) dialog_->SetText("txtUni", index, text);
    const std::string path = PathOf("numbers.owv");
    TemplateWriter writer(path);
    EXPECT_TRUE(UniverseControlsToTemp(*dialog_, writer));
    ASSERT_TRUE(writer.Commit());
    EXPECT_NE(ReadFile(path).find("Universe_Expand=12345678\r\n"), std::string::npos);

    for (const auto& [index, text] : boxes) dialog_->SetText("txtUni", index, "");
    TempToUniverseControls(*dialog_, ImportFile(path));
    for (const auto& [index, text] : boxes) EXPECT_EQ(Text(index), text) << index;
}

TEST_F(UniverseTransferTest, AWholeTemplateFillsTheDialogAndTheTables) {
    CompGalaxies[6]._CompGalName = "Six";
    const std::string path = WriteFile("import.owv",
                                       "\r\n[Advanced]\r\nAdv_Randomize=1\r\n\r\n[Universe]\r\nUniverse_Stars=900\r\n"
                                       "\r\n[UniGal2]\r\n_UniGalName=Two\r\n\r\n[CompGal5]\r\n_CompGalName=Five\r\n");
    EXPECT_TRUE(TempToUniverseSettings(*dialog_, TemplateReader(path)));
    EXPECT_EQ(Text(0), "900");
    EXPECT_EQ(UniGalaxies[2]._UniGalName, "Two");
    EXPECT_EQ(CompGalaxies[5]._CompGalName, "Five");
    EXPECT_EQ(CompGalaxies[6]._CompGalName, "Six");  // the file holds no section for it
}

TEST_F(UniverseTransferTest, AMissingTemplateChangesNothing) {
    UniGalaxies[0]._UniGalName = "Mine";
    EXPECT_FALSE(TempToUniverseSettings(*dialog_, TemplateReader(PathOf("absent.owv"))));
    EXPECT_EQ(Text(0), "-5");
    EXPECT_EQ(Profile(), 3);
    EXPECT_EQ(UniGalaxies[0]._UniGalName, "Mine");
    EXPECT_EQ(GetSettingString("Advanced", "Adv_RandomMag", "<missing>", kHiveUser), "<missing>");
}

TEST_F(UniverseTransferTest, TheDialogIsSavedAsUniverseThenGalaxyTypesThenComposites) {
    const std::string path = PathOf("whole.owv");
    TemplateWriter writer(path);
    EXPECT_TRUE(UniverseSettingsToTemp(*dialog_, writer));
    ASSERT_TRUE(writer.Commit());
    std::vector<std::string> headers;
    const std::string text = ReadFile(path);
    for (std::size_t pos = text.find("\r\n["); pos != std::string::npos; pos = text.find("\r\n[", pos + 1)) {
        headers.push_back(text.substr(pos + 2, text.find(']', pos) - pos - 1));
    }
    ASSERT_EQ(headers.size(), 1u + 50u + 16u);
    EXPECT_EQ(headers.front(), "[Universe]");
    EXPECT_EQ(headers[1], "[UniGal0]");
    EXPECT_EQ(headers[50], "[UniGal49]");
    EXPECT_EQ(headers[51], "[CompGal0]");
    EXPECT_EQ(headers.back(), "[CompGal15]");

    // And back: the saved texts are what the controls show after a load.
    dialog_->SetText("txtUni", 0, "");
    dialog_->SetListIndex("cboUniProfile", kNoIndex, 0);
    EXPECT_TRUE(TempToUniverseSettings(*dialog_, TemplateReader(path)));
    EXPECT_EQ(Text(0), "-5");
    EXPECT_EQ(dialog_->GetText("cboTourGalaxies"), "old tour");
    EXPECT_EQ(Profile(), 3);
}

}  // namespace
}  // namespace orbweave
