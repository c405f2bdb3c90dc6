#include "renderer/universe/universe_run.h"

#include <algorithm>
#include <array>
#include <memory>
#include <new>
#include <span>

#include "renderer/display/animation_guard.h"
#include "renderer/display/display.h"
#include "renderer/display/pacing.h"
#include "renderer/display/presentation.h"
#include "renderer/display/run_state.h"
#include "renderer/galaxy/comets.h"
#include "renderer/galaxy/galaxy_constants.h"
#include "renderer/galaxy/galaxy_cycle.h"
#include "renderer/galaxy/galaxy_display.h"
#include "renderer/galaxy/path_tables.h"
#include "renderer/galaxy/precision.h"
#include "renderer/galaxy/splines.h"
#include "renderer/galaxy/star_colours.h"
#include "renderer/galaxy/star_generators.h"
#include "renderer/galaxy/type_state.h"
#include "renderer/universe/universe_creation.h"
#include "renderer/universe/universe_steps.h"
#include "settings/galaxy_tables.h"

namespace orbweave {

namespace {

// The close points carry the camera through the galaxy to half its viewing
// distance behind the centre.
constexpr double kThroughGalaxy = 1.5;
// The closing leg backs out to 5, then 10000 times the universe's extent.
constexpr double kBackOut = 5.0;
constexpr double kFarOut = 10000.0;

// The four control points of the camera's current spline segment.
struct CameraWindow {
    std::array<float, 4> x{}, y{}, z{};

    void Fill(float px, float py, float pz) {
        x.fill(px);
        y.fill(py);
        z.fill(pz);
    }
    // The oldest point drops out; (px, py, pz) becomes the newest.
    void Slide(float px, float py, float pz) {
        for (int i = 0; i < 3; ++i) {
            x[i] = x[i + 1];
            y[i] = y[i + 1];
            z[i] = z[i + 1];
        }
        x[3] = px;
        y[3] = py;
        z[3] = pz;
    }
};

// The state of one run that lives across its epochs.
struct UniverseRun {
    const RunContext run;
    const TourList& tour;
    UniverseTables tables;
    CameraWindow window;
    CameraPosition camera;
    std::int16_t profileIndex = -1;
    std::int16_t visitCount = 0;
    std::int16_t gravCounter = 0;
    std::int16_t cometGalaxyType = 0;
    float universeExtent = 0;
    float expandSpeed = 0;
    std::int32_t blend = 0;

    bool Allocate() {
        const UniverseSettings& u = run.universe;
        try {
            tables.galaxies.Allocate(u.Universe_Galaxy);
            tables.stars.Allocate(u.Universe_Stars);
            tables.ambient.Allocate(u.Universe_AmStar);
            tables.comets.AllocateParticles();
            AllocateCometArrays(tables.comets);
        } catch (const std::bad_alloc&) {
            return false;
        }
        return true;
    }

    void PlaceGalaxiesForCamera() {
        GalaxyTable& g = tables.galaxies;
        for (std::int32_t i = 0; i < g.Count(); ++i) {
            g.GalRelX[i] = Single(static_cast<double>(g.GalX[i]) - camera.x);
            g.GalRelY[i] = Single(static_cast<double>(g.GalY[i]) - camera.y);
            g.GalRelZ[i] = Single(static_cast<double>(g.GalZ[i]) - camera.z);
        }
    }

    // The frame's stars, ambient stars and presentation, shared by the
    // visits and the closing leg.
    void DrawFrame(const TourFrame& frame) {
        PlaceGalaxiesForCamera();
        AdvanceGalaxyAngles(run.types);
        blend = CycleGalaxyStars(run, tables.galaxies, tables.stars, tables.comets, tables.paths, frame, blend);
        CycleUniverseStars(run, tables.ambient, tables.cloud, tables.paths, camera, universeExtent, expandSpeed,
                           kAmbientTour, profileIndex);
        BlendBlitSurface(blend);
    }

    // One frame of a visit; false when the run must stop.
    bool TourFrameOfVisit(std::int16_t visit, std::int16_t step, float t) {
        const UniverseSettings& u = run.universe;
        float x = 0, y = 0, z = 0;
        SplineCameraPoint(x, y, z, t, window.x, window.y, window.z);
        runState.FrameStartTick = TickCount();
        // With the tour off the camera stays put and the frames only mark
        // the time of each visit.
        camera = u.Universe_Tour ? CameraPosition{x, y, z}
                                 : CameraPosition{0, 0, Single(-static_cast<double>(u.Universe_DstCen))};
        if (u.Universe_GravForce > 0) ApplyGalaxyGravity(u, tables.galaxies, gravCounter);
        DrawFrame({visit, cometGalaxyType, step, t, true, kShowUniverse});
        AdvanceNebulaPaths(run, tables.paths, tables.galaxies.Count(), -1, tables.galaxies.GalType);
        return !WaitFrameDelayPreview();
    }

    // One frame backing out of the universe. It keeps the last visit's
    // frame start, so after its first frame the leg runs unpaced.
    bool ClosingFrame(std::int16_t step, float t) {
        float x = 0, y = 0, z = 0;
        SplineCameraPoint(x, y, z, t, window.x, window.y, window.z);
        camera = {x, y, z};
        DrawFrame({static_cast<std::int16_t>(visitCount - 1), cometGalaxyType, step, t, false, kShowUniverse});
        return !WaitFrameDelayPreview();
    }

