// The advanced settings dialog: what it loads and writes, its numeric boxes,
// the message preview, its buttons and keys, and a store it cannot write.
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/colour.h"
#include "dialogs/properties/advanced_dialog.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/pump.h"
#include "platform/forms/screen.h"
#include "platform/forms/service_recorder.h"
#include "platform/registry/scoped_config.h"
#include "platform/registry/settings.h"
#include "platform/registry/store_probes.h"

namespace orbweave::testing {
namespace {

constexpr const char* kMissing = "<missing>";

std::string Stored(const std::string& name) { return GetSettingString("Advanced", name, kMissing); }
void Store(const std::string& name, const std::string& value) { SaveSettingValue("Advanced", name, value); }

class AdvancedDialogTest : public ::testing::Test {
protected:
    void TearDown() override {
        AdvancedDialog::Release();
    }

    AdvancedDialog& Dialog() { return AdvancedDialog::Instance(); }
    Form& Frm() { return Dialog().Frm(); }
    AdvancedDialog& Open() {
        Dialog().Show();
        return Dialog();
    }
    // Shown with the keyboard focus, for typed keys.
    bool OpenActive() {
        Open();
        const bool active = QTest::qWaitForWindowActive(Frm().Window());
        DoEvents();
        return active;
    }
    template <typename T = Control>
    T& Get(std::string_view name, int index = kNoIndex) {
        return Frm().Get<T>(name, index);
    }
    TextBox& Box(std::string_view name, int index) { return Get<TextBox>(name, index); }
    // The font a name selects: the family the font system draws for it.
    static std::string FontFor(const std::string& name) {
        return QFontInfo(QFont(QString::fromStdString(name))).family().toStdString();
    }

