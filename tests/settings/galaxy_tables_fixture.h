#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "platform/registry/settings.h"
#include "settings/galaxy_tables.h"

namespace orbweave {

// Starts every test with both galaxy tables zero, as at program start.
class GalaxyTablesTest : public ::testing::Test {
protected:
    void SetUp() override { ClearGalaxyTables(); }
    void TearDown() override { ClearGalaxyTables(); }

    static void ClearGalaxyTables() {
        UniGalaxies.fill(UniGalaxy{});
        CompGalaxies.fill(CompGalaxy{});
    }
};

// Points the settings store at a fresh temporary folder for each test.
class SettingsStoreTest : public GalaxyTablesTest {
protected:
    void SetUp() override {
        GalaxyTablesTest::SetUp();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        root_ = std::filesystem::temp_directory_path() /
                ("orbweave-settings-" + std::to_string(::getpid()) + "-" + info->name());
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_ / "config");
        std::filesystem::create_directories(root_ / "machine");
        ::setenv("XDG_CONFIG_HOME", (root_ / "config").c_str(), 1);
        ::setenv("XDG_CONFIG_DIRS", (root_ / "machine").c_str(), 1);
        ::setenv("XDG_DATA_HOME", (root_ / "data").c_str(), 1);
        ResetSettingsStore();
    }

    void TearDown() override {
        ResetSettingsStore();
        std::filesystem::remove_all(root_);
        GalaxyTablesTest::TearDown();
    }

    std::filesystem::path root_;
};

}  // namespace orbweave
