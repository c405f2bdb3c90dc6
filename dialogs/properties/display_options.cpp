#include "dialogs/properties/display_options.h"

#include <algorithm>
#include <optional>
#include <string>

#include "core/convert.h"
#include "core/product.h"
#include "dialogs/common/placement.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/registry/settings.h"
#include "renderer/display/display.h"
#include "settings/display_values.h"

namespace orbweave {

namespace {

struct ListedMode {
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool operator==(const ListedMode&) const = default;
};

// The vertical offset list holds every offset the value may be stored with.
constexpr ValueRange kVertOffsets = *RowOf(&DisplayRecord::DX_VertOffset).storedRange;
constexpr int kLowestVertOffset = static_cast<int>(kVertOffsets.low);
constexpr int kHighestVertOffset = static_cast<int>(kVertOffsets.high);
constexpr const char* kLayoutNames[] = {"5-6-5", "5-5-5", "Hardware"};
constexpr const char* kPlacementSection = "General\\Main";

// The stored text of a value, its default when it is missing.
std::string StoredText(const DisplayValue& row) { return GetSettingString(row.section, row.name, row.defaultText); }

// Each width x height once (drivers list every depth and refresh rate),
// none wider than the desktop, in the driver's order.
std::string ResolutionEntry(ListedMode mode) { return IntegerToText(mode.width) + " * " + IntegerToText(mode.height); }

void ListResolutions(ComboBox* list, std::int32_t& maxWidth, std::int32_t& maxHeight) {
    std::vector<ListedMode> listed;
    std::vector<display::DisplayMode> modes;
    const std::shared_ptr<display::DisplaySystem> device = displayState.DD;
    if (!device || !display::Succeeded(device->EnumerateModes(modes))) {
        return;
    }
    const int desktopWidth = device->DesktopSize().width;
    for (const display::DisplayMode& mode : modes) {
        const ListedMode size{mode.width, mode.height};
        if (mode.width > desktopWidth || std::find(listed.begin(), listed.end(), size) != listed.end()) {
            continue;
        }
        listed.push_back(size);
        maxWidth = std::max(maxWidth, size.width);
        maxHeight = std::max(maxHeight, size.height);
        if (list != nullptr) {
            list->AddItem(ResolutionEntry(size));
        }
    }
}

// The list's item for the full-screen mode of that size, if it holds one.
std::optional<int> ModeItem(const ComboBox& cbo, ListedMode mode) {
    const std::string entry = ResolutionEntry(mode);
    for (int item = 1; item < cbo.ListCount(); ++item) {
        if (cbo.List(item) == entry) {
            return item;
        }
    }
    return std::nullopt;
}

void FillVertOffsets(ComboBox* list) {
    if (list == nullptr) {
        return;
    }
    for (int offset = kLowestVertOffset; offset <= kHighestVertOffset; ++offset) {
        list->AddItem(IntegerToText(offset));
    }
    list->SetListIndex(ReadDisplayValue<&DisplayRecord::DX_VertOffset>() - kLowestVertOffset);
}

void FillLayouts(ComboBox* list) {
    if (list == nullptr) {
        return;
    }
    for (const char* name : kLayoutNames) {
        list->AddItem(name);
    }
    list->SetListIndex(ReadDisplayValue<&DisplayRecord::DX_RGB16bbp>());
}

}  // namespace

void FillDisplayOptionLists(Form& frm, std::int32_t& maxWidth, std::int32_t& maxHeight) {
    maxWidth = 0;
    maxHeight = 0;
    auto* resolutions = frm.Find<ComboBox>("cboResolution");
    ListResolutions(resolutions, maxWidth, maxHeight);
    if (resolutions != nullptr) {
        resolutions->AddItem(kCustomResolutionText, 0);
    }
    FillVertOffsets(frm.Find<ComboBox>("cboVertOffset"));
    FillLayouts(frm.Find<ComboBox>("cboRGB16bbp"));
    RestoreFormPlacement(frm, kPlacementSection);
    frm.SetCaption(kPropertiesCaption);
}

void SelectResolutionItem(ComboBox& cbo, bool isCustom, std::int32_t width, std::int32_t height) {
    if (isCustom) {
        cbo.SetListIndex(0);
        return;
    }
    if (const std::optional<int> item = ModeItem(cbo, {width, height})) {
        cbo.SetListIndex(*item);
    }
    if (cbo.ListIndex() == -1) {
        cbo.SetListIndex(0);
    }
}

CustomSizeTexts CustomEntrySize(const ComboBox& cbo) {
    CustomSizeTexts stored{StoredText(RowOf(&DisplayRecord::DX_WinWidth)),
                           StoredText(RowOf(&DisplayRecord::DX_WinHeight))};
    const ListedMode mode{ReadDisplayValue<&DisplayRecord::DX_WinWidth>(),
                          ReadDisplayValue<&DisplayRecord::DX_WinHeight>()};
    const std::shared_ptr<display::DisplaySystem> device = displayState.DD;
    if (ReadDisplayValue<&DisplayRecord::CustomRes>() != 0 || ModeItem(cbo, mode) || !device) {
        return stored;
    }
    const display::Size desktop = device->DesktopSize();
    if (desktop.width <= 0 || desktop.height <= 0) {
        return stored;
    }
    return {IntegerToText(desktop.width), IntegerToText(desktop.height)};
}

void UpdateResolutionFields(Form& frm, bool fillText) {
    const auto* resolutions = frm.Find<ComboBox>("cboResolution");
    const int selected = resolutions != nullptr ? resolutions->ListIndex() : -1;
    frm.SetEnabled("txtDXRes", 0, selected == 0);
    frm.SetEnabled("txtDXRes", 1, selected == 0);
    if (!fillText || selected < 0) {
        return;
    }
    if (selected == 0) {
        const CustomSizeTexts size = CustomEntrySize(*resolutions);
        frm.SetText("txtDXRes", 0, size.width);
        frm.SetText("txtDXRes", 1, size.height);
        return;
    }
    const std::string entry = resolutions->List(selected);
    const std::size_t star = entry.find('*');
    if (star == std::string::npos) {
        return;
    }
    frm.SetText("txtDXRes", 0, Trim(entry.substr(0, star)));
    frm.SetText("txtDXRes", 1, Trim(entry.substr(star + 1)));
}

}  // namespace orbweave
