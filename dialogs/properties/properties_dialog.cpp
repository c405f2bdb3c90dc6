#include "dialogs/properties/properties_dialog.h"

#include <cmath>
#include <string>

#include "core/convert.h"
#include "dialogs/common/launchers.h"
#include "dialogs/properties/dialog_lists.h"
#include "dialogs/properties/display_options.h"
#include "dialogs/properties/galaxy_frame.h"
#include "dialogs/properties/galaxy_lists.h"
#include "dialogs/properties/galaxy_transfers.h"
#include "dialogs/properties/menu_actions.h"
#include "dialogs/properties/preset_controls.h"
#include "dialogs/properties/prop_copy.h"
#include "dialogs/properties/props_boxes.h"
#include "dialogs/properties/props_controls.h"
#include "dialogs/properties/props_cycles.h"
#include "dialogs/properties/props_lists.h"
#include "dialogs/properties/props_previews.h"
#include "dialogs/properties/style_controls.h"
#include "dialogs/properties/universe_tab.h"
#include "dialogs/properties/universe_transfers.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/pump.h"
#include "platform/forms/screen.h"
#include "platform/forms/services.h"
#include "platform/registry/settings.h"
#include "platform/system/services.h"
#include "renderer/display/display.h"
#include "renderer/display/run_state.h"
#include "settings/display_values.h"
#include "settings/factory_presets.h"
#include "settings/galaxy_tables.h"
#include "settings/user_marks.h"

