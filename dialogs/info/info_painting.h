// What the welcome window and the About box share: their painted backdrop,
// the shadow pairs of their labels, and a word-wrapped label whose height
// follows its text.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

namespace orbweave {

class Control;
class Form;
class Label;

// A colour in RGB order (red in bits 0-7).
constexpr std::int32_t RgbOf(int red, int green, int blue) { return red | (green << 8) | (blue << 16); }

inline constexpr std::int32_t kBrightGreen = RgbOf(0, 255, 0);
inline constexpr std::int32_t kShadowGreen = RgbOf(0, 128, 0);
inline constexpr std::int32_t kBrightCyan = RgbOf(0, 255, 255);
inline constexpr std::int32_t kShadowCyan = RgbOf(0, 128, 128);

// The radial backdrop (deep blue outside to dark red in the middle) and the
// coloured border, into the form's kept image.
void PaintInfoBackdrop(Form& form);

// A front label and its shadow: the same text, their colours, the front on
// top and the shadow offset by whole screen pixels to the right and down.
struct ShadowPair {
    std::string_view name;
    int front = 0;
    int shadow = 1;
    std::int32_t frontColour = kBrightCyan;
    std::int32_t shadowColour = kShadowCyan;
    int right = 2;  // pixels
    int down = 1;
};
void SetShadowPair(Form& form, const ShadowPair& pair, std::string_view text);

// Runs the form's first-activation work once it is shown, even when the
// window system activates no window (an X server without a window manager
// activates only the windows it is told to focus). The work itself runs once.
void ActivateOnceShown(Form& form, std::function<void()> activate);

// Makes a word-wrapped label as tall as its text at its width.
void FitLabelHeight(Label& label);

}  // namespace orbweave
