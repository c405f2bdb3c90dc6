// Templates that are not what a save writes: files of the wrong kind, files
// too large, binary noise, enormous lines and section counts, and numbers no
// field can hold. Every import must end, leave the settings store sound and
// give the galaxy types only values within their ranges.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "platform/registry/settings.h"
#include "settings/factory_presets.h"
#include "settings/galaxy_tables.h"
#include "settings/galaxy_template_transfers.h"
#include "settings/template_file.h"
#include "settings/template_transfers.h"
#include "settings/universe_values.h"
#include "settings/validation.h"
#include "template_fixture.h"

namespace orbweave {
namespace {

constexpr std::size_t kMegabyte = 1u << 20;
constexpr std::string_view kStarsBefore = "5";

constexpr std::string_view kFirstNameBefore = "Mine";
constexpr std::string_view kDefaultFirstName = "< Galaxy Profile 1 >";

struct HostileTemplate {
    std::string name;
    // Makes the template at path; gives the name to import.
    std::function<std::string(const std::string& path)> make;
    bool imports = true;
    // What an import gives Universe_Stars and the first galaxy type's name:
    // a file without their sections leaves them as they were.
    std::string stars = std::string(kStarsBefore);
    std::string firstName = std::string(kFirstNameBefore);
};

void PrintTo(const HostileTemplate& t, std::ostream* out) { *out << t.name; }

std::string Entry(std::string_view key, std::string_view value) {
    return std::string(key) + "=" + std::string(value) + "\r\n";
}

std::string Section(std::string_view name, std::string_view entries) {
    return "\r\n[" + std::string(name) + "]\r\n" + std::string(entries);
}

std::string Write(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

std::string RandomBytes(std::size_t count) {
    std::mt19937 random(7);
    std::string bytes(count, '\0');
    for (char& c : bytes) c = static_cast<char>(random());
    return bytes;
}

// Sections named "Noise<i>" that each claim the universe's star count.
std::string NoiseSections(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += Section("Noise" + std::to_string(i), Entry("Universe_Stars", "0"));
    return text;
}

// Every universe value written `times` times in turn; only the first round
// holds stars.
std::string RepeatedUniverseKeys(int times, std::string_view stars) {
    std::string entries;
    for (int round = 0; round < times; ++round) {
        for (const UniverseValue& v : kUniverseValues) {
            entries += Entry(v.name, round == 0 && v.name == "Universe_Stars" ? stars : "0");
        }
    }
    return Section("Universe", entries);
}

// A complete save of the factory settings with every value replaced by
// number.
std::string EveryValueIs(const std::string& path, std::string_view number) {
    InitUniGalaxyNames();
    LoadFactoryDefaults();
    SaveCompleteTemplate(path);
    std::ifstream saved(path, std::ios::binary);
    std::string text;
    for (std::string line; std::getline(saved, line);) {
        const std::size_t equals = line.find('=');
        text += equals == std::string::npos ? line + "\n" : line.substr(0, equals + 1) + std::string(number) + "\r\n";
    }
    return Write(path, text);
}

// Numbers that no field holds, or that need care to read.
std::vector<HostileTemplate> HostileNumbers() {
    const std::vector<std::pair<std::string, std::string>> numbers{
        {"Huge", "1e999"},  {"HugeNegative", "-1e999"}, {"NegativeZero", "-0"},
        {"NaN", "NaN"},     {"Infinite", "inf"},        {"TwentyNines", "99999999999999999999"},
        {"Tiny", "1e-999"}, {"Hexadecimal", "0x7fff"},
    };
    std::vector<HostileTemplate> templates;
    for (const auto& [name, number] : numbers) {
        templates.push_back({.name = "EveryValue" + name,
                             .make = [number](const std::string& path) { return EveryValueIs(path, number); },
                             .stars = number,
                             .firstName = number});
    }
    return templates;
}

std::vector<HostileTemplate> HostileTemplates() {
    using namespace std::string_literals;
    const std::string megabyte(kMegabyte, '9');
    return {
        {.name = "Folder",
         .make =
             [](const std::string& path) {
                 std::filesystem::create_directories(path);
                 return path;
             },
         .imports = false},
        {.name = "Fifo",
         .make =
             [](const std::string& path) {
                 ::mkfifo(path.c_str(), 0600);
                 return path;
             },
         .imports = false},
        {.name = "DeviceZero", .make = [](const std::string&) { return std::string("/dev/zero"); }, .imports = false},
        {.name = "OverTheSizeLimit",
         .make =
             [](const std::string& path) {
                 Write(path, Section("Universe", Entry("Universe_Stars", "9")));
                 std::filesystem::resize_file(path, kTemplateSizeLimit + 1);
                 return path;
             },
         .imports = false},
        // The rest of the file is one line of NUL bytes.
        {.name = "AtTheSizeLimit",
         .make =
             [](const std::string& path) {
                 Write(path, Section("Universe", Entry("Universe_Stars", "9")));
                 std::filesystem::resize_file(path, kTemplateSizeLimit);
                 return path;
             },
         .stars = "9"},
        {.name = "Binary",
         .make =
             [](const std::string& path) {
                 return Write(path, RandomBytes(kMegabyte) + Section("Universe", Entry("Universe_Stars", "77")) +
                                        RandomBytes(kMegabyte));
             },
         .stars = "77"},
        {.name = "NulBytes",
         .make =
             [](const std::string& path) {
                 return Write(path,
                              "\0"s + Section("Uni\0verse"s, Entry("Universe_Stars", "1")) +
                                  Section("Universe", Entry("Universe_Stars", "2\0003"s)) +
                                  Section("UniGal0", Entry("_UniGalName", "a\0b"s) + Entry("Galaxy_Radius\0"s, "1")));
             },
         .stars = "2\0003"s,
         .firstName = "a\0b"s},
        {.name = "MegabyteLines",
         .make =
             [](const std::string& path) {
                 const std::string longLine(kMegabyte, 'x');
                 return Write(path, Section("Universe", longLine + "\r\n" + Entry("Universe_Stars", "33")) +
                                        Section(std::string(kMegabyte, 'y'), Entry("Universe_Stars", "0")) +
                                        Section("UniGal0", std::string(kMegabyte, '=') + "\r\n"));
             },
         .stars = "33",
         .firstName = std::string(kDefaultFirstName)},
        {.name = "MegabyteValues",
         .make =
             [megabyte](const std::string& path) {
                 return Write(path,
                              Section("Advanced", Entry("LockMessage", megabyte)) +
                                  Section("Universe", Entry("Universe_Stars", megabyte)) +
                                  Section("UniGal0", Entry("_UniGalName", megabyte) + Entry("Galaxy_Radius", megabyte) +
                                                         Entry("Galaxy_IFS_Points", "2")) +
                                  Section("UniGal0\\IFS", Entry("IFS_0", megabyte) + Entry("IFS_1", megabyte)));
             },
         .stars = "18000",
         .firstName = std::string(kDefaultFirstName)},
        {.name = "AValueAtTheValueLimit",
         .make =
             [](const std::string& path) {
                 return Write(path,
                              Section("Universe", Entry("Universe_Stars", std::string(kTemplateValueLimit, '8'))));
             },
         .stars = std::string(kTemplateValueLimit, '8')},
        // Files that hold none of a template's sections are no templates.
        {.name = "Empty", .make = [](const std::string& path) { return Write(path, ""); }, .imports = false},
        {.name = "Letter",
         .make =
             [](const std::string& path) {
                 return Write(path, "Dear Ann,\r\n[universe]\r\nUniverse_Stars=3\r\n[see overleaf]\r\n");
             },
         .imports = false},
        {.name = "Utf16",
         .make =
             [](const std::string& path) {
                 std::string text = "\xff\xfe";
                 for (const char c : Section("Universe", Entry("Universe_Stars", "3"))) text += {c, '\0'};
                 return Write(path, text);
             },
         .imports = false},
        {.name = "RandomBytes",
         .make = [](const std::string& path) { return Write(path, RandomBytes(kMegabyte)); },
         .imports = false},
        {.name = "BlankLines",
         .make = [](const std::string& path) { return Write(path, std::string(8 * kMegabyte, '\n')); },
         .imports = false},
        // One section makes a template; the parts it holds no section for stay as they were.
        {.name = "OnlyTheLastComposite",
         .make = [](const std::string& path) { return Write(path, Section("CompGal15", "")); }},
        {.name = "TenThousandSections",
         .make =
             [](const std::string& path) {
                 return Write(path, NoiseSections(10'000) + Section("Universe", Entry("Universe_Stars", "44")) +
                                        Section("Universe", Entry("Universe_Stars", "45")));
             },
         .stars = "44"},
        {.name = "TwoHundredThousandSections",
         .make =
             [](const std::string& path) {
                 return Write(path, NoiseSections(200'000) + Section("UniGal0", Entry("_UniGalName", "Found")) +
                                        Section("Universe", Entry("Universe_Stars", "44")) + NoiseSections(10));
             },
         .stars = "44",
         .firstName = "Found"},
        // Lines that each start like a key of a galaxy type.
        {.name = "MillionsOfLinesInOneSection",
         .make =
             [](const std::string& path) {
                 std::string lines;
                 while (lines.size() < 16 * kMegabyte) lines += "Galaxy_\r\n";
                 return Write(path,
                              Section("UniGal0", lines + Entry("_UniGalName", "Last")) + Section("Universe", lines));
             },
         .stars = "18000",
         .firstName = "Last"},
        {.name = "KeysRepeatedAThousandTimes",
         .make = [](const std::string& path) { return Write(path, RepeatedUniverseKeys(1'000, "66")); },
         .stars = "66"},
    };
}

// Runs the import on a thread of its own. One that has not ended after a
// very generous while hangs (on a blocking open, say) and would never end:
// the test process stops instead.
TemplateImport ImportWithinGuard(const std::string& file) {
    constexpr auto kHangGuard = std::chrono::minutes(3);
    auto import = std::async(std::launch::async, [&file] { return CyclePropsTempToRegArrays(file); });
    if (import.wait_for(kHangGuard) == std::future_status::timeout) {
        std::fprintf(stderr, "The import of %s does not end.\n", file.c_str());
        std::_Exit(EXIT_FAILURE);
    }
    return import.get();
}

// Validation changes nothing in a record whose fields are all within their
// ranges (a NaN never compares equal, so it shows here too).
template <class Table, class Validate>
void ExpectEveryRecordValid(Table& table, int count, Validate validate) {
    for (int i = 0; i < count; ++i) {
        const auto before = table[static_cast<std::size_t>(i)];
        validate(static_cast<std::int16_t>(i));
        EXPECT_TRUE(table[static_cast<std::size_t>(i)] == before) << "record " << i;
    }
}

class HostileTemplateTest : public TemplateTest, public ::testing::WithParamInterface<HostileTemplate> {
protected:
    static std::string Stored(std::string_view section, std::string_view key) {
        return GetSettingString(section, key, "<missing>", kHiveUser);
    }
};

TEST_P(HostileTemplateTest, TheImportEndsAndLeavesSoundSettings) {
    const HostileTemplate& hostile = GetParam();
    const std::string file = hostile.make(PathOf("hostile.owv"));
    SaveSettingValue("Universe", "Universe_Stars", kStarsBefore, kHiveUser);
    // No import touches this value.
    SaveSettingValue("Advanced", "Adv_ThemeFlags", "7", kHiveUser);
    // Valid tables: a record the file holds no section for is kept as it is.
    InitUniGalaxyNames();
    LoadFactoryDefaults();
    UniGalaxies[0]._UniGalName = kFirstNameBefore;

    EXPECT_EQ(ImportWithinGuard(file), hostile.imports ? TemplateImport::Imported : TemplateImport::NotTemplate);
    EXPECT_EQ(Stored("Advanced", "Adv_ThemeFlags"), "7");
    EXPECT_TRUE(SaveSettingValue("Advanced", "Adv_FontSize", "14", kHiveUser));
    EXPECT_EQ(Stored("Advanced", "Adv_FontSize"), "14");
    if (!hostile.imports) {
        EXPECT_EQ(Stored("Universe", "Universe_Stars"), kStarsBefore);
        EXPECT_EQ(Stored("DirectX", "CustomRes"), "<missing>");
        EXPECT_EQ(UniGalaxies[0]._UniGalName, "Mine");
        return;
    }
    EXPECT_TRUE(Stored("Universe", "Universe_Stars") == hostile.stars);
    EXPECT_TRUE(UniGalaxies[0]._UniGalName == hostile.firstName);
    ExpectEveryRecordValid(UniGalaxies, kGalaxyTypeCount, ValidateUniGalaxy);
    // The properties dialog's import reads the composites as well.
    TempToCompGalaxies(ImportFile(file));
    ExpectEveryRecordValid(CompGalaxies, kCompGalaxyCount, ValidateCompGalaxy);
}

const auto kTestName = [](const auto& info) { return info.param.name; };

INSTANTIATE_TEST_SUITE_P(Files, HostileTemplateTest, ::testing::ValuesIn(HostileTemplates()), kTestName);
INSTANTIATE_TEST_SUITE_P(Numbers, HostileTemplateTest, ::testing::ValuesIn(HostileNumbers()), kTestName);

}  // namespace
}  // namespace orbweave
