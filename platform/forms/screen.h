// The screen as the dialogs measure it: in twips, 1440 to the logical inch.
//
// Dialog layouts are written in twips so that they keep their proportions at
// any screen resolution; margins that must stay whole pixels are multiples of
// the twips per pixel. These read the primary screen each time and need a
// running QApplication; without a screen they assume 96 dots per inch.
#pragma once

#include <cstdint>

namespace orbweave {

inline constexpr int kTwipsPerInch = 1440;

// Twips per pixel from the screen's logical dots per inch: 15 at 96, 12 at 120.
std::int16_t ScreenTwipsPerPixelX();
std::int16_t ScreenTwipsPerPixelY();

// The whole screen's size in twips.
std::int32_t ScreenWidthTwips();
std::int32_t ScreenHeightTwips();

// Conversions between twips and whole pixels at the screen's scale. Twips
// round to the nearest pixel (halves to even).
int TwipsToPixelsX(double twips);
int TwipsToPixelsY(double twips);
int PixelsToTwipsX(int pixels);
int PixelsToTwipsY(int pixels);

}  // namespace orbweave
