#include "settings/factory_presets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>

#include "core/convert.h"
#include "galaxy_tables_fixture.h"
#include "settings/validation.h"

namespace orbweave {
namespace {

int FieldCount(const std::string& row) { return static_cast<int>(std::ranges::count(row, ',')); }

class FactoryPresetsTest : public GalaxyTablesTest {
protected:
    void SetUp() override {
        GalaxyTablesTest::SetUp();
        InitUniGalaxyNames();
    }
};

TEST_F(FactoryPresetsTest, NamesAndPercentsOfTheFiftyTypes) {
    EXPECT_EQ(UniGalDefaultNames[0], "Standard Galaxy");
    EXPECT_EQ(UniGalDefaultNames[13], "Fractal:  Tetrahedron");
    EXPECT_EQ(UniGalDefaultNames[49], "Nested Horns");
    EXPECT_EQ(UniGalDefaultPcts[0], 30);
    EXPECT_EQ(UniGalDefaultPcts[45], 0);
    EXPECT_EQ(UniGalDefaultPcts[46], 0);
    EXPECT_EQ(std::accumulate(UniGalDefaultPcts.begin(), UniGalDefaultPcts.end(), 0), 432);
}

TEST_F(FactoryPresetsTest, PresetGettersCountFromOneAndAreEmptyOutsideTheirTables) {
    EXPECT_EQ(GetUniGalaxyPreset(0), "");
    EXPECT_EQ(GetUniGalaxyPreset(51), "");
    EXPECT_EQ(GetUniGalaxyPreset(-1), "");
    EXPECT_EQ(GetUniverseThemePreset(0), "");
    EXPECT_EQ(GetUniverseThemePreset(9), "");
    EXPECT_EQ(GetCompGalaxyPreset(0), "");
    EXPECT_EQ(GetCompGalaxyPreset(17), "");
    EXPECT_NE(GetUniGalaxyPreset(50), "");
    EXPECT_NE(GetUniverseThemePreset(8), "");
    EXPECT_NE(GetCompGalaxyPreset(16), "");
}

TEST_F(FactoryPresetsTest, StandardGalaxyRowIsKeptAsWritten) {
    EXPECT_EQ(GetUniGalaxyPreset(1),
              "300, 500, 400, 0, 0, 1, 100, 1, 100, 1800, 0.3, 1.15, 2, 170, 0, 240, 0.005, 3, 0, "
              "125, 16, 100, 600, 30, 600, 40, 100, 1, 99, 2000, 20, 4, 0, 0, 0, "
              "400, 60, 100, 50, 200, 0.9975, 0.95, 0, 140, 220, 0, 100, 100, 100, 0, 80, "
              "10, 200, 1, 100, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0,");
    EXPECT_EQ(GetCSVField(GetUniGalaxyPreset(40), 40), "0.90");
}

TEST_F(FactoryPresetsTest, RowsHaveTheirStylesValueCountAndEndWithAComma) {
    for (std::int16_t n = 1; n <= 50; ++n) {
        SCOPED_TRACE(::testing::Message() << "row " << n);
        const std::string row = GetUniGalaxyPreset(n);
        const int style = *TextToInt16(GetCSVField(row, 3));
        int expected = 69;
        if (style == 8) expected = 107;
        if (n == 43) expected = 93;
        if (n == 44) expected = 114;
        if (n == 45) expected = 142;
        EXPECT_EQ(FieldCount(row), expected);
        EXPECT_EQ(row.back(), ',');
        for (int unused : {32, 33, 34, 65, 66, 67}) EXPECT_EQ(GetCSVField(row, unused), "0") << unused;
    }
}

TEST_F(FactoryPresetsTest, RowStylesFollowTheTypeTable) {
    const int styles[50] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 3, 3, 1, 1, 1, 1, 2, 2, 4, 4, 4,
                            4, 4, 4, 4, 5, 5, 6, 6, 7, 7, 7, 0, 0, 0, 8, 8, 8, 9, 9, 9, 0, 0, 0, 0, 0};
    for (std::int16_t n = 1; n <= 50; ++n) {
        EXPECT_EQ(GetCSVField(GetUniGalaxyPreset(n), 3), std::to_string(styles[n - 1])) << n;
    }
}

TEST_F(FactoryPresetsTest, NebulaRowsShowTheirControlPointsInTheRadialFields) {
    const std::pair<int, int> shared[] = {{5, 51}, {6, 52}, {7, 53}, {8, 54}, {13, 55}};
    for (std::int16_t n = 23; n <= 29; ++n) {
        const std::string row = GetUniGalaxyPreset(n);
        for (auto [radial, nebula] : shared) EXPECT_EQ(GetCSVField(row, radial), GetCSVField(row, nebula)) << n;
        EXPECT_EQ(GetCSVField(row, 17), "5") << n;
    }
}

TEST_F(FactoryPresetsTest, EveryRowIsDifferent) {
    std::set<std::string> rows;
    for (std::int16_t n = 1; n <= 50; ++n) rows.insert(GetUniGalaxyPreset(n));
    EXPECT_EQ(rows.size(), 50u);
}

TEST_F(FactoryPresetsTest, UniverseThemesKeepTheirTextsAndEndWithAnEmptyTourField) {
    EXPECT_EQ(GetCSVField(GetUniverseThemePreset(1), 4), "0.985");
    EXPECT_EQ(GetCSVField(GetUniverseThemePreset(3), 4), "0.9925");
    EXPECT_EQ(GetCSVField(GetUniverseThemePreset(4), 1), "48");
    EXPECT_EQ(GetCSVField(GetUniverseThemePreset(5), 5), "0.0125");
    EXPECT_EQ(GetCSVField(GetUniverseThemePreset(8), 25), "125000");
    for (std::int16_t n = 1; n <= 8; ++n) {
        EXPECT_EQ(FieldCount(GetUniverseThemePreset(n)), 29) << n;
        EXPECT_EQ(GetCSVField(GetUniverseThemePreset(n), 29), "") << n;
    }
}

TEST_F(FactoryPresetsTest, CompositeRowsPadTheirNames) {
    const std::string row = GetCompGalaxyPreset(1);
    EXPECT_TRUE(row.starts_with("Nested Rings + Comet Core  "));
    EXPECT_EQ(GetCSVField(row, 0), "Nested Rings + Comet Core");
}

TEST_F(FactoryPresetsTest, StandardGalaxyLoads) {
    LoadFactoryDefaults();
    const UniGalaxy& g = UniGalaxies[0];
    EXPECT_EQ(g._UniGalName, "Standard Galaxy");
    EXPECT_EQ(g._UniGalPct, 30);
    EXPECT_EQ(g.Galaxy_Radius, 300);
    EXPECT_EQ(g.Galaxy_Rotation, 500);
    EXPECT_EQ(g.Galaxy_Distance, 400);
    EXPECT_EQ(g.Galaxy_GalStyle, 0);
    EXPECT_EQ(g.Galaxy_HWC_Start, 140);
    EXPECT_EQ(g.Galaxy_HWC_End, 220);
    EXPECT_EQ(g.Galaxy_CometCPersist, 0.9975f);
    EXPECT_EQ(g.Galaxy_RadiusExp, 1.15f);
    EXPECT_EQ(g.Ifs.Galaxy_IFS_Points, 0);
    EXPECT_EQ(g.Atoms.Galaxy_Atoms, 0);
}

TEST_F(FactoryPresetsTest, SpaceStationLoadsFiveTransforms) {
    LoadFactoryDefaults();
    const IfsBlock& b = UniGalaxies[39].Ifs;
    EXPECT_EQ(b.Galaxy_IFS_Points, 5);
    EXPECT_EQ(b.IFS_CenterX, 0);
    EXPECT_EQ(b.IFS_CenterY, 500);
    EXPECT_EQ(b.IFS_CenterZ, 0);
    EXPECT_EQ(b.IFS_Y[0], 1500);
    EXPECT_EQ(b.IFS_Scale[0], 33);
    EXPECT_EQ(b.IFS_Pct[0], 4);
    EXPECT_EQ(b.IFS_Axis[4], 1);
    EXPECT_EQ(b.IFS_Angle[4], 270);
    EXPECT_EQ(b.IFS_Pct[4], 1);
}

TEST_F(FactoryPresetsTest, CubicHydrocarbonLoadsThreeCubes) {
    LoadFactoryDefaults();
    const AtomBlock& b = UniGalaxies[42].Atoms;
    EXPECT_EQ(b.Galaxy_Atoms, 3);
    EXPECT_EQ(b.Atom_Element[0], 8);
    EXPECT_EQ(b.Atom_Structure[0], 8);
    EXPECT_EQ(b.Atom_X[0], 13);
    EXPECT_EQ(b.Atom_SymRadius[0], 100);
    EXPECT_EQ(b.Atom_Radius[2], 30);
    EXPECT_EQ(b.Atom_SymRadius[2], 200);
    for (int j = 0; j < 3; ++j) EXPECT_EQ(b.Run_AtomPoints[j], 1) << j;
}

TEST_F(FactoryPresetsTest, MoleculeRowsSetTheAtomsPointCounts) {
    LoadFactoryDefaults();
    const AtomBlock& b = UniGalaxies[44].Atoms;
    ASSERT_EQ(b.Galaxy_Atoms, 10);
    EXPECT_EQ(b.Run_AtomPoints[1], 6);   // a 6 Point atom
    EXPECT_EQ(b.Run_AtomPoints[3], 38);  // a 38 Shell atom
}

TEST_F(FactoryPresetsTest, SingleLevelRowKeepsTheLevelDetails) {
    UniGalaxy& g = UniGalaxies[0];
    g.Galaxy_StdLevDRad = 77;
    g.Galaxy_StdLevHSca = 2.5f;
    g.Galaxy_StdLevB_A1 = -1;
    LoadFactoryUniGalaxy(0);
    EXPECT_EQ(g.Galaxy_StdLevels, 1);
    EXPECT_EQ(g.Galaxy_StdLevDRad, 77);
    EXPECT_EQ(g.Galaxy_StdLevHSca, 2.5f);
    EXPECT_EQ(g.Galaxy_StdLevB_A1, -1);
}

TEST_F(FactoryPresetsTest, MultiLevelRowLoadsTheLevelDetails) {
    LoadFactoryUniGalaxy(7);  // Nested Bulbs
    const UniGalaxy& g = UniGalaxies[7];
    EXPECT_EQ(g.Galaxy_StdLevels, 4);
    EXPECT_EQ(g.Galaxy_StdLevDRad, 130);
    EXPECT_EQ(g.Galaxy_StdLevB_HS, 1);
    EXPECT_EQ(g.Galaxy_StdLevB_A1, 1);
}

TEST_F(FactoryPresetsTest, StyleEightRowEmptiesTheAtomCountButKeepsOldAtoms) {
    UniGalaxy& g = UniGalaxies[40];
    g.Atoms.Galaxy_Atoms = 10;
    g.Atoms.Atom_Element[9] = 17;
    LoadFactoryUniGalaxy(40);
    EXPECT_EQ(g.Atoms.Galaxy_Atoms, 0);
    EXPECT_EQ(g.Atoms.Atom_Element[9], 17);
    EXPECT_EQ(g.Ifs.Galaxy_IFS_Points, 5);
}

TEST_F(FactoryPresetsTest, EscapeTrajectoryFlagLoadsAsTrue) {
    LoadFactoryUniGalaxy(10);  // Diamond and Comets
    EXPECT_EQ(UniGalaxies[10].Galaxy_CometVector, -1);
}

TEST_F(FactoryPresetsTest, FactoryCompositesLoad) {
    CompGalaxies[0].CompGal_Type[4] = 33;
    CompGalaxies[0].Run_CumLevels[0] = 9;
    LoadFactoryCompGalaxies();
    const CompGalaxy& first = CompGalaxies[0];
    EXPECT_EQ(first._CompGalName, "Nested Rings + Comet Core");
    EXPECT_EQ(first._CompGalPct, 30);
    EXPECT_EQ(first.CompGal_Count, 4);
    EXPECT_EQ(first.CompGal_Type[0], 48);
    EXPECT_EQ(first.CompGal_Type[1], 45);
    EXPECT_EQ(first.CompGal_Type[2], 46);
    EXPECT_EQ(first.CompGal_Type[3], 47);
    EXPECT_EQ(first.CompGal_Type[4], 33);  // beyond the count: kept
    EXPECT_EQ(first.Run_CumLevels[0], 9);

    const CompGalaxy& last = CompGalaxies[15];
    EXPECT_EQ(last._CompGalName, "Multiple Gravity Cells");
    EXPECT_EQ(last._CompGalPct, 5);
    EXPECT_EQ(last.CompGal_Count, 2);
    EXPECT_EQ(last.CompGal_Type[0], 32);
    EXPECT_EQ(last.CompGal_Type[1], 31);

    int percents = 0;
    for (const CompGalaxy& c : CompGalaxies) percents += c._CompGalPct;
    EXPECT_EQ(percents, 185);
}

TEST_F(FactoryPresetsTest, EveryFactoryTypeAndCompositeValidatesUnchanged) {
    LoadFactoryDefaults();
    for (std::int16_t i = 0; i < kGalaxyTypeCount; ++i) {
        const UniGalaxy loaded = UniGalaxies[static_cast<std::size_t>(i)];
        ValidateUniGalaxy(i);
        EXPECT_EQ(UniGalaxies[static_cast<std::size_t>(i)], loaded) << "type " << i;
    }
    for (std::int16_t c = 0; c < kCompGalaxyCount; ++c) {
        const CompGalaxy loaded = CompGalaxies[static_cast<std::size_t>(c)];
        ValidateCompGalaxy(c);
        EXPECT_EQ(CompGalaxies[static_cast<std::size_t>(c)], loaded) << "composite " << c;
    }
}

}  // namespace
}  // namespace orbweave
