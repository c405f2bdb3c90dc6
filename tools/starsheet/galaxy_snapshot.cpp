#include "tools/starsheet/galaxy_snapshot.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/colour.h"
#include "core/random.h"
#include "renderer/display.h"
#include "renderer/display_settings.h"
#include "renderer/galaxy_constants.h"
#include "renderer/hue_tables.h"
#include "renderer/path_tables.h"
#include "renderer/projection.h"
#include "renderer/run_state.h"
#include "renderer/shapes.h"
#include "renderer/star_colours.h"
#include "renderer/star_generators.h"
#include "renderer/star_tables.h"
#include "renderer/type_state.h"
#include "renderer/universe_settings.h"
#include "settings/factory_presets.h"
#include "settings/galaxy_tables.h"

namespace orbweave::starsheet {
namespace {

// A picture box of the snapshot's size, with no window behind it.
class SnapshotTarget final : public DrawingTarget {
public:
    SnapshotTarget(int width, int height) : width_(width), height_(height) {}
    std::string Name() const override { return "picStarSheet"; }
    std::shared_ptr<display::Window> DisplayWindow() const override { return nullptr; }
    double InnerWidth() const override { return width_; }
    double InnerHeight() const override { return height_; }

private:
    int width_;
    int height_;
};

void UseWorkImage(int width, int height) {
    RunMode = kRunModeDialog;
    LoadDisplaySettings(SnapshotTarget(width, height), true, 1.0f);
    PitchPixels = ScreenWidth;
    PixelBuffer.assign(static_cast<std::size_t>(PitchPixels) * ScreenHeight + 1, 0);
}

// The star motion of the galaxy display, one frame.
void MoveStar(StarTable& s, std::int32_t i, const UniGalaxy& t) {
    constexpr double kTiny = static_cast<double>(1e-9f);
    switch (t.Run_PlotMode) {
    case kPlotOrbit: {
        const double x = s.StarX[i], z = s.StarZ[i], c = s.StarOrbitCos[i], sn = s.StarOrbitSin[i];
        s.StarX[i] = static_cast<float>(c * x - sn * z);
        s.StarZ[i] = static_cast<float>(sn * x + c * z);
        break;
    }
    case kPlotGravity: {
        const double x = s.StarX[i], y = s.StarY[i], z = s.StarZ[i];
        const double a = -t.Run_ForceK / (x * x + y * y + z * z + kTiny);
        s.StarVX[i] = static_cast<float>(s.StarVX[i] + a * x);
        s.StarVY[i] = static_cast<float>(s.StarVY[i] + a * y);
        s.StarVZ[i] = static_cast<float>(s.StarVZ[i] + a * z);
        [[fallthrough]];
    }
    case kPlotStraight:
        s.StarX[i] += s.StarVX[i];
        s.StarY[i] += s.StarVY[i];
        s.StarZ[i] += s.StarVZ[i];
        break;
    case kPlotWave: {
        s.StarAge[i] += 1;
        s.StarX[i] += s.StarVX[i];
        s.StarVY[i] = static_cast<float>(s.StarVY[i] + static_cast<double>(t.Run_WaveStep));
        const double r = t.Run_RadBFillInt;
        s.StarY[i] = static_cast<float>(t.Run_WaveAmp * std::sin(s.StarVY[i]) * r / (s.StarAge[i] + r));
        s.StarZ[i] += s.StarVZ[i];
        break;
    }
    default: break;
    }
}

// A reborn star starts one event: a pulsar, a nova, or else a new star.
void SpawnStar(StarTable& s, std::int32_t i, std::int16_t type, GalaxyPathTables& paths) {
    GenerateStar(s, i, type, 0, paths);
    const UniGalaxy& t = UniGalaxies[type];
    if (RandomFraction() < t.Run_PulsarFreqP) {
        s.PulsarCountdown[i] = static_cast<std::int16_t>(t.Galaxy_PulsarCycles * t.Galaxy_PulsarFrames);
        s.EventFrames[i] = t.Galaxy_PulsarFrames;
    } else if (RandomFraction() < t.Run_NovaFreqP) {
        s.NovaCountdown[i] = s.EventFrames[i] = t.Galaxy_NovaFrames;
        s.EventExt[i] = t.Run_NovaExtK;
    } else {
        s.NewCountdown[i] = s.EventFrames[i] = t.Galaxy_NewFrames;
        s.EventExt[i] = t.Run_NewExtK;
    }
}

CameraPoint Place(const StarTable& s, std::int32_t i, const UniGalaxy& t, float distance) {
    const int level = t.Run_PlotMode == kPlotOrbit ? std::clamp<int>(s.StarLevel[i], 0, kLevelCapacity - 1) : 0;
    return PlaceInCamera(s.StarX[i], s.StarY[i], s.StarZ[i], t.Run_LevelCos[level], t.Run_LevelSin[level],
                         t.Galaxy_AxisPlane, 0, 0, distance);
}

// One frame of a star: it moves and is drawn as a plain pixel, or as the
// burst of the new-star, nova or pulsar event running on it.
void CycleStar(StarTable& s, std::int32_t i, std::int16_t type, GalaxyPathTables& paths, float distance) {
    const UniGalaxy& t = UniGalaxies[type];
    if (s.NewCountdown[i] > 0) {
        if (--s.NewCountdown[i] <= 0) return;
        MoveStar(s, i, t);
        const CameraPoint point = Place(s, i, t, distance);
        if (const auto pixel = ProjectToScreen(point)) {
            PlotNewStar(pixel->x, pixel->y, point.depth, s.NewCountdown[i], s.EventFrames[i], s.EventExt[i],
                        t.Run_NewColorRamp[static_cast<std::size_t>(std::clamp<int>(s.NewCountdown[i], 0, 99))]);
        }
    } else if (s.NovaCountdown[i] > 0) {
        if (--s.NovaCountdown[i] == 0) return SpawnStar(s, i, type, paths);
        MoveStar(s, i, t);
        const CameraPoint point = Place(s, i, t, distance);
        const int frames = std::max<int>(s.EventFrames[i], 1);
        const int k = std::clamp(static_cast<int>(std::nearbyint((frames - s.NovaCountdown[i]) * 80.0 / frames)), 0, 80);
        if (point.depth > 0) {
            PlotNovaStar(point.u, point.v, point.depth, s.NovaCountdown[i], s.EventFrames[i], s.EventExt[i],
                         TypeHueRamps[static_cast<std::size_t>(type)][static_cast<std::size_t>(k)]);
        }
    } else if (s.PulsarCountdown[i] > 0) {
        if (--s.PulsarCountdown[i] == 0) return SpawnStar(s, i, type, paths);
        MoveStar(s, i, t);
        const CameraPoint point = Place(s, i, t, distance);
        const auto k = static_cast<std::size_t>(s.PulsarCountdown[i] % std::max<int>(t.Galaxy_PulsarFrames, 1));
        if (point.depth > 0) {
            PlotPulsarStar(point.u, point.v, point.depth, t.Run_PulsarSize[k], type, t.Run_PulsarColor[k]);
        }
    } else {
        MoveStar(s, i, t);
        if (const auto pixel = ProjectToScreen(Place(s, i, t, distance))) {
            PlotPixel(pixel->x, pixel->y, s.StarColor[i]);
        }
    }
}

// Galaxy_NewFreq hundredths of a star are reborn each frame; a pick that
// lands on a star with a running event is lost.
void RecycleStars(StarTable& s, std::int16_t type, GalaxyPathTables& paths) {
    const std::int16_t freq = UniGalaxies[type].Galaxy_NewFreq;
    const double extra = RandomFraction() * 100 < freq % 100 ? 1.0 : 0.0;
    const auto count = static_cast<int>(std::nearbyint(freq * 0.01 + extra));
    for (int k = 0; k < count; ++k) {
        const auto i = static_cast<std::int32_t>(RandomFraction() * s.Count());
        if (s.NewCountdown[i] != 0 || s.NovaCountdown[i] != 0 || s.PulsarCountdown[i] != 0) continue;
        SpawnStar(s, i, type, paths);
    }
}

// The saver blends every frame into the next: each channel becomes the sum
// of itself and its four neighbours times (720 + level) / 4096, in place,
// top-down. Level 0 shows the frame as drawn and clears it after.
void BlendWorkImage(std::int16_t level) {
    const std::uint32_t factor = 720u + static_cast<std::uint32_t>(std::min<std::int16_t>(level, 100));
    auto* bytes = reinterpret_cast<std::uint8_t*>(PixelBuffer.data());
    const std::int64_t row = static_cast<std::int64_t>(PitchPixels) * 4;
    for (std::int32_t y = 1; y + 1 < ScreenHeight; ++y) {
        for (std::int32_t x = 1; x + 1 < ScreenWidth; ++x) {
            for (int c = 0; c < 3; ++c) {
                std::uint8_t* a = bytes + y * row + x * 4 + c;
                const std::uint32_t sum = a[-row] + a[row] + a[-4] + a[4] + a[0];
                *a = static_cast<std::uint8_t>((sum * factor) >> 12);
            }
        }
    }
}

QImage CopyWorkImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const auto colour = static_cast<std::uint32_t>(PixelBuffer[static_cast<std::size_t>(y) * PitchPixels + x]);
            line[x] = 0xFF000000u | (colour & 0xFFFFFFu);
        }
    }
    return image;
}

}  // namespace

