#include "dialogs/properties/props_colours.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "core/colour.h"
#include "core/convert.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/picture_box.h"
#include "settings/galaxy_values.h"

namespace orbweave {
namespace {

constexpr int kPercentSwatches = 4;
constexpr int kGreySwatch = 3;
constexpr double kPercentToChannel = 2.55;

// Channel shifts in RGB order (red in bits 0-7) of the red, green and blue swatches.
constexpr std::array<int, 3> kChannelShift{0, 8, 16};

std::int32_t ChannelOf(const std::string& text) {
    const double percent = std::clamp(std::nearbyint(LeadingNumber(text)), kHuePercentRange.low, kHuePercentRange.high);
    return static_cast<std::int32_t>(std::nearbyint(percent * kPercentToChannel));
}

// A swatch shows its colour as its whole background.
void Fill(PictureBox& pic, std::int32_t colour) {
    pic.SetBackColor(colour);
    pic.Drawing().Cls();
}

}  // namespace

void DrawHueBands(std::string_view startText, std::string_view endText, PictureBox& pic) {
    const auto start = TextToInt16("0" + std::string(startText));
    const auto end = TextToInt16("0" + std::string(endText));
    if (!start || !end) return;
    std::array<std::int32_t, kHueBandCount> ramp{};
    BuildHueRamp(ramp, *start, *end, false);
    Canvas& canvas = pic.Drawing();
    for (int i = 0; i < kHueBandCount; ++i) {
        const double width = canvas.ScaleWidth();
        const double height = canvas.ScaleHeight();
        canvas.FilledBox(i * width / kHueBandCount, 0, (i + 1) * width / kHueBandCount, height,
                         ramp[static_cast<std::size_t>(i)]);
    }
}

void ShowPercentSwatch(Form& dialog, int index) {
    if (index < 0 || index >= kPercentSwatches) return;
    auto* box = dialog.Find<TextBox>("txtPixHue", index);
    auto* pic = dialog.Find<PictureBox>("picPixHue", index);
    if (box == nullptr || pic == nullptr) return;
    const std::int32_t channel = ChannelOf(box->Text());
    if (index == kGreySwatch) {
        Fill(*pic, channel | channel << 8 | channel << 16);
        return;
    }
    Fill(*pic, channel << kChannelShift[static_cast<std::size_t>(index)]);
}

void ShowGalaxyHue(Form& dialog) {
    auto* box = dialog.Find<TextBox>("txtGalaxy", 95);
    auto* pic = dialog.Find<PictureBox>("picGalHue");
    if (box == nullptr || pic == nullptr) return;
    const auto hue = ToInt32(LeadingNumber(box->Text()));
    if (!hue) return;
    Fill(*pic, HueToRGB(NormaliseHue(*hue)));
}

void DrawCometHueBands(Form& dialog) {
    auto* pic = dialog.Find<PictureBox>("picColNova");
    const auto start = dialog.GetText("txtGalaxy", 47);
    const auto end = dialog.GetText("txtGalaxy", 48);
    if (pic != nullptr && start && end) DrawHueBands(*start, *end, *pic);
}

void DrawUniverseHueBands(Form& dialog) {
    auto* pic = dialog.Find<PictureBox>("picColUni");
    const auto start = dialog.GetText("txtUni", 16);
    const auto end = dialog.GetText("txtUni", 17);
    if (pic != nullptr && start && end) DrawHueBands(*start, *end, *pic);
}

}  // namespace orbweave
