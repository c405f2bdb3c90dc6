#pragma once

#include <gtest/gtest.h>

#include "platform/registry/scoped_config.h"
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
    testing::ScopedConfig config;
};

}  // namespace orbweave
