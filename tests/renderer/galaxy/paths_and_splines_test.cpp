#include <array>
#include <cmath>

#include "renderer/galaxy/galaxy_constants.h"
#include "renderer/galaxy/path_tables.h"
#include "renderer/galaxy/splines.h"
#include "renderer/star_test_support.h"
#include "settings/galaxy_tables.h"

namespace orbweave {
namespace {

using testing::StarTest;

TEST(Spline, EqualControlPointsHoldStill) {
    for (float t : {0.0f, 0.3f, 1.0f, 1.7f}) EXPECT_NEAR(SplineValue(2.5f, 2.5f, 2.5f, 2.5f, t), 2.5, 1e-6);
}

TEST(Spline, SegmentRunsFromOneSixthBlendToTheNext) {
    EXPECT_NEAR(SplineValue(0, 0, 0, 6, 0), 0.0, 1e-6);
    EXPECT_NEAR(SplineValue(0, 0, 0, 6, 1), 1.0, 1e-6);
    EXPECT_NEAR(SplineValue(1, 2, 3, 4, 0.5f), 2.5, 1e-6);
}

TEST(Spline, CameraAndPathVariantsReadTheirOwnPoints) {
    float x = 0, y = 0, z = 0;
    SplineCameraPoint(x, y, z, 0, {0, 6, 0, 0}, {1, 1, 1, 1}, {0, 0, 0, 0});
    EXPECT_NEAR(x, 4.0, 1e-6);
    EXPECT_NEAR(y, 1.0, 1e-6);

    const std::array<float, 6> line{0, 1, 2, 3, 4, 5};
    SplinePathPoint(x, y, z, 0, 2, 3, 4, 5, line, line, line);
    EXPECT_NEAR(x, 3.0, 1e-6);
    // Indices beyond the tables leave the point where it was.
    SplinePathPoint(x, y, z, 0, 3, 4, 5, 6, line, line, line);
    EXPECT_NEAR(x, 3.0, 1e-6);
}

class PathTablesTest : public StarTest {
protected:
    static UniGalaxy Nebula(std::int16_t points, std::int16_t closed) {
        UniGalaxy g;
        g.Galaxy_GalStyle = 4;
        g.Galaxy_Radius = 300;
        g.Galaxy_Rotation = 2000;
        g.Galaxy_GHW_Ratio = 0.5f;
        g.Galaxy_CP_Points = points;
        g.Galaxy_CP_Close = closed;
        g.Galaxy_CP_Steps = 10;
        return g;
    }
    GalaxyPathTables paths;
};

TEST_F(PathTablesTest, FigureSizeFollowsTheSegmentCount) {
    UniGalaxies[0].Galaxy_GalStyle = 3;
    UniGalaxies[0].Galaxy_RadSegs = 0;
    UniGalaxies[1].Galaxy_GalStyle = 3;
    UniGalaxies[1].Galaxy_RadSegs = 12;
    UniGalaxies[1].Galaxy_Radius = 100;
    UniGalaxies[1].Galaxy_GHW_Ratio = 1;
    PrecomputeGalaxyConstants(UniGalaxies);
    const std::int16_t types[] = {0, 1};
    InitGalaxyTypeTables(testing::StoredRun(), paths, 2, -1, -1, types);

    EXPECT_EQ(UniGalaxies[0].Run_FigureIndex, 1);
    EXPECT_EQ(UniGalaxies[1].Run_FigureIndex, 10);
    EXPECT_EQ(paths.Figure[0].X[0], 0);
    EXPECT_EQ(paths.Figure[0].Y[0], 0);
    // Ten points: the top one sits R H above the core, and the chain starts
    // from the first (the apex below).
    EXPECT_FLOAT_EQ(paths.Figure[1].Y[9], 1.0f);
    EXPECT_FLOAT_EQ(paths.IfsPointY[1], -1.0f);
}

TEST_F(PathTablesTest, RibbonPointsAreClampedInTheRecord) {
    UniGalaxies[0] = Nebula(0, 0);
    UniGalaxies[1] = Nebula(25, 0);
    PrecomputeGalaxyConstants(UniGalaxies);
    InitGalaxyTypeTables(testing::StoredRun(), paths, 1, 0, -1, {});
    EXPECT_EQ(UniGalaxies[0].Galaxy_CP_Points, 1);
    EXPECT_EQ(UniGalaxies[1].Galaxy_CP_Points, 20);
}

TEST_F(PathTablesTest, ClosedRibbonRepeatsItsFirstThreePoints) {
    UniGalaxies[0] = Nebula(3, 1);
    PrecomputeGalaxyConstants(UniGalaxies);
    SeedRandomTable(3);
    InitGalaxyTypeTables(testing::StoredRun(), paths, 1, 0, -1, {});
    for (int frame = 0; frame < 25; ++frame) {
        AdvanceNebulaPaths(testing::StoredRun(), paths, 1, 0, {});
        for (int p = 3; p < 6; ++p) {
            EXPECT_EQ(paths.NebulaCtrlX[0][p], paths.NebulaCtrlX[0][p - 3]);
            EXPECT_EQ(paths.NebulaCtrlZ[0][p], paths.NebulaCtrlZ[0][p - 3]);
        }
    }
    EXPECT_NE(paths.NebulaCtrlX[0][0], 0);
}

TEST_F(PathTablesTest, CompositeMovesWithItsMajorMemberOnly) {
    UniGalaxies[5] = Nebula(3, 1);
    UniGalaxies[6] = Nebula(3, 1);
    UniGalaxies[6].Galaxy_CP_Steps = 1000;
    CompGalaxies[0].CompGal_Count = 2;
    CompGalaxies[0].CompGal_Type = {6, 5};
    PrecomputeGalaxyConstants(UniGalaxies);
    const std::int16_t types[] = {50};
    InitGalaxyTypeTables(testing::StoredRun(), paths, 1, -1, -1, types);
    AdvanceNebulaPaths(testing::StoredRun(), paths, 1, -1, types);
    EXPECT_FLOAT_EQ(paths.NebulaPhase[0], 0.001f);
}

}  // namespace
}  // namespace orbweave
