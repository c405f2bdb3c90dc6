#include "renderer/galaxy/molecule_generators.h"

#include <cmath>
#include <map>
#include <set>
#include <tuple>

#include "renderer/galaxy/galaxy_constants.h"
#include "renderer/galaxy/hue_tables.h"
#include "renderer/galaxy/star_generators.h"
#include "renderer/galaxy/star_tables.h"
#include "renderer/star_test_support.h"
#include "settings/galaxy_tables.h"

namespace orbweave::testing {
namespace {

constexpr std::int16_t kType = 9;

struct Atom {
    std::int16_t element, structure, x, y, z, radius, symmetry;
};

// A molecule of radius 10, so that hundredths of the radius are tenths of a unit.
UniGalaxy Molecule(std::initializer_list<Atom> atoms) {
    UniGalaxy g;
    g.Galaxy_GalStyle = 9;
    g.Galaxy_Radius = 1000;
    g.Galaxy_ColorComp = 6;
    g.Galaxy_ColorMult = 1000;
    AtomBlock& block = g.Atoms;
    for (const Atom& a : atoms) {
        const int j = block.Galaxy_Atoms++;
        block.Atom_Element[j] = a.element;
        block.Atom_Structure[j] = a.structure;
        block.Atom_X[j] = a.x;
        block.Atom_Y[j] = a.y;
        block.Atom_Z[j] = a.z;
        block.Atom_Radius[j] = a.radius;
        block.Atom_SymRadius[j] = a.symmetry;
    }
    return g;
}

using Point = std::tuple<long, long, long>;

class MoleculeTest : public StarTest {
protected:
    void Prepare(const UniGalaxy& type) {
        UniGalaxies[kType] = type;
        PrecomputeGalaxyConstants(UniGalaxies);
        UniGalaxies[kType].Run_ArmCos = 1;
        BuildHueColorTables(colourTables, UniGalaxies);
    }
    // The points of many unshelled stars, in tenths of a unit.
    std::map<Point, int> Sample(int count = 4000) {
        SeedRandomTable(5);
        std::map<Point, int> seen;
        for (int k = 0; k < count; ++k) {
            float x = 0, y = 0, z = 0;
            std::int16_t atom = 0;
            GenerateMoleculePoint(StoredRun(), x, y, z, atom, kType, false);
            ++seen[{std::lround(x * 10), std::lround(y * 10), std::lround(z * 10)}];
        }
        return seen;
    }
    StarTable stars;
    GalaxyPathTables paths;
};

TEST_F(MoleculeTest, StarsTakeTheirAtomsPointAndElementHue) {
    // Hydrogen as a six-point shell of spacing 10; oxygen as a single point at
    // (5, 0, 0) inside a shell of radius 2.
    Prepare(Molecule({{1, 1, 0, 0, 0, 0, 1000}, {8, 0, 500, 0, 0, 200, 0}}));
    stars.Allocate(2);
    PrescribeRandoms({16384, 24576, 8192, 32000, 16384, 0, 0});

    GenerateStar(StoredRun(), stars, 0, kType, 0, paths);
    EXPECT_NEAR(stars.StarX[0], 0, kNear);
    EXPECT_NEAR(stars.StarY[0], 0, kNear);
    EXPECT_NEAR(stars.StarZ[0], -10, kNear);
    // Round(0.25 x 10 + 180) = 182: the hydrogen hue, halves to even.
    EXPECT_EQ(stars.StarHue[0], 182);
    EXPECT_EQ(DrawsMade().fractions, 3);

    GenerateStar(StoredRun(), stars, 1, kType, 0, paths);
    EXPECT_NEAR(stars.StarX[1], 7, kNear);
    EXPECT_NEAR(stars.StarY[1], 0, kNear);
    EXPECT_NEAR(stars.StarZ[1], 0, kNear);
    EXPECT_EQ(stars.StarHue[1], 0);
    EXPECT_EQ(DrawsMade().fractions, 7);
}

TEST_F(MoleculeTest, SinglePointWithoutShellIsExactlyItsPosition) {
    Prepare(Molecule({{6, 0, 300, 100, 200, 500, 0}}));
    EXPECT_EQ(Sample(50), (std::map<Point, int>{{{30, 10, 20}, 50}}));
}

TEST_F(MoleculeTest, SixPointsAroundTheMoleculeCentre) {
    Prepare(Molecule({{1, 1, 700, 700, 700, 0, 1000}}));
    std::set<Point> points;
    for (const auto& [p, n] : Sample()) points.insert(p);
    EXPECT_EQ(points,
              (std::set<Point>{{-100, 0, 0}, {100, 0, 0}, {0, -100, 0}, {0, 100, 0}, {0, 0, -100}, {0, 0, 100}}));
}

TEST_F(MoleculeTest, GridsOfTwoPerSideSitHalfASpacingOff) {
    Prepare(Molecule({{1, 6, 2, 0, 0, 0, 1000}}));
    EXPECT_EQ(Sample().size(), 4u);
    for (const auto& [p, n] : Sample()) {
        EXPECT_EQ(std::abs(std::get<0>(p)), 50);
        EXPECT_EQ(std::get<1>(p), 0);
        EXPECT_EQ(std::abs(std::get<2>(p)), 50);
    }
    Prepare(Molecule({{1, 8, 1, 0, 0, 0, 1000}}));
    EXPECT_EQ(Sample(100), (std::map<Point, int>{{{0, 0, 0}, 100}}));
}

TEST_F(MoleculeTest, HexagridOfTwoDrawsCentreAndCornersEquallyOften) {
    Prepare(Molecule({{1, 7, 2, 0, 0, 0, 1000}}));
    const auto seen = Sample(14000);
    EXPECT_EQ(seen.size(), 7u);
    for (const auto& [p, n] : seen) EXPECT_NEAR(n, 2000, 200);
}

TEST_F(MoleculeTest, TetramatrixOfOneIsASinglePoint) {
    Prepare(Molecule({{1, 9, 1, 0, 0, 0, 1000}}));
    const long height = std::lround((0.5443311 - 0.8164966) * 100);
    EXPECT_EQ(Sample(100), (std::map<Point, int>{{{0, height, 0}, 100}}));
}

TEST_F(MoleculeTest, HexamatrixOfTwoHasFourLayers) {
    Prepare(Molecule({{1, 11, 2, 0, 0, 0, 1000}}));
    std::map<long, int> layers;
    for (const auto& [p, n] : Sample(16000)) layers[std::get<1>(p)] += n;
    ASSERT_EQ(layers.size(), 4u);
    EXPECT_NEAR(layers[-150], 1000, 150);
    EXPECT_NEAR(layers[-50], 7000, 300);
    EXPECT_NEAR(layers[50], 7000, 300);
    EXPECT_NEAR(layers[150], 1000, 150);
}

TEST_F(MoleculeTest, EmptyMoleculeYieldsTheOrigin) {
    Prepare(Molecule({}));
    float x = 9, y = 9, z = 9;
    std::int16_t atom = 5;
    PrescribeRandoms({});
    GenerateMoleculePoint(StoredRun(), x, y, z, atom, kType, true);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    EXPECT_EQ(z, 0);
    EXPECT_EQ(atom, 0);
    EXPECT_EQ(DrawsMade().fractions, 0);
}

TEST_F(MoleculeTest, OversizedGridsAreHeldToTheCountTables) {
    // A record the dialog wrote unvalidated: 500 points per side.
    Prepare(Molecule({{1, 11, 500, 0, 0, 0, 10}, {1, 7, 500, 0, 0, 0, 10}, {1, 9, -3, 0, 0, 0, 10}}));
    const auto seen = Sample(300);
    EXPECT_FALSE(seen.empty());
}

}  // namespace
}  // namespace orbweave::testing
