#include "dialogs/properties/galaxy_lists.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "core/convert.h"
#include "dialogs/properties/galaxy_frame.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/window_utils.h"
#include "platform/system/services.h"
#include "settings/galaxy_tables.h"
#include "settings/galaxy_values.h"

namespace orbweave {
namespace {

constexpr std::size_t kPercentWidth = 4;
constexpr int kLastControlCharacter = 0x1F;
constexpr int kDeleteCharacter = 0x7F;

// Names end up in key=value lines of templates and in comma-separated lists.
struct NameBox {
    std::string_view box;
    std::string_view refused;
};
constexpr std::array<NameBox, 2> kNameBoxes{{{"txtUniGalName", "[,]="}, {"txtCompGalName", ","}}};

bool Refused(std::string_view refused, char c) {
    const int code = static_cast<unsigned char>(c);
    return code <= kLastControlCharacter || code == kDeleteCharacter || refused.find(c) != std::string_view::npos;
}

std::string WithoutRefused(std::string_view refused, std::string_view text) {
    std::string kept;
    for (char c : text) {
        if (!Refused(refused, c)) kept += c;
    }
    return kept;
}

void BindNameBox(Form& dialog, const NameBox& row) {
    auto& box = dialog.Get<TextBox>(row.box);
    box.events.keyPress = [refused = row.refused](int& keyAscii) {
        if (keyAscii > 0 && keyAscii < 0x80 && refused.find(static_cast<char>(keyAscii)) != std::string_view::npos)
            keyAscii = 0;
    };
    box.SetInsertionFilter(
        [refused = row.refused](std::string_view inserted) { return WithoutRefused(refused, inserted); });
}

void ClampPercentBox(TextBox& box) {
    ValidateNumericText(box, BoxClamp::Integer, static_cast<float>(kGalaxyPercentRange.low),
                        static_cast<float>(kGalaxyPercentRange.high));
}

std::int16_t PercentOf(const TextBox& box) { return ToInt16(LeadingNumber(box.Text())).value_or(0); }

void ShowInformation(std::string_view text) {
    ShowMessage(text, kMessageTitle, {MessageIcon::Information, MessageButtons::Ok, 0});
}

bool IsComposite(int k) { return k >= 0 && k < kCompGalaxyCount; }

void DeselectAll(ListBox& list) {
    for (int item = 0; item < list.ListCount(); ++item) list.SetSelected(item, false);
}

// The major type into the combo, the minor ones selected in the list, which
// ends scrolled to the last. A member outside the galaxy types (a damaged
// record) is skipped.
void LoadMembers(ComboBox& major, ListBox& minor, const CompGalaxy& record) {
    const int count = std::min<int>(record.CompGal_Count, kCompMemberCapacity);
    if (count <= 0) return;
    if (IsGalaxyType(record.CompGal_Type[0])) major.SetListIndex(record.CompGal_Type[0]);
    for (int j = 1; j < count; ++j) {
        const int type = record.CompGal_Type[static_cast<std::size_t>(j)];
        if (!IsGalaxyType(type)) continue;
        minor.SetSelected(type, true);
        minor.SetTopIndex(type);
    }
}

}  // namespace

std::string LineName(std::string_view line) {
    return Trim(line.substr(0, line.size() > kPercentWidth ? line.size() - kPercentWidth : 0));
}

std::string LinePercent(std::string_view line) {
    return Trim(line.size() > kPercentWidth ? line.substr(line.size() - kPercentWidth) : line);
}

void BindNameBoxes(Form& dialog) {
    for (const NameBox& row : kNameBoxes) BindNameBox(dialog, row);
}

void lstUniGalaxy_Click(Form& dialog) {
    const auto& list = dialog.Get<ListBox>("lstUniGalaxy");
    if (list.ListIndex() < 0) return;
    const std::string line = list.List(list.ListIndex());
    dialog.SetText("txtUniGalName", kNoIndex, LineName(line));
    dialog.SetText("txtUniGalPct", kNoIndex, LinePercent(line));
}

void cmdGalCommit_Click(Form& dialog) {
    auto& list = dialog.Get<ListBox>("lstUniGalaxy");
    const int type = list.ListIndex();
    if (!IsGalaxyType(type)) return;
    auto& percentBox = dialog.Get<TextBox>("txtUniGalPct");
    ClampPercentBox(percentBox);
    UniGalaxy& record = UniGalaxies[static_cast<std::size_t>(type)];
    record._UniGalPct = PercentOf(percentBox);
    record._UniGalName = Trim(dialog.Get<TextBox>("txtUniGalName").Text());
    AddPaddedListItem(list, record._UniGalName, record._UniGalPct, false);
}

void lstCompGalaxy_Click(Form& dialog) {
    const auto& composites = dialog.Get<ListBox>("lstCompGalaxy");
    const int k = composites.ListIndex();
    if (!IsComposite(k)) return;
    const std::string line = composites.List(k);
    dialog.SetText("txtCompGalName", kNoIndex, LineName(line));
    dialog.SetText("txtCompGalPct", kNoIndex, LinePercent(line));

    auto& major = dialog.Get<ComboBox>("cboCompMajor");
    auto& minor = dialog.Get<ListBox>("lstCompMinor");
    major.SetListIndex(-1);
    minor.SetTopIndex(0);
    DeselectAll(minor);
    LoadMembers(major, minor, CompGalaxies[static_cast<std::size_t>(k)]);
    // Selections set by code raise no click of the minor list: refresh its warning here.
    lstCompMinor_Click(dialog);
}

// The minor types refresh the warning colour as the major type does.
void lstCompMinor_Click(Form& dialog) { cboCompMajor_Click(dialog); }

void cmdCompCommit_Click(Form& dialog) {
    auto& composites = dialog.Get<ListBox>("lstCompGalaxy");
    const int k = composites.ListIndex();
    if (!IsComposite(k)) return;
    auto& major = dialog.Get<ComboBox>("cboCompMajor");
    const int majorType = major.ListIndex();
    if (!IsGalaxyType(majorType)) {
        ShowInformation(kSelectMajorMessage);
        major.SetFocus();
        return;
    }
    auto& percentBox = dialog.Get<TextBox>("txtCompGalPct");
    ClampPercentBox(percentBox);
    if (CountIFSStyleTypes(dialog) >= 2) ShowInformation(kIfsNote);

    CompGalaxy& record = CompGalaxies[static_cast<std::size_t>(k)];
    record._CompGalPct = PercentOf(percentBox);
    record._CompGalName = Trim(dialog.Get<TextBox>("txtCompGalName").Text());
    record.CompGal_Type[0] = static_cast<std::int16_t>(majorType);
    AddPaddedListItem(composites, record._CompGalName, record._CompGalPct, false);

    const auto& minor = dialog.Get<ListBox>("lstCompMinor");
    std::size_t next = 1;
    for (int j = 0; j < kGalaxyTypeCount && next < record.CompGal_Type.size(); ++j) {
        if (j != majorType && minor.Selected(j)) record.CompGal_Type[next++] = static_cast<std::int16_t>(j);
    }
    record.CompGal_Count = static_cast<std::int16_t>(next);
}

}  // namespace orbweave
