#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "platform/registry/scoped_config.h"
#include "settings/galaxy_tables.h"

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

private:
    static void Reset() {
        UniGalaxies.fill(UniGalaxy{});
        CompGalaxies.fill(CompGalaxy{});
    }

    testing::ScopedConfig config_;
};

}  // namespace orbweave
