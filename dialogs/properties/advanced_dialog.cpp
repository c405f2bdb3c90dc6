#include "dialogs/properties/advanced_dialog.h"

#include <array>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/colour.h"
#include "core/convert.h"
#include "core/product.h"
#include "dialogs/common/control_names.h"
#include "dialogs/common/value_boxes.h"
#include "platform/forms/control_rows.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/numeric_boxes.h"
#include "platform/forms/pump.h"
#include "platform/forms/screen.h"
#include "platform/forms/services.h"
#include "platform/forms/window_utils.h"
#include "platform/registry/settings.h"
#include "settings/display_values.h"

namespace orbweave {
namespace {

constexpr std::string_view kFormName = "frmAdvanced";
constexpr std::string_view kPlacementName = "Advanced";
constexpr std::string_view kCaption = "Advanced Settings";
constexpr int kHelpContextAdvanced = 8000;

// The two columns, in twips.
constexpr int kClientWidth = 8820;
constexpr int kBottomMarginPixels = 5;
constexpr int kFocalLengthLength = 6;
constexpr std::int32_t kMessageBackColor = 0;  // black
// The system's sans-serif family at the size the layout was made for.
constexpr double kFontPoints = 8.0;

constexpr std::string_view kBlendNote =
    "Orbweave V. 5.0 and later use a blending algorithm to achieve realistic stellar motion effects.  If you do "
    "not want motion blur in any of the Galaxies or the Universe, click the button below.  This will set the "
    "Blending Value to 0 for all of the Galaxy Types (including the Composite Types) along with the Blending during "
    "the initial Universe Burst and while traveling between the Galaxies.  \r\n\r\n"
    "Setting the Blending value to 0 may substantially increase the overall performance of the display, depending "
    "on your hardware.\r\n\r\n"
    "You can reset the properties to the Factory Settings from the Edit Menu.  This will restore the Blending to "
    "the Galaxies and Universe expansion effects.";

constexpr ControlSpec Wrapped(ControlSpec row) { return row.Styled(kStyleWordWrap); }

constexpr ControlSpec kControls[] = {
    // Left column.
    FrameRow("fraDelay", kNoIndex, {60, 60, 4200, 1290}, "Display Enhancement / Operation Properties"),
    LabelRow("lblAdv", 0, {120, 300, 3120, 255}, "Frame Delay in milliseconds (0 - 999):").In("fraDelay"),
    TextRow("txtAdv", 0, {3300, 270, 480, 285}).In("fraDelay").Tab(0),
    SpinRow("spnAdv", 0, {3780, 270, 192, 285}).In("fraDelay"),
    LabelRow("lblAdv", 1, {120, 630, 3120, 255}, "Focal Length Distance (0.01 - 10.0):").In("fraDelay"),
    TextRow("txtAdv", 1, {3300, 600, 672, 285}).In("fraDelay").Tab(1),
    CheckRow("chkMouseM", kNoIndex, {120, 930, 3900, 255}, "Ignore mouse moves in screen saver mode")
        .In("fraDelay")
        .Tab(2),
    FrameRow("fraGalaxyProps", kNoIndex, {60, 1410, 4200, 3750}, "Galaxies Particle Blending Properties"),
    Wrapped(LabelRow("lblGalaxyBlend", kNoIndex, {120, 240, 3960, 3120}, "")).In("fraGalaxyProps"),
    ButtonRow("cmdSetGalaxyBlend0", kNoIndex, {120, 3370, 3960, 345}, "Set all Galaxy Blending Values to 0")
        .In("fraGalaxyProps")
        .Tab(3),

    // Right column: the buttons, then the message.
    ButtonRow("cmdOK", kNoIndex, {4380, 120, 1035, 345}, "OK").Tab(4),
    ButtonRow("cmdDefaults", kNoIndex, {5495, 120, 1035, 345}, "&Defaults").Tab(5),
    ButtonRow("cmdHelp", kNoIndex, {6610, 120, 1035, 345}, "&Help").Tab(6),
    ButtonRow("cmdDismiss", kNoIndex, {7725, 120, 1035, 345}, "Cancel").Tab(7),
    FrameRow("fraMessage", kNoIndex, {4380, 540, 4380, 4620}, "On Screen Message"),
    LabelRow("lblMessage", 4, {120, 270, 900, 255}, "Text:").In("fraMessage"),
    TextRow("txtMessage", 4, {120, 510, 4140, 690}).In("fraMessage").Styled(kStyleMultiLine).Tab(8).Limit(100),
    LabelRow("lblFont", kNoIndex, {120, 1290, 600, 255}, "Font:").In("fraMessage"),
    ComboRow("cboFont", kNoIndex, {720, 1260, 2280, 300}).In("fraMessage").Tab(9),
    LabelRow("lblMessage", 0, {3090, 1290, 540, 255}, "Size:").In("fraMessage"),
    TextRow("txtMessage", 0, {3630, 1260, 420, 285}).In("fraMessage").Tab(10),
    SpinRow("spnMessage", 0, {4050, 1260, 192, 285}).In("fraMessage"),
    LabelRow("lblMessage", 1, {120, 1650, 3450, 255}, "Offset from top (0 - 99):").In("fraMessage"),
    TextRow("txtMessage", 1, {3630, 1620, 420, 285}).In("fraMessage").Tab(11),
    SpinRow("spnMessage", 1, {4050, 1620, 192, 285}).In("fraMessage"),
    LabelRow("lblMessage", 2, {120, 1980, 2820, 255}, "Hue (0 - 359), Increment (0 - 99):").In("fraMessage"),
    TextRow("txtMessage", 2, {2970, 1950, 420, 285}).In("fraMessage").Tab(12),
    SpinRow("spnMessage", 2, {3390, 1950, 192, 285}).In("fraMessage"),
    TextRow("txtMessage", 3, {3630, 1950, 420, 285}).In("fraMessage").Tab(13),
    SpinRow("spnMessage", 3, {4050, 1950, 192, 285}).In("fraMessage"),
    LabelRow("lblMessage", 5, {120, 2310, 3450, 255}, "Message count minutes (0 - 60), 0=None:").In("fraMessage"),
    TextRow("txtMessage", 5, {3630, 2280, 420, 285}).In("fraMessage").Tab(14),
    SpinRow("spnMessage", 5, {4050, 2280, 192, 285}).In("fraMessage"),
    Wrapped(LabelRow("lblMessage", 6, {120, 2640, 3450, 780},
                     "Substitution text for countdown minutes.  For example:  Class will resume in X.  Message will "
                     "be:  Class will resume in 5 minutes."))
        .In("fraMessage"),
    TextRow("txtMessage", 6, {3630, 2640, 612, 285}).In("fraMessage").Tab(15).Limit(5),
    LabelRow("lblMessage", 7, {120, 3480, 4140, 255}, "Text to display when countdown reaches 0 minutes:")
        .In("fraMessage"),
    TextRow("txtMessage", 7, {120, 3720, 4140, 780}).In("fraMessage").Styled(kStyleMultiLine).Tab(16).Limit(100),

    // Below the window's bottom edge and never shown: they only hold values.
    FrameRow("fraHueWheel", kNoIndex, {60, 5160, 4200, 1200}, "Customize Hue Wheel"),
    TextRow("txtHueWheel", 0, {120, 300, 600, 285}).In("fraHueWheel"),
    TextRow("txtHueWheel", 1, {780, 300, 600, 285}).In("fraHueWheel"),
    TextRow("txtHueWheel", 2, {1440, 300, 600, 285}).In("fraHueWheel"),
    TextRow("txtHueWheel", 3, {2100, 300, 600, 285}).In("fraHueWheel"),
    TextRow("txtHueWheel", 4, {2760, 300, 600, 285}).In("fraHueWheel"),
    PictureRow("picHueWheel", kNoIndex, {120, 660, 3960, 420}).In("fraHueWheel"),
    CheckRow("chkThemes", kNoIndex, {4380, 5160, 4380, 255}, "Cycle through Themes:"),
    FrameRow("fraExtraCycleThemes", kNoIndex, {4380, 5460, 4380, 900}, ""),
    CheckRow("chkRandom", kNoIndex, {60, 6480, 4200, 255}, "Randomize Properties"),
    FrameRow("fraExtraGalaxies", kNoIndex, {60, 6780, 4200, 780}, ""),
    LabelRow("lblAdv", 9, {120, 150, 3000, 255}, "Randomization Magnitude (1 - 100):").In("fraExtraGalaxies"),
    TextRow("txtAdv", 9, {3180, 120, 600, 285}).In("fraExtraGalaxies"),
    LabelRow("lblAdv", 10, {120, 450, 3000, 255}, "Bias Exponent to Normal (1 - 100):").In("fraExtraGalaxies"),
    TextRow("txtAdv", 10, {3180, 420, 600, 285}).In("fraExtraGalaxies"),
};

constexpr ControlRef kNeverShown[] = {
    {"fraHueWheel"}, {"chkThemes"}, {"fraExtraCycleThemes"}, {"chkRandom"}, {"fraExtraGalaxies"},
};

// The twenty values, in the order they are loaded and written.
using R = DisplayRecord;
constexpr std::array<const DisplayValue*, 20> kAdvancedValues = {
    &RowOf(&R::Adv_TimeDelay), &RowOf(&R::FocalLength),   &RowOf(&R::Adv_FontName),  &RowOf(&R::Adv_FontSize),
    &RowOf(&R::Adv_FontTOff),  &RowOf(&R::Adv_FontHueV),  &RowOf(&R::Adv_FontHInc),  &RowOf(&R::LockMessage),
    &RowOf(&R::Adv_CMinutes),  &RowOf(&R::Adv_TimeText),  &RowOf(&R::Adv_ZeroText),  &RowOf(&R::Adv_Randomize),
    &RowOf(&R::Adv_RandomMag), &RowOf(&R::Adv_RandomExp), &RowOf(&R::Adv_MouseMove), &RowOf(&R::Adv_HueWheel0),
    &RowOf(&R::Adv_HueWheel1), &RowOf(&R::Adv_HueWheel2), &RowOf(&R::Adv_HueWheel3), &RowOf(&R::Adv_HueWheel4),
};

// The size box and the hue box: their changes show the message anew.
constexpr int kSizeBox = 0;
constexpr int kHueBox = 2;
constexpr int kMessageText = 4;
constexpr int kZeroText = 7;

// A box takes as many digits as its high bound has.
std::int16_t DigitsOf(int high) { return static_cast<std::int16_t>(IntegerToText(high).size()); }

// The font list's entry for a font name: the equal family, else (for a
// font not installed) the family the font system draws in its place, so that
// what is shown and stored draws like what was asked; the first when neither
// is listed.
int FontListIndex(const ComboBox& fonts, const std::string& name) {
    for (const std::string& family : {name, MatchedFontFamily(name)}) {
        const int index = FindListIndex(fonts, family);
        if (fonts.List(index) == family) return index;
    }
    return 0;
}

// What a stored value or default does to its control: a box shows the text
// (a text value no more of it than the box holds, a number all of it until
// the box is left), the font list selects the font's entry, a check box takes
// the whole number.
void ShowValue(Form& form, const DisplayValue& row, const std::string& text) {
    const ControlRef ref = ControlOf(row.control);
    switch (row.control.control) {
    case DialogControl::FontList: {
        auto& fonts = form.Get<ComboBox>(ref.name, ref.index);
        fonts.SetListIndex(FontListIndex(fonts, text));
        break;
    }
    case DialogControl::MouseMoveCheck:
    case DialogControl::RandomCheck:
        if (const auto value = TextToInt16(text, Rounding::Floor))
            form.Get<CheckBox>(ref.name, ref.index).SetValue(*value);
        break;
    default: {
        auto& box = form.Get<TextBox>(ref.name, ref.index);
        if (std::holds_alternative<std::string DisplayRecord::*>(row.field))
            box.SetTextWithinLimit(text);
        else
            box.SetText(text);
        break;
    }
    }
}

std::string StoredText(const DisplayValue& row) {
    if (row.control.control == DialogControl::MouseMoveCheck || row.control.control == DialogControl::RandomCheck) {
        const auto fallback = TextToInt16(row.defaultText).value_or(0);
        return IntegerToText(GetSettingInteger(row.section, row.name, fallback, kHiveUser));
    }
    return GetSettingString(row.section, row.name, row.defaultText, kHiveUser);
}

// The text a control gives its value: "1" for the mouse box only when
// ticked, for the randomisation box when ticked or greyed.
std::string ValueText(const Form& form, const DisplayValue& row) {
    const ControlRef ref = ControlOf(row.control);
    switch (row.control.control) {
    case DialogControl::FontList: return form.Get<ComboBox>(ref.name, ref.index).Text();
    case DialogControl::MouseMoveCheck:
        return form.Get<CheckBox>(ref.name, ref.index).Value() == CheckBox::kChecked ? "1" : "0";
    case DialogControl::RandomCheck:
        return form.Get<CheckBox>(ref.name, ref.index).Value() != CheckBox::kUnchecked ? "1" : "0";
    default: return form.Get<TextBox>(ref.name, ref.index).Text();
    }
}

}  // namespace

std::span<const ControlSpec> AdvancedControls() { return kControls; }

AdvancedDialog::AdvancedDialog() : Dialog(kFormName, kControls, kPlacementName) {}

void AdvancedDialog::Load() {
    Form& form = Frm();
    form.SetCaption(kCaption);
    form.SetFont(FontSpec{.name = {}, .size = kFontPoints, .bold = false});
    form.SetHelpContextId(kHelpContextAdvanced);
    for (const ControlRef& hidden : kNeverShown) form.Get(hidden.name, hidden.index).SetVisible(false);
    FitHeight();
    form.Get("fraGalaxyProps").SetVisible(true);
    form.Get("lblGalaxyBlend").SetCaption(kBlendNote);
    for (int box : {kMessageText, kZeroText}) form.Get("txtMessage", box).SetBackColor(kMessageBackColor);
    WireHandlers();
    SetupNumericFields();
    LoadAdvancedSettings();
}

// A fixed window whose bottom edge lies a few pixels below the message frame,
// which cuts off the panels that only hold values.
void AdvancedDialog::FitHeight() {
    Form& form = Frm();
    form.SetSizable(false);
    const Control& message = form.Get("fraMessage");
    const int borderWidth = form.Width() - form.ScaleWidth();
    const int borderHeight = form.Height() - form.ScaleHeight();
    form.Move(form.Left(), form.Top(), kClientWidth + borderWidth,
              message.Top() + message.Height() + borderHeight + kBottomMarginPixels * ScreenTwipsPerPixelY());
}

void AdvancedDialog::WireHandlers() {
    Form& form = Frm();
    form.Get("cmdOK").events.click = [this] { cmdOK_Click(); };
    form.Get("cmdDefaults").events.click = [this] { cmdDefaults_Click(); };
    form.Get("cmdDismiss").events.click = [this] { cmdDismiss_Click(); };
    form.Get("cmdHelp").events.click = [this] { cmdHelp_Click(); };
    form.Get("cmdSetGalaxyBlend0").events.click = [this] { cmdSetGalaxyBlend0_Click(); };
    form.Get("cboFont").events.click = [this] { cboFont_Click(); };
    const auto previewOn = [this](int index) {
        if (index == kSizeBox || index == kHueBox) ShowMessagePreview();
    };
    form.BindArray("txtMessage", {.change = previewOn});
    form.BindArray("spnMessage", {.change = previewOn});
    form.Get<CommandButton>("cmdOK").SetDefault(true);
    form.Get<CommandButton>("cmdDismiss").SetCancel(true);
}

void AdvancedDialog::SetupNumericFields() {
    Form& form = Frm();
    const std::vector<NumericBoxRow> rows = AdvancedBoxRows();
    for (const NumericBoxRow& entry : rows) {
        auto& box = form.Get<TextBox>(entry.box.name, entry.box.index);
        if (entry.spin.name.empty()) {
            box.SetMaxLength(kFocalLengthLength);
            continue;
        }
        const SpinRange& spin = entry.rule.spin;
        SetupNumericField(box, form.Get<SpinControl>(entry.spin.name, entry.spin.index),
                          static_cast<std::int16_t>(spin.low), static_cast<std::int16_t>(spin.high),
                          DigitsOf(spin.high), 0);
    }
    BindNumericBoxes(form, rows);
}

void AdvancedDialog::LoadAdvancedSettings() {
    Form& form = Frm();
    FillFontList(form.Get<ComboBox>("cboFont"));
    for (const DisplayValue* row : kAdvancedValues) ShowValue(form, *row, StoredText(*row));
}

void AdvancedDialog::ClampNumericBoxes() {
    Form& form = Frm();
    for (const NumericBoxRow& entry : AdvancedBoxRows()) {
        ValidateNumericText(form.Get<TextBox>(entry.box.name, entry.box.index), entry.rule.clamp,
                            static_cast<float>(entry.rule.low), static_cast<float>(entry.rule.high));
    }
}

// All twenty values go in one transaction: a store that cannot take them
// keeps every old value.
bool AdvancedDialog::SaveAdvancedSettings() {
    ClampNumericBoxes();
    const Form& form = Frm();
    SettingsTransaction transaction(kHiveUser);
    bool ok = true;
    for (const DisplayValue* row : kAdvancedValues) {
        ok = SaveSettingValue(row->section, row->name, ValueText(form, *row), kHiveUser) && ok;
    }
    return transaction.Commit() && ok;
}

void AdvancedDialog::ShowMessagePreview() {
    Form& form = Frm();
    const std::string font = form.Get<ComboBox>("cboFont").Text();
    const std::int32_t colour =
        HueToRGB(ToInt32(LeadingNumber("0" + form.Get<TextBox>("txtMessage", kHueBox).Text())).value_or(0));
    // Qt refuses a size below 1, so an emptied size box keeps the last size.
    const std::optional<std::int16_t> size = ToInt16(LeadingNumber(form.Get<TextBox>("txtMessage", kSizeBox).Text()));
    for (int index : {kMessageText, kZeroText}) {
        Control& box = form.Get("txtMessage", index);
        FontSpec entry = box.Font();
        entry.name = font;
        entry.bold = false;
        if (index == kMessageText && size && *size > 0) entry.size = *size;
        box.SetFont(entry);
        box.SetForeColor(colour);
    }
}

void AdvancedDialog::cmdOK_Click() {
    Form& form = Frm();
    form.CommitActiveEdit(form.Get<CommandButton>("cmdOK"));
    DoEvents();
    if (!SaveAdvancedSettings()) {
        ShowSettingsWriteFailure();
        // A full disk or another program's lock may be gone on the next try:
        // the dialog stays open with the user's edits for it.
        if (LastSettingsWriteFailure() != SettingsWriteFailure::ReadOnly) return;
    }
    form.Unload();
}

void AdvancedDialog::cmdDefaults_Click() {
    for (const DisplayValue* row : kAdvancedValues) ShowValue(Frm(), *row, std::string(row->defaultText));
}

void AdvancedDialog::cmdDismiss_Click() { Frm().Unload(); }

void AdvancedDialog::cmdHelp_Click() { ShowHelp(kHelpFileName, kHelpContext, kHelpContextAdvanced); }

void AdvancedDialog::cmdSetGalaxyBlend0_Click() {
    if (removeBlending_) removeBlending_();
}

void AdvancedDialog::cboFont_Click() { ShowMessagePreview(); }

void ShowAdvancedSettings(std::function<void()> removeBlending) {
    AdvancedDialog::Instance().SetRemoveBlending(std::move(removeBlending));
    AdvancedDialog::Instance().ShowModal();
    AdvancedDialog::Release();
}

}  // namespace orbweave
