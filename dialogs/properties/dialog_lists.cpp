#include "dialogs/properties/dialog_lists.h"

#include <cstdint>
#include <span>
#include <string>

#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/window_utils.h"
#include "platform/registry/settings.h"
#include "settings/galaxy_tables.h"
#include "settings/registry_transfers.h"

namespace orbweave {
namespace {

// A type line ends with at least three blanks and a percent of at most three
// digits; the type-name lists show the line without its last four characters.
constexpr std::size_t kPercentWidth = 4;

std::string WithoutPercent(const std::string& line) {
    return line.size() > kPercentWidth ? line.substr(0, line.size() - kPercentWidth) : std::string();
}

void FillTypeNameLists(Form& dialog) {
    auto* types = dialog.Find<ListControl>("lstUniGalaxy");
    auto* major = dialog.Find<ListControl>("cboCompMajor");
    auto* minor = dialog.Find<ListControl>("lstCompMinor");
    if (minor != nullptr) minor->Clear();
    if (major != nullptr) major->Clear();
    if (types == nullptr) return;
    for (int i = 0; i < kGalaxyTypeCount; ++i) {
        const std::string name = WithoutPercent(types->List(i));
        if (major != nullptr) major->AddItem(name);
        if (minor != nullptr) minor->AddItem(name);
    }
}

// The boxes that edit the selected composite, emptied when the lists lose
// their selection: text left from the composite selected before would be
// taken for the one now shown at its place.
void ClearCompositeBoxes(Form& dialog) {
    dialog.SetText("txtCompGalName", kNoIndex, "");
    dialog.SetText("txtCompGalPct", kNoIndex, "");
}

void FillCompositeList(Form& dialog, bool fromStore) {
    auto* composites = dialog.Find<ListControl>("lstCompGalaxy");
    if (composites == nullptr) return;
    ClearCompositeBoxes(dialog);
    // The padding is measured in the dialog's font: make it the list's.
    dialog.SetFont(composites->Font());
    composites->Clear();
    for (int c = 0; c < kCompGalaxyCount; ++c) {
        const CompGalaxy& record = CompGalaxies[static_cast<std::size_t>(c)];
        std::string name = record._CompGalName;
        std::int16_t percent = record._CompGalPct;
        if (fromStore) {
            name = GetSettingString(CompGalaxySection(c), "_CompGalName", "");
            percent = GetSettingInteger(CompGalaxySection(c), "_CompGalPct", 0);
        }
        if (name.empty()) name = CompositeListName(c);
        AddPaddedListItem(*composites, name, percent, true);
    }
}

}  // namespace

std::string CompositeListName(int composite) { return "< Galaxy Composite " + std::to_string(composite + 1) + " >"; }

void FillUniGalaxyList(Form& dialog, bool reload) {
    if (reload) RegToUniGalaxies(kHiveUser);
    auto* types = dialog.Find<ListControl>("lstUniGalaxy");
    if (types == nullptr) return;
    types->Clear();
    for (const UniGalaxy& type : std::span(UniGalaxies).first(kGalaxyTypeCount)) {
        AddPaddedListItem(*types, type._UniGalName, type._UniGalPct, true);
    }
    types->SetListIndex(0);
}

void FillCompGalaxyLists(Form& dialog, bool fromStore) {
    FillTypeNameLists(dialog);
    FillCompositeList(dialog, fromStore);
}

}  // namespace orbweave