    // Runs the frames of one control point; false when the run must stop.
    template <typename Frame>
    bool RunLeg(Frame frame) {
        const std::int16_t frames = run.universe.Universe_GSteps;
        const float step = Single(1.0 / frames);
        float t = 0;
        for (std::int16_t n = 0; n < frames; ++n) {
            if (!frame(t)) return false;
            t = Single(static_cast<double>(t) + step);
        }
        return true;
    }

    bool Visit(std::int16_t v) {
        const UniverseSettings& u = run.universe;
        const GalaxyTable& g = tables.galaxies;
        const std::int16_t type = ResolveGalaxyType(g.GalType, v);
        const double distance = run.types[type].Run_Distance;
        const int points = u.Universe_GPCtrl + u.Universe_GCCtrl;
        for (int k = 1; k <= points; ++k) {
            double z = static_cast<double>(g.GalZ[v]) - distance;
            if (k > u.Universe_GPCtrl) z += distance * kThroughGalaxy * (k - u.Universe_GPCtrl) / u.Universe_GCCtrl;
            window.Slide(g.GalX[v], g.GalY[v], Single(z));
            // The comets change at the second control point; on the first
            // those of the galaxy being left keep flying.
            if (k == 2) {
                cometGalaxyType = type;
                InitComets(run, tables.comets, v, type);
            }
            const auto step = static_cast<std::int16_t>(k);
            if (!RunLeg([&](float t) { return TourFrameOfVisit(v, step, t); })) return false;
        }
        return true;
    }

    bool CloseEpoch() {
        const UniverseSettings& u = run.universe;
        if (!u.Universe_Tour) window.Fill(0, 0, Single(-static_cast<double>(u.Universe_DstCen)));
        for (int k = 1; k <= u.Universe_GPCtrl; ++k) {
            const double out = k == u.Universe_GPCtrl ? kFarOut : kBackOut;
            window.Slide(0, 0, Single(-out * universeExtent));
            const auto step = static_cast<std::int16_t>(k);
            if (!RunLeg([&](float t) { return ClosingFrame(step, t); })) return false;
        }
        return true;
    }

    // A creation phase and its tour; false when the run must stop.
    bool Epoch() {
        const UniverseSettings& u = run.universe;
        profileIndex = ChooseEpochProfile(u, profileIndex);
        expandSpeed = u.Universe_Expand;
        universeExtent = 0;
        for (UniGalaxy& t : std::span(run.types).first(kGalaxyTypeCount)) t.Run_HuePhase = t.Galaxy_HueStart;
        RunUniverseCreation(run, tour, tables, expandSpeed, universeExtent, profileIndex, blend);
        if (runState.StopRequested) return false;

        GalaxyTable& g = tables.galaxies;
        std::fill(g.GalVX.begin(), g.GalVX.end(), 0.0f);
        std::fill(g.GalVY.begin(), g.GalVY.end(), 0.0f);
        std::fill(g.GalVZ.begin(), g.GalVZ.end(), 0.0f);
        window.Fill(0, 0, Single(-static_cast<double>(u.Universe_DstCen)));
        for (std::int16_t v = 0; v < visitCount; ++v) {
            if (!Visit(v)) return false;
        }
        if (!CloseEpoch()) return false;
        const auto last = static_cast<std::int16_t>(visitCount - 1);
        InitComets(run, tables.comets, visitCount, ResolveGalaxyType(g.GalType, last));
        return true;
    }
};

}  // namespace

void RunUniverse(UniverseInputs& inputs) {
    // A handler inside a frame's event pump cannot start a second run over
    // the same tables; the host's loop must still see the stop.
    const AnimationGuard guard;
    if (!guard.Entered()) {
        runState.StopRequested = true;
        return;
    }
    UniverseSettings& u = inputs.values;
    ClampUniverseSettings(u);
    runPerformance.pixelCount = u.Universe_Stars;
    auto run = std::make_unique<UniverseRun>(UniverseRun{StoredRunContext(u), inputs.tour, {}, {}, {}});
    const bool allocated = run->Allocate();
    if (!allocated) EndRunWithoutMemory();
    if (!allocated || !LoadPropsInitDX()) {
        runState.StopRequested = true;
        return;
    }
    // The run goes on from the level the display shows.
    run->blend = displayState.CurrentBlend;
    GalaxyTypes& types = run->run.types;
    PrecomputeGalaxyConstants(types);
    run->visitCount = std::min(u.Universe_Galaxy, u.Universe_Recycle);
    SetHueCycleFlags(types);
    BuildStarColorRamps(types);
    BuildPulsarTables(types);
    // An epoch ends early only when the run must stop.
    while (run->Epoch()) {}
}

bool PreviewUniverse(const DrawingTarget& pic, const DisplayChoices& display, UniverseInputs& inputs,
                     std::optional<PreviewHues> hues) {
    if (AnimationRunning()) return false;
    PrepareDialogPreview(StoredRunTables(), pic, display, hues);
    RunUniverse(inputs);
    return true;
}

}  // namespace orbweave
