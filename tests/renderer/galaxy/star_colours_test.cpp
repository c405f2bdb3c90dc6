#include "renderer/galaxy/star_colours.h"

#include <cmath>
#include <vector>

#include "core/colour.h"
#include "core/colour_tables.h"
#include "renderer/galaxy/hue_tables.h"
#include "renderer/galaxy/run_context.h"
#include "renderer/star_test_support.h"
#include "settings/galaxy_tables.h"

namespace orbweave {
namespace {

using testing::StarTest;

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb&) const = default;
};

Rgb Channels(std::int32_t colour) { return {colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF}; }

// The pulsar hue of frame i of n between hues 30 and 90.
int SwingHue(int i, int n) { return static_cast<int>(std::nearbyint(60 - 30 * std::cos(i * 6.28318530717958 / n))); }

std::int32_t Faded(std::int32_t colour) {
    const float third = static_cast<float>(std::sin(static_cast<float>(6.28318530717958 / 6)));
    return static_cast<std::int32_t>(std::nearbyint(ScaleRGB(colour, third)));
}

class HueColourTest : public StarTest {
protected:
    void SetUp() override {
        StarTest::SetUp();
        UniGalaxies[0].Galaxy_HueRed = UniGalaxies[0].Galaxy_HueGrn = UniGalaxies[0].Galaxy_HueBlu = 100;
        colourTables.HueWheel = kDefaultHueStops;
        colourTables.HueSpan = HueSpansOf(colourTables.HueWheel);
    }
};

TEST_F(HueColourTest, SaturatedWheelOnASixteenBitDisplay) {
    BuildHueColorTables(colourTables, UniGalaxies);
    EXPECT_EQ(Channels(colourTables.HueColorTable[0][0]), (Rgb{254, 0, 0}));
    EXPECT_EQ(Channels(colourTables.HueColorTable[0][30]), (Rgb{254, 127, 0}));
    EXPECT_EQ(Channels(colourTables.HueColorTable[0][60]), (Rgb{254, 254, 0}));
    EXPECT_EQ(Channels(colourTables.HueColorTable[0][120]), (Rgb{0, 254, 0}));
    EXPECT_EQ(Channels(colourTables.HueColorTable[0][240]), (Rgb{0, 0, 254}));
    EXPECT_EQ(colourTables.HueColorTable[50][10], 0);
    EXPECT_EQ(colourTables.HueColorTable[0][360], 0);
}

TEST_F(HueColourTest, RedAndBlueChangePlacesOnThirtyTwoBitDisplays) {
    UniGalaxies[1].Galaxy_HueRed = 100;  // a red tint: no blue share at all
    colourTables.DisplayBpp = 32;
    BuildHueColorTables(colourTables, UniGalaxies);
    EXPECT_EQ(Channels(colourTables.HueColorTable[0][0]), (Rgb{0, 0, 254}));
    EXPECT_EQ(Channels(colourTables.HueColorTable[0][120]), (Rgb{0, 254, 0}));
    EXPECT_EQ(Channels(colourTables.HueColorTable[0][30]), (Rgb{0, 127, 254}));
    // Red shows as red (byte 2), and a tint without blue leaves byte 0 empty.
    EXPECT_EQ(Channels(colourTables.HueColorTable[1][0]), (Rgb{0, 0, 254}));
    EXPECT_EQ(Channels(colourTables.HueColorTable[1][240]), (Rgb{0, 0, 0}));
}

// Every table of display colours, at one depth.
struct DisplayColours {
    std::vector<std::int32_t> colours;

    static DisplayColours Build(std::int16_t bpp) {
        colourTables.DisplayBpp = bpp;
        BuildHueTable();
        BuildHueColorTables(colourTables, UniGalaxies);
        BuildStarColorRamps(UniGalaxies);
        BuildPulsarTables(UniGalaxies);
        HueRamp ramp{};
        BuildHueRamp(ramp, 170, 250, true);
        DisplayColours d;
        auto add = [&d](const auto& table) { d.colours.insert(d.colours.end(), table.begin(), table.end()); };
        add(colourTables.HueTable);
        add(ramp);
        for (int t = 0; t < 3; ++t) {
            add(colourTables.HueColorTable[t]);
            add(UniGalaxies[t].Run_NewColorRamp);
            add(UniGalaxies[t].Run_PulsarColor);
        }
        return d;
    }
};

std::int32_t RedBlueExchanged(std::int32_t c) { return (c & 0xFF00) | ((c & 0xFF) << 16) | ((c >> 16) & 0xFF); }

TEST_F(HueColourTest, EveryDisplayColourIsTheSameColourAtSixteenAndThirtyTwoBits) {
    // Unequal shares and uneven default stops: a mirrored wheel would give
    // other colours here, not the same ones in the other byte order.
    for (int t = 0; t < 3; ++t) {
        UniGalaxy& g = UniGalaxies[t];
        g.Galaxy_HueRed = static_cast<std::int16_t>(100 - 30 * t);
        g.Galaxy_HueGrn = 60;
        g.Galaxy_HueBlu = static_cast<std::int16_t>(20 + 30 * t);
        g.Galaxy_HueBase = static_cast<std::int16_t>(10 * t);
        g.Galaxy_HWC_Start = static_cast<std::int16_t>(20 + 100 * t);
        g.Galaxy_HWC_End = static_cast<std::int16_t>(150 + 100 * t);
        g.Galaxy_NewFrames = 16;
        g.Galaxy_PulsarFrames = 20;
        g.Galaxy_PulsarMinExt = 100;
        g.Galaxy_PulsarMaxExt = 600;
    }
    const DisplayColours high = DisplayColours::Build(16);
    const DisplayColours deep = DisplayColours::Build(32);
    ASSERT_EQ(high.colours.size(), deep.colours.size());
    for (std::size_t i = 0; i < high.colours.size(); ++i) {
        ASSERT_EQ(deep.colours[i], RedBlueExchanged(high.colours[i])) << "entry " << i;
    }
}

