// The universe frame's list editors and its selectors, switches and resets.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

#include "dialogs/properties/galaxy_lists.h"
#include "dialogs/properties/universe_tab.h"
#include "platform/forms/picture_box.h"
#include "props_fixture.h"
#include "settings/galaxy_tables.h"

namespace orbweave::testing {
namespace {

constexpr std::int32_t kCyan = 0xFFFF00;

class GalaxyListsTest : public PropsDialogTest {
protected:
    void SetUp() override {
        PropsDialogTest::SetUp();
        Open();
        for (UniGalaxy& type : UniGalaxies) type.Galaxy_GalStyle = 0;
    }
    std::string Line(std::string_view list, int item) { return Get<ListBox>(list).List(item); }
    // Picks a composite and chooses its major and minor types as the user would.
    void Choose(int composite, int major, std::initializer_list<int> minors) {
        Get<ListBox>("lstCompGalaxy").SetListIndex(composite);
        Get<ComboBox>("cboCompMajor").SetListIndex(major);
        auto& list = Get<ListBox>("lstCompMinor");
        for (int j = 0; j < list.ListCount(); ++j) list.SetSelected(j, false);
        for (int minor : minors) list.SetSelected(minor, true);
        Control::Raise(list.events.click);
    }
};

TEST_F(GalaxyListsTest, ACommitStoresWhatTheBoxesHoldEvenWhenEmpty) {
    Get<ListBox>("lstUniGalaxy").SetListIndex(3);
    EXPECT_EQ(Get("txtUniGalName").Text(), UniGalaxies[3]._UniGalName);
    Get("txtUniGalName").SetText("");
    Get("txtUniGalPct").SetText("");
    cmdGalCommit_Click(Frm());
    EXPECT_EQ(UniGalaxies[3]._UniGalName, "");
    EXPECT_EQ(UniGalaxies[3]._UniGalPct, 0);
    EXPECT_EQ(Get("txtUniGalPct").Text(), "0");
    EXPECT_EQ(LineName(Line("lstUniGalaxy", 3)), "");
    EXPECT_EQ(LinePercent(Line("lstUniGalaxy", 3)), "0");

    const std::string wide(80, 'W');
    Get("txtUniGalName").SetText("  " + wide + " ");
    Get("txtUniGalPct").SetText("9999");
    cmdGalCommit_Click(Frm());
    const std::string line = Line("lstUniGalaxy", 3);
    EXPECT_EQ(line.substr(line.size() - 7), "   9999");
    EXPECT_EQ(LineName(line), wide);
    EXPECT_EQ(UniGalaxies[3]._UniGalPct, 9999);
}

TEST_F(GalaxyListsTest, NameBoxesDropWhatANameMayNotHoldAlsoFromTheClipboard) {
    auto& name = Get<TextBox>("txtUniGalName");
    auto& edit = static_cast<QLineEdit&>(*name.Widget());
    name.SetText("");
    const int beeps = services->beeps;
    QTest::keyClicks(&edit, "a[b]=c,d");
    EXPECT_EQ(name.Text(), "abcd");
    EXPECT_EQ(services->beeps, beeps);
    QApplication::clipboard()->setText("x[y]\tz=,\n");
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(name.Text(), "abcdxyz");

    Get<ComboBox>("cboUniExtras").SetListIndex(3);
    auto& composite = Get<TextBox>("txtCompGalName");
    composite.SetText("");
    QApplication::clipboard()->setText("p,q=r");
    QTest::keyClick(composite.Widget(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(composite.Text(), "pq=r");
}

TEST_F(GalaxyListsTest, CompositeMembersAndTheIfsWarning) {
    Choose(0, 0, {});
    for (int j = 0; j < kGalaxyTypeCount; ++j) Get<ListBox>("lstCompMinor").SetSelected(j, true);
    cmdCompCommit_Click(Frm());
    EXPECT_EQ(CompGalaxies[0].CompGal_Count, 50);

    // A style-8 major type also chosen as minor counts once.
    UniGalaxies[5].Galaxy_GalStyle = 8;
    Choose(1, 5, {5});
    cmdCompCommit_Click(Frm());
    EXPECT_TRUE(services->messages.empty());
    EXPECT_NE(Get("txtCompGalName").BackColor(), kCyan);
    EXPECT_EQ(CompGalaxies[1].CompGal_Count, 1);
    EXPECT_EQ(CompGalaxies[1].CompGal_Type[0], 5);

    UniGalaxies[7].Galaxy_GalStyle = 1;
    Choose(2, 5, {7, 9});
    EXPECT_EQ(Get("txtCompGalName").BackColor(), kCyan);
    cmdCompCommit_Click(Frm());
    ASSERT_EQ(services->messages.size(), 1u);
    EXPECT_EQ(services->messages[0].text, kIfsNote);
    EXPECT_EQ(services->messages[0].title, "Orbweave");
    EXPECT_EQ(CompGalaxies[2].CompGal_Count, 3);

    // Clicking the line again loads its members and the warning.
    Get<ListBox>("lstCompGalaxy").SetListIndex(1);
    EXPECT_NE(Get("txtCompGalName").BackColor(), kCyan);
    Get<ListBox>("lstCompGalaxy").SetListIndex(2);
    EXPECT_EQ(Get<ComboBox>("cboCompMajor").ListIndex(), 5);
    EXPECT_TRUE(Get<ListBox>("lstCompMinor").Selected(9));
    EXPECT_FALSE(Get<ListBox>("lstCompMinor").Selected(8));
    EXPECT_EQ(Get("txtCompGalName").BackColor(), kCyan);
}

TEST_F(GalaxyListsTest, DamagedMembersAreSkippedAndAMissingMajorIsRefused) {
    CompGalaxies[4].CompGal_Count = 3;
    CompGalaxies[4].CompGal_Type[0] = -1;
    CompGalaxies[4].CompGal_Type[1] = 70;
    CompGalaxies[4].CompGal_Type[2] = 6;
    Get<ListBox>("lstCompGalaxy").SetListIndex(4);
    EXPECT_EQ(Get<ComboBox>("cboCompMajor").ListIndex(), -1);
    EXPECT_EQ(Get<ListBox>("lstCompMinor").SelCount(), 1);
    cmdCompCommit_Click(Frm());
    ASSERT_EQ(services->messages.size(), 1u);
    EXPECT_EQ(services->messages[0].text, "Please select a Major Galaxy Type.");
    EXPECT_EQ(CompGalaxies[4].CompGal_Type[0], -1);
}

TEST_F(GalaxyListsTest, DoubleClickingATypeOpensItsProperties) {
    Get<ListBox>("lstUniGalaxy").SetListIndex(2);
    Control::Raise(Get("lstUniGalaxy").events.dblClick);
    EXPECT_TRUE(Dialog().GalaxyPropsMode());
}

// --- Universe tab ---

TEST_F(GalaxyListsTest, ATheme3FillsTheUniverseAndEmptiesTheCompositeEditorNoneDoesNothing) {
    Get("txtCompGalName").SetText("kept");
    Get<ComboBox>("cboUniTheme").SetListIndex(0);
    EXPECT_EQ(Get("txtCompGalName").Text(), "kept");
    Get<ComboBox>("cboUniTheme").SetListIndex(3);
    EXPECT_EQ(Get("txtCompGalName").Text(), "");
    EXPECT_EQ(Get("txtCompGalPct").Text(), "");
}

class ProfileCurveTest : public GalaxyListsTest {
protected:
    PictureBox& Picture() {
        auto& pic = Get<PictureBox>("picGalProfile");
        pic.SetWidth(40 * 15);
        pic.SetHeight(20 * 15);
        return pic;
    }
    bool Black(int x, int y) { return Picture().Drawing().Point(x, y) == 0; }
};

TEST_F(ProfileCurveTest, ProfilesAreDrawnAcrossTheBox) {
    DrawProfileCurve(Picture(), 3);  // Conical: corner to corner
    EXPECT_TRUE(Black(0, 0));
    EXPECT_TRUE(Black(20, 10));
    EXPECT_TRUE(Black(39, 19));
    EXPECT_FALSE(Black(0, 19));

    DrawProfileCurve(Picture(), 2);  // Spherical: highest at the left, a quarter circle
    EXPECT_TRUE(Black(0, 0));
    EXPECT_TRUE(Black(39, 19) || Black(39, 18));
    EXPECT_FALSE(Black(20, 10));

    DrawProfileCurve(Picture(), -1);  // no profile: the bottom edge
    EXPECT_TRUE(Black(0, 19));
    EXPECT_TRUE(Black(39, 19));
    EXPECT_FALSE(Black(0, 0));

    auto& pic = Picture();
    pic.SetWidth(0);
    DrawProfileCurve(pic, 3);
    EXPECT_EQ(pic.Drawing().PixelWidth(), 0);
}

TEST_F(ProfileCurveTest, TheUniverseProfileShowsOnlyProfileStyles) {
    UniGalaxies[4].Galaxy_GalStyle = 5;
    UniGalaxies[4].Galaxy_Profile = 3;
    UniGalaxies[6].Galaxy_GalStyle = 8;
    auto& pic = Get<PictureBox>("picUniProfile");
    const auto blank = [&] {
        for (int x = 0; x < pic.Drawing().PixelWidth(); ++x) {
            for (int y = 0; y < pic.Drawing().PixelHeight(); ++y)
                if (pic.Drawing().Point(x, y) == 0) return false;
        }
        return true;
    };
    for (const auto& [item, drawn] : {std::pair{4, true}, {6, false}, {4, true}, {50, false}}) {
        Get<ComboBox>("cboUniProfile").SetListIndex(item);
        EXPECT_EQ(blank(), !drawn) << item;
    }
}

TEST_F(GalaxyListsTest, TourSwitchesEnableTheirRows) {
    const auto enabled = [&](std::string_view name, int index = kNoIndex) { return Get(name, index).Enabled(); };
    auto& tour = Get<CheckBox>("chkUniTour");
    Get<CheckBox>("chkRotCamera").SetValue(0);
    tour.SetValue(1);
    tour.SetValue(0);
    for (int i : {30, 31, 32, 34}) {
        EXPECT_FALSE(enabled("txtUni", i)) << i;
        EXPECT_FALSE(enabled("lblUni", i)) << i;
    }
    EXPECT_FALSE(enabled("cboTourGalaxies"));
    EXPECT_FALSE(enabled("chkVisitSeq"));
    EXPECT_FALSE(enabled("chkRotCamera"));
    EXPECT_TRUE(enabled("txtUni", 33));
    tour.SetValue(1);
    for (int i : {30, 31, 32}) EXPECT_TRUE(enabled("txtUni", i)) << i;
    EXPECT_FALSE(enabled("txtUni", 34));
    EXPECT_FALSE(enabled("lblUni", 34));
    EXPECT_TRUE(enabled("chkRotCamera"));

    auto& sequence = Get<CheckBox>("chkVisitSeq");
    sequence.SetValue(1);
    EXPECT_FALSE(enabled("fraTripScript"));
    EXPECT_FALSE(enabled("cboTourGalaxies"));
    sequence.SetValue(0);
    EXPECT_TRUE(enabled("fraTripScript"));
    EXPECT_TRUE(enabled("cboTourGalaxies"));
}

TEST_F(GalaxyListsTest, ResetsGiveEveryLineTheSamePercent) {
    Get("txtResetGalPct").SetText("150");
    cmdResetGalPct_Click(Frm());
    for (int i = 0; i < kGalaxyTypeCount; ++i) {
        EXPECT_EQ(UniGalaxies[i]._UniGalPct, 150);
        EXPECT_EQ(LinePercent(Line("lstUniGalaxy", i)), "150");
    }
    EXPECT_EQ(Get<ListBox>("lstUniGalaxy").ListIndex(), 0);
    EXPECT_EQ(Get("txtUniGalPct").Text(), "150");

    Get("txtResetGalPct").SetText(" ");
    cmdResetGalPct_Click(Frm());
    ASSERT_EQ(services->messages.size(), 1u);
    EXPECT_EQ(services->messages[0].text, "Please enter a value for the Reset percent.");

    CompGalaxies[1]._CompGalName = "";
    Get("txtResetCompPct").SetText("0");
    cmdResetCompPct_Click(Frm());
    for (int c = 0; c < kCompGalaxyCount; ++c) EXPECT_EQ(CompGalaxies[c]._CompGalPct, 0);
    EXPECT_EQ(LineName(Line("lstCompGalaxy", 1)), "< Galaxy Composite 2 >");
    EXPECT_EQ(CompGalaxies[1]._CompGalName, "");
}

}  // namespace
}  // namespace orbweave::testing