    ScopedConfig config;
    ServiceRecorder services;
};

TEST(AdvancedControls, TheWholeTableBuildsWithNothingSkipped) {
    Form form("frmAdvanced");
    for (const SkippedRow& skipped : form.Build(AdvancedControls())) ADD_FAILURE() << Describe(skipped);
}

TEST_F(AdvancedDialogTest, TheWindowEndsBelowTheMessageFrameWithTheValuePanelsHidden) {
    Open();
    EXPECT_EQ(Frm().Caption(), "Advanced Settings");
    EXPECT_FALSE(Frm().Sizable());
    const Control& message = Get("fraMessage");
    EXPECT_EQ(Frm().ScaleHeight(), message.Top() + message.Height() + 5 * ScreenTwipsPerPixelY());
    for (const char* panel : {"fraHueWheel", "chkThemes", "fraExtraCycleThemes", "chkRandom", "fraExtraGalaxies"})
        EXPECT_FALSE(Get(panel).Visible()) << panel;
    EXPECT_TRUE(Get("fraGalaxyProps").Visible());
    EXPECT_TRUE(Get("lblGalaxyBlend").Caption().starts_with("Orbweave V. 5.0 and later use a blending"));
    EXPECT_TRUE(Box("txtMessage", 4).MultiLine());
    EXPECT_TRUE(Box("txtMessage", 7).MultiLine());
}

TEST_F(AdvancedDialogTest, OkRightAfterOpeningWritesAllTwentyDefaultsInTheirClampedForm) {
    Open();
    const std::string font = FontFor("Arial");
    Dialog().cmdOK_Click();
    EXPECT_FALSE(Dialog().Loaded());
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Adv_TimeDelay", "25"},  {"FocalLength", "1"},     {"Adv_FontName", font},   {"Adv_FontSize", "12"},
        {"Adv_FontTOff", "5"},    {"Adv_FontHueV", "180"},  {"Adv_FontHInc", "10"},   {"LockMessage", ""},
        {"Adv_CMinutes", "0"},    {"Adv_TimeText", ""},     {"Adv_ZeroText", ""},     {"Adv_Randomize", "0"},
        {"Adv_RandomMag", "5"},   {"Adv_RandomExp", "2"},   {"Adv_MouseMove", "0"},   {"Adv_HueWheel0", "100"},
        {"Adv_HueWheel1", "150"}, {"Adv_HueWheel2", "180"}, {"Adv_HueWheel3", "240"}, {"Adv_HueWheel4", "300"},
    };
    for (const auto& [name, value] : expected) EXPECT_EQ(Stored(name), value) << name;
    // Unloading keeps the window's place.
    EXPECT_EQ(GetSettingString("General\\Advanced", "WindowState", kMissing), "0");
}

// The factory font is seldom installed here; its stand-in with the same
// widths is shown and stored, not whichever family happens to be first.
TEST_F(AdvancedDialogTest, AMissingFactoryFontSelectsTheFamilyDrawnInItsPlace) {
    if (QFontDatabase::hasFamily("Arial") || !QFontDatabase::hasFamily("Liberation Sans"))
        GTEST_SKIP() << "needs Liberation Sans without Arial";
    Open();
    EXPECT_EQ(Get<ComboBox>("cboFont").Text(), "Liberation Sans");
    Dialog().cmdOK_Click();
    EXPECT_EQ(Stored("Adv_FontName"), "Liberation Sans");
}

TEST_F(AdvancedDialogTest, StoredValuesComeBackAsTheDialogWritesThem) {
    Store("Adv_Randomize", "2");
    Store("Adv_MouseMove", "1");
    Store("Adv_FontName", "No Such Font");
    Store("FocalLength", "2.50");
    Store("Adv_FontSize", "200");
    Store("Adv_RandomMag", "77");
    // Texts come in as far as their boxes hold them, a line break not halved.
    Store("LockMessage", std::string(65536, 'w'));
    Store("Adv_TimeText", "minutes");
    Store("Adv_ZeroText", std::string(99, 'z') + "\r\nmore");
    ASSERT_TRUE(OpenActive());
    EXPECT_EQ(Box("txtMessage", 4).Text(), std::string(100, 'w'));
    // Loaded values stay as stored until left: the spin keeps a value of its range.
    EXPECT_EQ(Box("txtMessage", 0).Text(), "200");
    EXPECT_LE(Get<SpinControl>("spnMessage", 0).Value(), 80);
    Frm().SetText("txtMessage", 4, "two\r\nlines");
    const std::string font = FontFor("No Such Font");
    Dialog().cmdOK_Click();
    EXPECT_EQ(Stored("Adv_Randomize"), "1");
    EXPECT_EQ(Stored("Adv_MouseMove"), "1");
    EXPECT_EQ(Stored("Adv_FontName"), font);
    EXPECT_EQ(Stored("FocalLength"), "2.5");
    EXPECT_EQ(Stored("Adv_FontSize"), "80");
    EXPECT_EQ(Stored("Adv_RandomMag"), "77");
    EXPECT_EQ(Stored("LockMessage"), "two\r\nlines");
    EXPECT_EQ(Stored("Adv_TimeText"), "minut");
    EXPECT_EQ(Stored("Adv_ZeroText"), std::string(99, 'z'));
}

TEST_F(AdvancedDialogTest, DefaultsWriteNothingUntilOkThenResetTheHiddenValuesToo) {
    Store("Adv_HueWheel0", "10");
    Store("Adv_Randomize", "1");
    Store("Adv_RandomExp", "9");
    Store("Adv_TimeDelay", "500");
    Open();
    Dialog().cmdDefaults_Click();
    EXPECT_EQ(Box("txtAdv", 0).Text(), "25");
    Dialog().cmdDismiss_Click();
    EXPECT_EQ(Stored("Adv_HueWheel0"), "10");
    EXPECT_EQ(Stored("Adv_TimeDelay"), "500");
    AdvancedDialog::Release();

    Open();
    Dialog().cmdDefaults_Click();
    Dialog().cmdOK_Click();
    EXPECT_EQ(Stored("Adv_HueWheel0"), "100");
    EXPECT_EQ(Stored("Adv_Randomize"), "0");
    EXPECT_EQ(Stored("Adv_RandomExp"), "2");
    EXPECT_EQ(Stored("Adv_TimeDelay"), "25");
}

TEST_F(AdvancedDialogTest, EnterOnOkClampsTheBoxBeingEditedFirst) {
    ASSERT_TRUE(OpenActive());
    TextBox& size = Box("txtMessage", 0);
    size.SetFocus();
    size.SelectAll();
    QTest::keyClicks(size.Widget(), "5");
    EXPECT_EQ(size.Text(), "5");
    QTest::keyClick(size.Widget(), Qt::Key_Return);
    EXPECT_FALSE(Dialog().Loaded());
    EXPECT_EQ(Stored("Adv_FontSize"), "8");
}

TEST_F(AdvancedDialogTest, EnterInTheMessageTextPressesOkAndEscapeCancels) {
    ASSERT_TRUE(OpenActive());
    Box("txtMessage", 6).SetFocus();
    QTest::keyClicks(Box("txtMessage", 6).Widget(), "minutes");
    TextBox& text = Box("txtMessage", 4);
    text.SetFocus();
    QTest::keyClicks(text.Widget(), "hi");
    QTest::keyClick(text.Widget(), Qt::Key_Return);
    EXPECT_FALSE(Dialog().Loaded());
    EXPECT_EQ(Stored("LockMessage"), "hi");
    EXPECT_EQ(Stored("Adv_TimeText"), "minut");
    AdvancedDialog::Release();

    ASSERT_TRUE(OpenActive());
    Box("txtAdv", 0).SetFocus();
    Frm().SetText("txtAdv", 0, "50");
    QTest::keyClick(Box("txtAdv", 0).Widget(), Qt::Key_Escape);
    EXPECT_FALSE(Dialog().Loaded());
    EXPECT_EQ(Stored("Adv_TimeDelay"), "25");
}

TEST_F(AdvancedDialogTest, ArrowsStepFromAnEmptyBoxAndLeavingClamps) {
    ASSERT_TRUE(OpenActive());
    struct Case {
        int index;
        const char* name;
        Qt::Key key;
        const char* after;
    };
    const Case cases[] = {
        {0, "txtAdv", Qt::Key_Up, "10"},
        {0, "txtMessage", Qt::Key_Down, "8"},
        {2, "txtMessage", Qt::Key_Down, "0"},
    };
    for (const Case& c : cases) {
        TextBox& box = Box(c.name, c.index);
        box.SetFocus();
        box.SetText("");
        EXPECT_EQ(box.Text(), "") << c.name << c.index;  // the spin does not write back
        QTest::keyClick(box.Widget(), c.key);
        EXPECT_EQ(box.Text(), c.after) << c.name << c.index;
    }
    TextBox& focal = Box("txtAdv", 1);
    focal.SetFocus();
    focal.SetText("");
    Box("txtAdv", 0).SetFocus();
    EXPECT_EQ(focal.Text(), "0.01");
}

TEST_F(AdvancedDialogTest, TheMessageBoxesShowTheFontAndStartingColour) {
    Open();
    auto& fonts = Get<ComboBox>("cboFont");
    ASSERT_GT(fonts.ListCount(), 0);
    fonts.SetListIndex(fonts.ListCount() - 1);
    Frm().SetText("txtMessage", 2, "120");
    Frm().SetText("txtMessage", 0, "20");
    TextBox& text = Box("txtMessage", 4);
    TextBox& zero = Box("txtMessage", 7);
    EXPECT_EQ(text.Font().name, fonts.Text());
    EXPECT_EQ(zero.Font().name, fonts.Text());
    EXPECT_EQ(text.Font().size, 20);
    EXPECT_NE(zero.Font().size, 20);
    // The colour the saver's overlay starts the message in.
    EXPECT_EQ(text.ForeColor(), HueToRGB(120));
    EXPECT_EQ(zero.ForeColor(), HueToRGB(120));
    EXPECT_NE(HueToRGB(120), HueToRGB(180));
    EXPECT_EQ(text.BackColor(), 0);
    // An emptied size box keeps the last size.
    Frm().SetText("txtMessage", 0, "");
    EXPECT_EQ(text.Font().size, 20);
}

TEST_F(AdvancedDialogTest, HelpAndTheBlendingButtonAskNothing) {
    int removed = 0;
    Dialog().SetRemoveBlending([&] { ++removed; });
    Open();
    Dialog().cmdHelp_Click();
    ASSERT_EQ(services.helps.size(), 1u);
    EXPECT_EQ(services.helps[0].file, "Orbhelp50.hlp");
    EXPECT_EQ(services.helps[0].command, 1);
    EXPECT_EQ(services.helps[0].context, 8000);
    Dialog().cmdSetGalaxyBlend0_Click();
    Dialog().cmdDismiss_Click();
    EXPECT_EQ(removed, 1);
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(Stored("Adv_TimeDelay"), kMissing);
}

TEST_F(AdvancedDialogTest, AStoreThatCannotBeWrittenIsReportedAndTheDialogUnloads) {
    std::ofstream(config.Root() / "blocker") << "a file, not a folder";
    config.Set("XDG_CONFIG_HOME", config.Root() / "blocker");
    Open();
    Dialog().cmdOK_Click();
    EXPECT_FALSE(Dialog().Loaded());
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages[0].text.starts_with("The Property settings file cannot be created."))
        << services.messages[0].text;
}

