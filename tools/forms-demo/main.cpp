// forms-demo: a small form with one control of each kind, painted with the
// decorative backdrop, frame and hue wheel; the end-to-end suite screenshots
// it. Prints "ready" once the form is on screen; quits after --seconds N
// (default 30) or when closed.
#include <QApplication>
#include <QTimer>

#include <charconv>
#include <cstdio>
#include <string_view>

#include "core/colour.h"
#include "core/convert.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/painting.h"
#include "platform/forms/picture_box.h"
#include "platform/forms/pump.h"
#include "platform/forms/services.h"
#include "platform/forms/window_utils.h"

namespace {

using orbweave::ControlKind;
using orbweave::ControlSpec;
using orbweave::kNoIndex;
using K = ControlKind;

constexpr ControlSpec kDemoForm[] = {
    {"mnuFile", kNoIndex, K::Menu, {}, 0, 0, 0, 0, "&File"},
    {"mnuFileArray", 0, K::Menu, {"mnuFile"}, 0, 0, 0, 0, "&Open Template..."},
    {"mnuFileArray", 1, K::Menu, {"mnuFile"}, 0, 0, 0, 0, "-"},
    {"mnuFileArray", 2, K::Menu, {"mnuFile"}, 0, 0, 0, 0, "E&xit"},
    {"mnuHelp", kNoIndex, K::Menu, {}, 0, 0, 0, 0, "&Help"},
    {"lblTitle", kNoIndex, K::Label, {}, 300, 150, 5000, 400, "Orbweave forms"},
    {"fraProps", kNoIndex, K::Frame, {}, 300, 600, 4200, 3300, "Universe Properties"},
    {"lblStars", kNoIndex, K::Label, {"fraProps"}, 150, 330, 1800, 300, "Stars (1 - 9999):"},
    {"txtUni", 0, K::TextBox, {"fraProps"}, 2000, 300, 900, 315, "500"},
    {"spnUni", 0, K::SpinControl, {"fraProps"}, 2910, 300, 240, 315, ""},
    {"cboUniTheme", kNoIndex, K::ComboBox, {"fraProps"}, 150, 800, 3900, 315, ""},
    {"chkUniTour", kNoIndex, K::CheckBox, {"fraProps"}, 150, 1300, 3000, 300, "Tour the Universe"},
    {"lstUniGalaxy", kNoIndex, K::ListBox, {"fraProps"}, 150, 1750, 3900, 1350, ""},
    {"picPreview", kNoIndex, K::PictureBox, {}, 4800, 750, 2700, 2700, ""},
    {"cmdAccept", kNoIndex, K::CommandButton, {}, 300, 4100, 1800, 400, "&Accept Settings"},
    {"cmdDismiss", kNoIndex, K::CommandButton, {}, 2700, 4100, 1800, 400, "Cancel"},
};

constexpr const char* kThemes[] = {"< NONE >", "Classical (14.3 Billion Years Ago...)", "Stylized:  Neon / Warp Speed"};
constexpr struct {
    const char* name;
    std::int16_t percent;
} kGalaxies[] = {{"Milky Way", 100}, {"Andromeda", 80}, {"Whirlpool", 60}, {"Sombrero", 40}, {"Pinwheel", 20}};

constexpr std::int32_t kBackdropOuter = 8396800;
constexpr std::int32_t kBackdropInner = 128;

int SecondsFrom(int argc, char** argv) {
    int seconds = 30;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string_view(argv[i]) == "--seconds")
            std::from_chars(argv[i + 1], argv[i + 1] + std::string_view(argv[i + 1]).size(), seconds);
    return seconds;
}

void Fill(orbweave::Form& form) {
    using namespace orbweave;
    auto& themes = *form.Find<ComboBox>("cboUniTheme");
    for (const char* theme : kThemes) themes.AddItem(theme);
    themes.SetListIndex(1);
    auto& galaxies = *form.Find<ListBox>("lstUniGalaxy");
    for (const auto& galaxy : kGalaxies) AddPaddedListItem(galaxies, galaxy.name, galaxy.percent, true);
    galaxies.SetListIndex(0);
    form.Find<CheckBox>("chkUniTour")->SetValue(CheckBox::kChecked);

    auto& stars = *form.Find<TextBox>("txtUni", 0);
    auto& spin = *form.Find<SpinControl>("spnUni", 0);
    SetupNumericField(stars, spin, 1, 9999, 4, 0);
    spin.SetValue(500);
    stars.events.keyPress = [](int& key) { KeyPressDigitsOnly(key); };
    stars.events.change = [&stars, &spin] { spin.SetValue(static_cast<int>(LeadingNumber(stars.Text()))); };
    spin.events.change = [&stars, &spin] { stars.SetText(NumberToText(spin.Value())); };

    auto& title = *form.Find<Label>("lblTitle");
    title.SetForeColor(0x00FFFF);
    title.SetFont({"", 14.0, true});

    auto& accept = *form.Find<CommandButton>("cmdAccept");
    accept.SetDefault(true);
    accept.events.click = [&form, &accept] {
        form.CommitActiveEdit(accept);
        form.Unload();
    };
    auto& dismiss = *form.Find<CommandButton>("cmdDismiss");
    dismiss.SetCancel(true);
    dismiss.events.click = [&form] { form.Unload(); };
    form.Find("mnuFileArray", 2)->events.click = [&form] { form.Unload(); };
}

void Paint(orbweave::Form& form) {
    using namespace orbweave;
    DrawRadialBackdrop(form.Drawing(), kBackdropOuter, kBackdropInner, 32, 840, 660);
    DrawColorFrame(form.Drawing());
    Canvas& wheel = form.Find<PictureBox>("picPreview")->Drawing();
    wheel.SetBackColor(0);
    wheel.Cls();
    DrawColorWheel(wheel, kDefaultHueStops);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    orbweave::InstallQtServices();
    orbweave::Form form("frmDemo");
    form.Build(kDemoForm);
    form.SetCaption("Orbweave Forms Demo");
    form.SetClientSize(7800, 4800);
    Fill(form);
    form.events.unload = [](bool&) { QApplication::quit(); };
    orbweave::CenterFormOnScreen(form);
    form.Show();
    Paint(form);
    orbweave::DoEvents();
    std::puts("ready");
    std::fflush(stdout);
    QTimer::singleShot(SecondsFrom(argc, argv) * 1000, [&form] { form.Unload(); });
    return application.exec();
}
