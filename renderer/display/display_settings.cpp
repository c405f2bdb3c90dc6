#include "renderer/display/display_settings.h"

#include <algorithm>
#include <cmath>

#include "core/colour.h"
#include "core/colour_tables.h"
#include "core/convert.h"
#include "renderer/display/display.h"
#include "renderer/display/run_state.h"
#include "settings/display_values.h"

namespace orbweave {

DisplaySettings displaySettings;
DrawingGeometry drawingGeometry;

void ResetDisplaySettings() {
    displaySettings = DisplaySettings{};
    drawingGeometry = DrawingGeometry{};
}

namespace {

using R = DisplayRecord;

// The first `count` characters of UTF-8 text (never splitting a character).
std::string FirstCharacters(const std::string& text, std::size_t count) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool starts = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (starts && characters++ == count) {
            return text.substr(0, i);
        }
    }
    return text;
}

std::int32_t RoundedSide(double value) { return ToInt32(value).value_or(0); }

// Each stop lies at or above the one before it.
void LoadHueWheel(const DisplayRecord& values) {
    const HueStops stored = {values.Adv_HueWheel0, values.Adv_HueWheel1, values.Adv_HueWheel2, values.Adv_HueWheel3,
                             values.Adv_HueWheel4};
    std::int16_t low = 0;
    for (int i = 0; i < kHueStopCount; ++i) {
        colourTables.HueWheel[i] = std::max(stored[i], low);
        low = colourTables.HueWheel[i];
    }
    colourTables.HueSpan = HueSpansOf(colourTables.HueWheel);
    BuildHueTable();
}

// The drawing size by run mode, before the minimum and multiple-of-4 rules.
// The full-screen size was clamped with the stored values.
void ReadDrawingSize(const DrawingTarget& target, const DisplayRecord& values, std::int32_t& width,
                     std::int32_t& height) {
    switch (runState.RunMode) {
    case kRunModeSaver:
        width = values.DX_WinWidth;
        height = values.DX_WinHeight;
        return;
    case kRunModePreview: {
        const double tx = TwipsDivisor(runState.Screen.twipsPerPixel.x);
        const double ty = TwipsDivisor(runState.Screen.twipsPerPixel.y);
        width = RoundedSide(target.InnerWidth() / tx);
        height = RoundedSide(target.InnerHeight() / ty);
        break;
    }
    default:
        width = RoundedSide(target.InnerWidth());
        height = RoundedSide(target.InnerHeight());
        break;
    }
    width = std::min(width, kLargestDrawingSide);
    height = std::min(height, kLargestDrawingSide);
}

// The scale of the last load, kept for a later change of the drawing size.
float LoadedScale = 1.0f;

void DeriveGeometry(float scale) {
    LoadedScale = scale;
    if (drawingGeometry.ScreenWidth <= kSmallestDrawingWidth) {
        drawingGeometry.ScreenWidth = kSmallestDrawingWidth;
    }
    if (drawingGeometry.ScreenHeight <= kSmallestDrawingHeight) {
        drawingGeometry.ScreenHeight = kSmallestDrawingHeight;
    }
    drawingGeometry.ScreenWidth = (drawingGeometry.ScreenWidth + 3) / 4 * 4;
    drawingGeometry.MaxPlotX = drawingGeometry.ScreenWidth - 1;
    drawingGeometry.MaxPlotY = drawingGeometry.ScreenHeight - 2;
    drawingGeometry.MinPlotY = 1;
    if (displaySettings.VertOffset > 2) {
        drawingGeometry.MinPlotY = 1 + displaySettings.VertOffset - 2;
    } else if (displaySettings.VertOffset < -2) {
        drawingGeometry.MaxPlotY = drawingGeometry.ScreenHeight - 2 + displaySettings.VertOffset + 2;
    }
    drawingGeometry.ProjectionCentre = {static_cast<std::int32_t>(std::nearbyint(drawingGeometry.ScreenWidth * 0.5)),
                                        static_cast<std::int32_t>(std::nearbyint(drawingGeometry.ScreenHeight * 0.5))};
    const double centre =
        (static_cast<double>(drawingGeometry.ProjectionCentre.x) + drawingGeometry.ProjectionCentre.y) * 0.5;
    drawingGeometry.FocalDistance = static_cast<float>(centre * displaySettings.FocalLength * scale);
}

// The stored values clamped into their ranges, the dialog's unsaved choices
// in place of the stored ones.
DisplayRecord LoadValues(const std::optional<DisplayChoices>& dialogChoices) {
    DisplayRecord values = ReadDisplayValues(kHiveUser);
    if (dialogChoices) {
        values.DX_VertOffset = dialogChoices->vertOffset;
        values.DX_RGB16bbp = dialogChoices->rgb16Layout;
    }
    // Only the full screen draws at the stored size, so only it asks the
    // display for its modes.
    ClampDisplayValues(values, runState.RunMode == kRunModeSaver ? LargestDisplayMode() : DisplayLimits{});
    return values;
}

}  // namespace

void LoadDisplaySettings(const DrawingTarget& target, bool forceDefaults, float scale,
                         const std::optional<DisplayChoices>& dialogChoices) {
    displayState.SaverHWnd = target.DisplayWindow();
    const DisplayRecord values = LoadValues(dialogChoices);
    displaySettings.VertOffset = values.DX_VertOffset;
    displaySettings.RGB16Mode = values.DX_RGB16bbp;
    displaySettings.FocalLength = values.FocalLength;
    displaySettings.FrameDelayMs = values.Adv_TimeDelay;
    displaySettings.FontName = values.Adv_FontName.empty() ? DefaultOf<&R::Adv_FontName>() : values.Adv_FontName;
    displaySettings.FontSize = values.Adv_FontSize;
    displaySettings.FontHueV = values.Adv_FontHueV;
    displaySettings.LockMessage = FirstCharacters(Trim(values.LockMessage), kLongestLockMessage);
    displaySettings.FontTOff = values.Adv_FontTOff;
    displaySettings.FontHInc = values.Adv_FontHInc;
    displaySettings.CMinutes = values.Adv_CMinutes;
    displaySettings.TimeText = values.Adv_TimeText;
    displaySettings.ZeroText = values.Adv_ZeroText;
    LoadHueWheel(values);
    if (forceDefaults) {
        displaySettings.FocalLength = DefaultOf<&R::FocalLength>();
        displaySettings.FrameDelayMs = DefaultOf<&R::Adv_TimeDelay>();
    }

    ReadDrawingSize(target, values, drawingGeometry.ScreenWidth, drawingGeometry.ScreenHeight);
    DeriveGeometry(scale);
}

void ResizeDrawingSurface(std::int32_t width, std::int32_t height) {
    drawingGeometry.ScreenWidth = std::min(width, kLargestDrawingSide);
    drawingGeometry.ScreenHeight = std::min(height, kLargestDrawingSide);
    DeriveGeometry(LoadedScale);
}

}  // namespace orbweave
