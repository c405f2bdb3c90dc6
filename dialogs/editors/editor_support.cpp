#include "dialogs/editors/editor_support.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string>

#include "core/convert.h"
#include "dialogs/common/control_enabling.h"
#include "dialogs/common/launchers.h"
#include "dialogs/common/picture_box_window.h"
#include "dialogs/common/preview_universe.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/numeric_boxes.h"
#include "platform/forms/picture_box.h"
#include "platform/forms/screen.h"
#include "platform/forms/services.h"
#include "platform/system/services.h"
#include "renderer/display/display_settings.h"
#include "renderer/display/run_state.h"
#include "renderer/galaxy/galaxy_display.h"
#include "renderer/galaxy/hue_tables.h"
#include "settings/galaxy_tables.h"
#include "settings/galaxy_values.h"

namespace orbweave {
namespace {

constexpr std::string_view kPreviewButton = "cmdPreview";
constexpr std::string_view kDismissButton = "cmdDismiss";
constexpr std::string_view kStopCaption = "Stop";

// The editors read every box with "0" in front of its text, the properties
// dialog's universe boxes too.
constexpr BoxTextReading kEditorReading = BoxTextReading::ZeroFirst;

constexpr std::string_view kGalaxyBoxes = "txtGalaxy";
// The values of txtGalaxy(0..2).
constexpr std::array<std::int32_t UniGalaxy::*, 3> kExtentFields = {&UniGalaxy::Galaxy_Radius,
                                                                   &UniGalaxy::Galaxy_Rotation,
                                                                   &UniGalaxy::Galaxy_Distance};
constexpr int kExtentBoxCount = static_cast<int>(kExtentFields.size());

constexpr double kEditorFontPoints = 8.0;

// Margins of the stretched preview, in pixels.
constexpr int kPreviewRightMargin = 5;
constexpr int kPreviewBottomMargin = 3;
constexpr int kPictureBottomMargin = 5;

std::int32_t LargestExtent(int index) {
    return static_cast<std::int32_t>(StoredRangeOf(kExtentFields[static_cast<std::size_t>(index)]).high);
}

std::optional<std::int32_t> ExtentBox(const Form& editor, int index) {
    return BoxInt32(editor, kGalaxyBoxes, index, 0, LargestExtent(index));
}

}  // namespace

std::optional<std::int16_t> EditedGalaxyType(int galaxyType) {
    if (galaxyType < 0 || galaxyType >= kGalaxyTypeCount) return std::nullopt;
    return static_cast<std::int16_t>(galaxyType);
}

std::string RangeText(std::int32_t low, std::int32_t high, std::string_view dash) {
    const auto grouped = [](std::int32_t number) {
        std::string text = IntegerToText(number);
        const int first = number < 0 ? 1 : 0;
        if (static_cast<int>(text.size()) - first > 4)
            for (int at = static_cast<int>(text.size()) - 3; at > first; at -= 3)
                text.insert(static_cast<std::size_t>(at), ",");
        return text;
    };
    return grouped(low) + std::string(dash) + grouped(high);
}

std::string ColumnHeading(std::string_view name, std::int32_t low, std::int32_t high) {
    return std::string(name) + "\n(" + RangeText(low, high, "-") + "):";
}

std::optional<double> BoxNumber(const Form& form, std::string_view name, int index, double low, double high) {
    const std::optional<std::string> text = form.GetText(name, index);
    if (!text) return std::nullopt;
    const std::optional<double> number = TextToDouble("0" + *text);
    if (!number) return std::nullopt;
    return std::clamp(*number, low, high);
}

std::optional<std::int16_t> BoxInt16(const Form& form, std::string_view name, int index, std::int16_t low,
                                     std::int16_t high) {
    const std::optional<double> number = BoxNumber(form, name, index, low, high);
    return number ? ToInt16(*number) : std::nullopt;
}

std::optional<std::int32_t> BoxInt32(const Form& form, std::string_view name, int index, std::int32_t low,
                                     std::int32_t high) {
    const std::optional<double> number = BoxNumber(form, name, index, low, high);
    return number ? ToInt32(*number) : std::nullopt;
}

std::string GalaxyTypeName(const Form& props) { return props.GetText("txtUniGalName").value_or(""); }

void ShowNote(std::string_view text) {
    ShowMessage(text, kMessageTitle, {MessageIcon::Information, MessageButtons::Ok, 0});
}

UniGalaxy& EditedRecord(const EditorParameters& handed) {
    return UniGalaxies[static_cast<std::size_t>(handed.galaxyType)];
}

void LoadEditorTitles(Form& editor, const EditorParameters& handed, const EditorTitles& titles) {
    UseEditorFont(editor);
    const std::string name = handed.props != nullptr ? GalaxyTypeName(*handed.props) : std::string();
    editor.SetCaption(std::string(titles.captionPrefix) + name);
    editor.SetCaption("fraPreview", kNoIndex, std::string(titles.previewPrefix) + name);
    editor.SetHelpContextId(titles.helpContext);
}

void ShowEditorHelp(int context) { ShowHelp(kHelpFileName, kHelpContext, context); }

void UseEditorFont(Form& editor) { editor.SetFont({.name = {}, .size = kEditorFontPoints, .bold = false}); }

void WireResizeMenu(Form& editor) {
    editor.Get("mnuResize").events.click = [] { ShowResizableNote(); };
}

void ResizeEditor(Form& editor, int minClientWidth, int minClientHeight) {
    const int width = editor.ScaleWidth();
    const int height = editor.ScaleHeight();
    if (width < minClientWidth || height < minClientHeight) {
        if (editor.State() != WindowState::Normal) return;
        const int outerWidth = width < minClientWidth ? editor.Width() - width + minClientWidth : editor.Width();
        const int outerHeight = height < minClientHeight ? editor.Height() - height + minClientHeight : editor.Height();
        editor.Move(editor.Left(), editor.Top(), outerWidth, outerHeight);
        // A window not yet shown raises no second resize event: lay out now
        // when the new size took effect.
        if (editor.ScaleWidth() < minClientWidth || editor.ScaleHeight() < minClientHeight) return;
    }
    Control& frame = editor.Get("fraPreview");
    Control& picture = editor.Get("picPreview");
    frame.SetWidth(editor.ScaleWidth() - frame.Left() - kPreviewRightMargin * ScreenTwipsPerPixelX());
    frame.SetHeight(editor.ScaleHeight() - frame.Top() - kPreviewBottomMargin * ScreenTwipsPerPixelY());
    picture.SetWidth(frame.Width() - 2 * picture.Left());
    picture.SetHeight(frame.Height() - picture.Top() - kPictureBottomMargin * ScreenTwipsPerPixelY());
}

void BindExtentBoxes(Form& editor) {
    for (int index = 0; index < kExtentBoxCount; ++index) {
        const NumericBoxRow row{{kGalaxyBoxes, index}, LongBox(0, LargestExtent(index))};
        BindNumericBoxes(editor, {&row, 1});
    }
}

void GalaxyBoxesToRecord(const Form& editor, UniGalaxy& record) {
    for (int index = 0; index < kExtentBoxCount; ++index)
        TakeBox(record.*kExtentFields[static_cast<std::size_t>(index)], ExtentBox(editor, index));
}

void GalaxyBoxesToProps(const Form& editor, Form& props) {
    for (int index = 0; index < kExtentBoxCount; ++index) {
        if (const auto value = ExtentBox(editor, index)) props.SetText(kGalaxyBoxes, index, NumberToText(*value));
    }
}

void CommitAndClose(Form& editor, const EditorParameters& handed, const std::function<bool()>& store) {
    editor.CommitActiveEdit(editor.Get<CommandButton>("cmdOK"));
    if (!store()) return;
    if (handed.props != nullptr) GalaxyBoxesToProps(editor, *handed.props);
    editor.Unload();
}

// --- Preview ---

EditorPreview::EditorPreview(std::string_view idleCaption, std::function<void(Form&)> afterUnlock)
    : idleCaption_(idleCaption), afterUnlock_(std::move(afterUnlock)) {}

void EditorPreview::Start(Form& editor, const EditorParameters& handed, const Store& store) {
    // The preview button reads "Stop" until the display has unwound, so no
    // click reaches here while it does; a start then would clear the stop.
    if (active_) return;
    runState.StopRequested = false;
    active_ = true;
    // The preview's own types: the stored table stays as it was saved.
    const auto types = std::make_unique<GalaxyTypes>(UniGalaxies);
    const bool locked = store((*types)[static_cast<std::size_t>(handed.galaxyType)]);
    if (locked) {
        Lock(editor);
        RunDisplay(editor, handed, *types);
        // Only now, with the display unwound, may a click act: a click queued
        // behind the Stop met disabled controls and was dropped.
        Unlock(editor);
    }
    active_ = false;
    if (closePending_) {
        closePending_ = false;
        editor.Unload();
    }
}

void EditorPreview::Click(Form& editor, const EditorParameters& handed, const Store& store) {
    if (editor.Get(kPreviewButton).Caption() != idleCaption_) {
        runState.StopRequested = true;
        return;
    }
    Start(editor, handed, store);
}

void EditorPreview::QueryUnload(bool& cancel) {
    if (!active_) return;
    runState.StopRequested = true;
    closePending_ = true;
    cancel = true;
}

void EditorPreview::Lock(Form& editor) {
    auto& preview = editor.Get<CommandButton>(kPreviewButton);
    // The focus leaves the box being edited for the one control that stays
    // enabled; otherwise disabling the focused control passes the focus from
    // box to box, and each one left rewrites its text clamped.
    preview.SetFocus();
    EnableFormControls(editor, true, kPreviewButton);
    preview.SetCaption(kStopCaption);
    editor.Get<CommandButton>(kDismissButton).SetCancel(false);
    preview.SetCancel(true);
}

void EditorPreview::Unlock(Form& editor) {
    EnableFormControls(editor, false, kPreviewButton);
    auto& preview = editor.Get<CommandButton>(kPreviewButton);
    preview.SetCaption(idleCaption_);
    preview.SetCancel(false);
    editor.Get<CommandButton>(kDismissButton).SetCancel(true);
    if (afterUnlock_) afterUnlock_(editor);
}

void EditorPreview::RunDisplay(Form& editor, const EditorParameters& handed, GalaxyTypes& types) {
    const PictureBoxTarget target(editor.Get<PictureBox>("picPreview"));
    LoadDisplaySettings(target, true, 1.0f);
    const RunTables tables{types, colourTables};
    BuildHueColorTables(tables.colours, tables.types);
    if (handed.props == nullptr) return;
    if (const auto hues = PreviewHueWheel(*handed.props, kEditorReading))
        BuildHueWheels(tables.colours, tables.types, hues->start, hues->end);
    RunGalaxyDisplay(PreviewUniverseInputs().values, tables, handed.galaxyType, 0, 0,
                     PreviewStarCount(*handed.props, kEditorReading), false, 1.0f);
}

}  // namespace orbweave
