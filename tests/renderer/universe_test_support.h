// A small universe on the memory backend: the factory galaxy tables, a
// 64 x 48 picture box, a fixed seed, and a pump that counts the frames.
#pragma once

#include <cstdint>
#include <vector>

#include "core/random.h"
#include "renderer/display/display.h"
#include "renderer/display/run_state.h"
#include "renderer/galaxy/hue_tables.h"
#include "renderer/galaxy/run_context.h"
#include "renderer/universe/tour.h"
#include "renderer/universe/universe_settings.h"
#include "renderer_fixture.h"
#include "settings/factory_presets.h"
#include "settings/galaxy_tables.h"
#include "settings/validation.h"

namespace orbweave::testing {

// One epoch of it lasts 6 creation frames, 3 visits of 4 control points of
// 4 frames and a closing leg of 2 control points: 62 frames.
inline UniverseSettings SmallUniverse() {
    UniverseSettings u;
    u.Universe_Stars = 300;
    u.Universe_Galaxy = 4;
    u.Universe_Expand = 3000;
    u.Universe_ESteps = 6;
    u.Universe_Persist = 0.9f;
    u.Universe_Damping = 0.01f;
    u.Universe_Recycle = 3;
    u.Universe_Profile = 51;
    u.Universe_NewFreq = 300;
    u.Universe_NewPctStEx = 85;
    u.Universe_Tour = true;
    u.Universe_GSteps = 4;
    u.Universe_GPCtrl = 2;
    u.Universe_GCCtrl = 2;
    u.Universe_DstCen = 4000;
    u.Universe_AmStar = 40;
    u.Universe_AmFrames = 5;
    u.Universe_AmMaxExt = 600;
    u.Universe_AmPers = 0.99f;
    u.Universe_AmCAge = 0.5f;
    u.Universe_GravForce = 0;
    u.Universe_GravFrame = 1;
    u.DX_BlendUniBurst = 77;
    u.DX_BlendUniTravel = 35;
    return u;
}

inline constexpr int kSmallEpochFrames = 6 + 3 * (2 + 2) * 4 + 2 * 4;

class UniverseTest : public RendererTest {
protected:
    void SetUp() override {
        RendererTest::SetUp();
        InitUniGalaxyNames();
        InitDirectX();
        LoadDisplaySettings(WindowTarget(window, 64, 48), false, 1.0f);
        Prepare();
    }
    // The state each run starts from: fresh factory galaxies (a run moves
    // some of their run-time fields on), universe values without a tour
    // list, colour tables, and the same random numbers.
    void Prepare(std::uint32_t seed = 11) {
        UniGalaxies.fill(UniGalaxy{});
        CompGalaxies.fill(CompGalaxy{});
        LoadFactoryDefaults();
        for (std::int16_t t = 0; t < kGalaxyTypeCount; ++t) ValidateUniGalaxy(t);
        for (std::int16_t c = 0; c < kCompGalaxyCount; ++c) ValidateCompGalaxy(c);
        inputs = UniverseInputs{SmallUniverse(), {}};
        BuildHueColorTables(colourTables, UniGalaxies);
        BuildHueWheels(colourTables, UniGalaxies, 170, 250);
        SeedRandomTable(seed);
    }
    // Asks the run to stop in the event pump of frame `frames`.
    void StopAfter(int frames) {
        onPump = [this, frames] {
            if (pumps >= frames) runState.StopRequested = true;
        };
    }
    RunContext Context() const { return StoredRunContext(inputs.values); }
    std::uint64_t WorkImageChecksum() const {
        std::uint64_t hash = 1469598103934665603ull;  // FNV-1a
        for (const std::int32_t colour : displayState.PixelBuffer) {
            hash = (hash ^ static_cast<std::uint32_t>(colour)) * 1099511628211ull;
        }
        return hash;
    }

    UniverseInputs inputs;
};

}  // namespace orbweave::testing