// Another program's hold on the store passes (as a full disk does, which
// takes the same road): OK says so and keeps the dialog with its edits, and
// the next OK, once the hold is gone, stores them.
TEST_F(AdvancedDialogTest, AHeldStoreIsReportedAndTheDialogStaysForAnotherTry) {
    const std::chrono::milliseconds previousTimeout = SetStoreBusyTimeout(std::chrono::milliseconds(20));
    Store("Adv_TimeDelay", "30");
    Open();
    Frm().SetText("txtAdv", 0, "40");
    Frm().SetText("txtMessage", 4, "Back soon");
    auto other = std::make_optional<StoreHeld>();
    ASSERT_TRUE(other->Holds());
    Dialog().cmdOK_Click();
    EXPECT_TRUE(Dialog().Loaded());
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages[0].text.starts_with("The Property settings are in use")) << services.messages[0].text;
    EXPECT_EQ(Box("txtMessage", 4).Text(), "Back soon");
    EXPECT_EQ(Stored("Adv_TimeDelay"), "30");

    other.reset();
    Dialog().cmdOK_Click();
    EXPECT_FALSE(Dialog().Loaded());
    EXPECT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(Stored("Adv_TimeDelay"), "40");
    EXPECT_EQ(Stored("LockMessage"), "Back soon");
    SetStoreBusyTimeout(previousTimeout);
}

}  // namespace
}  // namespace orbweave::testing