TEST_F(HueColourTest, SharesOutsideTheirRangeStayInTheirByte) {
    UniGalaxies[3].Galaxy_HueRed = 30000;  // unvalidated
    UniGalaxies[3].Galaxy_HueBlu = -50;
    BuildHueColorTables(colourTables, UniGalaxies);
    EXPECT_EQ(Channels(colourTables.HueColorTable[3][0]), (Rgb{255, 0, 0}));
    EXPECT_EQ(Channels(colourTables.HueColorTable[3][240]), (Rgb{0, 0, 0}));
}

TEST_F(HueColourTest, GetHueColorTakesTheHueModulo360) {
    BuildHueColorTables(colourTables, UniGalaxies);
    EXPECT_EQ(GetHueColor(colourTables, 0, 370), colourTables.HueColorTable[0][10]);
    EXPECT_EQ(GetHueColor(colourTables, 0, -10), colourTables.HueColorTable[0][350]);
    EXPECT_EQ(GetHueColor(colourTables, 60, 10), 0);
}

TEST_F(HueColourTest, HueCyclingMovesOnlyCyclingTypes) {
    BuildHueColorTables(colourTables, UniGalaxies);
    UniGalaxies[0].Run_HueCycles = -1;
    UniGalaxies[0].Galaxy_HWheelInc = 0.5f;
    UniGalaxies[1].Galaxy_HWheelInc = 5;
    UniverseSettings universe;
    universe.Universe_Stars = 3;
    const RunContext run = StoredRunContext(universe);
    std::vector<std::int16_t> types{0, 1, 0};
    std::vector<std::int32_t> colours{7, 7, 7};
    std::vector<float> hues{359.1f, 10, 20};
    CycleStarHues(run, types, colours, hues);
    EXPECT_FLOAT_EQ(hues[0], 359.6f);
    EXPECT_EQ(colours[0], colourTables.HueColorTable[0][0]);  // 359.6 rounds to 360, which is hue 0
    EXPECT_EQ(colours[1], 7);
    EXPECT_EQ(hues[1], 10);
    EXPECT_EQ(colours[2], colourTables.HueColorTable[0][20]);  // 20.5 rounds to the even 20

    UniGalaxies[0].Galaxy_HWheelInc = 360;
    CycleStarHues(run, types, colours, hues);
    EXPECT_FLOAT_EQ(hues[0], 359.6f);
}

TEST_F(HueColourTest, NewStarRampRunsFromItsHueToWhite) {
    BuildHueTable();
    UniGalaxies[0].Galaxy_NewFrames = 1;
    UniGalaxies[0].Galaxy_HWC_Start = 100;
    UniGalaxies[0].Galaxy_HWC_End = 400;
    UniGalaxies[1].Galaxy_NewFrames = 150;
    BuildStarColorRamps(UniGalaxies);
    EXPECT_EQ(UniGalaxies[0].Run_NewColorRamp[0], colourTables.HueTable[40]);
    EXPECT_EQ(UniGalaxies[0].Run_NewColorRamp[1], 0xFFFFFF);
    EXPECT_EQ(UniGalaxies[0].Run_NewColorRamp[2], 0);
    EXPECT_EQ(UniGalaxies[1].Galaxy_NewFrames, 99);
    EXPECT_EQ(UniGalaxies[2].Run_NewColorRamp[0], 0);  // no frames, no ramp
}

TEST_F(HueColourTest, PulsarTablesSwellAndFade) {
    UniGalaxy& one = UniGalaxies[0];
    one.Galaxy_PulsarFrames = 1;
    one.Galaxy_HWC_Start = 30;
    one.Galaxy_HWC_End = 90;
    one.Galaxy_PulsarMinExt = 200;
    one.Galaxy_PulsarMaxExt = 1000;
    UniGalaxy& four = UniGalaxies[1];
    four = one;
    four.Galaxy_PulsarFrames = 4;
    UniGalaxy& eight = UniGalaxies[2];
    eight = one;
    eight.Galaxy_PulsarFrames = 8;
    BuildPulsarTables(UniGalaxies);

    EXPECT_EQ(one.Run_PulsarColor[0], HueToPixelColor(30));
    EXPECT_FLOAT_EQ(one.Run_PulsarSize[0], 0.2f);
    EXPECT_EQ(one.Run_PulsarSize[1], 0);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(four.Run_PulsarColor[i], HueToPixelColor(SwingHue(i, 4))) << i;
    EXPECT_FLOAT_EQ(four.Run_PulsarSize[2], 1.0f);
    // Eight frames fade in and out at sin(pi / 3).
    EXPECT_EQ(eight.Run_PulsarColor[0], Faded(HueToPixelColor(SwingHue(0, 8))));
    EXPECT_EQ(eight.Run_PulsarColor[7], Faded(HueToPixelColor(SwingHue(7, 8))));
    EXPECT_EQ(eight.Run_PulsarColor[4], HueToPixelColor(90));
}

}  // namespace
}  // namespace orbweave
