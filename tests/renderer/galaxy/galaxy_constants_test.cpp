#include "renderer/galaxy/galaxy_constants.h"

#include <cmath>

#include "renderer/star_test_support.h"
#include "settings/galaxy_tables.h"

namespace orbweave {
namespace {

using testing::StarTest;

constexpr double kDegree = 6.28318530717958 / 360;

class GalaxyConstantsTest : public StarTest {};

TEST_F(GalaxyConstantsTest, NonStandardStylesKeepOneLevel) {
    UniGalaxy& graviton = UniGalaxies[3];
    graviton.Galaxy_GalStyle = 6;
    graviton.Galaxy_StdLevels = 5;
    graviton.Galaxy_StdLevDRad = 200;
    graviton.Galaxy_Radius = 400;
    UniGalaxies[4].Galaxy_StdLevels = 4;
    CompGalaxies[2].CompGal_Count = 2;
    CompGalaxies[2].CompGal_Type[0] = 3;
    CompGalaxies[2].CompGal_Type[1] = 4;

    PrecomputeGalaxyConstants(UniGalaxies);

    EXPECT_EQ(graviton.Galaxy_StdLevels, 1);
    EXPECT_FLOAT_EQ(graviton.Run_OuterRadius, graviton.Run_Radius);
    EXPECT_EQ(graviton.Run_PlotMode, 2);
    EXPECT_EQ(CompGalaxies[2].Run_CumLevels[0], 1);
    EXPECT_EQ(CompGalaxies[2].Run_CumLevels[1], 5);
}

TEST_F(GalaxyConstantsTest, ForceScaleFollowsTheStyle) {
    UniGalaxies[0].Galaxy_GalStyle = 5;
    UniGalaxies[0].Galaxy_QG_Force = 50;
    UniGalaxies[1].Galaxy_GalStyle = 6;
    UniGalaxies[1].Galaxy_QG_Force = 50;
    PrecomputeGalaxyConstants(UniGalaxies);
    EXPECT_FLOAT_EQ(UniGalaxies[0].Run_ForceK, 0.5f);
    EXPECT_FLOAT_EQ(UniGalaxies[1].Run_ForceK, 0.005f);
}

TEST_F(GalaxyConstantsTest, DampedTiltIncrementsShrinkOutwards) {
    UniGalaxy& small = UniGalaxies[0];
    small.Galaxy_StdLevels = 4;
    small.Galaxy_AngleTInc = 90;
    small.Galaxy_StdLevB_A1 = -1;
    UniGalaxy& large = UniGalaxies[1];
    large = small;
    large.Galaxy_AngleTInc = 270;
    UniGalaxy& interleaved = UniGalaxies[2];
    interleaved = small;
    interleaved.Galaxy_StdLevB_A1 = 0;
    interleaved.Galaxy_StdLevB_A0 = -1;
    PrecomputeGalaxyConstants(UniGalaxies);

    const double smallExpected[] = {90, 67.5, 45, 22.5};
    const double largeExpected[] = {270, 292.5, 315, 337.5};
    const double interleavedExpected[] = {90, -90, 90, -90};
    for (int j = 0; j < 4; ++j) {
        EXPECT_NEAR(small.Run_LevelTiltInc[j], smallExpected[j] * kDegree, 1e-6) << j;
        EXPECT_NEAR(large.Run_LevelTiltInc[j], largeExpected[j] * kDegree, 1e-6) << j;
        EXPECT_NEAR(interleaved.Run_LevelTiltInc[j], interleavedExpected[j] * kDegree, 1e-6) << j;
    }
}

TEST_F(GalaxyConstantsTest, SmallestRadiusTurnsFastest) {
    UniGalaxies[0].Galaxy_Radius = 1;
    UniGalaxies[0].Galaxy_Rotation = 1000;
    PrecomputeGalaxyConstants(UniGalaxies);
    EXPECT_FLOAT_EQ(UniGalaxies[0].Run_Radius, 0.01f);
    EXPECT_NEAR(UniGalaxies[0].Run_KeplerK, 6.28318530717958 * 0.001 * 10, 1e-6);
}

TEST_F(GalaxyConstantsTest, ShapeTablesCountTrianglesAndHexagons) {
    PrecomputeGalaxyConstants(UniGalaxies);
    EXPECT_EQ(HexCount[0], 1);
    EXPECT_EQ(HexCount[1], 1);
    EXPECT_EQ(HexCount[2], 7);
    EXPECT_EQ(HexCount[3], 19);
    EXPECT_EQ(TriCount[99], 4950);
    EXPECT_FLOAT_EQ(HexCos[6], HexCos[0]);
    EXPECT_NEAR(HexSin[1], std::sqrt(3.0) / 2, 1e-6);
}

TEST_F(GalaxyConstantsTest, TransformWeightsSumBeyondSixteenBits) {
    IfsBlock& ifs = UniGalaxies[0].Ifs;
    ifs.Galaxy_IFS_Points = 5;
    ifs.IFS_Pct.fill(9999);
    PrecomputeGalaxyConstants(UniGalaxies);
    EXPECT_EQ(ifs.Run_IfsCumPct[4], 49995);
}

}  // namespace
}  // namespace orbweave
