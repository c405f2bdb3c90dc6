#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "platform/registry/scoped_config.h"
#include "settings/galaxy_tables.h"
#include "settings/galaxy_template_transfers.h"
#include "settings/template_transfers.h"
#include "settings/universe_values.h"

namespace orbweave {

// Each test gets fresh settings stores, zero galaxy tables and a folder for
// its template files.
class TemplateTest : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }

    std::filesystem::path Folder() const { return config_.Root() / "templates"; }

    std::string PathOf(std::string_view name) const {
        std::filesystem::create_directories(Folder());
        return (Folder() / name).string();
    }

    std::string WriteFile(std::string_view name, std::string_view bytes) const {
        const std::string path = PathOf(name);
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    static std::string ReadFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // Reads the file, or the text, as the template being imported.
    const TemplateReader& ImportFile(const std::string& path) {
        EXPECT_TRUE(reader_.emplace(path).Loaded()) << path;
        return *reader_;
    }
    const TemplateReader& Import(std::string_view text) { return ImportFile(WriteFile("import.owv", text)); }
    const TemplateReader& Reader() const { return *reader_; }

private:
    static void Reset() {
        UniGalaxies.fill(UniGalaxy{});
        CompGalaxies.fill(CompGalaxy{});
    }

    testing::ScopedConfig config_;
    std::optional<TemplateReader> reader_;
};

// Every section a save holds, the display and universe values taken from the
// settings store as the properties dialog would show them.
inline bool SaveCompleteTemplate(const std::string& path) {
    TemplateWriter writer(path);
    WritePreambleToTemplate(writer);
    for (const TemplateSetting& s : kTemplateDisplaySettings)
        CopySettingToTemplate(writer, kSectionDirectX, s.name, s.defaultText);
    for (const UniverseValue& v : kUniverseValues)
        CopySettingToTemplate(writer, kSectionUniverse, v.name, DefaultText(v));
    UniGalaxiesToTemp(writer);
    CompGalaxiesToTemp(writer);
    return writer.Commit();
}

}  // namespace orbweave