namespace orbweave {
namespace {

constexpr std::string_view kFormName = "frmProps";
constexpr std::string_view kPlacementName = "Main";

// Outer width of the window when it first loads, before a stored placement.
constexpr int kLoadWidth = 9170;
constexpr int kLstUniGalaxyHeight = 1860;
constexpr int kLstCompGalaxyHeight = 1260;
constexpr int kLstCompMinorHeight = 900;

constexpr int kUniverseAcceptWidth = 1572;
constexpr int kGalaxyAcceptWidth = 2640;
constexpr std::string_view kUniverseAcceptCaption = "&Accept Settings";
constexpr std::string_view kGalaxyAcceptCaption = "&Return to Universe Settings";
constexpr std::string_view kGalaxyCaptionPrefix = "Galaxy:  ";
// The percent column at the end of a galaxy-type line.
constexpr std::size_t kPercentColumn = 4;
constexpr std::string_view kSelectProfileMessage = "Please select a Galaxy Profile.";

constexpr std::int32_t kBlue = 0xFF0000;  // red in bits 0-7
constexpr std::int32_t kBlack = 0;

constexpr int kIfsStyle = 8;
constexpr int kCompositePage = 3;
constexpr int kFirstTheme = 1;

int PixelsX(int pixels) { return pixels * ScreenTwipsPerPixelX(); }
int PixelsY(int pixels) { return pixels * ScreenTwipsPerPixelY(); }

using Handler = void (PropertiesDialog::*)();

struct ClickWiring {
    std::string_view control;
    Handler handler;
};

constexpr ClickWiring kClickHandlers[] = {
    {"cmdAccept", &PropertiesDialog::cmdAccept_Click},
    {"cmdAcceptGalProps", &PropertiesDialog::cmdAcceptGalProps_Click},
    {"cmdDismiss", &PropertiesDialog::cmdDismiss_Click},
    {"cmdGalProps", &PropertiesDialog::cmdGalProps_Click},
    {"cboGalaxExtras", &PropertiesDialog::cboGalaxExtras_Click},
    {"cboUniExtras", &PropertiesDialog::cboUniExtras_Click},
    {"cmdIFS_Chem", &PropertiesDialog::cmdIFS_Chem_Click},
    {"cmdGalLevels", &PropertiesDialog::cmdGalLevels_Click},
    {"cboUniTheme", &PropertiesDialog::cboUniTheme_Click},
    {"cboResolution", &PropertiesDialog::cboResolution_Click},
    {"cmdPropCopy", &PropertiesDialog::cmdPropCopy_Click},
};

// The handlers that need only the dialog's controls.
struct FormClickWiring {
    std::string_view control;
    void (*handler)(Form&);
};

constexpr FormClickWiring kFormClickHandlers[] = {
    {"cboGalStyle", &cboGalStyle_Click},
    {"cboGalTheme", &cboGalTheme_Click},
    {"cboCompMajor", &cboCompMajor_Click},
    {"cboPropCopyList", &cboPropCopyList_Click},
    // Lists and the universe tab.
    {"lstUniGalaxy", &lstUniGalaxy_Click},
    {"cmdGalCommit", &cmdGalCommit_Click},
    {"lstCompGalaxy", &lstCompGalaxy_Click},
    {"lstCompMinor", &lstCompMinor_Click},
    {"cmdCompCommit", &cmdCompCommit_Click},
    {"cboUniProfile", &cboUniProfile_Click},
    {"cboGalProfile", &cboGalProfile_Click},
    {"chkUniTour", &chkUniTour_Click},
    {"chkRotCamera", &chkRotCamera_Click},
    {"chkVisitSeq", &chkVisitSeq_Click},
    {"cmdResetGalPct", &cmdResetGalPct_Click},
    {"cmdResetCompPct", &cmdResetCompPct_Click},
};

// The previews.
constexpr ClickWiring kPreviewClicks[] = {
    {"cmdPreviewGal", &PropertiesDialog::cmdPreviewGal_Click},
    {"cmdPreviewUni", &PropertiesDialog::cmdPreviewUni_Click},
    {"cmdPreviewComp", &PropertiesDialog::cmdPreviewComp_Click},
};
constexpr ClickWiring kListDoubleClicks[] = {
    {"lstUniGalaxy", &PropertiesDialog::lstUniGalaxy_DblClick},
    {"lstCompGalaxy", &PropertiesDialog::lstCompGalaxy_DblClick},
};

// The galaxy type's blend level, the entry the advanced settings clear.
constexpr std::int16_t kPropCopyBlend = 4;

void RunLauncher(const std::function<void(Form&, int)>& launcher, Form& props, int galaxyType) {
    if (launcher) launcher(props, galaxyType);
}

}  // namespace

void ShowSelectedPage(Form& dialog, std::string_view selector, std::string_view pages) {
    const auto& list = dialog.Get<ComboBox>(selector);
    const int selected = list.ListIndex();
    for (int k = 0; k < list.ListCount(); ++k) {
        Control* page = dialog.Find(pages, k);
        if (page == nullptr) continue;
        const bool shown = k == selected;
        page->SetEnabled(shown);
        page->SetVisible(shown);
        if (!shown) page->ZOrder(false);
    }
}

PropertiesDialog::PropertiesDialog() : Dialog(kFormName, PropertiesControls(), kPlacementName) {}

// --- Loading ---

void PropertiesDialog::Load() {
    const SettingsReadWatch reads;
    Frm().SetFont(PropertiesFont());
    for (const ControlRef& hidden : HiddenAtLoad()) Frm().Get(hidden.name, hidden.index).SetVisible(false);
    WireHandlers();
    WireBoxesListsAndPreviews();
    SetMinimumSize();
    SizeWindow();
    SetListHeights();
    galaxyPropsMode_ = false;
    FillDisplayOptionLists(Frm(), maxModeWidth_, maxModeHeight_);
    FillPropertiesLists(Frm());
    SetGravityNote(Frm());
    SetupSpinBoxes(Frm());
    FillUniGalaxyList(Frm(), true);
    FillCompGalaxyLists(Frm(), true);
    FillUniverseProfileList(Frm());
    UniverseDefaultsToControls(Frm());
    if (!LoadSettings(reads)) {
        EndUnread();
        return;
    }
    orbweave::ShowUniverseFrame(Frm(), true);
    DoEvents();
}

void PropertiesDialog::WireHandlers() {
    Form& form = Frm();
    for (const ClickWiring& row : kClickHandlers) {
        form.Get(row.control).events.click = [this, handler = row.handler] { (this->*handler)(); };
    }
    WireMenus();
    WirePropCopy();
    form.events.resize = [this] { Form_Resize(); };
    form.events.queryUnload = [this](bool& cancel, int unloadMode) { Form_QueryUnload(cancel, unloadMode); };
    // Enter accepts and Escape cancels until galaxy-properties mode moves Escape.
    form.Get<CommandButton>("cmdAccept").SetDefault(true);
    form.Get<CommandButton>("cmdDismiss").SetCancel(true);
}

void PropertiesDialog::WireBoxesListsAndPreviews() {
    Form& form = Frm();
    for (const ClickWiring& row : kPreviewClicks) {
        form.Get(row.control).events.click = [this, handler = row.handler] { (this->*handler)(); };
    }
    for (const FormClickWiring& row : kFormClickHandlers) {
        form.Get(row.control).events.click = [&form, handler = row.handler] { handler(form); };
    }
    for (const ClickWiring& row : kListDoubleClicks) {
        form.Get(row.control).events.dblClick = [this, handler = row.handler] { (this->*handler)(); };
    }
    BindPropertiesBoxes(form, [this] { return CustomSizeLimits(); });
    BindNameBoxes(form);
}

void PropertiesDialog::WireMenus() {
    Form& form = Frm();
    form.BindArray("mnuFileArray", {.click = [this](int index) { mnuFileArray_Click(index); }});
    form.BindArray("mnuEditArray", {.click = [this](int index) { mnuEditArray_Click(index); }});
    form.BindArray("mnuHelpArray", {.click = [this](int index) { mnuHelpArray_Click(index); }});
}

void PropertiesDialog::WirePropCopy() {
    Form& form = Frm();
    auto& box = form.Get("txtPropCopy");
    box.events.keyPress = [&form](int& keyAscii) { txtPropCopy_KeyPress(form, keyAscii); };
    box.events.lostFocus = [&form] { txtPropCopy_LostFocus(form); };
}

void PropertiesDialog::SetMinimumSize() {
    const Form& form = Frm();
    const Control& preview = form.Get("fraPreview");
    minClientWidth_ =
        static_cast<std::int16_t>(form.Get("fraAni", 0).Width() + form.Get("fraUniverseProps").Width() + PixelsX(20));
    minClientHeight_ =
        static_cast<std::int16_t>(preview.Top() + preview.Height() + form.Get("cmdAccept").Height() + PixelsY(8));
}

// The client area ends 3 pixels below the Cancel button.
void PropertiesDialog::SizeWindow() {
    Form& form = Frm();
    const Control& dismiss = form.Get("cmdDismiss");
    const int border = form.Height() - form.ScaleHeight();
    form.Move(form.Left(), form.Top(), kLoadWidth, border + dismiss.Top() + dismiss.Height() + PixelsY(3));
}

void PropertiesDialog::SetListHeights() {
    Form& form = Frm();
    form.Get("lstUniGalaxy").SetHeight(kLstUniGalaxyHeight);
    form.Get("lstCompGalaxy").SetHeight(kLstCompGalaxyHeight);
    form.Get("lstCompMinor").SetHeight(kLstCompMinorHeight);
}

// A new user gets the first-run set-up; a user without stored settings gets
// the factory settings stored at once (keeping the display and advanced
// values stored already); then the stored settings are loaded. Both factory
// roads rebuild the profile list: it was built from the types' names before
// the factory ones were loaded.
// False when another program's lock kept a read out of the store: the
// dialog then holds defaults, not the user's settings, and nothing is
// written after the first such read.
bool PropertiesDialog::LoadSettings(const SettingsReadWatch& reads) {
    Form& form = Frm();
    ShowMovedSettingsNotice();
    const bool marked = FirstRunBegun();
    const bool stored = HasStoredSettings();
    if (reads.ReadsKeptOut()) return false;
    if (!marked) {
        SaveSettingValue(kSectionGeneral, kResetSettingsName, "1");
        RunFirstTimeSetup(form);
        FillUniverseProfileList(form);
        return !reads.ReadsKeptOut();
    }
    if (!stored) {
        LoadFactoryPropsKeepingStored(form);
        CyclePropsArraysToReg(form);
        FillUniverseProfileList(form);
    }
    CyclePropsRegToArrays(form);
    return !reads.ReadsKeptOut();
}

// A dialog showing defaults in place of the user's settings could store
// them over the real ones on Accept; it says the settings are in use and
// ends, writing nothing, not even its placement. The user opens it again
// once the other program is done.
void PropertiesDialog::EndUnread() {
    ShowSettingsInUse();
    UnloadLeavingPlacement();
}

// --- Size and layout ---

void PropertiesDialog::Form_Resize() {
    if (SnapToMinimumSize() && !AtMinimumSize()) return;
    LayOut();
}

bool PropertiesDialog::AtMinimumSize() const {
    return Frm().ScaleWidth() >= minClientWidth_ && Frm().ScaleHeight() >= minClientHeight_;
}

// A client area below the minimum is enlarged to it. Qt raises no second
// resize event for a window not yet shown, so a size change that took
// effect lays the controls out in this same call.
bool PropertiesDialog::SnapToMinimumSize() {
    Form& form = Frm();
    const int width = form.ScaleWidth();
    const int height = form.ScaleHeight();
    if (AtMinimumSize()) return false;
    if (form.State() != WindowState::Normal) return true;
    const int outerWidth = width < minClientWidth_ ? form.Width() - width + minClientWidth_ : form.Width();
    const int outerHeight = height < minClientHeight_ ? form.Height() - height + minClientHeight_ : form.Height();
    form.Move(form.Left(), form.Top(), outerWidth, outerHeight);
    return true;
}

void PropertiesDialog::LayOut() {
    Form& form = Frm();
    const int width = form.ScaleWidth();
    const int height = form.ScaleHeight();
    Control& preview = form.Get("fraPreview");
    Control& picture = form.Get("picPreview");
    Control& galaxyFrame = form.Get("fraAni", 0);
    Control& universeFrame = form.Get("fraAni", 1);
    Control& accept = form.Get("cmdAccept");
    Control& dismiss = form.Get("cmdDismiss");

    preview.SetWidth(width - preview.Left() - galaxyFrame.Width() - PixelsX(15));
    preview.SetHeight(height - preview.Top() - accept.Height() - PixelsY(8));
    picture.SetWidth(preview.Width() - 2 * picture.Left());
    picture.SetHeight(preview.Height() - picture.Top() - PixelsY(5));
    galaxyFrame.SetLeft(preview.Left() + preview.Width() + PixelsX(10));
    universeFrame.Move(galaxyFrame.Left(), galaxyFrame.Top(), galaxyFrame.Width(), height - PixelsY(6));

    // The universe pages sit at the bottom of the universe frame, the page
    // selector on their top edge and the theme above it.
    const auto& extras = form.Get<ComboBox>("cboUniExtras");
    for (int k = 0; k < extras.ListCount(); ++k) {
        if (Control* page = form.Find("fraUniProp", k)) {
            page->SetTop(universeFrame.Height() - page->Height() - PixelsY(5));
        }
    }
    Control& extrasBox = form.Get("cboUniExtras");
    extrasBox.SetTop(form.Get("fraUniProp", 0).Top() - static_cast<int>(std::lround(0.2 * extrasBox.Height())));
    Control& theme = form.Get("cboUniTheme");
    theme.SetTop(extrasBox.Top() - theme.Height() - PixelsY(4));
    form.Get("lblUniTheme").SetTop(theme.Top() + PixelsY(4));

    // The galaxy-type list takes what the name and percent row leave.
    Control& types = form.Get("fraGalaxyTypes");
    types.SetHeight(theme.Top() - types.Top() - PixelsY(4));
    Control& name = form.Get("txtUniGalName");
    name.SetTop(types.Height() - name.Height() - PixelsY(5));
    for (std::string_view beside : {"txtUniGalPct", "spnUniGalPct", "cmdGalCommit"})
        form.Get(beside).SetTop(name.Top());
    Control& caption = form.Get("lblGalNamePct");
    caption.SetTop(name.Top() - caption.Height());
    Control& list = form.Get("lstUniGalaxy");
    list.SetHeight(caption.Top() - list.Top());

    accept.SetTop(preview.Top() + preview.Height() + PixelsY(5));
    dismiss.Move(preview.Left() + preview.Width() - dismiss.Width(), accept.Top(), dismiss.Width(), dismiss.Height());
}

// --- Unloading ---

void PropertiesDialog::Form_QueryUnload(bool& cancel, int unloadMode) {
    if (unloadMode != kUnloadByCode) runState.StopRequested = true;
    if (animations_ > 0) {
        closePending_ = true;
        cancel = true;
    }
}

void PropertiesDialog::Unloading(bool&) {
    ReleaseDirectX();
    ShowHelp(kHelpFileName, kHelpQuit, 0);
    if (unloaded_) unloaded_();
}

void PropertiesDialog::RunAnimation(const std::function<void()>& loop) {
    ++animations_;
    loop();
    --animations_;
    if (animations_ == 0 && closePending_) {
        closePending_ = false;
        Frm().Unload();
    }
}

// --- Buttons ---

void PropertiesDialog::cmdAccept_Click() {
    Form& form = Frm();
    form.CommitActiveEdit(form.Get<CommandButton>("cmdAccept"));
    if (galaxyPropsMode_) {
        SetGalaxyPropsMode(false);
        galaxyPropsMode_ = false;
        return;
    }
    // Settings another program holds, a disk with no room left, or a damaged
    // store just set aside, take the next Accept: the dialog stays open with
    // its edits.
    if (!CyclePropsArraysToReg(form) && LastSettingsWriteFailure() != SettingsWriteFailure::ReadOnly) return;
    form.Unload();
}

void PropertiesDialog::cmdAcceptGalProps_Click() {
    Form& form = Frm();
    form.CommitActiveEdit(form.Get<CommandButton>("cmdAcceptGalProps"));
    SetGalaxyPropsMode(false);
    galaxyPropsMode_ = false;
}

void PropertiesDialog::cmdDismiss_Click() { Frm().Unload(); }

void PropertiesDialog::cmdGalProps_Click() {
    if (SelectedGalaxyType() >= 0) {
        SetGalaxyPropsMode(true);
        return;
    }
    ShowMessage(kSelectProfileMessage, kMessageTitle, {MessageIcon::Information, MessageButtons::Ok, 0});
    Frm().Get("lstUniGalaxy").SetFocus();
}

void PropertiesDialog::cmdIFS_Chem_Click() {
    const int type = SelectedGalaxyType();
    if (type < 0) return;
    ControlsToUniGalaxy(Frm(), type);
    const bool userIfs = Frm().Get<ComboBox>("cboGalStyle").ListIndex() == kIfsStyle;
    RunLauncher(userIfs ? Launchers().userIfs : Launchers().molecule, Frm(), type);
}

void PropertiesDialog::cmdGalLevels_Click() {
    const int type = SelectedGalaxyType();
    if (type < 0) return;
    ControlsToUniGalaxy(Frm(), type);
    RunLauncher(Launchers().levels, Frm(), type);
}

// --- Menus ---

void PropertiesDialog::mnuFileArray_Click(int index) { FileMenuAction(Frm(), index); }

void PropertiesDialog::mnuEditArray_Click(int index) {
    if (index == kEditReset)
        ResetPropertiesToFactory(Frm());
    else if (index == kEditAdvanced)
        ShowAdvancedDialog([this] { RemoveBlending(); });
}

void PropertiesDialog::mnuHelpArray_Click(int index) { HelpMenuAction(Frm(), index); }

// --- Property copy ---

int PropertiesDialog::EditedGalaxyType() const { return galaxyPropsMode_ ? SelectedGalaxyType() : -1; }

void PropertiesDialog::CopyPropValueToAllGalaxyTypes(std::int16_t iProp, float fValue) {
    orbweave::CopyPropValueToAllGalaxyTypes(Frm(), EditedGalaxyType(), iProp, fValue);
}

void PropertiesDialog::cmdPropCopy_Click() { orbweave::cmdPropCopy_Click(Frm(), EditedGalaxyType()); }

// The advanced settings' blending button: no motion blur in the universe or any galaxy type.
void PropertiesDialog::RemoveBlending() {
    Frm().SetText("txtBlend", 0, "0");
    Frm().SetText("txtBlend", 1, "0");
    CopyPropValueToAllGalaxyTypes(kPropCopyBlend, 0.0f);
}

// --- Modes ---

int PropertiesDialog::SelectedGalaxyType() const {
    const int selected = Frm().Get<ListBox>("lstUniGalaxy").ListIndex();
    return selected >= 0 && selected < kGalaxyTypeCount ? selected : -1;
}

void PropertiesDialog::SetGalaxyPropsMode(bool on) {
    // Without a selected type there is nothing to show; leaving still returns
    // to universe mode, so the dialog never stays stuck in a frame it cannot store.
    const int type = SelectedGalaxyType();
    if (on && type < 0) return;
    Form& form = Frm();
    galaxyPropsMode_ = on;
    auto& accept = form.Get<CommandButton>("cmdAccept");
    auto& dismiss = form.Get<CommandButton>("cmdDismiss");
    dismiss.SetEnabled(!on);
    accept.SetCancel(on);
    dismiss.SetCancel(!on);
    form.Get("fraPreview").SetEnabled(!on);
    if (on)
        EnterGalaxyProps(type);
    else
        LeaveGalaxyProps(type);
    form.Get("mnuFile").SetEnabled(!on);
    form.Get("mnuEdit").SetEnabled(!on);
}

void PropertiesDialog::EnterGalaxyProps(int galaxyType) {
    Form& form = Frm();
    SetupGalaxyStyleControls(form, UniGalaxies[galaxyType].Galaxy_GalStyle);
    UniGalaxyToControls(form, galaxyType);
    Control& accept = form.Get("cmdAccept");
    accept.SetWidth(kGalaxyAcceptWidth);
    accept.SetCaption(kGalaxyAcceptCaption);
    const std::string line = form.Get<ListBox>("lstUniGalaxy").List(galaxyType);
    const std::string name = line.substr(0, line.size() > kPercentColumn ? line.size() - kPercentColumn : 0);
    Control& frame = form.Get("fraAni", 0);
    frame.SetCaption(Trim(std::string(kGalaxyCaptionPrefix) + name));
    FontSpec font = frame.Font();
    font.bold = true;
    frame.SetFont(font);
    frame.SetForeColor(kBlue);
    orbweave::ShowUniverseFrame(form, false);
}

void PropertiesDialog::LeaveGalaxyProps(int galaxyType) {
    Form& form = Frm();
    if (galaxyType >= 0) ControlsToUniGalaxy(form, galaxyType);
    Control& accept = form.Get("cmdAccept");
    accept.SetWidth(kUniverseAcceptWidth);
    accept.SetCaption(kUniverseAcceptCaption);
    Control& frame = form.Get("fraAni", 0);
    FontSpec font = frame.Font();
    font.bold = false;
    frame.SetFont(font);
    frame.SetForeColor(kBlack);
    orbweave::ShowUniverseFrame(form, true);
    form.Get("lstUniGalaxy").SetFocus();
}

// --- Selectors ---

void PropertiesDialog::cboGalaxExtras_Click() { ShowSelectedPage(Frm(), "cboGalaxExtras", "fraGalProp"); }

void PropertiesDialog::cboUniExtras_Click() {
    ShowSelectedPage(Frm(), "cboUniExtras", "fraUniProp");
    if (Frm().Get<ComboBox>("cboUniExtras").ListIndex() == kCompositePage) FillCompGalaxyLists(Frm(), false);
}

void PropertiesDialog::cboUniTheme_Click() {
    const int theme = Frm().Get<ComboBox>("cboUniTheme").ListIndex();
    if (theme < kFirstTheme || theme > kUniverseThemeCount) return;
    UniversePresetToControls(Frm(), GetUniverseThemePreset(static_cast<std::int16_t>(theme)));
    ClearCompositeEditor();
}

// A theme replaces the universe, so no composite stays half edited.
void PropertiesDialog::ClearCompositeEditor() {
    Form& form = Frm();
    for (std::string_view name : {"lstCompGalaxy", "lstCompMinor"}) {
        auto& list = form.Get<ListBox>(name);
        list.SetTopIndex(0);
        for (int item = 0; item < list.ListCount(); ++item) list.SetSelected(item, false);
        list.SetListIndex(-1);
    }
    form.Get<ComboBox>("cboCompMajor").SetListIndex(-1);
    form.SetText("txtCompGalName", kNoIndex, "");
    form.SetText("txtCompGalPct", kNoIndex, "");
}

void PropertiesDialog::cboResolution_Click() { UpdateResolutionFields(Frm(), true); }

// --- Numeric boxes, lists, universe tab and previews ---

DisplayLimits PropertiesDialog::CustomSizeLimits() const {
    if (maxModeWidth_ > 0 && maxModeHeight_ > 0) return {maxModeWidth_, maxModeHeight_};
    return LargestDisplayMode();
}

void PropertiesDialog::lstUniGalaxy_DblClick() { cmdGalProps_Click(); }
// A double-click is the composite preview button's click: start or stop.
void PropertiesDialog::lstCompGalaxy_DblClick() { cmdPreviewComp_Click(); }
void PropertiesDialog::cmdPreviewGal_Click() { PreviewButtonClick(*this, PreviewKind::Galaxy); }
void PropertiesDialog::cmdPreviewUni_Click() { PreviewButtonClick(*this, PreviewKind::Universe); }
void PropertiesDialog::cmdPreviewComp_Click() { PreviewButtonClick(*this, PreviewKind::Composite); }

}  // namespace orbweave
