#include "renderer/display/overlay.h"

#include <cmath>
#include <cstdlib>
#include <memory>
#include <optional>

#include "core/colour.h"
#include "core/convert.h"
#include "renderer/display/display.h"
#include "renderer/display/display_settings.h"
#include "renderer/display/pacing.h"
#include "renderer/display/run_state.h"

namespace orbweave {

namespace {

constexpr double kHueTurnPerIncrement = 0.04;  // degrees per frame per unit of FontHInc
constexpr double kSecondsPerMinute = 60.0;

struct OverlayState {
    std::optional<double> hue;             // degrees, unbounded
    std::optional<double> countdownStart;  // seconds
    double countdownMinutes = 0.0;
};

OverlayState& State() {
    static OverlayState state;
    return state;
}

std::string MessageText() {
    if (displaySettings.CMinutes == 0) {
        return displaySettings.LockMessage;
    }
    OverlayState& state = State();
    if (!state.countdownStart) {
        state.countdownStart = NowSeconds();
    }
    const double elapsed = std::fabs(NowSeconds() - *state.countdownStart);
    state.countdownMinutes =
        std::floor((displaySettings.CMinutes * kSecondsPerMinute + 59.0 - elapsed) / kSecondsPerMinute);
    return CountdownText(state.countdownMinutes);
}

int HueDegree(double hue) { return NormaliseHue(static_cast<int>(std::nearbyint(std::fmod(hue, kHueCount)))); }

}  // namespace

std::string CountdownText(double minutesLeft) {
    if (minutesLeft <= 0) {
        return displaySettings.ZeroText;
    }
    const std::string count =
        IntegerToText(static_cast<std::int64_t>(minutesLeft)) + (minutesLeft >= 2 ? " minutes" : " minute");
    if (!Trim(displaySettings.TimeText).empty()) {
        if (const std::size_t at = displaySettings.LockMessage.find(displaySettings.TimeText);
            at != std::string::npos) {
            std::string text = displaySettings.LockMessage;
            text.replace(at, displaySettings.TimeText.size(), count);
            return text;
        }
    }
    return displaySettings.LockMessage + " " + count;
}

void ResetMessageOverlay() { State() = {}; }

void DrawMessageOverlay() {
    if (runState.RunMode != kRunModeSaver || displaySettings.LockMessage.empty()) {
        return;
    }
    OverlayState& state = State();
    if (!state.hue) {
        state.hue = displaySettings.FontHueV;
    }
    *state.hue += displaySettings.FontHInc * kHueTurnPerIncrement;

    const std::string text = MessageText();
    const std::shared_ptr<display::Surface> back = displayState.BackSurface;
    if (!back) {
        return;
    }
    back->SetFont({displaySettings.FontName, static_cast<double>(displaySettings.FontSize), false});
    back->SetTextColour(static_cast<std::uint32_t>(HueToRGB(HueDegree(*state.hue))));
    display::Size size;
    if (!display::Succeeded(back->MeasureText(text, size))) {
        return;
    }
    const int x = static_cast<int>(std::nearbyint((drawingGeometry.ScreenWidth - size.width) * 0.5));
    const int y = static_cast<int>(
        std::nearbyint((drawingGeometry.ScreenHeight - size.height) * (displaySettings.FontTOff / 100.0)));
    back->DrawText(x, y, text);
}

}  // namespace orbweave
