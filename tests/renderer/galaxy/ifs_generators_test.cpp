#include "renderer/galaxy/ifs_generators.h"

#include <cmath>

#include "renderer/galaxy/galaxy_constants.h"
#include "renderer/galaxy/star_generators.h"
#include "renderer/galaxy/star_tables.h"
#include "renderer/star_test_support.h"
#include "settings/galaxy_tables.h"

namespace orbweave::testing {
namespace {

constexpr std::int16_t kType = 4;

class IfsGeneratorTest : public StarTest {
protected:
    void Prepare(const UniGalaxy& type) {
        UniGalaxies[kType] = type;
        PrecomputeGalaxyConstants(UniGalaxies);
        UniGalaxies[kType].Run_ArmCos = 1;
        UniGalaxies[kType].Run_ArmSin = 0;
        paths.Allocate(2);
        stars.Allocate(2);
    }
    // A figure of four vertices: below the core and along each positive axis.
    void UseTestFigure() {
        FigurePoints& f = paths.Figure[0];
        f.X = {0, 4, 0, 0};
        f.Y = {-2, 0, 4, 0};
        f.Z = {0, 0, 0, 4};
        UniGalaxies[kType].Run_FigureIndex = 4;
    }
    void Generate(int i = 0, std::int16_t galaxy = 0) { GenerateStar(StoredRun(), stars, i, kType, galaxy, paths); }
    GalaxyPathTables paths;
    StarTable stars;
};

UniGalaxy IfsType(std::int16_t style) {
    UniGalaxy g;
    g.Galaxy_GalStyle = style;
    g.Galaxy_Radius = 300;
    g.Galaxy_Rotation = 1000;
    g.Galaxy_RadFill = 50;
    g.Galaxy_RadiusExp = 1;
    g.Galaxy_HeightExp = 1;
    g.Galaxy_GHW_Ratio = 1;
    g.Galaxy_Profile = 2;
    return g;
}

TEST_F(IfsGeneratorTest, AttractorRestartsThenShrinksAndTurns) {
    UniGalaxy attractor = IfsType(1);
    attractor.Galaxy_RadSegs = 3;
    attractor.Galaxy_RadBands = 90;
    Prepare(attractor);
    UniGalaxies[kType].Run_ArmCos = 0;  // arm a quarter turn round
    UniGalaxies[kType].Run_ArmSin = 1;
    PrescribeRandoms({16384, 16384, 8192}, {20000});

    Generate(0);
    EXPECT_NEAR(stars.StarX[0], -1.5, kNear);
    EXPECT_NEAR(stars.StarY[0], 1.2990381, kNear);
    EXPECT_NEAR(stars.StarZ[0], 0.0, kNear);
    EXPECT_FLOAT_EQ(stars.StarOrbitCos[0], UniGalaxies[kType].Run_RotCos8);
    EXPECT_EQ(DrawsMade().fractions, 3);
    EXPECT_EQ(DrawsMade().integers, 1);

    Generate(1);  // half the distance, a quarter turn further
    EXPECT_NEAR(stars.StarX[1], 0.0, kNear);
    EXPECT_NEAR(stars.StarY[1], 0.6495190, kNear);
    EXPECT_NEAR(stars.StarZ[1], -0.75, kNear);
    EXPECT_EQ(DrawsMade().fractions, 3);
    EXPECT_EQ(paths.IfsStepCount[0], 2);
    Generate(1);
    EXPECT_EQ(paths.IfsStepCount[0], 0);
}

TEST_F(IfsGeneratorTest, WireframeStarLiesOnTheLastSegmentOfItsChaosGame) {
    UniGalaxy wireframe = IfsType(2);
    wireframe.Galaxy_RadBands = 2;
    Prepare(wireframe);
    UseTestFigure();
    PrescribeRandoms({16384, 24576, 8192, 8192});
    Generate(0);
    EXPECT_NEAR(stars.StarX[0], 1.0, kNear);
    EXPECT_NEAR(stars.StarY[0], 1.5, kNear);
    EXPECT_NEAR(stars.StarZ[0], 1.5, kNear);
    EXPECT_EQ(DrawsMade().fractions, 4);
}

TEST_F(IfsGeneratorTest, WireframeWithoutLevelsRunsFromTheCoreThroughAVertex) {
    UniGalaxy wireframe = IfsType(2);
    wireframe.Galaxy_RadBands = 0;
    Prepare(wireframe);
    UseTestFigure();
    PrescribeRandoms({24576, 24576});  // vertex 3, three quarters of twice its distance
    Generate(0);
    EXPECT_NEAR(stars.StarZ[0], 6.0, kNear);
    EXPECT_EQ(DrawsMade().fractions, 2);
}

TEST_F(IfsGeneratorTest, FractalMovesHalfWayToARandomVertex) {
    Prepare(IfsType(3));
    UseTestFigure();
    PrescribeRandoms({24576});
    Generate(0);
    EXPECT_NEAR(stars.StarX[0], 0.0, kNear);
    EXPECT_NEAR(stars.StarZ[0], 2.0, kNear);
    EXPECT_EQ(DrawsMade().fractions, 1);
}

UniGalaxy TransformType() {
    UniGalaxy g = IfsType(8);
    g.Galaxy_Radius = 1000;  // transform offsets in hundredths of the radius
    IfsBlock& ifs = g.Ifs;
    ifs.Galaxy_IFS_Points = 2;
    ifs.IFS_X = {200, 0};
    ifs.IFS_Y = {0, 200};
    ifs.IFS_Scale = {50, 100};
    ifs.IFS_Axis = {2, 2};
    ifs.IFS_Angle = {90, 0};
    ifs.IFS_Pct = {1, 9999};
    return g;
}

TEST_F(IfsGeneratorTest, TransformsMoveTowardsTheirPointThenTurnAboutIt) {
    Prepare(TransformType());
    PrescribeRandoms({0, 16384});
    Generate(0);  // transform 0: half way to (2, 0, 0), then a quarter turn about it
    EXPECT_NEAR(stars.StarX[0], 2.0, kNear);
    EXPECT_NEAR(stars.StarY[0], -1.0, kNear);
    Generate(1);  // transform 1: all the way to (0, 2, 0), no turn
    EXPECT_NEAR(stars.StarX[1], 0.0, kNear);
    EXPECT_NEAR(stars.StarY[1], 2.0, kNear);
    EXPECT_EQ(DrawsMade().fractions, 2);
}

TEST_F(IfsGeneratorTest, FullWeightsOfFiveTransformsReachTheLast) {
    UniGalaxy g = TransformType();
    g.Ifs.Galaxy_IFS_Points = 5;
    g.Ifs.IFS_Pct.fill(9999);
    g.Ifs.IFS_Angle.fill(0);
    g.Ifs.IFS_Scale.fill(100);
    g.Ifs.IFS_X = {0, 0, 0, 0, 500};
    Prepare(g);
    PrescribeRandoms({32767});
    Generate(0);
    EXPECT_NEAR(stars.StarX[0], 5.0, kNear);
}

TEST_F(IfsGeneratorTest, ZeroWeightsLeaveTheChainInPlace) {
    UniGalaxy g = TransformType();
    g.Ifs.IFS_Pct = {0, 0};
    Prepare(g);
    paths.IfsPointX[0] = 3;
    PrescribeRandoms({100, 200});
    Generate(0);
    Generate(1);
    EXPECT_FLOAT_EQ(stars.StarX[0], 3);
    EXPECT_FLOAT_EQ(stars.StarX[1], 3);
}

}  // namespace
}  // namespace orbweave::testing
