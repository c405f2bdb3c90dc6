// A renderer on the memory backend: fresh settings store, a fake clock, a
// recording event pump, cursor, message box and process end, and the
// recording stand-in for Corvane.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fake_corvane.h"
#include "platform/display/memory_backend.h"
#include "platform/registry/scoped_config.h"
#include "renderer/display/display_settings.h"

namespace orbweave::testing {

class RendererTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The desktop the next InitDirectX finds.
    void UseDesktop(display::MemoryDesktop desktop) { system = display::MemoryDisplaySystem::Create(desktop); }
    void Store(const std::string& section, const std::string& key, const std::string& value);
    // InitDirectX, the geometry for a drawing window of width x height in
    // `runMode`, and LoadPropsInitDX; returns what the set-up returned.
    bool Start(std::int16_t runMode, int width = 64, int height = 48);
    std::vector<display::Call> CallsSince(std::size_t first) const;
    bool Called(display::Call call) const { return system->CountOf(call) > 0; }

    int FakeBlendCount() const;
    const FakeBlendCall& LastBlend() const;

    ScopedConfig config;
    std::shared_ptr<display::MemoryDisplaySystem> system;
    std::shared_ptr<display::MemoryWindow> window;
    std::int64_t now = 100000;
    std::vector<std::int64_t> slept;
    int pumps = 0;
    std::function<void()> onPump;
    std::vector<int> ended;
    std::vector<bool> cursor;
    std::vector<std::string> messages;
};

}  // namespace orbweave::testing
