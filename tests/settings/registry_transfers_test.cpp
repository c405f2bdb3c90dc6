#include "settings/registry_transfers.h"

#include <gtest/gtest.h>

#include <fstream>
#include <limits>
#include <sstream>

#include "galaxy_tables_fixture.h"
#include "platform/registry/store.h"
#include "settings/factory_presets.h"
#include "settings/validation.h"

namespace orbweave {
namespace {

constexpr std::string_view kMissing = "<missing>";

class RegistryTransfersTest : public SettingsStoreTest {
protected:
    static std::string Stored(std::string_view section, std::string_view name) {
        return GetSettingString(section, name, kMissing, kHiveUser);
    }
    static bool UserKeyExists(std::string_view section) {
        RegistryStore* store = StoreForHive(kHiveUser);
        return store != nullptr && store->KeyExists(NormaliseKeyPath(SettingKeyPath(kProductKey, section)));
    }
    static void SaveFactoryTables() {
        InitUniGalaxyNames();
        LoadFactoryDefaults();
        ASSERT_TRUE(GalaxyTablesToReg());
    }
};

TEST_F(RegistryTransfersTest, FactoryTablesSurviveARoundTripThroughTheStore) {
    SaveFactoryTables();
    const auto types = UniGalaxies;
    const auto composites = CompGalaxies;
    ClearGalaxyTables();

    RegToUniGalaxies(kHiveUser);
    RegToCompGalaxies(kHiveUser);

    for (std::size_t i = 0; i < kGalaxyTypeCount; ++i) {
        // Point counts are derived again before drawing; the store does not hold them.
        UniGalaxies[i].Atoms.Run_AtomPoints = types[i].Atoms.Run_AtomPoints;
        EXPECT_EQ(UniGalaxies[i], types[i]) << "type " << i;
    }
    for (std::size_t c = 0; c < kCompGalaxyCount; ++c) EXPECT_EQ(CompGalaxies[c], composites[c]) << "composite " << c;
}

TEST_F(RegistryTransfersTest, EmptyStoreGivesDefaultsAndPlaceholderNames) {
    RegToUniGalaxies(kHiveUser);
    RegToCompGalaxies(kHiveUser);

    const UniGalaxy& first = UniGalaxies[0];
    EXPECT_EQ(first._UniGalName, "< Galaxy Profile 1 >");
    EXPECT_EQ(UniGalaxies[49]._UniGalName, "< Galaxy Profile 50 >");
    EXPECT_EQ(first._UniGalPct, 0);
    EXPECT_EQ(first.Galaxy_HueRed, 100);
    EXPECT_EQ(first.Galaxy_DX_Blend, 70);
    EXPECT_EQ(first.Galaxy_Radius, 300);
    EXPECT_EQ(first.Galaxy_ColorMult, 1800);
    EXPECT_EQ(first.Galaxy_NovaFreq, 320);
    EXPECT_EQ(first.Galaxy_CometCPersist, 0.9975f);
    EXPECT_EQ(first.Galaxy_HWheelInc, 0.005f);
    EXPECT_EQ(first.Galaxy_ColorComp, 3);
    EXPECT_EQ(first.Galaxy_CP_Points, 8);
    EXPECT_EQ(first.Galaxy_QG_Force, 5.0f);
    EXPECT_EQ(first.Galaxy_StdLevDRad, 300);
    EXPECT_EQ(first.Galaxy_CometVector, 0);
    EXPECT_EQ(first.Ifs.Galaxy_IFS_Points, 0);
    EXPECT_EQ(first.Atoms.Galaxy_Atoms, 0);

    EXPECT_EQ(CompGalaxies[0]._CompGalName, "< Composite Galaxy 1 >");
    EXPECT_EQ(CompGalaxies[15]._CompGalName, "< Composite Galaxy 16 >");
    EXPECT_EQ(CompGalaxies[15]._CompGalPct, 0);
    EXPECT_EQ(CompGalaxies[15].CompGal_Count, 0);
}

TEST_F(RegistryTransfersTest, ReadValuesAreValidated) {
    SaveSettingValue("Universe\\Galaxy2", "Galaxy_Radius", 0);
    SaveSettingValue("Universe\\Galaxy2", "Galaxy_GalStyle", 12);
    SaveSettingValue("Universe\\CompGal3", "_CompGalPct", 12000);
    RegToUniGalaxies(kHiveUser);
    RegToCompGalaxies(kHiveUser);
    EXPECT_EQ(UniGalaxies[2].Galaxy_Radius, 1);
    EXPECT_EQ(UniGalaxies[2].Galaxy_GalStyle, 9);
    EXPECT_EQ(CompGalaxies[3]._CompGalPct, 9999);
}

TEST_F(RegistryTransfersTest, GalaxyTypeValuesUseTheirStoredNames) {
    SaveFactoryTables();
    EXPECT_EQ(Stored("Universe\\Galaxy0", "_UniGalName"), "Standard Galaxy");
    EXPECT_EQ(Stored("Universe\\Galaxy0", "Galaxy_CometCPersist"), "0.9975");
    EXPECT_EQ(Stored("Universe\\Galaxy0", "Galaxy_StdLevB_A1"), "0");
    EXPECT_EQ(Stored("Universe\\Galaxy39", "Galaxy_IFS_Points"), "5");
    EXPECT_EQ(Stored("Universe\\Galaxy39\\IFS", "IFS_CenterY"), "500");
    EXPECT_EQ(Stored("Universe\\Galaxy39\\IFS", "IFS_P0"), "*    0 1500    0   33    0    0    4");
    EXPECT_EQ(Stored("Universe\\Galaxy39\\IFS", "IFS_P5"), kMissing);
    EXPECT_FALSE(UserKeyExists("Universe\\Galaxy39\\ATOMIC"));
    EXPECT_FALSE(UserKeyExists("Universe\\Galaxy0\\IFS"));
}

TEST_F(RegistryTransfersTest, AtomValuesCarryTwoDigitsAndTheirOwnFieldOrder) {
    SaveFactoryTables();
    // Element, X, Y, Z, structure type, radius, symmetry radius.
    EXPECT_EQ(Stored("Universe\\Galaxy42\\ATOMIC", "Atom_P00"), "*    8   13    0    0    8    1  100");
    EXPECT_EQ(Stored("Universe\\Galaxy44\\ATOMIC", "Atom_P09"), "*    8    3    0    0   10    8  300");
    EXPECT_EQ(Stored("Universe\\Galaxy44\\ATOMIC", "Atom_P10"), kMissing);
}

TEST_F(RegistryTransfersTest, ShrinkingAnIfsBlockLeavesOnlyTheTransformsInUse) {
    UniGalaxy& g = UniGalaxies[3];
    g.Galaxy_GalStyle = 8;
    g.Ifs.Galaxy_IFS_Points = 4;
    g.Ifs.IFS_CenterX = 10;
    ASSERT_TRUE(UniGalaxyToReg(3, "Universe\\Galaxy3"));
    ASSERT_EQ(Stored("Universe\\Galaxy3\\IFS", "IFS_P3"), "*    0    0    0    0    0    0    0");

    g.Ifs.Galaxy_IFS_Points = 2;
    ASSERT_TRUE(UniGalaxyToReg(3, "Universe\\Galaxy3"));

    const std::string ifs = "Universe\\Galaxy3\\IFS";
    EXPECT_EQ(Stored(ifs, "IFS_CenterX"), "10");
    EXPECT_EQ(Stored(ifs, "IFS_CenterY"), "0");
    EXPECT_EQ(Stored(ifs, "IFS_CenterZ"), "0");
    EXPECT_NE(Stored(ifs, "IFS_P0"), kMissing);
    EXPECT_NE(Stored(ifs, "IFS_P1"), kMissing);
    EXPECT_EQ(Stored(ifs, "IFS_P2"), kMissing);
    EXPECT_EQ(Stored(ifs, "IFS_P3"), kMissing);

    g.Ifs.Galaxy_IFS_Points = 0;
    ASSERT_TRUE(UniGalaxyToReg(3, "Universe\\Galaxy3"));
    EXPECT_FALSE(UserKeyExists(ifs));
}

TEST_F(RegistryTransfersTest, EmptyBlocksReadBackCleared) {
    UniGalaxy& g = UniGalaxies[4];
    g.Ifs.IFS_CenterX = 5;
    g.Ifs.IFS_X[4] = 7;
    g.Ifs.Run_IfsCumPct[0] = 3;
    g.Atoms.Atom_CenterZ = 5;
    g.Atoms.Atom_SymRadius[31] = 7;
    g.Atoms.Run_AtomPoints[0] = 6;
    RegToUniGalaxy(4, "Universe\\Galaxy4", kHiveUser);
    EXPECT_EQ(g.Ifs.IFS_CenterX, 0);
    EXPECT_EQ(g.Ifs.IFS_X[4], 0);
    EXPECT_EQ(g.Ifs.Run_IfsCumPct[0], 0);
    EXPECT_EQ(g.Atoms.Atom_CenterZ, 0);
    EXPECT_EQ(g.Atoms.Atom_SymRadius[31], 0);
    EXPECT_EQ(g.Atoms.Run_AtomPoints[0], 6);
}

TEST_F(RegistryTransfersTest, StoredCountsBeyondCapacityReadOnlyWhatTheBlocksHold) {
    const std::string section = "Universe\\Galaxy5";
    SaveSettingValue(section, "Galaxy_IFS_Points", 9);
    SaveSettingValue(section, "Galaxy_Atoms", 40);
    for (int j = 0; j < 40; ++j) {
        SaveSettingValue(section + "\\IFS", "IFS_P" + std::to_string(j), std::string_view("*   11   12"));
        SaveSettingValue(section + "\\ATOMIC", (j < 10 ? "Atom_P0" : "Atom_P") + std::to_string(j),
                         std::string_view("*    3"));
    }
    SaveSettingValue("Universe\\CompGal1", "CompGal_Count", 60);
    SaveSettingValue("Universe\\CompGal1", "CompGal_Type49", 7);

    RegToUniGalaxy(5, section, kHiveUser);
    EXPECT_EQ(UniGalaxies[5].Ifs.Galaxy_IFS_Points, 9);  // kept as read until validated
    EXPECT_EQ(UniGalaxies[5].Ifs.IFS_Y[4], 12);
    EXPECT_EQ(UniGalaxies[5].Atoms.Atom_Element[31], 3);

    RegToUniGalaxies(kHiveUser);
    RegToCompGalaxies(kHiveUser);
    EXPECT_EQ(UniGalaxies[5].Ifs.Galaxy_IFS_Points, 5);
    EXPECT_EQ(UniGalaxies[5].Atoms.Galaxy_Atoms, 32);
    EXPECT_EQ(CompGalaxies[1].CompGal_Count, 50);
    EXPECT_EQ(CompGalaxies[1].CompGal_Type[49], 7);
}

TEST_F(RegistryTransfersTest, ShortPointTextReadsZerosForMissingFields) {
    const std::string section = "Universe\\Galaxy6";
    SaveSettingValue(section, "Galaxy_IFS_Points", 1);
    SaveSettingValue(section + "\\IFS", "IFS_P0", std::string_view("*   12"));
    UniGalaxies[6].Ifs.IFS_Scale[0] = 40;
    RegToUniGalaxy(6, section, kHiveUser);
    EXPECT_EQ(UniGalaxies[6].Ifs.IFS_X[0], 12);
    EXPECT_EQ(UniGalaxies[6].Ifs.IFS_Scale[0], 0);
}

TEST_F(RegistryTransfersTest, EscapeTrajectoryReadsTrueOnlyFromAStoredOne) {
    const std::string section = "Universe\\Galaxy7";
    for (auto [stored, expected] : {std::pair{"1", -1}, {"-1", 0}, {"True", 0}, {"0", 0}}) {
        SaveSettingValue(section, "Galaxy_CometVector", std::string_view(stored));
        RegToUniGalaxy(7, section, kHiveUser);
        EXPECT_EQ(UniGalaxies[7].Galaxy_CometVector, expected) << stored;
    }
    UniGalaxies[7].Galaxy_CometVector = -1;
    ASSERT_TRUE(UniGalaxyToReg(7, section));
    EXPECT_EQ(Stored(section, "Galaxy_CometVector"), "1");
}

TEST_F(RegistryTransfersTest, GalaxyTypesAreValidatedBeforeTheyAreWritten) {
    UniGalaxies[8].Galaxy_Radius = 0;
    ASSERT_TRUE(UniGalaxiesToReg());
    EXPECT_EQ(UniGalaxies[8].Galaxy_Radius, 1);
    EXPECT_EQ(Stored("Universe\\Galaxy8", "Galaxy_Radius"), "1");
}

TEST_F(RegistryTransfersTest, CompositesAreWrittenAsTheyStand) {
    CompGalaxy& c = CompGalaxies[2];
    c._CompGalPct = 12000;
    c.CompGal_Count = 50;
    c.CompGal_Type[49] = 60;
    ASSERT_TRUE(CompGalaxiesToReg());
    EXPECT_EQ(Stored("Universe\\CompGal2", "_CompGalPct"), "12000");
    EXPECT_EQ(Stored("Universe\\CompGal2", "CompGal_Count"), "50");
    EXPECT_EQ(Stored("Universe\\CompGal2", "CompGal_Type0"), "0");
    EXPECT_EQ(Stored("Universe\\CompGal2", "CompGal_Type49"), "60");
    EXPECT_EQ(Stored("Universe\\CompGal2", "CompGal_Type50"), kMissing);
}

TEST_F(RegistryTransfersTest, CompositeOfFiftyMembersKeepsItsLastMemberThroughASaveAndLoad) {
    CompGalaxy& c = CompGalaxies[9];
    c.CompGal_Count = 50;
    for (std::size_t j = 0; j < 50; ++j) c.CompGal_Type[j] = static_cast<std::int16_t>(49 - j);
    ASSERT_TRUE(CompGalaxiesToReg());
    ClearGalaxyTables();
    RegToCompGalaxies(kHiveUser);
    EXPECT_EQ(CompGalaxies[9].CompGal_Count, 50);
    EXPECT_EQ(CompGalaxies[9].CompGal_Type[49], 0);
    EXPECT_EQ(CompGalaxies[9].CompGal_Type[0], 49);
}

TEST_F(RegistryTransfersTest, MembersBeyondAStoredCountKeepTheirValues) {
    SaveSettingValue("Universe\\CompGal4", "CompGal_Count", 1);
    SaveSettingValue("Universe\\CompGal4", "CompGal_Type0", 12);
    CompGalaxies[4].CompGal_Type[1] = 33;
    RegToCompGalaxy(4, "Universe\\CompGal4", kHiveUser);
    EXPECT_EQ(CompGalaxies[4].CompGal_Type[0], 12);
    EXPECT_EQ(CompGalaxies[4].CompGal_Type[1], 33);
}

struct HostileGalaxyValue {
    const char* section;
    const char* name;
    std::string stored;  // written as it stands, never trimmed or checked
    double (*field)();
    double expected;  // after the record is read and validated
};

double Radius() { return UniGalaxies[0].Galaxy_Radius; }
double CometPersistence() { return UniGalaxies[0].Galaxy_CometCPersist; }
double Style() { return UniGalaxies[0].Galaxy_GalStyle; }
double Transforms() { return UniGalaxies[0].Ifs.Galaxy_IFS_Points; }
double NameLength() { return static_cast<double>(UniGalaxies[0]._UniGalName.size()); }
double Members() { return CompGalaxies[0].CompGal_Count; }

const HostileGalaxyValue kHostileGalaxyValues[] = {
    // Radius: 32-bit, default 300, kept within 1..30000.
    {"Universe\\Galaxy0", "Galaxy_Radius", "abc", Radius, 300},
    {"Universe\\Galaxy0", "Galaxy_Radius", "1e999", Radius, 1},
    {"Universe\\Galaxy0", "Galaxy_Radius", "99999999999999999999", Radius, 1},
    {"Universe\\Galaxy0", "Galaxy_Radius", "2147483648", Radius, 1},
    {"Universe\\Galaxy0", "Galaxy_Radius", "-0", Radius, 1},
    {"Universe\\Galaxy0", "Galaxy_Radius", "40000", Radius, 30000},
    {"Universe\\Galaxy0", "Galaxy_Radius",
     std::string("25\0"
                 "0",
                 4),
     Radius, 300},
    // Comet persistence: single, default 0.9975, kept within 0.1..0.9999.
    {"Universe\\Galaxy0", "Galaxy_CometCPersist", "NaN", CometPersistence, 0.9975f},
    {"Universe\\Galaxy0", "Galaxy_CometCPersist", "1e999", CometPersistence, 0.1f},
    {"Universe\\Galaxy0", "Galaxy_CometCPersist", "1e-999", CometPersistence, 0.1f},
    {"Universe\\Galaxy0", "Galaxy_CometCPersist", "-0", CometPersistence, 0.1f},
    // Style: 16-bit, default 0, 0..9.
    {"Universe\\Galaxy0", "Galaxy_GalStyle", "99999", Style, 0},
    {"Universe\\Galaxy0", "Galaxy_GalStyle", "9.99", Style, 9},
    {"Universe\\Galaxy0", "Galaxy_GalStyle", "-1", Style, 0},
    // Counts never reach past a block's capacity.
    {"Universe\\Galaxy0", "Galaxy_IFS_Points", "32767", Transforms, 5},
    {"Universe\\Galaxy0", "Galaxy_IFS_Points", "1e999", Transforms, 0},
    {"Universe\\CompGal0", "CompGal_Count", "99999999999999999999", Members, 0},
    {"Universe\\CompGal0", "CompGal_Count", "32767", Members, 50},
    // Text is taken whole, whatever it holds.
    {"Universe\\Galaxy0", "_UniGalName", std::string(1000000, 'n'), NameLength, 1000000},
    {"Universe\\Galaxy0", "_UniGalName", std::string("a\0b", 3), NameLength, 3},
};

TEST_F(RegistryTransfersTest, HostileStoredValuesAreReadAndValidatedByTheRecordsRules) {
    RegistryStore* store = StoreForHive(kHiveUser);
    ASSERT_NE(store, nullptr);
    for (const HostileGalaxyValue& v : kHostileGalaxyValues) {
        SCOPED_TRACE(std::string(v.name) + "=" + v.stored.substr(0, 30));
        ASSERT_TRUE(store->WriteValue(NormaliseKeyPath(SettingKeyPath(kProductKey, v.section)), v.name, v.stored));
        RegToUniGalaxy(0, UniGalaxySection(0), kHiveUser);
        ValidateUniGalaxy(0);
        RegToCompGalaxy(0, CompGalaxySection(0), kHiveUser);
        ValidateCompGalaxy(0);
        EXPECT_EQ(v.field(), v.expected);
    }
}

std::string FileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST_F(RegistryTransfersTest, MachineWideTablesAreReadButNeverWritten) {
    {
        auto machine = RegistryStore::Open(MachineStorePath(), RegistryStore::Access::ReadWrite);
        ASSERT_NE(machine, nullptr);
        const std::string galaxy = SettingKeyPath(kProductKey, "Universe\\Galaxy0");
        ASSERT_TRUE(machine->WriteValue(galaxy, "_UniGalName", "Installed Galaxy"));
        ASSERT_TRUE(machine->WriteValue(galaxy, "Galaxy_IFS_Points", "1"));
        ASSERT_TRUE(machine->WriteValue(galaxy + "\\IFS", "IFS_P0", "*    1    2    3    4    0    5    6"));
    }
    ResetSettingsStore();
    const std::string before = FileBytes(MachineStorePath());

    RegToUniGalaxies(kHiveMachine);
    RegToCompGalaxies(kHiveMachine);
    EXPECT_EQ(UniGalaxies[0]._UniGalName, "Installed Galaxy");
    EXPECT_EQ(UniGalaxies[0].Ifs.IFS_Pct[0], 6);
    UniGalaxies[0].Ifs.Galaxy_IFS_Points = 0;
    ASSERT_TRUE(GalaxyTablesToReg());

    ResetSettingsStore();
    EXPECT_EQ(FileBytes(MachineStorePath()), before);
    EXPECT_EQ(GetSettingString("Universe\\Galaxy0\\IFS", "IFS_P0", kMissing, kHiveMachine),
              "*    1    2    3    4    0    5    6");
    EXPECT_EQ(Stored("Universe\\Galaxy0", "_UniGalName"), "Installed Galaxy");
}

TEST_F(RegistryTransfersTest, FailedBulkSaveIsReportedAndStoresNothing) {
    SaveFactoryTables();
    UniGalaxies[0]._UniGalName = "Renamed";
    UniGalaxies[39].Ifs.Galaxy_IFS_Points = 2;
    CompGalaxies[0]._CompGalName = "Renamed";
    // A number without a text form is refused by the store, half-way through the types.
    UniGalaxies[30].Galaxy_HWC_Inc = std::numeric_limits<float>::quiet_NaN();

    EXPECT_FALSE(GalaxyTablesToReg());

    EXPECT_EQ(Stored("Universe\\Galaxy0", "_UniGalName"), "Standard Galaxy");
    EXPECT_EQ(Stored("Universe\\Galaxy39", "Galaxy_IFS_Points"), "5");
    EXPECT_NE(Stored("Universe\\Galaxy39\\IFS", "IFS_P4"), kMissing);
    EXPECT_EQ(Stored("Universe\\CompGal0", "_CompGalName"), "Nested Rings + Comet Core");
}

TEST_F(RegistryTransfersTest, SaveWithoutAWritableStoreIsReported) {
    // A plain file where the settings folder should be: the store cannot be created.
    std::ofstream(config.Root() / "blocked") << "x";
    config.Set("XDG_CONFIG_HOME", config.Root() / "blocked");
    ResetSettingsStore();
    EXPECT_FALSE(GalaxyTablesToReg());
    EXPECT_FALSE(UniGalaxiesToReg());
    EXPECT_FALSE(CompGalaxiesToReg());
}

}  // namespace
}  // namespace orbweave
