#include "dialogs/info/welcome_window.h"

#include <array>
#include <string>

#include "core/product.h"
#include "dialogs/info/info_painting.h"
#include "platform/forms/control_rows.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/window_utils.h"

namespace orbweave {

namespace {

constexpr std::string_view kFormName = "frmWelcome";

constexpr ControlSpec kWelcomeControls[] = {
    LabelRow("lblProduct", 0, {360, 240, 6000, 495}, ""),
    LabelRow("lblProduct", 1, {360, 240, 6000, 495}, ""),
    LabelRow("lblSmall", 0, {360, 900, 6840, 3000}, "").Styled(kStyleWordWrap),
    LabelRow("lblSmall", 1, {360, 900, 6840, 3000}, "").Styled(kStyleWordWrap),
    ButtonRow("cmdDismiss", kNoIndex, {6360, 3480, 1095, 375}, "OK"),
};

constexpr std::array<std::string_view, 16> kWelcomeLines = {
    kJoined<"Thank you for installing ", kProductTitleText,
            ".  You can use this product to simulate a Universe populated by several user-defined Galaxies.  Watch as "
            "the camera tours the Universe, visiting the Galaxies based on a trajectory that you provide. ">,
    "",
    "Please consider the following:",
    "*   The Factory settings have been optimized for a 500 MHz CPU.",
    "*   Disable mouse-move sensitivity from menu:  Edit-> Advanced Settings.",
    "*   This product is provided 'as is' without warranty of any kind.",
    "",
    kJoined<"*   Features in ", kProductTitleText, ":">,
    "      -  SDL2 graphics techniques are employed.",
    "      -  Select from various display resolutions.",
    "      -  Works on Linux with X11 (requires the SDL2 library).",
    "      -  Major Performance Enhancement in True Color - 32 bpp Mode.",
    "      -  Define Pulsars as a new type of star.",
    "      -  Set Galaxy randomization values.",
    "",
    "Cheers.",
};

// The window's inner area ends this many button heights below the button's top.
constexpr double kButtonHeightsBelowTop = 1.4;
constexpr int kClientWidth = 7680;

const FontSpec kTitleFont{.name = "Arial", .size = 18.0, .bold = true};
const FontSpec kTextFont{.name = {}, .size = 9.75, .bold = false};

std::string JoinedWelcomeText() {
    std::string text;
    for (std::size_t i = 0; i < kWelcomeLines.size(); ++i) {
        if (i > 0) text += "\r\n";
        text += kWelcomeLines[i];
    }
    return text;
}

}  // namespace

const char* WelcomeText() {
    static const std::string text = JoinedWelcomeText();
    return text.c_str();
}

WelcomeWindow::WelcomeWindow() : Dialog(kFormName, kWelcomeControls, {}) {}

void WelcomeWindow::Load() {
    Form& form = Frm();
    F_bResetSettings = false;
    painted_ = false;
    form.SetCaption(kWelcomeTitle);
    for (int i = 0; i < 2; ++i) {
        form.Get("lblProduct", i).SetFont(kTitleFont);
        form.Get("lblSmall", i).SetFont(kTextFont);
        form.Get<Label>("lblSmall", i).SetCaption(WelcomeText());
        FitLabelHeight(form.Get<Label>("lblSmall", i));
    }
    form.Get<CommandButton>("cmdDismiss").SetCaption("OK");
    PlaceButtonAndHeight();
    SetShadows();
    auto& ok = form.Get<CommandButton>("cmdDismiss");
    ok.SetDefault(true);
    ok.SetCancel(true);
    ok.events.click = [this] { cmdDismiss_Click(); };
    form.events.activate = [this] { Form_Activate(); };
    ActivateOnceShown(form, [this] { Form_Activate(); });
}

// The button's bottom edge lines up with the text's, and the inner area ends
// 0.4 button heights below the button, whatever height the text wrapped to.
void WelcomeWindow::PlaceButtonAndHeight() {
    Form& form = Frm();
    const Control& text = form.Get("lblSmall", 0);
    Control& ok = form.Get("cmdDismiss");
    ok.SetTop(text.Top() + text.Height() - ok.Height());
    form.SetClientSize(kClientWidth, static_cast<int>(ok.Top() + kButtonHeightsBelowTop * ok.Height()));
    CenterFormOnScreen(form);
}

void WelcomeWindow::SetShadows() {
    Form& form = Frm();
    SetShadowPair(form, {.name = "lblSmall", .right = 1, .down = 1}, WelcomeText());
    SetShadowPair(
        form, {.name = "lblProduct", .frontColour = kBrightGreen, .shadowColour = kShadowGreen, .right = 2, .down = 1},
        kWelcomeTitle);
}

void WelcomeWindow::Form_Activate() {
    if (painted_) return;
    painted_ = true;
    PaintInfoBackdrop(Frm());
}

void WelcomeWindow::cmdDismiss_Click() { Frm().Unload(); }

}  // namespace orbweave
