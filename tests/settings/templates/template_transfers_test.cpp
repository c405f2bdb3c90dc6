#include "settings/template_transfers.h"

#include <gtest/gtest.h>

#include "platform/registry/settings.h"
#include "settings/factory_presets.h"
#include "template_fixture.h"

namespace orbweave {
namespace {

class TemplateTransferTest : public TemplateTest {
protected:
    static std::string Stored(std::string_view section, std::string_view key) {
        return GetSettingString(section, key, "<missing>", kHiveUser);
    }
};

TEST_F(TemplateTransferTest, ACompleteFileReadsBackAndSavesByteForByte) {
    InitUniGalaxyNames();
    LoadFactoryDefaults();
    UniGalaxies[3].Ifs.Galaxy_IFS_Points = 2;
    UniGalaxies[3].Ifs.IFS_Scale = {50, 60};
    UniGalaxies[5].Atoms.Galaxy_Atoms = 1;
    UniGalaxies[5].Atoms.Atom_Element = {26};
    SaveSettingValue("Advanced", "LockMessage", "Back soon\r\nPlease wait", kHiveUser);
    SaveSettingValue("Advanced", "Adv_FontName", "Courier New", kHiveUser);
    SaveSettingValue("DirectX", "DX_WinWidth", "1024", kHiveUser);
    SaveSettingValue("Universe", "Universe_Persist", "0.98", kHiveUser);
    SaveSettingValue("Universe", "Universe_GS_Idx", "3 1 2", kHiveUser);
    const std::string first = PathOf("first.owv");
    ASSERT_TRUE(SaveCompleteTemplate(first));
    const std::string text = ReadFile(first);
    EXPECT_EQ(text.substr(0, 47), "\r\n[Admin]\r\nProduct=Orbweave\r\nVersion=5.0g\r\nCopy");
    EXPECT_NE(text.find("\r\n[UniGal3\\IFS]\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n[UniGal5\\ATOMIC]\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nLockMessage=Back soon\nPlease wait\r\n"), std::string::npos);

    // Into another user's empty settings and zero tables, and out again.
    testing::ScopedConfig otherUser;
    UniGalaxies.fill(UniGalaxy{});
    CompGalaxies.fill(CompGalaxy{});
    ASSERT_EQ(CyclePropsTempToRegArrays(first), TemplateImport::Imported);
    TempToCompGalaxies(TemplateReader(first));
    const std::string second = PathOf("second.owv");
    ASSERT_TRUE(SaveCompleteTemplate(second));
    EXPECT_EQ(ReadFile(second), text);
}

TEST_F(TemplateTransferTest, AFileSavedWithLineFeedsImportsLikeItsOriginal) {
    InitUniGalaxyNames();
    LoadFactoryDefaults();
    UniGalaxies[3].Ifs.Galaxy_IFS_Points = 2;
    UniGalaxies[3].Ifs.IFS_Scale = {50, 60};
    SaveSettingValue("Advanced", "Adv_FontName", "Courier New", kHiveUser);
    SaveSettingValue("Universe", "Universe_Stars", "5000", kHiveUser);
    const std::string original = PathOf("original.owv");
    ASSERT_TRUE(SaveCompleteTemplate(original));
    const std::string text = ReadFile(original);
    // As a Linux text editor would save it: every CR LF becomes LF.
    std::string lineFeeds;
    for (const char c : text) {
        if (c != '\r') lineFeeds.push_back(c);
    }

    testing::ScopedConfig otherUser;
    UniGalaxies.fill(UniGalaxy{});
    CompGalaxies.fill(CompGalaxy{});
    const std::string edited = WriteFile("edited.owv", lineFeeds);
    ASSERT_EQ(CyclePropsTempToRegArrays(edited), TemplateImport::Imported);
    EXPECT_EQ(Stored("Advanced", "Adv_FontName"), "Courier New");
    EXPECT_EQ(Stored("Universe", "Universe_Stars"), "5000");
    EXPECT_EQ(UniGalaxies[3].Ifs.IFS_Scale[1], 60);
    TempToCompGalaxies(TemplateReader(edited));
    // Saved again, it is this system's own file once more.
    const std::string again = PathOf("again.owv");
    ASSERT_TRUE(SaveCompleteTemplate(again));
    EXPECT_EQ(ReadFile(again), text);
}

TEST_F(TemplateTransferTest, TheCommandLineImportStoresTheValuesOfTheFile) {
    SaveSettingValue("Advanced", "Adv_Randomize", "1", kHiveUser);
    SaveSettingValue("Advanced", "Adv_RandomMag", "9", kHiveUser);
    UniGalaxies[3]._UniGalName = "Mine";
    CompGalaxies[0]._CompGalName = "Kept";
    const std::string path = WriteFile("some.owv",
                                       "\r\n[General]\r\nAnimationType=0\r\n"
                                       "\r\n[Advanced]\r\nFocalLength=2.5\r\nLockMessage=line one\nline two\r\n"
                                       "\r\n[DirectX]\r\nCustomRes=1\r\nDX_WinWidth=800\r\n"
                                       "\r\n[Universe]\r\nUniverse_Stars=5000\r\nUniverse_Tour=0\r\n"
                                       "\r\n[UniGal2]\r\n_UniGalName=From the file\r\n"
                                       "\r\n[CompGal0]\r\n_CompGalName=Ignored\r\n");
    EXPECT_EQ(CyclePropsTempToRegArrays(path), TemplateImport::Imported);

    EXPECT_EQ(Stored("DirectX", "CustomRes"), "1");
    EXPECT_EQ(Stored("DirectX", "DX_WinWidth"), "800");
    EXPECT_EQ(Stored("DirectX", "DX_WinHeight"), "480");
    EXPECT_EQ(Stored("DirectX", "DX_RGB16bbp"), "2");
    EXPECT_EQ(Stored("General", "AnimationType"), "0");
    EXPECT_EQ(Stored("Advanced", "FocalLength"), "2.5");
    EXPECT_EQ(Stored("Advanced", "LockMessage"), "line one\nline two");
    EXPECT_EQ(Stored("Advanced", "Adv_TimeDelay"), "25");
    // No template carries the random values: every import resets them.
    EXPECT_EQ(Stored("Advanced", "Adv_Randomize"), "0");
    EXPECT_EQ(Stored("Advanced", "Adv_RandomMag"), "5");
    EXPECT_EQ(Stored("Advanced", "Adv_RandomExp"), "2");
    EXPECT_EQ(Stored("Universe", "Universe_Stars"), "5000");
    EXPECT_EQ(Stored("Universe", "Universe_Tour"), "0");
    EXPECT_EQ(Stored("Universe", "Universe_HW_Start"), "170");
    EXPECT_EQ(Stored("Universe", "Universe_HW_End"), "250");
    EXPECT_EQ(Stored("Universe", "Universe_Profile"), "51");
    EXPECT_EQ(Stored("Universe", "Universe_GS_Idx"), "");
    // Galaxy types are read into memory, those the file holds; composites are
    // not read at all.
    EXPECT_EQ(UniGalaxies[2]._UniGalName, "From the file");
    EXPECT_EQ(UniGalaxies[3]._UniGalName, "Mine");
    EXPECT_EQ(CompGalaxies[0]._CompGalName, "Kept");
}

TEST_F(TemplateTransferTest, AMissingFileImportsNothing) {
    SaveSettingValue("Universe", "Universe_Stars", "5", kHiveUser);
    UniGalaxies[0]._UniGalName = "Mine";
    EXPECT_EQ(CyclePropsTempToRegArrays(PathOf("absent.owv")), TemplateImport::NotTemplate);
    EXPECT_EQ(Stored("Universe", "Universe_Stars"), "5");
    EXPECT_EQ(Stored("DirectX", "CustomRes"), "<missing>");
    EXPECT_EQ(UniGalaxies[0]._UniGalName, "Mine");
    EXPECT_FALSE(CopyTemplateToSetting(TemplateReader(PathOf("absent.owv")), "Universe", "Universe_Stars", "18000"));
    EXPECT_EQ(Stored("Universe", "Universe_Stars"), "5");
}

TEST_F(TemplateTransferTest, APartTheTemplateHoldsNoSectionForStaysAsItWas) {
    SaveSettingValue("Universe", "Universe_Stars", "5", kHiveUser);
    SaveSettingValue("Advanced", "FocalLength", "2.0", kHiveUser);
    SaveSettingValue("Advanced", "Adv_RandomMag", "9", kHiveUser);
    SaveSettingValue("DirectX", "DX_WinHeight", "768", kHiveUser);
    UniGalaxies[49]._UniGalName = "Mine";
    const auto everyPartAsItWas = [] {
        EXPECT_EQ(Stored("Universe", "Universe_Stars"), "5");
        EXPECT_EQ(Stored("DirectX", "DX_WinHeight"), "768");
        EXPECT_EQ(UniGalaxies[49]._UniGalName, "Mine");
    };
    EXPECT_EQ(CyclePropsTempToRegArrays(WriteFile("admin.owv", "\r\n[Admin]\r\nProduct=Orbweave\r\n")),
              TemplateImport::Imported);
    everyPartAsItWas();
    EXPECT_EQ(Stored("Advanced", "FocalLength"), "2.0");
    EXPECT_EQ(Stored("Advanced", "Adv_RandomMag"), "9");
    EXPECT_EQ(Stored("General", "AnimationType"), "0");

    // A section the file holds stores each value it lacks as its default.
    EXPECT_EQ(CyclePropsTempToRegArrays(WriteFile("advanced.owv", "\r\n[Advanced]\r\nFocalLength=3\r\n")),
              TemplateImport::Imported);
    everyPartAsItWas();
    EXPECT_EQ(Stored("Advanced", "FocalLength"), "3");
    EXPECT_EQ(Stored("Advanced", "Adv_FontName"), "Arial");
    EXPECT_EQ(Stored("Advanced", "Adv_RandomMag"), "5");
}

}  // namespace
}  // namespace orbweave
