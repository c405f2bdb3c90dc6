// forms-demo: a small form with one control of each kind, declared as a
// table, its numeric boxes bound from rows, painted with the decorative
// backdrop, frame and hue wheel; the end-to-end suite screenshots it. Prints
// "ready" once the form is on screen; quits after --seconds N (default 30,
// at most a day) or when closed.
#include <QApplication>
#include <QTimer>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>

#include "core/colour.h"
#include "demo_form.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/numeric_boxes.h"
#include "platform/forms/painting.h"
#include "platform/forms/picture_box.h"
#include "platform/forms/pump.h"
#include "platform/forms/services.h"
#include "platform/forms/window_utils.h"

namespace {

using namespace orbweave;

constexpr const char* kThemes[] = {"< NONE >", "Classical (14.3 Billion Years Ago...)", "Stylized:  Neon / Warp Speed"};
constexpr struct {
    const char* name;
    std::int16_t percent;
} kGalaxies[] = {{"Milky Way", 100}, {"Andromeda", 80}, {"Whirlpool", 60}, {"Sombrero", 40}, {"Pinwheel", 20}};

// The spin ranges of the numeric boxes: low, high and the longest text.
constexpr struct {
    int index;
    std::int16_t low;
    std::int16_t high;
    std::int16_t maxLength;
} kSpinRanges[] = {{0, 1, 9999, 4}, {1, 1, 999, 3}};

constexpr std::int32_t kBackdropOuter = 8396800;
constexpr std::int32_t kBackdropInner = 128;
constexpr std::int32_t kTitleColour = 0x00FFFF;
constexpr std::int32_t kStatusColour = 0xFFFFFF;
constexpr int kDefaultSeconds = 30;
// Keeps the quit timer's milliseconds well inside an int.
constexpr int kLongestRunSeconds = 24 * 60 * 60;

int SecondsFrom(int argc, char** argv) {
    int seconds = kDefaultSeconds;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string_view(argv[i]) == "--seconds")
            std::from_chars(argv[i + 1], argv[i + 1] + std::string_view(argv[i + 1]).size(), seconds);
    return std::clamp(seconds, 0, kLongestRunSeconds);
}

void FillLists(Form& form) {
    auto& themes = form.Get<ComboBox>("cboUniTheme");
    for (const char* theme : kThemes) themes.AddItem(theme);
    themes.SetListIndex(1);
    auto& galaxies = form.Get<ListBox>("lstUniGalaxy");
    for (const auto& galaxy : kGalaxies) AddPaddedListItem(galaxies, galaxy.name, galaxy.percent, true);
    galaxies.SetListIndex(0);
    form.Get<CheckBox>("chkUniTour").SetValue(CheckBox::kChecked);
}

void SetUpNumericBoxes(Form& form) {
    BindNumericBoxes(form, demo::kDemoNumericBoxes);
    for (const auto& range : kSpinRanges)
        SetupNumericField(form.Get<TextBox>("txtUni", range.index), form.Get<SpinControl>("spnUni", range.index),
                          range.low, range.high, range.maxLength, 0);
    // One handler for the whole array: the status line names the box that changed.
    form.BindArray("txtUni", {.change = [&form](int index) {
                       form.Get("lblStatus")
                           .SetCaption("txtUni(" + std::to_string(index) + ") = " + form.Get("txtUni", index).Text());
                   }});
}

void SetUpButtons(Form& form) {
    auto& title = form.Get<Label>("lblTitle");
    title.SetForeColor(kTitleColour);
    title.SetFont({"", 14.0, true});
    form.Get("lblStatus").SetForeColor(kStatusColour);

    auto& accept = form.Get<CommandButton>("cmdAccept");
    accept.SetDefault(true);
    accept.events.click = [&form, &accept] {
        form.CommitActiveEdit(accept);
        form.Unload();
    };
    auto& dismiss = form.Get<CommandButton>("cmdDismiss");
    dismiss.SetCancel(true);
    dismiss.events.click = [&form] { form.Unload(); };
    form.Get("mnuFileArray", 2).events.click = [&form] { form.Unload(); };
}

void Paint(Form& form) {
    DrawRadialBackdrop(form.Drawing(), kBackdropOuter, kBackdropInner, 32, 840, 660);
    DrawColorFrame(form.Drawing());
    Canvas& wheel = form.Get<PictureBox>("picPreview").Drawing();
    wheel.SetBackColor(0);
    wheel.Cls();
    DrawColorWheel(wheel, kDefaultHueStops);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    InstallQtServices();
    Form form("frmDemo");
    for (const SkippedRow& skipped : form.Build(demo::kDemoControls))
        std::fprintf(stderr, "forms-demo: %s\n", Describe(skipped).c_str());
    form.SetCaption("Orbweave Forms Demo");
    form.SetClientSize(7800, 4800);
    FillLists(form);
    SetUpNumericBoxes(form);
    SetUpButtons(form);
    form.events.unload = [](bool&) { QApplication::quit(); };
    CenterFormOnScreen(form);
    form.Show();
    Paint(form);
    DoEvents();
    std::puts("ready");
    std::fflush(stdout);
    QTimer::singleShot(SecondsFrom(argc, argv) * 1000, [&form] { form.Unload(); });
    return application.exec();
}
