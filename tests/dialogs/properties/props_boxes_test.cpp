// The properties dialog's numeric boxes and colour previews, driven with real
// key events: keys, arrow limits, the clamp on leaving, spin mirroring and
// the swatches and hue bands that follow the boxes; held keys over the lists.
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/properties/props_colours.h"
#include "platform/forms/picture_box.h"
#include "props_fixture.h"
#include "renderer/display/display.h"

namespace orbweave::testing {
namespace {

class PropsBoxesTest : public PropsDialogTest {
protected:
    TextBox& Box(std::string_view name, int index = kNoIndex) { return Get<TextBox>(name, index); }
    // A box takes keys once the page that holds it is the selected one.
    QLineEdit& Edit(TextBox& box) {
        for (Control* c = box.Container(); c != nullptr; c = c->Container()) {
            if (c->Name() == "fraGalProp") Get<ComboBox>("cboGalaxExtras").SetListIndex(c->Index());
            if (c->Name() == "fraUniProp") Get<ComboBox>("cboUniExtras").SetListIndex(c->Index());
        }
        return static_cast<QLineEdit&>(*box.Widget());
    }
    void Type(TextBox& box, const char* keys) {
        Edit(box).setCursorPosition(static_cast<int>(box.Text().size()));
        QTest::keyClicks(&Edit(box), keys);
    }
    void Leave(TextBox& box) { Control::Raise(box.events.lostFocus); }
};

enum class Act { Up, Down, Leave, Type };

struct BoxCase {
    const char* what;
    ControlRef box;
    int style;  // the galaxy style selected first; -1 none
    const char* text;
    Act act;
    const char* typed;
    const char* expected;
    int beeps;
};

const BoxCase kBoxCases[] = {
    {"radius Up passes the spin's end", {"txtGalaxy", 0}, 0, "15000", Act::Up, "", "15010", 0},
    {"radius Down stops at its arrow floor", {"txtGalaxy", 0}, 0, "5", Act::Down, "", "1", 0},
    {"stars Down rises to the arrow floor", {"txtUni", 0}, 0, "50", Act::Down, "", "100", 0},
    {"stars Up stops at the arrow ceiling", {"txtUni", 0}, 0, "99950", Act::Up, "", "99999", 0},
    {"percent Up stays at 999", {"txtUniGalPct"}, 0, "999", Act::Up, "", "999", 0},
    {"percent Up from 5000 drops to 999", {"txtUniGalPct"}, 0, "5000", Act::Up, "", "999", 0},
    {"percent Down from 5000", {"txtUniGalPct"}, 0, "5000", Act::Down, "", "4999", 0},
    {"composite percent as the type's", {"txtCompGalPct"}, 0, "5000", Act::Up, "", "999", 0},
    {"nebula steps Up stop at the arrow limit", {"txtGalaxy", 4}, 4, "5000", Act::Up, "", "100", 0},
    {"wireframe vertices clamp to 10", {"txtGalaxy", 3}, 2, "15", Act::Leave, "", "10", 0},
    {"nebula control points keep 15", {"txtGalaxy", 3}, 4, "15", Act::Leave, "", "15", 0},
    {"attractor angle keeps 360", {"txtGalaxy", 5}, 1, "360", Act::Leave, "", "360", 0},
    {"standard bands clamp to 99", {"txtGalaxy", 5}, 0, "360", Act::Leave, "", "99", 0},
    {"no style clamps nothing", {"txtGalaxy", 6}, -1, "500", Act::Leave, "", "500", 0},
    {"nebula tilt is bias speed", {"txtGalaxy", 93}, 4, "2000", Act::Leave, "", "999", 0},
    {"empty box leaves as its low bound", {"txtGalaxy", 12}, 0, "", Act::Leave, "", "1", 0},
    {"blend clamps to 100", {"txtBlend", 1}, 0, "250", Act::Leave, "", "100", 0},
    {"digits box drops a letter and a dot with beeps", {"txtGalaxy", 4}, 0, "1", Act::Type, "x.5", "15", 2},
    {"decimal box takes one dot", {"txtGalaxy", 45}, 0, "0.5", Act::Type, ".7", "0.57", 1},
    {"reset box takes digits only", {"txtResetGalPct"}, 0, "", Act::Type, "1a2", "12", 1},
    {"reset box holds four digits", {"txtResetGalPct"}, 0, "", Act::Type, "123456", "1234", 0},
    {"composite reset box holds four digits", {"txtResetCompPct"}, 0, "", Act::Type, "98765", "9876", 0},
    {"hue percent Up stops at 100", {"txtPixHue", 4}, 0, "100", Act::Up, "", "100", 0},
    {"hue percent leaves as 100", {"txtPixHue", 0}, 0, "150", Act::Leave, "", "100", 0},
};

TEST_F(PropsBoxesTest, EachBoxFiltersStepsAndClampsByItsOwnLimits) {
    Open();
    for (const BoxCase& c : kBoxCases) {
        SCOPED_TRACE(c.what);
        Get<ComboBox>("cboGalStyle").SetListIndex(c.style);
        TextBox& box = Box(c.box.name, c.box.index);
        Edit(box);  // the box's page first: choosing the composites page empties their boxes
        box.SetText(c.text);
        const int beeps = services->beeps;
        switch (c.act) {
        case Act::Up: QTest::keyClick(&Edit(box), Qt::Key_Up); break;
        case Act::Down: QTest::keyClick(&Edit(box), Qt::Key_Down); break;
        case Act::Leave: Leave(box); break;
        case Act::Type: Type(box, c.typed); break;
        }
        EXPECT_EQ(box.Text(), c.expected);
        EXPECT_EQ(services->beeps - beeps, c.beeps);
    }
}

// The decimal key of a German or French keyboard types ",".
TEST_F(PropsBoxesTest, ADecimalBoxTakesTheLocalesSeparatorAsItsPoint) {
    struct LocaleKept {
        QLocale before;
        ~LocaleKept() { QLocale::setDefault(before); }
    } kept;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Open();
    Get<ComboBox>("cboGalStyle").SetListIndex(0);
    TextBox& persistence = Box("txtGalaxy", 45);
    Edit(persistence);
    persistence.SetText("");
    Type(persistence, "0,25");
    EXPECT_EQ(persistence.Text(), "0.25");
    const int beeps = services->beeps;
    QTest::keyClick(&Edit(persistence), Qt::Key_Comma, Qt::KeypadModifier);
    EXPECT_EQ(persistence.Text(), "0.25");
    EXPECT_EQ(services->beeps - beeps, 1);
    Leave(persistence);
    EXPECT_EQ(persistence.Text(), "0.25");
    // A box of whole numbers takes no separator at all.
    TextBox& steps = Box("txtGalaxy", 4);
    Edit(steps);
    steps.SetText("1");
    Type(steps, ",5");
    EXPECT_EQ(steps.Text(), "15");
}

TEST_F(PropsBoxesTest, ASpinMovedByItsBoxNeverWritesBack) {
    Open();
    TextBox& stars = Box("txtUni", 0);
    auto& starSpin = Get<SpinControl>("spnUni", 0);
    stars.SetText("");
    Type(stars, "15");
    EXPECT_EQ(stars.Text(), "15");
    EXPECT_EQ(starSpin.Value(), 2);
    stars.SetText("12345");
    Leave(stars);
    EXPECT_EQ(stars.Text(), "12345");
    EXPECT_EQ(starSpin.Value(), 1234);
    // The spin shows a tenth of the stars.
    starSpin.SetValue(150);
    EXPECT_EQ(stars.Text(), "1500");

    TextBox& hue = Box("txtGalaxy", 47);
    hue.SetText("");
    Type(hue, "05");
    EXPECT_EQ(hue.Text(), "05");
    EXPECT_EQ(Edit(hue).cursorPosition(), 2);
    EXPECT_EQ(Get<SpinControl>("spnGalaxy", 47).Value(), 5);

    // A value beyond the spin's range leaves it where it was; a later spin
    // click replaces the text with the spin's neighbouring value.
    TextBox& radius = Box("txtGalaxy", 0);
    auto& radiusSpin = Get<SpinControl>("spnGalaxy", 0);
    radius.SetText("300");
    radius.SetText("15000");
    EXPECT_EQ(radiusSpin.Value(), 300);
    radiusSpin.SetValue(301);
    EXPECT_EQ(radius.Text(), "301");
}

TEST_F(PropsBoxesTest, TheCustomSizeEndsAtTheLargestModeOrTheDesktop) {
    for (const bool withModes : {true, false}) {
        SCOPED_TRACE(withModes);
        display::MemoryDesktop desktop{.size = {1024, 768}};
        desktop.modes =
            withModes ? std::vector<display::DisplayMode>{{800, 600, 32}} : std::vector<display::DisplayMode>{};
        UseDesktop(desktop);
        InitDirectX();
        Open();
        TextBox& width = Box("txtDXRes", 0);
        TextBox& height = Box("txtDXRes", 1);
        width.SetText("5000");
        Leave(width);
        EXPECT_EQ(width.Text(), withModes ? "800" : "1024");
        width.SetText("10");
        Leave(width);
        EXPECT_EQ(width.Text(), "16");
        height.SetText("5");
        Leave(height);
        EXPECT_EQ(height.Text(), "12");
        PropertiesDialog::Release();
        ReleaseDirectX();
    }
}

// --- Colours ---

std::int32_t Rgb(int red, int green, int blue) { return red | green << 8 | blue << 16; }

TEST_F(PropsBoxesTest, SwatchesShowTheClampedPercentWhileTheBoxKeepsTheTypedOne) {
    Open();
    TextBox& red = Box("txtPixHue", 0);
    red.SetText("");
    Type(red, "150");
    EXPECT_EQ(red.Text(), "150");
    EXPECT_EQ(Get<PictureBox>("picPixHue", 0).Drawing().Point(1, 1), Rgb(255, 0, 0));
    EXPECT_EQ(Get<SpinControl>("spnPixHue", 0).Value(), 15);  // 150 is outside 0..100; "15" was not
    Box("txtPixHue", 2).SetText("40");
    EXPECT_EQ(Get<PictureBox>("picPixHue", 2).Drawing().Point(1, 1), Rgb(0, 0, 102));
    Box("txtPixHue", 3).SetText("0");
    EXPECT_EQ(Get<PictureBox>("picPixHue", 3).Drawing().Point(1, 1), Rgb(0, 0, 0));
    Box("txtPixHue", 3).SetText("100");
    EXPECT_EQ(Get<PictureBox>("picPixHue", 3).Drawing().Point(1, 1), Rgb(255, 255, 255));
    Box("txtGalaxy", 95).SetText("");
    EXPECT_EQ(Get<PictureBox>("picGalHue").Drawing().Point(1, 1), Rgb(255, 55, 55));
}

class HueBandsTest : public PropsBoxesTest {
protected:
    static constexpr int kBandPixels = 4;
    PictureBox& Strip() {
        auto& pic = Get<PictureBox>("picColNova");
        pic.SetWidth(kHueBandCount * kBandPixels * 15);
        return pic;
    }
    std::vector<std::int32_t> Bands(const char* start, const char* end) {
        PictureBox& pic = Strip();
        DrawHueBands(start, end, pic);
        std::vector<std::int32_t> bands;
        for (int i = 0; i < kHueBandCount; ++i) bands.push_back(pic.Drawing().Point(i * kBandPixels + 2, 1));
        return bands;
    }
};

TEST_F(HueBandsTest, BandsFadeFromWhiteThenSweepAndDim) {
    Open();
    const std::vector<std::int32_t> zero = Bands("0", "0");
    EXPECT_EQ(zero[0], Rgb(255, 255, 255));
    EXPECT_EQ(zero[7], Rgb(255, 55, 55));
    EXPECT_EQ(zero[8], Rgb(255, 55, 55));
    EXPECT_LT(zero[79] & 0xFF, 255);  // dimmed
    EXPECT_EQ(Bands("720", "720"), zero);
    EXPECT_EQ(Bands("", "0"), zero);

    // 350 to 10 runs backwards through cyan (hue 180 at band 44), not across 0.
    const std::int32_t middle = Bands("350", "10")[44];
    EXPECT_LT(middle & 0xFF, (middle >> 8) & 0xFF);
    EXPECT_LT(middle & 0xFF, (middle >> 16) & 0xFF);

    // A hue too long for a 16-bit number draws nothing.
    const std::vector<std::int32_t> before = Bands("0", "0");
    EXPECT_EQ(Bands("99999", "0"), before);
}

// Held keys that no mnemonic uses change no control; Alt+F reaching a drop-down opens the File menu.
TEST_F(PropsBoxesTest, HeldKeysPickNothingInAnyListAndAltFOpensTheFileMenu) {
    Open();
    for (Control* control : Frm().Controls()) {
        auto* list = dynamic_cast<ListControl*>(control);
        const auto state = [&] { return control->Text() + (list ? std::to_string(list->ListIndex()) : ""); };
        const std::string before = state();
        for (const char* keys : {"Alt+C, Alt+S, Alt+G, Alt+T", "Alt+Q, Alt+Up, Alt+End, Ctrl+S"})
            if (control->Widget() != nullptr) QTest::keySequence(control->Widget(), QKeySequence(keys));
        EXPECT_EQ(state(), before) << control->Name();
    }
    QKeyEvent altF(QEvent::KeyPress, Qt::Key_F, Qt::AltModifier, "f");
    QApplication::sendEvent(Get("cboUniTheme").Widget(), &altF);
    EXPECT_TRUE(Get<MenuItem>("mnuFile").SubMenu()->isVisible());
}

TEST_F(HueBandsTest, EveryKeystrokeInACometHueBoxRedraws) {
    Open();
    Strip();
    Edit(Box("txtGalaxy", 47));
    Box("txtGalaxy", 48).SetText("0");
    TextBox& start = Box("txtGalaxy", 47);
    start.SetText("");
    std::vector<std::int32_t> seen;
    for (const char* key : {"1", "2", "0"}) {
        Type(start, key);
        seen.push_back(Get<PictureBox>("picColNova").Drawing().Point(7 * kBandPixels + 2, 1));
    }
    EXPECT_NE(seen[0], seen[1]);
    EXPECT_NE(seen[1], seen[2]);
    EXPECT_EQ(seen[2], Rgb(55, 255, 55));  // hue 120
}

}  // namespace
}  // namespace orbweave::testing
