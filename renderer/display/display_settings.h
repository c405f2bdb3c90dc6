// The display settings and drawing geometry every animation loads before it
// starts: process-wide values read by the whole renderer.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "platform/display/window.h"
#include "settings/display_values.h"

namespace orbweave {

// What an animation draws into: the saver window, the preview's window, or
// a dialog's picture box.
class DrawingTarget {
public:
    virtual ~DrawingTarget() = default;
    virtual std::shared_ptr<display::Window> DisplayWindow() const = 0;
    // The inner size in the target's own scale (pixels for picture boxes).
    virtual double InnerWidth() const = 0;
    virtual double InnerHeight() const = 0;
};

// A whole window of a fixed inner size, outside any form: what the headless
// runs and the tests draw into.
class WindowTarget final : public DrawingTarget {
public:
    WindowTarget(std::shared_ptr<display::Window> window, double width, double height)
        : window_(std::move(window)), width_(width), height_(height) {}
    std::shared_ptr<display::Window> DisplayWindow() const override { return window_; }
    double InnerWidth() const override { return width_; }
    double InnerHeight() const override { return height_; }

private:
    std::shared_ptr<display::Window> window_;
    double width_;
    double height_;
};

struct PlotPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// The display choices a dialog holds before they are saved: a preview inside
// the properties dialog shows these instead of the stored ones.
struct DisplayChoices {
    std::int16_t vertOffset = 0;   // clamped into -9..9 when loaded
    std::int16_t rgb16Layout = 2;  // clamped into 0..2 when loaded
};

inline constexpr std::size_t kLongestLockMessage = 100;

// The display and advanced settings an animation loaded, cleaned.
struct DisplaySettings {
    std::int32_t VertOffset = DefaultOf<&DisplayRecord::DX_VertOffset>();  // -9..9
    std::int16_t RGB16Mode = DefaultOf<&DisplayRecord::DX_RGB16bbp>();     // 0 5-6-5, 1 5-5-5, 2 ask the surface
    float FocalLength = DefaultOf<&DisplayRecord::FocalLength>();          // 0.01..10
    std::int32_t FrameDelayMs = DefaultOf<&DisplayRecord::Adv_TimeDelay>();
    std::string FontName = DefaultOf<&DisplayRecord::Adv_FontName>();   // never empty
    std::int16_t FontSize = DefaultOf<&DisplayRecord::Adv_FontSize>();  // 10..24
    std::int16_t FontHueV = DefaultOf<&DisplayRecord::Adv_FontHueV>();  // 0..359
    std::string LockMessage;                                            // trimmed, at most 100 characters
    std::int16_t FontTOff = DefaultOf<&DisplayRecord::Adv_FontTOff>();
    std::int16_t FontHInc = DefaultOf<&DisplayRecord::Adv_FontHInc>();
    std::int16_t CMinutes = DefaultOf<&DisplayRecord::Adv_CMinutes>();
    std::string TimeText;
    std::string ZeroText;
};

// The size an animation draws at and what follows from it.
struct DrawingGeometry {
    std::int32_t ScreenWidth = kSmallestDrawingWidth;    // a multiple of 4, at least 16
    std::int32_t ScreenHeight = kSmallestDrawingHeight;  // at least 12
    std::int32_t MaxPlotX = kSmallestDrawingWidth - 1;
    std::int32_t MinPlotY = 1;
    std::int32_t MaxPlotY = kSmallestDrawingHeight - 2;
    PlotPoint ProjectionCentre;
    float FocalDistance = 0.0f;
};

extern DisplaySettings displaySettings;
extern DrawingGeometry drawingGeometry;

// Both back to the values the process starts with.
void ResetDisplaySettings();

// Loads the display and advanced settings and derives the drawing geometry
// for `target` under the current RunMode. Dialog choices, when given, replace
// the stored vertical drift and 16-bit layout. The full-screen size is the
// stored one, at most the largest display mode.
void LoadDisplaySettings(const DrawingTarget& target, bool forceDefaults, float scale,
                         const std::optional<DisplayChoices>& dialogChoices = std::nullopt);

// Draws at another size from now on: the plot bounds, centre and focal
// distance follow, under the same rules and scale as the last load.
void ResizeDrawingSurface(std::int32_t width, std::int32_t height);

}  // namespace orbweave
