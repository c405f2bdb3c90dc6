#include "renderer/galaxy/shapes.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <span>

#include "core/colour.h"
#include "core/colour_tables.h"
#include "renderer/display/display.h"
#include "renderer/display/display_settings.h"
#include "renderer/galaxy/projection.h"
#include "settings/galaxy_tables.h"

namespace orbweave {
namespace {

// Below this scale a burst is a single pixel.
constexpr double kSmallestScale = 0.0078125;
// A radius too large for the screen: every point it offsets is off-screen,
// and adding it to any on-screen coordinate stays within 64 bits.
constexpr std::int64_t kFarRadius = std::int64_t{1} << 40;
constexpr double kFarthestRadius = 1073741824.0;  // 2^30

// The point groups the bursts are made of, around a centre (px, py) and for
// a scale e, each radius being Round(e x multiplier):
// centre; cross r: (px ± r, py), (px, py ± r); diagonal r: (px ± r, py ± r);
// pair (a, b): (px ± r_a, py ± r_b).
enum class Kind : std::uint8_t { Centre, Cross, Diagonal, Pair };

struct Group {
    Kind kind;
    float a = 0;
    float b = 0;
};

// A layer of a burst at a depth offset from the star, in units the caller
// chooses (the nova's extent, the pulsar's depth factor times its size).
struct DepthLayer {
    double offset;
    std::span<const Group> groups;
};

constexpr Group kNovaCore[] = {{Kind::Centre},      {Kind::Cross, 16},   {Kind::Diagonal, 16},
                               {Kind::Diagonal, 7}, {Kind::Cross, 11},   {Kind::Diagonal, 11},
                               {Kind::Pair, 2, 24}, {Kind::Pair, 24, 2}, {Kind::Cross, 32}};
constexpr Group kNovaMiddle[] = {
    {Kind::Pair, 3, 10}, {Kind::Pair, 10, 3}, {Kind::Pair, 7, 5}, {Kind::Pair, 5, 7}, {Kind::Cross, 24}};
constexpr Group kNovaOuter[] = {{Kind::Cross, 2}, {Kind::Pair, 3, 5}, {Kind::Pair, 5, 3}};

constexpr DepthLayer kNovaLayers[] = {
    {0.0, kNovaCore}, {0.1, kNovaMiddle}, {-0.1, kNovaMiddle}, {0.2, kNovaOuter}, {-0.2, kNovaOuter}};

constexpr Group kCentre[] = {{Kind::Centre}};

constexpr Group kAxesBase[] = {
    {Kind::Centre}, {Kind::Cross, 8}, {Kind::Cross, 12}, {Kind::Cross, 20}, {Kind::Cross, 32}};
constexpr Group kAxesNear[] = {{Kind::Centre}, {Kind::Cross, 8}};

constexpr Group kStarBase[] = {
    {Kind::Centre}, {Kind::Cross, 8}, {Kind::Cross, 12}, {Kind::Cross, 18}, {Kind::Cross, 32}};
constexpr Group kStarQuarter[] = {{Kind::Centre}, {Kind::Cross, 8}, {Kind::Diagonal, 8}};
constexpr Group kStarHalf[] = {{Kind::Centre}, {Kind::Cross, 12}, {Kind::Diagonal, 12}};
constexpr Group kStarThreeQuarters[] = {{Kind::Centre}, {Kind::Diagonal, 18}};

constexpr Group kSphereBase[] = {{Kind::Cross, 32}, {Kind::Pair, 12, 29}, {Kind::Diagonal, 23}, {Kind::Pair, 29, 12}};
constexpr Group kSphereThird[] = {{Kind::Cross, 28}, {Kind::Pair, 14, 23}, {Kind::Pair, 23, 14}};
constexpr Group kSphereTwoThirds[] = {{Kind::Cross, 16}, {Kind::Diagonal, 11}};

// The rings of the second sphere shrink with depth; the cross of its first
// back layer sits at that layer's own radius for 27, between the rings of
// 30 before it and 23 behind it.
constexpr Group kSphere2Base[] = {
    {Kind::Cross, 32}, {Kind::Pair, 10, 30}, {Kind::Pair, 19, 26}, {Kind::Pair, 26, 19}, {Kind::Pair, 30, 10}};
constexpr Group kSphere2Quarter[] = {
    {Kind::Cross, 27}, {Kind::Pair, 11, 30}, {Kind::Diagonal, 21}, {Kind::Pair, 30, 11}};
constexpr Group kSphere2Half[] = {{Kind::Cross, 23}, {Kind::Pair, 11, 20}, {Kind::Pair, 20, 11}};
constexpr Group kSphere2ThreeQuarters[] = {{Kind::Cross, 12}, {Kind::Diagonal, 7}};

constexpr DepthLayer kPulsarNova[] = {
    {0.0, kNovaCore}, {0.5, kNovaMiddle}, {-0.5, kNovaMiddle}, {1.0, kNovaOuter}, {-1.0, kNovaOuter}};
constexpr DepthLayer kPulsarAxes[] = {{0.0, kAxesBase}, {0.25, kAxesNear}, {-0.25, kAxesNear},
                                      {0.5, kCentre},   {-0.5, kCentre},   {0.75, kCentre},
                                      {-0.75, kCentre}, {1.0, kCentre},    {-1.0, kCentre}};
constexpr DepthLayer kPulsarStar[] = {
    {0.0, kStarBase},           {0.25, kStarQuarter},        {-0.25, kStarQuarter}, {0.5, kStarHalf}, {-0.5, kStarHalf},
    {0.75, kStarThreeQuarters}, {-0.75, kStarThreeQuarters}, {1.0, kCentre},        {-1.0, kCentre}};
constexpr DepthLayer kPulsarSphere[] = {
    {0.0, kSphereBase},         {0.333, kSphereThird}, {-0.333, kSphereThird}, {0.667, kSphereTwoThirds},
    {-0.667, kSphereTwoThirds}, {1.0, kCentre},        {-1.0, kCentre}};
constexpr DepthLayer kPulsarSphere2[] = {
    {0.0, kSphere2Base},  {0.25, kSphere2Quarter},       {-0.25, kSphere2Quarter},       {0.5, kSphere2Half},
    {-0.5, kSphere2Half}, {0.75, kSphere2ThreeQuarters}, {-0.75, kSphere2ThreeQuarters}, {1.0, kCentre},
    {-1.0, kCentre}};

constexpr std::array<std::span<const DepthLayer>, 5> kPulsarShapes{kPulsarNova, kPulsarAxes, kPulsarStar, kPulsarSphere,
                                                                   kPulsarSphere2};

bool InsidePlotBounds(std::int64_t x, std::int64_t y) {
    return x > 0 && x < drawingGeometry.MaxPlotX && y > drawingGeometry.MinPlotY && y < drawingGeometry.MaxPlotY;
}

void PlotAt(std::int64_t x, std::int64_t y, std::int32_t color) {
    if (!InsidePlotBounds(x, y)) return;
    // The buffer is checked too: an animation may draw while no display is up.
    const std::int64_t index = y * displayState.PitchPixels + x;
    if (index >= 0 && static_cast<std::uint64_t>(index) < displayState.PixelBuffer.size()) {
        displayState.PixelBuffer[static_cast<std::size_t>(index)] = color;
    }
}

std::int64_t Radius(double scale, float multiplier) {
    const double r = std::nearbyint(scale * static_cast<double>(multiplier));
    if (!std::isfinite(r) || std::abs(r) > kFarthestRadius) return kFarRadius;
    return static_cast<std::int64_t>(r);
}

void DrawGroup(const Group& group, std::int64_t px, std::int64_t py, double scale, std::int32_t color) {
    switch (group.kind) {
    case Kind::Centre: PlotAt(px, py, color); break;
    case Kind::Cross: {
        const std::int64_t r = Radius(scale, group.a);
        PlotAt(px - r, py, color);
        PlotAt(px + r, py, color);
        PlotAt(px, py - r, color);
        PlotAt(px, py + r, color);
        break;
    }
    case Kind::Diagonal:
    case Kind::Pair: {
        const std::int64_t ra = Radius(scale, group.a);
        const std::int64_t rb = group.kind == Kind::Diagonal ? ra : Radius(scale, group.b);
        PlotAt(px - ra, py - rb, color);
        PlotAt(px - ra, py + rb, color);
        PlotAt(px + ra, py - rb, color);
        PlotAt(px + ra, py + rb, color);
        break;
    }
    }
}

// One layer at depth d: its centre projected from (u, v), its scale e.
struct LayerFrame {
    std::int64_t px = 0;
    std::int64_t py = 0;
    double scale = 0;
    bool onScreen = false;
};

LayerFrame FrameAt(float u, float v, double depth, double extent) {
    LayerFrame frame;
    const double s = drawingGeometry.FocalDistance / depth;
    const auto px = ScreenCoordinate(s * u + drawingGeometry.ProjectionCentre.x);
    const auto py = ScreenCoordinate(s * v + drawingGeometry.ProjectionCentre.y);
    frame.scale = displaySettings.FocalLength / depth * extent;
    if (px && py) {
        frame.px = *px;
        frame.py = *py;
        frame.onScreen = true;
    }
    return frame;
}

void DrawGroups(std::span<const Group> groups, const LayerFrame& frame, std::int32_t color) {
    if (!frame.onScreen) return;
    for (const Group& group : groups) DrawGroup(group, frame.px, frame.py, frame.scale, color);
}

// A burst in depth layers. The first layer lies at the star's own depth; a
// leading centre group of it is drawn whatever the scale, everything else
// only when that layer's scale exceeds the smallest. Back layers are drawn
// only in front of the camera.
void DrawLayers(std::span<const DepthLayer> layers, float u, float v, float depth, double unit, double extent,
                std::int32_t color) {
    if (!(depth > 0)) return;
    const DepthLayer& base = layers.front();
    const LayerFrame baseFrame = FrameAt(u, v, depth, extent);
    std::span<const Group> rest = base.groups;
    if (!rest.empty() && rest.front().kind == Kind::Centre) {
        DrawGroups(rest.first(1), baseFrame, color);
        rest = rest.subspan(1);
    }
    if (!(baseFrame.scale > kSmallestScale)) return;
    DrawGroups(rest, baseFrame, color);
    for (const DepthLayer& layer : layers.subspan(1)) {
        const double d = depth + layer.offset * unit;
        if (d > 0) DrawGroups(layer.groups, FrameAt(u, v, d, extent), color);
    }
}

}  // namespace

void PlotPixel(std::int32_t x, std::int32_t y, std::int32_t color) { PlotAt(x, y, color); }

void PlotNewStar(std::int32_t x, std::int32_t y, float depth, std::int16_t count, std::int16_t frames, float ext,
                 std::int32_t color) {
    if (!InsidePlotBounds(x, y)) return;
    PlotAt(x, y, color);
    const double e = static_cast<double>(displaySettings.FocalLength) / depth * ext * count / frames;
    const std::int64_t n = Radius(e, 32);
    auto draw = [&](std::initializer_list<Group> groups) {
        for (const Group& group : groups) DrawGroup(group, x, y, e, color);
    };
    if (n < 1) return;
    if (n == 1) {
        draw({{Kind::Cross, 32}});
    } else if (n <= 3) {
        draw({{Kind::Cross, 16}, {Kind::Cross, 32}});
    } else if (n <= 7) {
        draw({{Kind::Diagonal, 8}, {Kind::Diagonal, 12}, {Kind::Cross, 16}, {Kind::Cross, 32}});
    } else {
        // The innermost cross rounds the star's pixel ± e itself.
        const auto left = ScreenCoordinate(x - e), right = ScreenCoordinate(x + e);
        const auto up = ScreenCoordinate(y - e), down = ScreenCoordinate(y + e);
        if (left) PlotAt(*left, y, color);
        if (right) PlotAt(*right, y, color);
        if (up) PlotAt(x, *up, color);
        if (down) PlotAt(x, *down, color);
        draw({{Kind::Cross, 4}, {Kind::Diagonal, 8}, {Kind::Diagonal, 12}, {Kind::Cross, 16}, {Kind::Cross, 32}});
    }
}

void PlotNovaStar(float u, float v, float depth, std::int16_t count, std::int16_t frames, float ext,
                  std::int32_t color) {
    // The nova grows as its countdown runs.
    const std::int32_t k = static_cast<std::int32_t>(frames) - count + 1;
    const double growth = std::pow(static_cast<double>(k), static_cast<double>(0.6375f));
    DrawLayers(kNovaLayers, u, v, depth, ext, static_cast<double>(ext) * growth, color);
}

void PlotPulsarStar(const RunContext& run, float u, float v, float depth, float size, std::int16_t galType,
                    std::int32_t color) {
    if (!IsGalaxyType(galType)) return;
    const UniGalaxy& t = run.types[galType];
    const std::int16_t shape = t.Galaxy_PulsarShape;
    if (shape < 0 || shape >= static_cast<std::int16_t>(kPulsarShapes.size())) return;
    const double unit = static_cast<double>(t.Run_PulsarDepthK) * size;
    DrawLayers(kPulsarShapes[static_cast<std::size_t>(shape)], u, v, depth, unit, size, color);
}

void PlotStarGlyph(const ColourTables& colours, std::int32_t x, std::int32_t y, float depth, std::int16_t hue,
                   std::int16_t hueInc) {
    auto colourAt = [&](int steps) {
        return colours.HueTable[static_cast<std::size_t>(NormaliseHue(hue + steps * hueInc))];
    };
    const std::int32_t c0 = colourAt(0);
    PlotPixel(x, y, c0);
    if (depth < 0.9f) {
        PlotAt(std::int64_t{x} - 1, y, c0);
        PlotAt(std::int64_t{x} + 1, y, c0);
    }
    if (depth < 0.8f) {
        PlotAt(x, std::int64_t{y} - 1, c0);
        PlotAt(x, std::int64_t{y} + 1, c0);
    }
    // Unit scale: each multiplier is the distance in pixels.
    if (depth < 0.6f) DrawGroup({Kind::Cross, 2}, x, y, 1.0, colourAt(1));
    if (depth < 0.4f) DrawGroup({Kind::Cross, 4}, x, y, 1.0, colourAt(2));
    if (depth < 0.2f) DrawGroup({Kind::Diagonal, 2}, x, y, 1.0, colourAt(3));
}

}  // namespace orbweave
