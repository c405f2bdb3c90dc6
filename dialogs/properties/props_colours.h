// The colour previews of the properties dialog: the swatches beside the
// galaxy type's colour percentages, the galaxy hue swatch and the two strips
// of hue bands that show a hue range while it is typed.
#pragma once

#include <string_view>

namespace orbweave {

class Form;
class PictureBox;

inline constexpr int kHueBandCount = 80;

// Fills the picture box with the 80 bands of the hue ramp from the start hue
// to the end hue (texts with "0" put in front, read as 16-bit whole numbers).
// A text that does not read so draws nothing: the previous picture stays.
void DrawHueBands(std::string_view startText, std::string_view endText, PictureBox& pic);

// txtPixHue(index) 0..3 coloured into picPixHue(index): red, green, blue or
// grey of the box's percentage clamped into 0..100. Other indices: nothing.
void ShowPercentSwatch(Form& dialog, int index);

// picGalHue in the colour of the hue typed into txtGalaxy(95).
void ShowGalaxyHue(Form& dialog);

// picColNova from txtGalaxy(47) and (48); picColUni from txtUni(16) and (17).
void DrawCometHueBands(Form& dialog);
void DrawUniverseHueBands(Form& dialog);

}  // namespace orbweave
