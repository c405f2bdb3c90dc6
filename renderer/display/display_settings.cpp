#include "renderer/display/display_settings.h"

#include <algorithm>
#include <cmath>

#include "core/colour.h"
#include "core/colour_tables.h"
#include "core/convert.h"
#include "platform/forms/form.h"
#include "platform/registry/setting_tables.h"
#include "platform/registry/settings.h"
#include "renderer/display/run_state.h"

namespace orbweave {

std::shared_ptr<display::Window> SaverHWnd;
std::int32_t VertOffset = 0;
std::int16_t RGB16Mode = 2;
float FocalLength = 1.0f;
std::int32_t FrameDelayMs = 25;
std::string FontName = "Arial";
std::int16_t FontSize = 12;
std::int16_t FontHueV = 180;
std::string LockMessage;
std::int16_t FontTOff = 5;
std::int16_t FontHInc = 10;
std::int16_t CMinutes = 0;
std::string TimeText;
std::string ZeroText;
std::int32_t ScreenWidth = kSmallestDrawingWidth;
std::int32_t ScreenHeight = kSmallestDrawingHeight;
std::int32_t MaxPlotX = kSmallestDrawingWidth - 1;
std::int32_t MinPlotY = 1;
std::int32_t MaxPlotY = kSmallestDrawingHeight - 2;
PlotPoint ProjectionCentre;
float FocalDistance = 0.0f;

namespace {

constexpr float kDefaultFocalLength = 1.0f;
constexpr std::int32_t kDefaultFrameDelayMs = 25;
constexpr const char* kDefaultFontName = "Arial";
constexpr std::string_view kSaverWindowName = "frmSaver";
constexpr std::string_view kPropertiesDialogName = "frmProps";
constexpr const char* kHueWheelNames[kHueStopCount] = {"Adv_HueWheel0", "Adv_HueWheel1", "Adv_HueWheel2",
                                                        "Adv_HueWheel3", "Adv_HueWheel4"};

std::int16_t AdvancedInt(std::string_view name, std::int16_t fallback)
{
    return GetSettingInteger(kSectionAdvanced, name, fallback);
}

// The first `count` characters of UTF-8 text (never splitting a character).
std::string FirstCharacters(const std::string& text, std::size_t count)
{
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool starts = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (starts && characters++ == count) {
            return text.substr(0, i);
        }
    }
    return text;
}

std::int32_t RoundedSide(double value)
{
    return ToInt32(value).value_or(0);
}

void LoadHueWheel()
{
    std::int16_t low = 0;
    for (int i = 0; i < kHueStopCount; ++i) {
        const std::int16_t stored = AdvancedInt(kHueWheelNames[i], kDefaultHueStops[i]);
        colourTables.HueWheel[i] = ClampInt(stored, low, static_cast<std::int16_t>(kHueCount));
        low = colourTables.HueWheel[i];
    }
    colourTables.HueSpan = HueSpansOf(colourTables.HueWheel);
    BuildHueTable();
}

// The drawing size by run mode, before the minimum and multiple-of-4 rules.
void ReadDrawingSize(const DrawingTarget& target, std::int32_t& width, std::int32_t& height)
{
    switch (runState.RunMode) {
    case kRunModeSaver:
        width = GetSettingLong(kSectionDirectX, "DX_WinWidth", 640);
        height = GetSettingLong(kSectionDirectX, "DX_WinHeight", 480);
        break;
    case kRunModePreview: {
        const double tx = runState.TwipsPerPixel.x > 0 ? runState.TwipsPerPixel.x : 1;
        const double ty = runState.TwipsPerPixel.y > 0 ? runState.TwipsPerPixel.y : 1;
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

void DeriveGeometry(float scale)
{
    LoadedScale = scale;
    if (ScreenWidth <= kSmallestDrawingWidth) {
        ScreenWidth = kSmallestDrawingWidth;
    }
    if (ScreenHeight <= kSmallestDrawingHeight) {
        ScreenHeight = kSmallestDrawingHeight;
    }
    ScreenWidth = (ScreenWidth + 3) / 4 * 4;
    MaxPlotX = ScreenWidth - 1;
    MaxPlotY = ScreenHeight - 2;
    MinPlotY = 1;
    if (VertOffset > 2) {
        MinPlotY = 1 + VertOffset - 2;
    } else if (VertOffset < -2) {
        MaxPlotY = ScreenHeight - 2 + VertOffset + 2;
    }
    ProjectionCentre = {static_cast<std::int32_t>(std::nearbyint(ScreenWidth * 0.5)),
                        static_cast<std::int32_t>(std::nearbyint(ScreenHeight * 0.5))};
    const double centre = (static_cast<double>(ProjectionCentre.x) + ProjectionCentre.y) * 0.5;
    FocalDistance = static_cast<float>(centre * FocalLength * scale);
}

// A preview inside the properties dialog shows the dialog's unsaved choices.
void ApplyDialogDisplayChoices(const DrawingTarget& target)
{
    const Form* parent = target.ParentForm();
    if (target.Name() == kSaverWindowName || parent == nullptr || parent->Name() != kPropertiesDialogName) {
        return;
    }
    if (const auto text = parent->GetText("cboVertOffset")) {
        if (const auto offset = ToInt32(LeadingNumber(*text))) {
            VertOffset = ClampLng(*offset, -9, 9);
        }
    }
    if (const auto layout = parent->GetListIndex("cboRGB16bbp")) {
        RGB16Mode = static_cast<std::int16_t>(std::clamp(*layout, 0, 2));
    }
}

}  // namespace

void LoadDisplaySettings(const DrawingTarget& target, bool forceDefaults, float scale)
{
    SaverHWnd = target.DisplayWindow();
    VertOffset = ClampInt(GetSettingInteger(kSectionDirectX, "DX_VertOffset", 0), -9, 9);
    RGB16Mode = ClampInt(GetSettingInteger(kSectionDirectX, "DX_RGB16bbp", 2), 0, 2);
    ApplyDialogDisplayChoices(target);

    FocalLength = GetSettingSingle(kSectionAdvanced, "FocalLength", kDefaultFocalLength);
    FrameDelayMs = GetSettingLong(kSectionAdvanced, "Adv_TimeDelay", kDefaultFrameDelayMs);
    FontName = GetSettingString(kSectionAdvanced, "Adv_FontName", kDefaultFontName);
    FontSize = AdvancedInt("Adv_FontSize", 12);
    FontHueV = AdvancedInt("Adv_FontHueV", 180);
    LockMessage = GetSettingString(kSectionAdvanced, "LockMessage", "");
    FontTOff = AdvancedInt("Adv_FontTOff", 5);
    FontHInc = AdvancedInt("Adv_FontHInc", 10);
    CMinutes = AdvancedInt("Adv_CMinutes", 0);
    TimeText = GetSettingString(kSectionAdvanced, "Adv_TimeText", "");
    ZeroText = GetSettingString(kSectionAdvanced, "Adv_ZeroText", "");
    LoadHueWheel();

    FocalLength = ClampSng(FocalLength, 0.01f, 10.0f);
    if (FontName.empty()) {
        FontName = kDefaultFontName;
    }
    FontSize = ClampInt(FontSize, 10, 24);
    FontHueV = ClampInt(FontHueV, 0, 359);
    LockMessage = FirstCharacters(Trim(LockMessage), kLongestLockMessage);
    if (forceDefaults) {
        FocalLength = kDefaultFocalLength;
        FrameDelayMs = kDefaultFrameDelayMs;
    }

    ReadDrawingSize(target, ScreenWidth, ScreenHeight);
    DeriveGeometry(scale);
}

void ResizeDrawingSurface(std::int32_t width, std::int32_t height)
{
    ScreenWidth = std::min(width, kLargestDrawingSide);
    ScreenHeight = std::min(height, kLargestDrawingSide);
    DeriveGeometry(LoadedScale);
}

}  // namespace orbweave
