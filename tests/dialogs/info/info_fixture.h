// The information windows on the memory display, with a private settings
// store and recorded services.
#pragma once

#include <optional>

#include "platform/forms/service_recorder.h"
#include "renderer/display/run_state.h"
#include "renderer/renderer_fixture.h"
#include "settings/factory_presets.h"

namespace orbweave::testing {

class InfoTest : public RendererTest {
protected:
    void SetUp() override {
        RendererTest::SetUp();
        InitUniGalaxyNames();
        services.emplace();
    }
    void TearDown() override {
        runState.StopRequested = false;
        services.reset();
        RendererTest::TearDown();
    }

    std::optional<ServiceRecorder> services;
};

}  // namespace orbweave::testing
