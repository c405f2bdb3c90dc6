#include "dialogs/info/about_box.h"

#include <QTimer>
#include <QWidget>

#include "core/convert.h"
#include "core/product.h"
#include "dialogs/common/maker.h"
#include "dialogs/common/picture_box_window.h"
#include "dialogs/common/preview_universe.h"
#include "dialogs/info/credits_window.h"
#include "dialogs/info/info_painting.h"
#include "platform/forms/control_rows.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/picture_box.h"
#include "platform/forms/services.h"
#include "platform/registry/settings.h"
#include "platform/system/services.h"
#include "renderer/display/display_settings.h"
#include "renderer/display/pacing.h"
#include "renderer/display/run_state.h"
#include "renderer/galaxy/galaxy_display.h"
#include "renderer/galaxy/hue_tables.h"
#include "renderer/universe/universe_settings.h"
#include "settings/display_values.h"
#include "settings/factory_presets.h"

namespace orbweave {
namespace {

constexpr std::string_view kFormName = "frmAbout";
constexpr int kClientWidth = 7800;
constexpr int kClientHeight = 4860;

constexpr ControlSpec kAboutControls[] = {
    PictureRow("picZarv", kNoIndex, {240, 240, 3360, 2520}),
    LabelRow("lblProduct", 1, {3840, 180, 3720, 645}, ""),
    LabelRow("lblProduct", 0, {3840, 180, 3720, 645}, ""),
    LabelRow("lblVersion", 1, {3840, 840, 3720, 255}, ""),
    LabelRow("lblVersion", 0, {3840, 840, 3720, 255}, ""),
    LabelRow("lblContact", 1, {3840, 1320, 3720, 255}, ""),
    LabelRow("lblContact", 0, {3840, 1320, 3720, 255}, ""),
    LabelRow("lblEmail", 1, {3840, 1620, 600, 240}, ""),
    LabelRow("lblEmail", 0, {3840, 1620, 600, 240}, ""),
    LabelRow("lblEmail", 3, {4440, 1620, 600, 240}, ""),
    LabelRow("lblEmail", 2, {4440, 1620, 600, 240}, ""),
    LabelRow("lblWeb", 1, {3840, 1920, 600, 240}, ""),
    LabelRow("lblWeb", 0, {3840, 1920, 600, 240}, ""),
    LabelRow("lblWeb", 5, {4440, 1920, 600, 240}, ""),
    LabelRow("lblWeb", 4, {4440, 1920, 600, 240}, ""),
    LabelRow("lblWeb", 3, {3840, 2220, 600, 240}, ""),
    LabelRow("lblWeb", 2, {3840, 2220, 600, 240}, ""),
    LabelRow("lblWeb", 7, {4440, 2220, 600, 240}, ""),
    LabelRow("lblWeb", 6, {4440, 2220, 600, 240}, ""),
    LabelRow("lblSmall", 1, {240, 3000, 7320, 480}, "").Styled(kStyleWordWrap),
    LabelRow("lblSmall", 0, {240, 3000, 7320, 480}, "").Styled(kStyleWordWrap),
    LabelRow("lblCopy", 1, {240, 3600, 7320, 255}, ""),
    LabelRow("lblCopy", 0, {240, 3600, 7320, 255}, ""),
    ButtonRow("cmdCredits", kNoIndex, {4800, 4260, 1215, 375}, "&Credits"),
    ButtonRow("cmdDismiss", kNoIndex, {6345, 4260, 1215, 375}, "OK"),
};

const FontSpec kProductFont{.name = "Arial", .size = 24.0, .bold = true};

constexpr std::int32_t kAddressCyan = RgbOf(0, 255, 192);
constexpr std::int32_t kCopyFront = RgbOf(32, 192, 255);
constexpr std::int32_t kCopyShadow = RgbOf(32, 144, 224);
constexpr int kEmailWidth = 4500;
constexpr int kWebWidth = 5100;
constexpr int kAddressHeight = 240;

constexpr std::string_view kMailScheme = "mailto:";
constexpr std::string_view kSmallPrint =
    "Complete documentation can be found in the online Help.  Send your questions and suggestions via email to the "
    "author.  Cheers.";

struct LabelPair {
    ShadowPair pair;
    std::string_view text;
};

// The maker's mail address as shown, without the scheme the link opens it with.
std::string_view ShownMail() { return kMakerMail.substr(kMailScheme.size()); }

const std::array<LabelPair, 11>& LabelPairs() {
    static const std::array<LabelPair, 11> pairs = {{
        {{"lblProduct", 0, 1, kBrightGreen, kShadowGreen, 3, 2}, kProductName},
        {{"lblVersion", 0, 1, kBrightGreen, kShadowGreen, 2, 1}, kVersionCaption},
        {{"lblContact", 0, 1, kBrightCyan, kShadowCyan, 2, 1}, "Contact the Product Author for Information:"},
        {{"lblEmail", 0, 1, kBrightCyan, kShadowCyan, 2, 1}, "Email: "},
        {{"lblEmail", 2, 3, kAddressCyan, kShadowCyan, 2, 1}, ShownMail()},
        {{"lblWeb", 0, 1, kBrightCyan, kShadowCyan, 2, 1}, "Web:   "},
        {{"lblWeb", 2, 3, kBrightCyan, kShadowCyan, 2, 1}, "FAQ:   "},
        {{"lblWeb", 4, 5, kAddressCyan, kShadowCyan, 2, 1}, kMakerHomePage},
        {{"lblWeb", 6, 7, kAddressCyan, kShadowCyan, 2, 1}, kMakerFaqPage},
        {{"lblSmall", 0, 1, kBrightCyan, kShadowCyan, 1, 1}, kSmallPrint},
        {{"lblCopy", 0, 1, kCopyFront, kCopyShadow, 1, 1}, ""},
    }};
    return pairs;
}

// The tour: 300 frames of each type with 6000 stars.
constexpr std::int16_t kTypeFrames = 300;
constexpr std::int32_t kTourStars = 6000;
constexpr float kTourScale = 1.3f;

constexpr std::int16_t kCreditStars = 500;
constexpr float kCreditSpeed = 0.005f;
constexpr float kCreditScroll = 2.0f;

}  // namespace

std::string LogPrompt() {
    return "Write to VelmorPerf.log file? 1=Yes, 0=No\r\n\r\n"
           "Log file will appear in the folder the Product is started from.";
}

AboutBox::AboutBox() : Dialog(kFormName, kAboutControls, {}) {}

void AboutBox::Load() {
    Form& form = Frm();
    form.SetCaption(kAboutCaption);
    form.SetSizable(false);
    form.SetClientSize(kClientWidth, kClientHeight);
    form.Get<PictureBox>("picZarv").SetBackColor(0);
    form.Get<PictureBox>("picZarv").Drawing().Cls();
    SetUpLabels();
    WireHandlers();
    ActivateOnceShown(form, [this] { Form_Activate(); });
}

void AboutBox::SetUpLabels() {
    Form& form = Frm();
    for (int i = 0; i < 2; ++i) form.Get("lblProduct", i).SetFont(kProductFont);
    for (int i = 0; i < 4; ++i) {
        Control& label = form.Get("lblEmail", i);
        label.Move(label.Left(), label.Top(), kEmailWidth, kAddressHeight);
    }
    for (int i = 0; i < 8; ++i) {
        Control& label = form.Get("lblWeb", i);
        label.Move(label.Left(), label.Top(), kWebWidth, kAddressHeight);
    }
    for (const LabelPair& label : LabelPairs()) SetShadowPair(form, label.pair, label.text);
}

void AboutBox::WireHandlers() {
    Form& form = Frm();
    form.BindArray("lblEmail", {.click = [this](int index) { lblEmail_Click(index); }});
    form.BindArray("lblWeb", {.click = [this](int index) { lblWeb_Click(index); }});
    form.BindArray("lblCopy", {.dblClick = [this](int) { lblCopy_DblClick(); }});
    form.Get("cmdCredits").events.click = [this] { cmdCredits_Click(); };
    auto& ok = form.Get<CommandButton>("cmdDismiss");
    ok.events.click = [this] { cmdDismiss_Click(); };
    ok.SetDefault(true);
    ok.SetCancel(true);
    form.events.activate = [this] { Form_Activate(); };
    form.events.queryUnload = [this](bool& cancel, int) { Form_QueryUnload(cancel); };
}

void AboutBox::Form_Activate() {
    if (activated_) return;
    activated_ = true;
    runState.StopRequested = false;
    PaintInfoBackdrop(Frm());
    // The tour starts once the activation has been handled, not inside it.
    // A real timer (1 ms), not a zero-delay one: a zero-delay call runs inside
    // Qt's posted-event delivery, where the loop's repaints never reach the screen.
    QTimer::singleShot(1, Frm().Window(), [this] { RunAboutAnimation(); });
}

void AboutBox::TakeBackup() {
    std::copy_n(UniGalaxies.begin(), kGalaxyTypeCount, galaxyBackup_.begin());
    compositeBackup_ = CompGalaxies;
    backupTaken_ = true;
}

void AboutBox::PutBackBackup() {
    std::copy(galaxyBackup_.begin(), galaxyBackup_.end(), UniGalaxies.begin());
    CompGalaxies = compositeBackup_;
}

void AboutBox::RunAboutAnimation() {
    if (running_ || closing_) return;
    // The user's tables are copied once per About box.
    if (!backupTaken_) TakeBackup();
    LoadFactoryDefaults();
    BuildStoredHueWheels(colourTables, UniGalaxies);
    BuildHueColorTables(colourTables, UniGalaxies);
    running_ = true;
    PictureBoxTarget target(Frm().Get<PictureBox>("picZarv"));
    for (;;) {
        // Credits run here, between two types, never inside a type's frame
        // loop: only one animation may run at a time.
        if (creditsRequested_ && !closing_) ShowCredits();
        if (runState.StopRequested || closing_) break;
        LoadDisplaySettings(target, true, kTourScale);
        const auto& type = UniGalaxies[static_cast<std::size_t>(currentType_)];
        if (currentType_ == 0 || type._UniGalPct >= 1) {
            RunGalaxyDisplay(PreviewUniverseInputs().values, StoredRunTables(), currentType_, 1, kTypeFrames,
                             kTourStars, false, 1.0f);
            // A display that cannot be set up shows no frame: waiting a frame
            // here still lets OK through.
            if (!runState.StopRequested) WaitFrameDelay();
        }
        // The type the credits interrupted is shown again.
        if (creditsRequested_) continue;
        currentType_ = static_cast<std::int16_t>((currentType_ + 1) % kGalaxyTypeCount);
    }
    PutBackBackup();
    running_ = false;
    if (closing_) Frm().Unload();
}

void AboutBox::ShowCredits() {
    creditsRequested_ = false;
    runState.StopRequested = false;
    CreditsWindow& credits = CreditsWindow::Instance();
    credits.FormLet({kCreditStars, kCreditSpeed, kCreditScroll, Handed().credits});
    credits.ShowModal();
    CreditsWindow::Release();
    if (closing_) return;
    runState.StopRequested = false;
    // Closing the credits does not activate this window again: its backdrop
    // is painted here.
    PaintInfoBackdrop(Frm());
    Frm().Window()->update();
}

void AboutBox::Form_QueryUnload(bool& cancel) {
    runState.StopRequested = true;
    closing_ = true;
    // The window goes once the tour that draws into it has returned.
    if (running_) cancel = true;
}

void AboutBox::cmdDismiss_Click() { Frm().Unload(); }

void AboutBox::cmdCredits_Click() {
    if (CreditsWindow::Exists()) return;
    creditsRequested_ = true;
    if (running_) {
        runState.StopRequested = true;
    } else {
        ShowCredits();
    }
}

void AboutBox::lblEmail_Click(int index) {
    if (index == 2 || index == 3) OpenWebPage(kMakerMail);
}

void AboutBox::lblWeb_Click(int index) {
    if (index == 4 || index == 5) OpenWebPage(kMakerHomePage);
    if (index == 6 || index == 7) OpenWebPage(kMakerFaqPage);
}

void AboutBox::lblCopy_DblClick() {
    const std::int16_t current = GetSettingInteger(kSectionDirectX, kWriteLogName, 0);
    const std::string answer = InputBox(LogPrompt(), kLogTitle, IntegerToText(current));
    // The answer's leading number, as a box reads it: only exactly 1 switches the log on.
    SaveSettingValue(kSectionDirectX, kWriteLogName, LeadingNumber(answer) == 1.0 ? 1 : 0);
}

void ShowAbout(const std::vector<std::string>& creditLines) {
    AboutBox& about = AboutBox::Instance();
    about.FormLet({creditLines});
    about.ShowModal();
    AboutBox::Release();
}

}  // namespace orbweave
