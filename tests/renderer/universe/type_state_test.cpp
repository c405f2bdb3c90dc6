#include <cmath>
#include <string>

#include "renderer/galaxy/galaxy_constants.h"
#include "renderer/galaxy/type_state.h"
#include "renderer/star_test_support.h"
#include "renderer/universe/tour.h"
#include "settings/galaxy_tables.h"

namespace orbweave {
namespace {

using testing::StarTest;

std::string TourText(const TourList& tourList) {
    std::string text;
    for (int i = 0; i < tourList.TourCount; ++i) text += (i ? "," : "") + tourList.TourSequence[i];
    return text;
}

TEST(TourSequence, NumbersFromOneBecomeSlotsFromZero) {
    const TourList tour = ParseTourSequence(" 3 12  51 ");
    EXPECT_EQ(tour.TourCount, 3);
    EXPECT_EQ(TourText(tour), "2,11,50");
}

TEST(TourSequence, OutOfRangeAndNonNumbersAreIgnored) {
    EXPECT_EQ(ParseTourSequence("0 67 x -4 0.3").TourCount, 0);
    EXPECT_EQ(ParseTourSequence("   ").TourCount, 0);
    EXPECT_EQ(ParseTourSequence("").TourCount, 0);
}

TEST(TourSequence, FractionsRoundHalvesToEven) {
    EXPECT_EQ(TourText(ParseTourSequence("2.6 2.5 0.6 65.5 66.4")), "2,1,0,65");
}

TEST(TourSequence, OnlyAHundredNumbersAreKept) {
    std::string text;
    for (int i = 0; i < 101; ++i) text += std::to_string(i % 66 + 1) + " ";
    const TourList tour = ParseTourSequence(text);
    EXPECT_EQ(tour.TourCount, 100);
    EXPECT_EQ(tour.TourSequence[99], std::to_string(99 % 66));
}

class TypeStateTest : public StarTest {};

TEST_F(TypeStateTest, AnglesAdvanceAndWrapOnce) {
    UniGalaxy& g = UniGalaxies[2];
    g.Galaxy_StdLevels = 2;
    g.Run_LevelTiltInc = {1.0f, 0.5f};
    g.Run_LevelAngle = {6.0f, 0.0f};
    g.Galaxy_HWheelInc = 30;
    g.Run_HuePhase = 350;
    g.Run_KeplerK = 10;  // above a full turn: the angle is not folded
    g.Run_RotStep8 = 0.25f;
    AdvanceGalaxyAngles(UniGalaxies);
    EXPECT_NEAR(g.Run_LevelAngle[0], 7.0 - 6.2831855, 1e-6);
    EXPECT_NEAR(g.Run_LevelCos[1], std::cos(0.5), 1e-6);
    EXPECT_NEAR(g.Run_HuePhase, 20, 1e-5);
    EXPECT_NEAR(g.Run_ArmAngle, 10 - 6.2831855, 1e-5);
    EXPECT_NEAR(g.Run_ArmSin, std::sin(0.25), 1e-6);
}

TEST_F(TypeStateTest, TypeWithoutLevelsStillTurns) {
    UniGalaxy& g = UniGalaxies[0];
    g.Galaxy_StdLevels = 0;
    g.Run_LevelTiltInc[0] = 1;
    g.Galaxy_HWheelInc = 5;
    AdvanceGalaxyAngles(UniGalaxies);
    EXPECT_EQ(g.Run_LevelAngle[0], 0);
    EXPECT_EQ(g.Run_HuePhase, 5);
    EXPECT_EQ(g.Run_ArmCos, 1);
}

TEST_F(TypeStateTest, HueCyclingByStyleAndColourMode) {
    UniGalaxies[0].Galaxy_GalStyle = 0;
    UniGalaxies[1].Galaxy_GalStyle = 4;
    UniGalaxies[2].Galaxy_GalStyle = 4;
    UniGalaxies[2].Galaxy_CP_AdvHW = 1;
    UniGalaxies[3].Galaxy_GalStyle = 7;
    UniGalaxies[4].Galaxy_GalStyle = 9;
    UniGalaxies[4].Galaxy_ColorComp = 4;
    SetHueCycleFlags(UniGalaxies);
    EXPECT_EQ(UniGalaxies[0].Run_HueCycles, -1);
    EXPECT_EQ(UniGalaxies[1].Run_HueCycles, 0);
    EXPECT_EQ(UniGalaxies[2].Run_HueCycles, -1);
    EXPECT_EQ(UniGalaxies[3].Run_HueCycles, 0);
    EXPECT_EQ(UniGalaxies[4].Run_HueCycles, 0);
}

}  // namespace
}  // namespace orbweave
