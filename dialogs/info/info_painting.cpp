#include "dialogs/info/info_painting.h"

#include <QLabel>
#include <QTimer>
#include <QWidget>

#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/painting.h"
#include "platform/forms/screen.h"

namespace orbweave {
namespace {

constexpr std::int32_t kBackdropOuter = RgbOf(0, 32, 128);
constexpr std::int32_t kBackdropInner = RgbOf(128, 0, 0);
constexpr std::int16_t kBackdropSteps = 32;
// Near the upper left of the window, in twips.
constexpr std::int32_t kBackdropCentreX = 840;
constexpr std::int32_t kBackdropCentreY = 660;

}  // namespace

void PaintInfoBackdrop(Form& form) {
    Canvas& canvas = form.Drawing();
    DrawRadialBackdrop(canvas, kBackdropOuter, kBackdropInner, kBackdropSteps, kBackdropCentreX, kBackdropCentreY);
    DrawColorFrame(canvas);
}

void SetShadowPair(Form& form, const ShadowPair& pair, std::string_view text) {
    Control* front = form.Find(pair.name, pair.front);
    Control* shadow = form.Find(pair.name, pair.shadow);
    if (front == nullptr || shadow == nullptr) return;
    front->SetCaption(text);
    shadow->SetCaption(text);
    front->SetForeColor(pair.frontColour);
    shadow->SetForeColor(pair.shadowColour);
    front->ZOrder(true);
    shadow->Move(front->Left() + pair.right * ScreenTwipsPerPixelX(), front->Top() + pair.down * ScreenTwipsPerPixelY(),
                 front->Width(), front->Height());
}

void ActivateOnceShown(Form& form, std::function<void()> activate) {
    QTimer::singleShot(0, form.Window(), std::move(activate));
}

void FitLabelHeight(Label& label) {
    auto* widget = static_cast<QLabel*>(label.Widget());
    const int pixels = widget->heightForWidth(widget->width());
    if (pixels > 0) label.SetHeight(PixelsToTwipsY(pixels));
}

}  // namespace orbweave
