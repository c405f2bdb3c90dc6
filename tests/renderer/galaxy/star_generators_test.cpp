#include "renderer/galaxy/star_generators.h"

#include <cmath>

#include "renderer/galaxy/galaxy_constants.h"
#include "renderer/galaxy/hue_tables.h"
#include "renderer/galaxy/star_tables.h"
#include "renderer/star_test_support.h"
#include "settings/galaxy_tables.h"

namespace orbweave::testing {
namespace {

// A disc of radius 3 with four half-filled arms and two full bands, a
// conical profile of half height, two levels one apart, hue by distance.
UniGalaxy DiscType(std::int16_t style) {
    UniGalaxy g;
    g.Galaxy_GalStyle = style;
    g.Galaxy_Radius = 300;
    g.Galaxy_Rotation = 1000;
    g.Galaxy_RadSegs = 4;
    g.Galaxy_RadFill = 50;
    g.Galaxy_RadBands = 2;
    g.Galaxy_RadBFill = 100;
    g.Galaxy_RadiusExp = 1;
    g.Galaxy_HeightExp = 1;
    g.Galaxy_GHW_Ratio = 0.5f;
    g.Galaxy_Profile = 3;
    g.Galaxy_StdLevels = 2;
    g.Galaxy_StdLevDRad = 100;
    g.Galaxy_StdLevHSca = 2;
    g.Galaxy_ColorComp = 2;
    g.Galaxy_ColorMult = 3600;
    g.Galaxy_QG_Force = 50;
    g.Galaxy_HueRed = g.Galaxy_HueGrn = g.Galaxy_HueBlu = 100;
    return g;
}

class StarGeneratorTest : public StarTest {
protected:
    void Prepare(const UniGalaxy& type) {
        UniGalaxies[kType] = type;
        PrecomputeGalaxyConstants(UniGalaxies);
        BuildHueColorTables(colourTables, UniGalaxies);
        stars.Allocate(4);
        paths.Allocate(1);
    }
    static constexpr std::int16_t kType = 7;
    StarTable stars;
    GalaxyPathTables paths;
};

// Level 1 of 2; band 1 of 2 at a quarter; arm 3 of 4, half way into its fill.
const std::vector<int> kDiscDraws = {16384, 8192, 24576, 16384, 24576, 16384};

TEST_F(StarGeneratorTest, StandardStarFromKnownDraws) {
    Prepare(DiscType(0));
    stars.NovaCountdown[0] = 5;
    stars.StarAge[0] = 9;
    PrescribeRandoms(kDiscDraws, {20000});
    GenerateStar(StoredRun(), stars, 0, kType, 0, paths);

    EXPECT_EQ(stars.StarLevel[0], 1);
    EXPECT_NEAR(stars.StarX[0], 1.1002153, kNear);
    EXPECT_NEAR(stars.StarY[0], 0.5625, kNear);
    EXPECT_NEAR(stars.StarZ[0], -2.6561534, kNear);
    EXPECT_NEAR(stars.StarOrbitCos[0], std::cos(0.0018528104), 1e-7);
    EXPECT_NEAR(stars.StarOrbitSin[0], std::sin(0.0018528104), 1e-7);
    EXPECT_EQ(stars.StarHue[0], 96);
    EXPECT_EQ(stars.StarColor[0], colourTables.HueColorTable[kType][96]);
    EXPECT_EQ(stars.NovaCountdown[0], 0);
    EXPECT_EQ(stars.StarAge[0], 0);
    EXPECT_EQ(DrawsMade().fractions, 6);
    EXPECT_EQ(DrawsMade().integers, 1);
}

TEST_F(StarGeneratorTest, QuasarStarFliesStraightOut) {
    Prepare(DiscType(5));
    UniGalaxies[kType].Run_TiltAngle = 0.25f;
    PrescribeRandoms(kDiscDraws, {20000});
    GenerateStar(StoredRun(), stars, 0, kType, 0, paths);

    EXPECT_EQ(stars.StarLevel[0], 0);
    EXPECT_NEAR(stars.StarX[0], 1.1237968, kNear);
    EXPECT_NEAR(stars.StarY[0], 0.28125, kNear);
    EXPECT_NEAR(stars.StarZ[0], -1.5009016, kNear);
    EXPECT_NEAR(stars.StarVX[0], 0.5618984, kNear);
    EXPECT_NEAR(stars.StarVY[0], 0.140625, kNear);
    EXPECT_NEAR(stars.StarVZ[0], -0.7504508, kNear);
}

TEST_F(StarGeneratorTest, GravitonStarStartsAtRest) {
    Prepare(DiscType(6));
    stars.StarVX[0] = stars.StarVY[0] = stars.StarVZ[0] = 3;
    PrescribeRandoms(kDiscDraws, {20000});
    GenerateStar(StoredRun(), stars, 0, kType, 0, paths);
    EXPECT_NEAR(stars.StarX[0], 0.7175314, 1e-4);  // on the disc (one level), not at the core
    EXPECT_EQ(stars.StarVX[0], 0);
    EXPECT_EQ(stars.StarVY[0], 0);
    EXPECT_EQ(stars.StarVZ[0], 0);
}

TEST_F(StarGeneratorTest, StarwaveParticleLeavesTheCoreOnOneOfItsWaves) {
    UniGalaxy wave = DiscType(7);
    wave.Galaxy_RadBands = 3;
    wave.Galaxy_ColorComp = 0;
    Prepare(wave);
    UniGalaxies[kType].Run_TiltAngle = 0.1f;
    PrescribeRandoms({24576, 16384, 24576});
    GenerateStar(StoredRun(), stars, 0, kType, 0, paths);

    EXPECT_EQ(stars.StarX[0], 0);
    EXPECT_EQ(stars.StarY[0], 0);
    EXPECT_EQ(stars.StarZ[0], 0);
    EXPECT_NEAR(stars.StarVX[0], 0.0141902, kNear);
    EXPECT_NEAR(stars.StarVY[0], 4.1887903, kNear);
    EXPECT_NEAR(stars.StarVZ[0], -0.0264318, kNear);
    EXPECT_EQ(stars.StarHue[0], 0);
    EXPECT_EQ(DrawsMade().fractions, 3);
}

TEST_F(StarGeneratorTest, NebulaStarRidesItsRibbon) {
    UniGalaxy nebula;
    nebula.Galaxy_GalStyle = 4;
    nebula.Galaxy_CP_Points = 4;
    nebula.Galaxy_CP_B_Pts = 2;
    nebula.Galaxy_CP_B_Exp = 50;
    nebula.Galaxy_CP_B_Spd = 100;
    nebula.Galaxy_RadiusExp = 2;
    nebula.Galaxy_HeightExp = 10;
    nebula.Galaxy_ColorComp = 5;
    nebula.Galaxy_ColorMult = 1000;
    Prepare(nebula);
    for (int p = 0; p < kNebulaPointCount; ++p) {
        paths.NebulaCtrlX[0][p] = static_cast<float>(p);
        paths.NebulaCtrlY[0][p] = 1;
        paths.NebulaCtrlZ[0][p] = static_cast<float>(-p);
    }
    PrescribeRandoms({8192, 24576, 16384, 16384, 0});
    GenerateStar(StoredRun(), stars, 0, kType, 0, paths);

    EXPECT_NEAR(UniGalaxies[kType].Run_NebulaTravel, 0.001, 1e-7);
    EXPECT_NEAR(stars.StarX[0], 4.501, kNear);
    EXPECT_NEAR(stars.StarY[0], 1.0, kNear);
    EXPECT_NEAR(stars.StarZ[0], -4.501, kNear);
    EXPECT_NEAR(stars.StarVX[0], 0.04701, kNear);
    EXPECT_NEAR(stars.StarVY[0], 0.01, kNear);
    EXPECT_NEAR(stars.StarVZ[0], -0.04501, kNear);
    EXPECT_EQ(stars.StarHue[0], 315);
    EXPECT_EQ(DrawsMade().fractions, 5);
    EXPECT_EQ(DrawsMade().integers, 0);
}

TEST_F(StarGeneratorTest, NebulaTravelBeyondTheRibbonStaysOnItsLastSegment) {
    UniGalaxy nebula;
    nebula.Galaxy_GalStyle = 4;
    nebula.Galaxy_CP_Points = 3;
    nebula.Galaxy_CP_B_Pts = 1;
    nebula.Galaxy_CP_B_Spd = -30000;  // unvalidated: the travel runs backwards
    Prepare(nebula);
    for (int p = 0; p < kNebulaPointCount; ++p) paths.NebulaCtrlX[0][p] = static_cast<float>(p);
    UniGalaxies[kType].Run_NebulaTravel = -10;
    PrescribeRandoms({0, 0, 0, 0, 0});
    GenerateStar(StoredRun(), stars, 0, kType, 0, paths);
    // s = 0.5 x 3 - 10.3 = -8.8: segment 0, two tenths along.
    EXPECT_NEAR(stars.StarX[0], 1.2, 1e-4);
}

TEST_F(StarGeneratorTest, ColourModesBlackAndUnknown) {
    UniGalaxy black = DiscType(0);
    black.Galaxy_ColorComp = 4;
    Prepare(black);
    stars.StarHue[0] = 77;
    stars.StarColor[0] = 123;
    GenerateStar(StoredRun(), stars, 0, kType, 0, paths);
    EXPECT_EQ(stars.StarColor[0], 0);
    EXPECT_EQ(stars.StarHue[0], 77);

    UniGalaxies[kType].Galaxy_ColorComp = 9;
    stars.StarColor[0] = 123;
    GenerateStar(StoredRun(), stars, 0, kType, 0, paths);
    EXPECT_EQ(stars.StarColor[0], 123);
    EXPECT_EQ(stars.StarHue[0], 77);
}

TEST_F(StarGeneratorTest, MoleculeColourModeAddsThePreviousColourForOtherStyles) {
    UniGalaxy disc = DiscType(0);
    disc.Galaxy_ColorComp = 6;
    disc.Galaxy_ColorMult = 1000;
    Prepare(disc);
    stars.StarColor[0] = 400;
    PrescribeRandoms({16384, 8192, 24576, 16384, 24576, 16384, 16384}, {20000});
    GenerateStar(StoredRun(), stars, 0, kType, 0, paths);
    // Round(0.5 x 1 x 10 + 400) mod 360 = 45.
    EXPECT_EQ(stars.StarHue[0], 45);
}

TEST_F(StarGeneratorTest, DistanceHueWithoutOuterRadiusComesFromThePhase) {
    UniGalaxy disc = DiscType(0);
    disc.Galaxy_StdLevels = 1;
    disc.Galaxy_Radius = 0;  // unvalidated
    Prepare(disc);
    UniGalaxies[kType].Run_HuePhase = 40;
    PrescribeRandoms(kDiscDraws, {20000});
    GenerateStar(StoredRun(), stars, 0, kType, 0, paths);
    EXPECT_EQ(stars.StarHue[0], 40);
}

TEST_F(StarGeneratorTest, SteepStepIsCappedAtAQuarterTurn) {
    UniGalaxy disc = DiscType(0);
    disc.Galaxy_Rotation = 30000;
    disc.Galaxy_Radius = 1;
    Prepare(disc);
    float x, y, z, c, s, omega;
    std::int16_t level;
    PrescribeRandoms({0, 0, 0, 0, 0, 0}, {20000});
    GenerateCoreStar(StoredRun(), x, y, z, c, s, omega, level, kType, 30.0f, 0);
    EXPECT_EQ(omega, 1.5707964f);
    EXPECT_FLOAT_EQ(c, static_cast<float>(std::cos(1.5707964f)));
}

TEST(ProfileHeight, CurvesPassTheirLandmarks) {
    PrescribeRandoms({}, {20000, 20000, 20000, 20000});
    EXPECT_NEAR(GetProfileHeight(0, 0, 4, 16), 4.0, 1e-3);     // "Standard": the bulge's peak
    EXPECT_NEAR(GetProfileHeight(0, 2, 4, 16), 1.6, 1e-3);     // 0.4 at half radius
    EXPECT_NEAR(GetProfileHeight(1, 0.4f, 4, 16), 3.0, 1e-3);  // "Top-Like": 0.75 at a tenth
    EXPECT_NEAR(GetProfileHeight(1, 3, 4, 16), 1.0, 1e-3);     // 0.25 at three quarters
}

TEST(ProfileHeight, SignFollowsTheWholeNumberDrawn) {
    PrescribeRandoms({}, {100, 16384, 30000});
    EXPECT_FLOAT_EQ(GetProfileHeight(3, 1, 4, 16), -3.0f);
    EXPECT_FLOAT_EQ(GetProfileHeight(3, 1, 4, 16), 0.0f);
    EXPECT_FLOAT_EQ(GetProfileHeight(3, 1, 4, 16), 3.0f);
}

TEST(ProfileHeight, UnknownProfileStillDraws) {
    PrescribeRandoms({}, {30000});
    EXPECT_EQ(GetProfileHeight(7, 1, 4, 16), 0.0f);
    EXPECT_EQ(DrawsMade().integers, 1);
}

class ResolveGalaxyTypeTest : public StarTest {};

TEST_F(ResolveGalaxyTypeTest, SlotsAndComposites) {
    CompGalaxies[1].CompGal_Count = 3;
    CompGalaxies[1].CompGal_Type = {12, 3, 4};
    CompGalaxies[2].CompGal_Type[0] = 9;  // no members
    CompGalaxies[3].CompGal_Count = 1;
    CompGalaxies[3].CompGal_Type[0] = 77;
    const std::int16_t types[] = {17, 51, 52, 53, 70};
    EXPECT_EQ(ResolveGalaxyType(types, 0), 17);
    // A composite resolves whatever its percent (its composite flag is unset).
    EXPECT_EQ(ResolveGalaxyType(types, 1), 12);
    EXPECT_EQ(ResolveGalaxyType(types, 2), 0);
    EXPECT_EQ(ResolveGalaxyType(types, 3), 0);
    EXPECT_EQ(ResolveGalaxyType(types, 4), 0);
    EXPECT_EQ(ResolveGalaxyType(types, 5), 0);
}

}  // namespace
}  // namespace orbweave::testing
