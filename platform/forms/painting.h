// Decorative painting into a kept image: the radial backdrop and colour frame
// of the welcome window and the About box, and the hue-wheel preview.
// Everything is drawn into the canvas, so a repaint shows it again.
#pragma once

#include <cstdint>

#include "core/colour.h"

namespace orbweave {

class Canvas;

// Concentric filled discs around (centreX, centreY), in the canvas's scale:
// the first, in the outer colour, reaches the farthest corner; each of the
// steps is smaller by 1/steps of that radius and a step nearer the inner
// colour. The canvas's fill style and fill colour are left as they were.
void DrawRadialBackdrop(Canvas& canvas, std::int32_t outerColour, std::int32_t innerColour, std::int16_t steps,
                        std::int32_t centreX, std::int32_t centreY);

// A band five pixels wide along each edge, each edge in a colour of its own
// (left, top, right, bottom, the later covering the earlier at the corners).
// Leaves the draw width at 1.
void DrawColorFrame(Canvas& canvas);

// The five-stop wheel with the given stops as 360 spokes from the centre,
// hue 0 pointing right and hues running counter-clockwise, reaching 90 per
// cent of the canvas in each direction.
void DrawColorWheel(Canvas& canvas, const HueStops& stops);

}  // namespace orbweave
