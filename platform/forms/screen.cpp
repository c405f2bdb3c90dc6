#include "platform/forms/screen.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

namespace orbweave {

namespace {

constexpr double kFallbackDotsPerInch = 96.0;
// Far beyond any screen; keeps absurd twips from overflowing an int.
constexpr double kPixelLimit = 1 << 24;

QScreen* PrimaryScreen() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::primaryScreen() : nullptr;
}

std::int16_t TwipsPerPixel(double dotsPerInch) {
    if (!(dotsPerInch > 0.0)) dotsPerInch = kFallbackDotsPerInch;
    const double twips = std::nearbyint(kTwipsPerInch / dotsPerInch);
    return static_cast<std::int16_t>(twips < 1.0 ? 1.0 : (twips > kTwipsPerInch ? kTwipsPerInch : twips));
}

int RoundToPixels(double twips, int twipsPerPixel) {
    if (!std::isfinite(twips)) return 0;
    const double pixels = std::nearbyint(twips / twipsPerPixel);
    return static_cast<int>(pixels < -kPixelLimit ? -kPixelLimit : (pixels > kPixelLimit ? kPixelLimit : pixels));
}

int ScaleToTwips(int pixels, int twipsPerPixel) {
    const std::int64_t twips = static_cast<std::int64_t>(pixels) * twipsPerPixel;
    return static_cast<int>(std::clamp<std::int64_t>(twips, INT32_MIN, INT32_MAX));
}

}  // namespace

std::int16_t ScreenTwipsPerPixelX() {
    const QScreen* screen = PrimaryScreen();
    return TwipsPerPixel(screen ? screen->logicalDotsPerInchX() : kFallbackDotsPerInch);
}

std::int16_t ScreenTwipsPerPixelY() {
    const QScreen* screen = PrimaryScreen();
    return TwipsPerPixel(screen ? screen->logicalDotsPerInchY() : kFallbackDotsPerInch);
}

std::int32_t ScreenWidthTwips() {
    const QScreen* screen = PrimaryScreen();
    return screen ? PixelsToTwipsX(screen->geometry().width()) : 0;
}

std::int32_t ScreenHeightTwips() {
    const QScreen* screen = PrimaryScreen();
    return screen ? PixelsToTwipsY(screen->geometry().height()) : 0;
}

int TwipsToPixelsX(double twips) { return RoundToPixels(twips, ScreenTwipsPerPixelX()); }
int TwipsToPixelsY(double twips) { return RoundToPixels(twips, ScreenTwipsPerPixelY()); }
int PixelsToTwipsX(int pixels) { return ScaleToTwips(pixels, ScreenTwipsPerPixelX()); }
int PixelsToTwipsY(int pixels) { return ScaleToTwips(pixels, ScreenTwipsPerPixelY()); }

}  // namespace orbweave