void UseFactoryGalaxies() {
    // On 32-bit surfaces byte 0 of a colour is blue, as in QImage::Format_RGB32.
    DisplayBpp = 32;
    InitUniGalaxyNames();
    LoadFactoryDefaults();
}

QImage RenderGalaxySnapshot(std::int16_t type, const SnapshotOptions& options) {
    LoadFactoryUniGalaxy(type);
    UseWorkImage(options.width, options.height);
    // Each type draws its own sequence, so random shapes (nebula ribbons,
    // attractor seeds) differ from type to type as they do between galaxies.
    SeedRandomTable(options.seed + 7919u * static_cast<std::uint32_t>(type));
    PrecomputeGalaxyConstants();
    BuildHueColorTables();
    Universe.Universe_Stars = options.stars;
    Universe.Universe_Galaxy = 1;
    Universe.Universe_NewPctStEx = 0;

    const UniGalaxy& t = UniGalaxies[type];
    GalaxyPathTables paths;
    InitGalaxyTypeTables(paths, 1, type, -1, {});
    StarTable stars;
    stars.Allocate(options.stars);
    for (std::int32_t i = 0; i < stars.Count(); ++i) {
        stars.StarMember[i] = type;
        GenerateStar(stars, i, type, 0, paths);
    }
    SetHueCycleFlags();
    BuildStarColorRamps();
    BuildPulsarTables();
    BuildHueWheels(-1, -1);

    QImage picture;
    const int frames = std::max(options.frames, 1);
    for (int frame = 0; frame < frames; ++frame) {
        AdvanceGalaxyAngles();
        for (std::int32_t i = 0; i < stars.Count(); ++i) CycleStar(stars, i, type, paths, t.Run_Distance);
        RecycleStars(stars, type, paths);
        CycleStarHues(stars.StarMember, stars.StarColor, stars.StarHue);
        const bool blending = t.Galaxy_DX_Blend > 0;
        if (blending) BlendWorkImage(t.Galaxy_DX_Blend);
        if (frame + 1 == frames) picture = CopyWorkImage(options.width, options.height);
        if (!blending) std::fill(PixelBuffer.begin(), PixelBuffer.end(), 0);
        AdvanceNebulaPaths(paths, 1, type, {});
    }
    return picture;
}

}  // namespace orbweave::starsheet
