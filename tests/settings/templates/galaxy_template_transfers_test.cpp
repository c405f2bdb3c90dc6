#include "settings/galaxy_template_transfers.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "settings/galaxy_tables.h"
#include "settings/template_file.h"
#include "template_fixture.h"

namespace orbweave {
namespace {

class GalaxyTemplateTest : public TemplateTest {
protected:
    // Writes what the callback writes to a new file and returns its text.
    template <class Write>
    std::string Save(Write write) {
        const std::string path = PathOf("galaxies.owv");
        TemplateWriter writer(path);
        write(writer);
        EXPECT_TRUE(writer.Commit());
        return ReadFile(path);
    }

    // The lines of a text, CR LF removed.
    static std::vector<std::string> Lines(const std::string& text) {
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
        }
        return lines;
    }
};

UniGalaxy& Type(int i) { return UniGalaxies[static_cast<std::size_t>(i)]; }
CompGalaxy& Composite(int c) { return CompGalaxies[static_cast<std::size_t>(c)]; }

TEST_F(GalaxyTemplateTest, AGalaxyTypeIsWrittenInTemplateOrder) {
    Type(0)._UniGalName = "Spiral";
    Type(0)._UniGalPct = 30;
    Type(0).Galaxy_CometCPersist = 0.9975f;
    Type(0).Galaxy_CometVector = -1;
    Type(0).Ifs.Galaxy_IFS_Points = 1;
    Type(0).Atoms.Galaxy_Atoms = 1;
    const std::string text = Save([](TemplateWriter& w) { UniGalaxyToTemp(w, 0, "UniGal0"); });

    std::vector<std::string> keys;
    for (const std::string& line : Lines(text)) {
        const auto equals = line.find('=');
        if (!line.empty()) keys.push_back(equals == std::string::npos ? line : line.substr(0, equals));
    }
    const std::vector<std::string> expected{
        "[UniGal0]",
        "_UniGalName",
        "_UniGalPct",
        "Galaxy_HueRed",
        "Galaxy_HueGrn",
        "Galaxy_HueBlu",
        "Galaxy_HueBase",
        "Galaxy_DX_Blend",
        "Galaxy_Radius",
        "Galaxy_Rotation",
        "Galaxy_Distance",
        "Galaxy_RadSegs",
        "Galaxy_RadFill",
        "Galaxy_RadBands",
        "Galaxy_RadBFill",
        "Galaxy_ColorMult",
        "Galaxy_NewFreq",
        "Galaxy_NewFrames",
        "Galaxy_NewExtMult",
        "Galaxy_NovaFreq",
        "Galaxy_NovaFrames",
        "Galaxy_NovaExtMult",
        "Galaxy_PulsarFreq",
        "Galaxy_PulsarDepth",
        "Galaxy_PulsarCycles",
        "Galaxy_PulsarFrames",
        "Galaxy_PulsarMinExt",
        "Galaxy_PulsarMaxExt",
        "Galaxy_PulsarShape",
        "Galaxy_CometFreq",
        "Galaxy_CometStars",
        "Galaxy_CometOrbit",
        "Galaxy_CometSpeed",
        "Galaxy_CometSWind",
        "Galaxy_CometSPersist",
        "Galaxy_CometCPersist",
        "Galaxy_CometVector",
        "Galaxy_HWC_Start",
        "Galaxy_HWC_End",
        "Galaxy_HWC_Inc",
        "Galaxy_GHW_Ratio",
        "Galaxy_RadiusExp",
        "Galaxy_HeightExp",
        "Galaxy_AngleTilt",
        "Galaxy_AngleTInc",
        "Galaxy_HWheelInc",
        "Galaxy_GalStyle",
        "Galaxy_AxisPlane",
        "Galaxy_ColorComp",
        "Galaxy_HueStart",
        "Galaxy_Profile",
        "Galaxy_CP_Points",
        "Galaxy_CP_Steps",
        "Galaxy_CP_B_Pts",
        "Galaxy_CP_B_Exp",
        "Galaxy_CP_B_Spd",
        "Galaxy_CP_Close",
        "Galaxy_CP_AdvHW",
        "Galaxy_QG_Force",
        "Galaxy_StdLevels",
        "Galaxy_StdLevDRad",
        "Galaxy_StdLevHSca",
        "Galaxy_StdLevB_HS",
        "Galaxy_StdLevB_A0",
        "Galaxy_StdLevB_A1",
        "Galaxy_IFS_Points",
        "Galaxy_Atoms",
        "[UniGal0\\IFS]",
        "IFS_CenterX",
        "IFS_CenterY",
        "IFS_CenterZ",
        "IFS_P0",
        "[UniGal0\\ATOMIC]",
        "Atom_CenterX",
        "Atom_CenterY",
        "Atom_CenterZ",
        "Atom_P00",
    };
    EXPECT_EQ(keys, expected);

    const std::vector<std::string> lines = Lines(text);
    for (const char* line : {"_UniGalName=Spiral", "_UniGalPct=30", "Galaxy_CometCPersist=0.9975",
                             "Galaxy_CometVector=1", "IFS_P0=*    0    0    0    0    0    0    0"}) {
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
    }
}

TEST_F(GalaxyTemplateTest, BothElementBlocksSurviveASaveAndALoad) {
    IfsBlock& ifs = Type(4).Ifs;
    ifs.Galaxy_IFS_Points = 3;
    ifs.IFS_CenterY = 250;
    ifs.IFS_X = {5000, 5001, 5002};
    ifs.IFS_Y = {4000, 4001, 4002};
    ifs.IFS_Z = {10, 11, 12};
    ifs.IFS_Scale = {50, 51, 52};
    ifs.IFS_Axis = {0, 1, 2};
    ifs.IFS_Angle = {90, 91, 92};
    ifs.IFS_Pct = {30, 31, 32};
    AtomBlock& atoms = Type(4).Atoms;
    atoms.Galaxy_Atoms = 2;
    atoms.Atom_CenterZ = 12;
    atoms.Atom_Element = {6, 8};
    atoms.Atom_X = {100, 200};
    atoms.Atom_Y = {300, 400};
    atoms.Atom_Z = {500, 600};
    atoms.Atom_Structure = {1, 2};
    atoms.Atom_Radius = {40, 1200};
    atoms.Atom_SymRadius = {7, 9};
    Import(Save([](TemplateWriter& w) { UniGalaxiesToTemp(w); }));
    const UniGalaxy saved = Type(4);

    UniGalaxies.fill(UniGalaxy{});
    TempToUniGalaxies(Reader());
    EXPECT_EQ(Type(4).Ifs, saved.Ifs);
    EXPECT_EQ(Type(4).Atoms.Galaxy_Atoms, 2);
    EXPECT_EQ(Type(4).Atoms.Atom_CenterZ, 12);
    EXPECT_EQ(Type(4).Atoms.Atom_Element, saved.Atoms.Atom_Element);
    EXPECT_EQ(Type(4).Atoms.Atom_X, saved.Atoms.Atom_X);
    EXPECT_EQ(Type(4).Atoms.Atom_Y, saved.Atoms.Atom_Y);
    EXPECT_EQ(Type(4).Atoms.Atom_Z, saved.Atoms.Atom_Z);
    EXPECT_EQ(Type(4).Atoms.Atom_Structure, saved.Atoms.Atom_Structure);
    EXPECT_EQ(Type(4).Atoms.Atom_Radius, saved.Atoms.Atom_Radius);
    EXPECT_EQ(Type(4).Atoms.Atom_SymRadius, (std::array<std::int16_t, kAtomCapacity>{7, 9}));
}

TEST_F(GalaxyTemplateTest, AMissingKeyTakesItsDefaultAndAnEmptyOneChangesNothing) {
    Type(7).Galaxy_Radius = 1234;
    Type(8).Galaxy_Radius = 1234;
    Import("\r\n[UniGal7]\r\nGalaxy_Rotation=600\r\n\r\n[UniGal8]\r\nGalaxy_Radius=\r\n");
    TempToUniGalaxy(Reader(), 7, "UniGal7");
    TempToUniGalaxy(Reader(), 8, "UniGal8");
    EXPECT_EQ(Type(7).Galaxy_Radius, 300);
    EXPECT_EQ(Type(7).Galaxy_Rotation, 600);
    EXPECT_EQ(Type(7)._UniGalName, "< Galaxy Profile 8 >");
    EXPECT_EQ(Type(8).Galaxy_Radius, 1234);
}

TEST_F(GalaxyTemplateTest, NumbersConvertByTheirKind) {
    Type(1)._UniGalPct = 44;
    Type(2)._UniGalPct = 44;
    Import(
        "\r\n[UniGal0]\r\n_UniGalPct=\r\nGalaxy_HueRed=2.5\r\nGalaxy_HueGrn=3.5\r\nGalaxy_Radius=70000\r\n"
        "Galaxy_RadiusExp=1.25\r\nGalaxy_CometVector=1\r\n"
        "\r\n[UniGal1]\r\n_UniGalPct=-3\r\nGalaxy_CometVector=True\r\n"
        "\r\n[UniGal2]\r\n_UniGalPct= 30\r\nGalaxy_CometVector= 1\r\n");
    for (std::int16_t i = 0; i < 3; ++i) TempToUniGalaxy(Reader(), i, UniGalaxyTemplateSection(i));
    EXPECT_EQ(Type(0)._UniGalPct, 0);
    EXPECT_EQ(Type(0).Galaxy_HueRed, 2);
    EXPECT_EQ(Type(0).Galaxy_HueGrn, 4);
    EXPECT_EQ(Type(0).Galaxy_Radius, 70000);
    EXPECT_EQ(Type(0).Galaxy_RadiusExp, 1.25f);
    EXPECT_EQ(Type(0).Galaxy_CometVector, -1);
    // A percent is read as "0" followed by its text: a sign or a blank spoils it.
    EXPECT_EQ(Type(1)._UniGalPct, 44);
    EXPECT_EQ(Type(2)._UniGalPct, 44);
    EXPECT_EQ(Type(1).Galaxy_CometVector, 0);
    EXPECT_EQ(Type(2).Galaxy_CometVector, 0);
}

TEST_F(GalaxyTemplateTest, ANameKeepsItsBlanks) {
    Type(0)._UniGalName = "  Wide Spiral ";
    Import(Save([](TemplateWriter& w) { UniGalaxyToTemp(w, 0, "UniGal0"); }));
    Type(0)._UniGalName.clear();
    TempToUniGalaxy(Reader(), 0, "UniGal0");
    EXPECT_EQ(Type(0)._UniGalName, "  Wide Spiral ");
}

TEST_F(GalaxyTemplateTest, CountsBeyondABlockNeverReachPastIt) {
    std::string text = "\r\n[UniGal0]\r\nGalaxy_IFS_Points=9\r\nGalaxy_Atoms=40\r\n\r\n[UniGal0\\IFS]\r\n";
    for (int j = 0; j < 9; ++j) text += "IFS_P" + std::to_string(j) + "=*    1\r\n";
    text += "\r\n[CompGal0]\r\n_CompGalCount=70\r\n";
    for (int j = 0; j < 70; ++j) text += "GalaxyIndex_" + std::to_string(j) + "=3\r\n";
    Import(text);
    TempToUniGalaxies(Reader());
    TempToCompGalaxies(Reader());
    EXPECT_EQ(Type(0).Ifs.Galaxy_IFS_Points, kIfsPointCapacity);
    EXPECT_EQ(Type(0).Ifs.IFS_X[kIfsPointCapacity - 1], 1);
    EXPECT_EQ(Type(0).Atoms.Galaxy_Atoms, kAtomCapacity);
    EXPECT_LE(Composite(0).CompGal_Count, kCompMemberCapacity);
    EXPECT_EQ(Composite(0).CompGal_Type[0], 3);
}

TEST_F(GalaxyTemplateTest, ACountOfZeroClearsItsBlock) {
    Type(0).Ifs.IFS_CenterX = 9;
    Type(0).Ifs.IFS_X[2] = 9;
    Type(0).Ifs.Run_IfsCumPct[2] = 9;
    Type(0).Atoms.Atom_Element[0] = 9;
    Import("\r\n[UniGal0]\r\nGalaxy_IFS_Points=0\r\n\r\n[UniGal0\\IFS]\r\nIFS_CenterX=5\r\n");
    TempToUniGalaxy(Reader(), 0, "UniGal0");
    EXPECT_EQ(Type(0).Ifs.IFS_CenterX, 0);
    EXPECT_EQ(Type(0).Ifs.IFS_X[2], 0);
    EXPECT_EQ(Type(0).Ifs.Run_IfsCumPct[2], 0);
    EXPECT_EQ(Type(0).Atoms.Atom_Element[0], 0);
}

TEST_F(GalaxyTemplateTest, ACompositeSurvivesASaveAndALoad) {
    Composite(3) = {"Rings", 25, 3, {}, {}};
    Composite(3).CompGal_Type[0] = 48;
    Composite(3).CompGal_Type[1] = 45;
    Composite(3).CompGal_Type[2] = 46;
    const std::string text = Save([](TemplateWriter& w) { CompGalaxyToTemp(w, 3, "CompGal3"); });
    EXPECT_EQ(text,
              "\r\n[CompGal3]\r\n_CompGalName=Rings\r\n_CompGalPct=25\r\n_CompGalCount=3\r\n"
              "GalaxyIndex_0=48\r\nGalaxyIndex_1=45\r\nGalaxyIndex_2=46\r\n");
    Import(text);
    const CompGalaxy saved = Composite(3);
    Composite(3) = CompGalaxy{};
    TempToCompGalaxy(Reader(), 3, "CompGal3");
    EXPECT_EQ(Composite(3), saved);
}

TEST_F(GalaxyTemplateTest, ACompositeCountReadsAsZeroPrefixedText) {
    Composite(0).CompGal_Count = 2;
    Composite(1).CompGal_Count = 2;
    Composite(1).CompGal_Type[1] = 17;
    Import("\r\n[CompGal0]\r\n_CompGalCount=\r\n\r\n[CompGal1]\r\n_CompGalCount=-1\r\n");
    TempToCompGalaxy(Reader(), 0, "CompGal0");
    TempToCompGalaxy(Reader(), 1, "CompGal1");
    EXPECT_EQ(Composite(0).CompGal_Count, 0);
    EXPECT_EQ(Composite(0)._CompGalName, "< Composite Galaxy 1 >");
    EXPECT_EQ(Composite(1).CompGal_Count, 2);
    // A member missing from the file reads 0; members beyond the count keep theirs.
    EXPECT_EQ(Composite(1).CompGal_Type[1], 0);
}

TEST_F(GalaxyTemplateTest, CompositesAreValidatedBeforeTheyAreWritten) {
    Composite(0).CompGal_Count = 60;
    Composite(0)._CompGalPct = 12000;
    const std::string text = Save([](TemplateWriter& w) { CompGalaxiesToTemp(w); });
    const TemplateText file(text);
    EXPECT_EQ(file.Find("CompGal0", "_CompGalPct"), "9999");
    EXPECT_EQ(file.Find("CompGal0", "GalaxyIndex_" + std::to_string(kCompMemberCapacity)), std::nullopt);
    EXPECT_EQ(file.Find("CompGal15", "_CompGalCount"), "0");
}

}  // namespace
}  // namespace orbweave
