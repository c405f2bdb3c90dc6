#include "platform/forms/painting.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/convert.h"
#include "platform/forms/canvas.h"
#include "platform/forms/screen.h"

namespace orbweave {

namespace {

constexpr std::array<std::int32_t, 3> kChannelMasks = {0x0000FF, 0x00FF00, 0xFF0000};

// One step of the backdrop's gradient. Each channel is interpolated in its
// own byte position and rounded there, then cut back to its byte.
std::int32_t BackdropColour(std::int32_t outer, std::int32_t inner, int step, int steps) {
    std::int32_t colour = 0;
    for (const std::int32_t mask : kChannelMasks) {
        const double from = outer & mask;
        const double to = inner & mask;
        colour |= ToInt32(from + (to - from) * step / steps).value_or(0) & mask;
    }
    return colour;
}

float FarthestCornerDistance(const Canvas& canvas, double x, double y) {
    const double left = canvas.ScaleLeft();
    const double top = canvas.ScaleTop();
    const double right = left + canvas.ScaleWidth();
    const double bottom = top + canvas.ScaleHeight();
    float farthest = 0.0f;
    for (const auto& [cornerX, cornerY] : {std::pair{left, top}, {right, top}, {right, bottom}, {left, bottom}}) {
        const auto distance =
            static_cast<float>(std::sqrt((cornerX - x) * (cornerX - x) + (cornerY - y) * (cornerY - y)));
        farthest = std::max(farthest, distance);
    }
    return farthest;
}

// One side of the colour frame: its colour and the two opposite corners of
// its rectangle in ring i. A corner coordinate is (i + offset) pixels from
// the left or top edge, or that far in from the right or bottom edge.
struct FrameSide {
    std::int32_t colour;
    struct Corner {
        int x;
        bool xFromRight;
        int y;
        bool yFromBottom;
    };
    Corner first;
    Corner second;
};

constexpr std::int32_t Rgb(int red, int green, int blue) { return red | (green << 8) | (blue << 16); }

constexpr std::array<FrameSide, 4> kFrameSides = {{
    {Rgb(96, 64, 255), {-3, false, 1, true}, {0, false, 0, false}},   // left
    {Rgb(255, 32, 128), {0, false, -3, false}, {1, true, 0, false}},  // top
    {Rgb(64, 128, 192), {1, true, 0, false}, {-2, true, 1, true}},    // right
    {Rgb(64, 160, 160), {1, true, 1, true}, {0, false, -2, true}},    // bottom
}};

constexpr int kFrameRings = 5;
constexpr double kFullTurn = 6.28318530717958;
constexpr double kWheelReach = 0.45;

}  // namespace

void DrawRadialBackdrop(Canvas& canvas, std::int32_t outerColour, std::int32_t innerColour, std::int16_t steps,
                        std::int32_t centreX, std::int32_t centreY) {
    const float farthest = FarthestCornerDistance(canvas, centreX, centreY);
    const int fillStyle = canvas.FillStyle();
    const std::int32_t fillColour = canvas.FillColor();
    canvas.SetFillStyle(kFillSolid);
    for (int k = 0; k < steps; ++k) {
        const float radius = static_cast<float>(steps - k) * farthest / static_cast<float>(steps);
        const std::int32_t colour = BackdropColour(outerColour, innerColour, k, steps);
        canvas.SetFillColor(colour);
        canvas.Circle(centreX, centreY, radius, colour);
    }
    canvas.SetFillStyle(fillStyle);
    canvas.SetFillColor(fillColour);
}

void DrawColorFrame(Canvas& canvas) {
    // 32-bit: a window wider than 32767 twips (2185 pixels) is not rare.
    const int width = ToInt32(canvas.ScaleWidth()).value_or(0);
    const int height = ToInt32(canvas.ScaleHeight()).value_or(0);
    const int tx = ScreenTwipsPerPixelX();
    const int ty = ScreenTwipsPerPixelY();
    canvas.SetDrawWidth(1);
    for (int i = 0; i < kFrameRings; ++i) {
        for (const FrameSide& side : kFrameSides) {
            const auto x = [&](int offset, bool fromRight) {
                return fromRight ? width - (i + offset) * tx : (i + offset) * tx;
            };
            const auto y = [&](int offset, bool fromBottom) {
                return fromBottom ? height - (i + offset) * ty : (i + offset) * ty;
            };
            canvas.Box(x(side.first.x, side.first.xFromRight), y(side.first.y, side.first.yFromBottom),
                       x(side.second.x, side.second.xFromRight), y(side.second.y, side.second.yFromBottom),
                       side.colour);
        }
    }
}

void DrawColorWheel(Canvas& canvas, const HueStops& stops) {
    const double width = canvas.ScaleWidth();
    const double height = canvas.ScaleHeight();
    const double centreX = width * 0.5;
    const double centreY = height * 0.5;
    float angle = 0.0f;
    for (int hue = 0; hue < kHueCount; ++hue) {
        canvas.Line(centreX, centreY, centreX + kWheelReach * width * std::cos(angle),
                    centreY - kWheelReach * height * std::sin(angle), HueStopsToRGB(hue, stops));
        angle = static_cast<float>(angle + kFullTurn / kHueCount);
    }
}

}  // namespace orbweave
