#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "dialogs/properties/universe_transfers.h"
#include "platform/registry/settings.h"
#include "props_test_form.h"
#include "settings/templates/template_fixture.h"
#include "settings/universe_values.h"

namespace orbweave {
namespace {

class UniverseStoreTransferTest : public TemplateTest {
protected:
    void SetUp() override {
        TemplateTest::SetUp();
        dialog_ = testing::MakePropsTestForm();
        dialog_->SetListIndex("cboUniProfile", kNoIndex, 3);
    }

    static std::string Stored(std::string_view name) {
        return GetSettingString(kSectionUniverse, name, "<missing>", kHiveUser);
    }
    std::string Box(int index) const { return dialog_->GetText("txtUni", index).value_or("<missing>"); }
    int Checked(std::string_view name) const { return dialog_->GetValue(name).value_or(-9); }
    int Profile() const { return dialog_->GetListIndex("cboUniProfile").value_or(-9); }

    std::unique_ptr<Form> dialog_;
};

TEST_F(UniverseStoreTransferTest, StoredValuesComeBackUnchangedThroughTheControls) {
    const std::vector<std::pair<std::string_view, std::string>> values{
        {"Universe_Stars", "54321"},    {"Universe_Expand", "12345678"}, {"Universe_Persist", "0.985"},
        {"Universe_Damping", "0.0001"}, {"Universe_HW_End", "999"},      {"Universe_GS_Idx", "3 1 66"},
        {"Universe_Tour", "0"},         {"Universe_GVisit", "1"},        {"Universe_RotCam", "1"},
        {"Universe_AmCAge", "9.5"},     {"Universe_GravForce", "0"},     {"Universe_Profile", "50"},
    };
    for (const UniverseValue& v : kUniverseValues)
        SaveSettingValue(kSectionUniverse, v.name, DefaultText(v), kHiveUser);
    for (const auto& [name, text] : values) SaveSettingValue(kSectionUniverse, name, text, kHiveUser);
    std::vector<std::string> before;
    for (const UniverseValue& v : kUniverseValues) before.push_back(Stored(v.name));

    EXPECT_TRUE(RegToUniverseControls(*dialog_));
    for (const UniverseValue& v : kUniverseValues) SaveSettingValue(kSectionUniverse, v.name, "stale", kHiveUser);
    EXPECT_TRUE(UniverseControlsToReg(*dialog_));

    std::vector<std::string> after;
    for (const UniverseValue& v : kUniverseValues) after.push_back(Stored(v.name));
    EXPECT_EQ(after, before);
    EXPECT_EQ(after.front(), "54321");
}

TEST_F(UniverseStoreTransferTest, AnEmptyStoreShowsEveryDefault) {
    EXPECT_TRUE(RegToUniverseControls(*dialog_));
    EXPECT_EQ(Box(0), "18000");
    EXPECT_EQ(Box(12), "0.985");
    EXPECT_EQ(Box(42), "0.1");
    EXPECT_EQ(dialog_->GetText("cboTourGalaxies"), "");
    EXPECT_EQ(Checked("chkUniTour"), 1);
    EXPECT_EQ(Checked("chkVisitSeq"), 0);
    EXPECT_EQ(Checked("chkRotCamera"), 0);
    EXPECT_EQ(Profile(), 51);
}

TEST_F(UniverseStoreTransferTest, TheDefaultsInTheControlsAreStoredAsEveryDefault) {
    for (const UniverseValue& v : kUniverseValues) SaveSettingValue(kSectionUniverse, v.name, "7", kHiveUser);
    ASSERT_TRUE(RegToUniverseControls(*dialog_));
    UniverseDefaultsToControls(*dialog_);
    EXPECT_TRUE(UniverseControlsToReg(*dialog_));
    for (const UniverseValue& v : kUniverseValues) EXPECT_EQ(Stored(v.name), DefaultText(v)) << v.name;
}

TEST_F(UniverseStoreTransferTest, StoredTextsAreReadInTheirRowsTypes) {
    SaveSettingValue(kSectionUniverse, "Universe_Stars", "12.5", kHiveUser);      // 32-bit: halves to even
    SaveSettingValue(kSectionUniverse, "Universe_Galaxy", "12.7", kHiveUser);     // 32-bit: rounded
    SaveSettingValue(kSectionUniverse, "Universe_Persist", "0.9850", kHiveUser);  // single
    SaveSettingValue(kSectionUniverse, "Universe_Recycle", "many", kHiveUser);    // not numeric: default
    SaveSettingValue(kSectionUniverse, "Universe_Tour", "-1", kHiveUser);         // only 1 checks
    SaveSettingValue(kSectionUniverse, "Universe_GVisit", "1", kHiveUser);
    RegToUniverseControls(*dialog_);
    EXPECT_EQ(Box(0), "12");
    EXPECT_EQ(Box(1), "13");
    EXPECT_EQ(Box(12), "0.985");
    EXPECT_EQ(Box(18), "30");
    EXPECT_EQ(Checked("chkUniTour"), 0);
    EXPECT_EQ(Checked("chkVisitSeq"), 1);
}

TEST_F(UniverseStoreTransferTest, AStoredProfileOfMinusOneClearsTheListAndOneItRefusesKeepsIt) {
    struct Case {
        std::string stored;
        int shown;
        bool taken;
    };
    const std::vector<Case> cases{{"-1", -1, true},
                                  {"52", 3, false},
                                  {"-2", 3, false},
                                  {"0", 0, true},
                                  {"7.9", 7, true}};  // a 16-bit reading takes the whole part
    for (const Case& c : cases) {
        dialog_->SetListIndex("cboUniProfile", kNoIndex, 3);
        SaveSettingValue(kSectionUniverse, "Universe_Profile", c.stored, kHiveUser);
        EXPECT_EQ(RegToUniverseControls(*dialog_), c.taken) << c.stored;
        EXPECT_EQ(Profile(), c.shown) << c.stored;
    }
}

}  // namespace
}  // namespace orbweave
