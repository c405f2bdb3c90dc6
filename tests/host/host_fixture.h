// The host on the memory display: fresh settings, a fake clock, and
// recorders for messages, the cursor and the end of the process.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "host/process_services.h"
#include "platform/display/memory_backend.h"
#include "platform/registry/scoped_config.h"

namespace orbweave::testing {

class HostTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void Store(std::string_view section, std::string_view key, std::string_view value);

    // What SetUp installs; a test changes a member and installs it again.
    ProcessServices services;
    ScopedConfig config;
    std::shared_ptr<display::MemoryDisplaySystem> system;
    std::int64_t now = 5000;
    std::vector<int> ended;
    std::vector<bool> cursor;
    std::vector<std::string> messages;
};

}  // namespace orbweave::testing
