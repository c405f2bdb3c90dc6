#include "settings/validation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "galaxy_tables_fixture.h"

namespace orbweave {
namespace {

class ValidateUniGalaxyTest : public GalaxyTablesTest {
protected:
    UniGalaxy& g = UniGalaxies[3];
};

TEST_F(ValidateUniGalaxyTest, AllZeroRecordTakesItsLowerBounds) {
    ValidateUniGalaxy(3);

    EXPECT_EQ(g.Galaxy_Radius, 1);
    EXPECT_EQ(g.Galaxy_NewExtMult, 1);
    EXPECT_EQ(g.Galaxy_NovaFrames, 1);
    EXPECT_EQ(g.Galaxy_NovaExtMult, 1);
    EXPECT_EQ(g.Galaxy_PulsarCycles, 1);
    EXPECT_EQ(g.Galaxy_PulsarFrames, 1);
    EXPECT_EQ(g.Galaxy_PulsarMinExt, 1);
    EXPECT_EQ(g.Galaxy_PulsarMaxExt, 1);
    EXPECT_EQ(g.Galaxy_CometStars, 1);
    EXPECT_FLOAT_EQ(g.Galaxy_CometCPersist, 0.1f);
    EXPECT_FLOAT_EQ(g.Galaxy_CometSPersist, 0.1f);
    EXPECT_EQ(g.Galaxy_CP_Points, 1);
    EXPECT_EQ(g.Galaxy_CP_B_Pts, 1);
    EXPECT_EQ(g.Galaxy_StdLevels, 1);
    EXPECT_EQ(g.Galaxy_RadSegs, 1);
    EXPECT_EQ(g.Galaxy_RadBands, 1);

    // Everything else stays zero, and no array entry is touched.
    UniGalaxy expected;
    expected.Galaxy_Radius = 1;
    expected.Galaxy_NewExtMult = expected.Galaxy_NovaFrames = expected.Galaxy_NovaExtMult = 1;
    expected.Galaxy_PulsarCycles = expected.Galaxy_PulsarFrames = 1;
    expected.Galaxy_PulsarMinExt = expected.Galaxy_PulsarMaxExt = 1;
    expected.Galaxy_CometStars = 1;
    expected.Galaxy_CometCPersist = expected.Galaxy_CometSPersist = 0.1f;
    expected.Galaxy_CP_Points = expected.Galaxy_CP_B_Pts = 1;
    expected.Galaxy_StdLevels = expected.Galaxy_RadSegs = expected.Galaxy_RadBands = 1;
    EXPECT_EQ(g, expected);
}

TEST_F(ValidateUniGalaxyTest, StyleAboveNineIsStoredAsNineWithItsRadialRanges) {
    g.Galaxy_GalStyle = 12;
    g.Galaxy_RadBands = 200;
    ValidateUniGalaxy(3);
    EXPECT_EQ(g.Galaxy_GalStyle, 9);
    EXPECT_EQ(g.Galaxy_RadBands, 99);
}

TEST_F(ValidateUniGalaxyTest, NegativeStyleIsStoredAsZeroWithItsRadialRanges) {
    g.Galaxy_GalStyle = -3;
    g.Galaxy_RadFill = 150;
    ValidateUniGalaxy(3);
    EXPECT_EQ(g.Galaxy_GalStyle, 0);
    EXPECT_EQ(g.Galaxy_RadFill, 100.0f);
}

struct RadialCase {
    std::int16_t style;
    std::int16_t segs, bands;
    float fill, bandFill;
    std::int16_t expectedSegs, expectedBands;
    float expectedFill, expectedBandFill;
};

TEST_F(ValidateUniGalaxyTest, RadialFieldsAreClampedByStyle) {
    const RadialCase cases[] = {
        {2, 3, 1, 0, 0, 4, 1, 0, 0},                                            // wireframes have 4 to 10 vertices
        {2, 25, 1, 0, 0, 10, 1, 0, 0},        {1, 1, 200, 0, 0, 1, 200, 0, 0},  // an attractor turns up to 360 degrees
        {0, 1, 200, 0, 0, 1, 99, 0, 0},       {3, 1, 200, 0, 0, 4, 100, 0, 0},
        {0, 1, 1, 150, 0, 1, 1, 100, 0},      {4, 1, 1, 150, 0, 1, 1, 150, 0},  // nebula control-point steps
        {4, 30, 1, 12000, 0, 20, 1, 9999, 0}, {7, 1, 1, 0, 500, 1, 1, 0, 500},  // starwave persistence up to 999
        {0, 1, 1, 0, 500, 1, 1, 0, 100},
    };
    for (const RadialCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "style " << c.style);
        g = UniGalaxy{};
        g.Galaxy_GalStyle = c.style;
        g.Galaxy_RadSegs = c.segs;
        g.Galaxy_RadBands = c.bands;
        g.Galaxy_RadFill = c.fill;
        g.Galaxy_RadBFill = c.bandFill;
        ValidateUniGalaxy(3);
        EXPECT_EQ(g.Galaxy_RadSegs, c.expectedSegs);
        EXPECT_EQ(g.Galaxy_RadBands, c.expectedBands);
        EXPECT_EQ(g.Galaxy_RadFill, c.expectedFill);
        EXPECT_EQ(g.Galaxy_RadBFill, c.expectedBandFill);
    }
}

TEST_F(ValidateUniGalaxyTest, FillPercentagesRoundHalvesToEven) {
    g.Galaxy_RadFill = 50.5f;
    g.Galaxy_RadBFill = 51.5f;
    ValidateUniGalaxy(3);
    EXPECT_EQ(g.Galaxy_RadFill, 50.0f);
    EXPECT_EQ(g.Galaxy_RadBFill, 52.0f);
}

TEST_F(ValidateUniGalaxyTest, FillPercentagesBeyondSixteenBitsTakeTheNearestBound) {
    g.Galaxy_RadFill = std::numeric_limits<float>::max();
    g.Galaxy_RadBFill = -1e9f;
    ValidateUniGalaxy(3);
    EXPECT_EQ(g.Galaxy_RadFill, 100.0f);
    EXPECT_EQ(g.Galaxy_RadBFill, 0.0f);
    EXPECT_FALSE(std::signbit(g.Galaxy_RadBFill));
}

TEST_F(ValidateUniGalaxyTest, GridAtomsKeepTheirPointsPerSideWithin1To99) {
    g.Atoms.Galaxy_Atoms = 2;
    g.Atoms.Atom_Structure[0] = 8;
    g.Atoms.Atom_X[0] = 500;
    g.Atoms.Atom_Structure[1] = 3;
    g.Atoms.Atom_X[1] = 500;
    g.Atoms.Atom_Structure[2] = 8;
    g.Atoms.Atom_X[2] = 500;  // beyond the count: untouched
    ValidateUniGalaxy(3);
    EXPECT_EQ(g.Atoms.Atom_X[0], 99);
    EXPECT_EQ(g.Atoms.Atom_X[1], 500);
    EXPECT_EQ(g.Atoms.Atom_X[2], 500);
    EXPECT_EQ(g.Atoms.Run_AtomPoints[0], 1);
    EXPECT_EQ(g.Atoms.Atom_Element[0], 1);
}

TEST_F(ValidateUniGalaxyTest, IfsCountIsClampedBeforeItsEntriesAreVisited) {
    g.Ifs.Galaxy_IFS_Points = 9;
    g.Ifs.IFS_Scale.fill(500);
    ValidateUniGalaxy(3);
    EXPECT_EQ(g.Ifs.Galaxy_IFS_Points, 5);
    for (int j = 0; j < 5; ++j) EXPECT_EQ(g.Ifs.IFS_Scale[j], 100) << j;
}

TEST_F(ValidateUniGalaxyTest, EmptyBlocksLeaveTheirEntriesAlone) {
    g.Ifs.IFS_Angle[0] = 999;
    g.Atoms.Atom_Element[0] = 40;
    ValidateUniGalaxy(3);
    EXPECT_EQ(g.Ifs.IFS_Angle[0], 999);
    EXPECT_EQ(g.Atoms.Atom_Element[0], 40);
}

TEST_F(ValidateUniGalaxyTest, UnclampedFieldsSurvive) {
    g._UniGalName = "Mine";
    g.Galaxy_CometVector = 7;
    g.Galaxy_StdLevDRad = -5;
    g.Galaxy_StdLevHSca = 500;
    g.Galaxy_StdLevB_HS = 3;
    ValidateUniGalaxy(3);
    EXPECT_EQ(g._UniGalName, "Mine");
    EXPECT_EQ(g.Galaxy_CometVector, 7);
    EXPECT_EQ(g.Galaxy_StdLevDRad, -5);
    EXPECT_EQ(g.Galaxy_StdLevHSca, 500.0f);
    EXPECT_EQ(g.Galaxy_StdLevB_HS, 3);
}

TEST_F(ValidateUniGalaxyTest, ResetsNebulaTravelAndArmAndTiltAngles) {
    g.Run_NebulaTravel = 3.5f;
    g.Run_ArmAngle = 1.0f;
    g.Run_TiltAngle = 2.0f;
    ValidateUniGalaxy(3);
    EXPECT_EQ(g.Run_NebulaTravel, 0.0f);
    EXPECT_EQ(g.Run_ArmAngle, 0.0f);
    EXPECT_EQ(g.Run_TiltAngle, 0.0f);
}

TEST_F(ValidateUniGalaxyTest, UpperBoundsHold) {
    g._UniGalPct = 12000;
    g.Galaxy_Radius = 40000;
    g.Galaxy_HueStart = 360;
    g.Galaxy_HWC_Inc = 2.0f;
    g.Galaxy_AngleTilt = 400.0f;
    g.Galaxy_QG_Force = 100.0f;
    g.Galaxy_StdLevels = 11;
    g.Galaxy_CometCPersist = 1.0f;
    ValidateUniGalaxy(3);
    EXPECT_EQ(g._UniGalPct, 9999);
    EXPECT_EQ(g.Galaxy_Radius, 30000);
    EXPECT_EQ(g.Galaxy_HueStart, 359);
    EXPECT_EQ(g.Galaxy_HWC_Inc, 1.0f);
    EXPECT_EQ(g.Galaxy_AngleTilt, 360.0f);
    EXPECT_EQ(g.Galaxy_QG_Force, 99.9f);
    EXPECT_EQ(g.Galaxy_StdLevels, 10);
    EXPECT_EQ(g.Galaxy_CometCPersist, 0.9999f);
}

TEST_F(ValidateUniGalaxyTest, IndexOutsideTheTableChangesNothing) {
    ValidateUniGalaxy(-1);
    ValidateUniGalaxy(66);
    EXPECT_EQ(UniGalaxies[0], UniGalaxy{});
}

class ValidateCompGalaxyTest : public GalaxyTablesTest {
protected:
    CompGalaxy& c = CompGalaxies[2];
};

TEST_F(ValidateCompGalaxyTest, FiftyMembersAreKept) {
    c.CompGal_Count = 50;
    c.CompGal_Type[49] = 12;
    ValidateCompGalaxy(2);
    EXPECT_EQ(c.CompGal_Count, 50);
    EXPECT_EQ(c.CompGal_Type[49], 12);
}

TEST_F(ValidateCompGalaxyTest, CountIsClampedTo0To50) {
    c.CompGal_Count = 60;
    ValidateCompGalaxy(2);
    EXPECT_EQ(c.CompGal_Count, 50);

    c.CompGal_Count = -2;
    c.CompGal_Type[0] = 60;
    ValidateCompGalaxy(2);
    EXPECT_EQ(c.CompGal_Count, 0);
    EXPECT_EQ(c.CompGal_Type[0], 60);
}

TEST_F(ValidateCompGalaxyTest, MembersWithinTheCountAreClamped) {
    c.CompGal_Count = 2;
    c.CompGal_Type = {60, -1, 60};
    ValidateCompGalaxy(2);
    EXPECT_EQ(c.CompGal_Type[0], 49);
    EXPECT_EQ(c.CompGal_Type[1], 0);
    EXPECT_EQ(c.CompGal_Type[2], 60);
}

TEST_F(ValidateCompGalaxyTest, PercentIsClampedAndNameKept) {
    c._CompGalName = "  Odd name ";
    c._CompGalPct = 12000;
    ValidateCompGalaxy(2);
    EXPECT_EQ(c._CompGalPct, 9999);
    EXPECT_EQ(c._CompGalName, "  Odd name ");
}

}  // namespace
}  // namespace orbweave
