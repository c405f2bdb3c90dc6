// The full-screen saver's message: a line of the user's text over the
// animation in a slowly turning colour, optionally with a countdown of
// minutes. Drawn on the back surface after the blend, so it leaves no trail.
#pragma once

#include <cstdint>
#include <string>

namespace orbweave {

void DrawMessageOverlay();

// The text shown for `minutesLeft` of the countdown (its ZeroText once the
// time is up).
std::string CountdownText(double minutesLeft);

// The overlay's colour phase and countdown live as long as the process;
// tests start them afresh.
void ResetMessageOverlay();

}  // namespace orbweave
