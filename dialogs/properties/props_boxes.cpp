#include "dialogs/properties/props_boxes.h"

#include <array>
#include <memory>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "core/convert.h"
#include "dialogs/common/value_boxes.h"
#include "dialogs/properties/props_colours.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/handler_chain.h"
#include "platform/forms/numeric_boxes.h"
#include "platform/forms/window_utils.h"
#include "settings/style_ranges.h"

namespace orbweave {
namespace {

// Digits only, the text kept as typed: the two percent resets, which have no
// value of their own in the tables, and the custom size boxes, which clamp on
// their own against the limits of the moment.
constexpr BoxRule kDigitsAsTyped = DigitsBox(BoxClamp::None, 0, 0);

// Boxes that only select their text when they get the focus.
constexpr std::array<ControlRef, 3> kSelectOnFocus{{{"txtUniGalName"}, {"txtCompGalName"}, {"txtPropCopy"}}};

// What a box's Change redraws once its spin has moved.
struct Redraw {
    ControlRef box;
    void (*draw)(Form&);
};
constexpr std::array<Redraw, 9> kRedraws{{
    {{"txtGalaxy", 47}, DrawCometHueBands},
    {{"txtGalaxy", 48}, DrawCometHueBands},
    {{"txtGalaxy", 95}, ShowGalaxyHue},
    {{"txtUni", 16}, DrawUniverseHueBands},
    {{"txtUni", 17}, DrawUniverseHueBands},
    {{"txtPixHue", 0}, [](Form& f) { ShowPercentSwatch(f, 0); }},
    {{"txtPixHue", 1}, [](Form& f) { ShowPercentSwatch(f, 1); }},
    {{"txtPixHue", 2}, [](Form& f) { ShowPercentSwatch(f, 2); }},
    {{"txtPixHue", 3}, [](Form& f) { ShowPercentSwatch(f, 3); }},
}};

template <typename... Args>
void Append(std::function<void(Args...)>& slot, std::function<void(Args...)> step) {
    slot = Chain(std::move(slot), std::move(step));
}

// A spin beside its box. A spin that the box moved never writes back: the
// box keeps what was typed ("05" stays "05", 12345 is not made 12340).
struct SpinLink {
    TextBox& box;
    SpinControl& spin;
    int scale;
    std::shared_ptr<bool> boxMovesSpin;

    void MirrorBox() const {
        const auto value = ToInt16(LeadingNumber(box.Text()) / scale);
        if (!value) return;
        *boxMovesSpin = true;
        spin.SetValue(*value);
        *boxMovesSpin = false;
    }
    void MirrorSpin() const {
        if (!*boxMovesSpin) box.SetText(IntegerToText(static_cast<std::int64_t>(spin.Value()) * scale));
    }
};

void BindSpin(Form& dialog, const NumericBoxRow& entry, const std::shared_ptr<bool>& boxMovesSpin) {
    if (entry.spin.name.empty()) return;
    const SpinLink link{dialog.Get<TextBox>(entry.box.name, entry.box.index),
                        dialog.Get<SpinControl>(entry.spin.name, entry.spin.index), entry.rule.spin.scale,
                        boxMovesSpin};
    Append(link.box.events.change, std::function<void()>([link] { link.MirrorBox(); }));
    Append(link.spin.events.change, std::function<void()>([link] { link.MirrorSpin(); }));
    // A scaled spin is also set from the clamped value when the box is left.
    if (link.scale != 1) Append(link.box.events.lostFocus, std::function<void()>([link] { link.MirrorBox(); }));
}

void ClampByStyle(Form& dialog, TextBox& box) {
    const int style = dialog.Get<ComboBox>("cboGalStyle").ListIndex();
    if (const auto range = StyleLeaveRange(style, box.Index()))
        ValidateNumericText(box, BoxClamp::Integer, static_cast<float>(range->low), static_cast<float>(range->high));
}

void BindStyleClamp(Form& dialog, const NumericBoxRow& entry) {
    if (entry.rule.clamp != BoxClamp::ByStyle) return;
    TextBox& box = dialog.Get<TextBox>(entry.box.name, entry.box.index);
    Append(box.events.lostFocus, std::function<void()>([&dialog, &box] { ClampByStyle(dialog, box); }));
}

void BindCustomSize(Form& dialog, const NumericBoxRow& entry, const std::function<DisplayLimits()>& limits) {
    TextBox& box = dialog.Get<TextBox>(entry.box.name, entry.box.index);
    const int index = entry.box.index;
    Append(box.events.lostFocus, std::function<void()>([&box, index, limits] {
               for (const NumericBoxRow& now : CustomSizeBoxRows(limits ? limits() : DisplayLimits{})) {
                   if (now.box.index == index)
                       ValidateNumericText(box, BoxClamp::Integer, static_cast<float>(now.rule.low),
                                           static_cast<float>(now.rule.high));
               }
           }));
}

std::vector<NumericBoxRow> MirroredBoxes() {
    std::vector<NumericBoxRow> rows = UniverseBoxRows();
    for (auto more : {BlendBoxRows(), GalaxyBoxRows()}) rows.insert(rows.end(), more.begin(), more.end());
    // The composite's percent box behaves as the galaxy type's.
    for (const NumericBoxRow& entry : GalaxyBoxRows()) {
        if (entry.box.name == "txtUniGalPct") rows.push_back({{"txtCompGalPct"}, entry.rule, {"spnCompGalPct"}});
    }
    rows.push_back({{"txtResetGalPct"}, kDigitsAsTyped});
    rows.push_back({{"txtResetCompPct"}, kDigitsAsTyped});
    return rows;
}

void BindRedraws(Form& dialog) {
    for (const Redraw& row : kRedraws) {
        auto& box = dialog.Get<TextBox>(row.box.name, row.box.index);
        Append(box.events.change, std::function<void()>([&dialog, draw = row.draw] { draw(dialog); }));
    }
}

}  // namespace

// A box whose meaning follows the style clamps into the range the style
// stores its value in.
std::optional<LeaveRange> StyleLeaveRange(int style, int box) {
    if (style < 0 || style >= kGalaxyStyleCount) return std::nullopt;
    const auto s = static_cast<std::int16_t>(style);
    if (box == kTiltBox) return LeaveRange{TiltBoxRange(s).low, TiltBoxRange(s).high};
    const RadialRanges& ranges = kRadialRangesByStyle[static_cast<std::size_t>(style)];
    for (std::size_t k = 0; k < kRadialBoxes.size(); ++k) {
        const Range16 stored = ranges[k].stored;
        if (kRadialBoxes[k] == box)
            return LeaveRange{static_cast<double>(stored.low), static_cast<double>(stored.high)};
    }
    return std::nullopt;
}

void BindPropertiesBoxes(Form& dialog, std::function<DisplayLimits()> customSizeLimits) {
    const auto boxMovesSpin = std::make_shared<bool>(false);
    std::vector<NumericBoxRow> rows;
    const std::vector<NumericBoxRow> mirrored = MirroredBoxes();
    const std::vector<NumericBoxRow> customSize = CustomSizeBoxRows({});
    // The spins are mirrored here, where scaling and the echo rule are known.
    for (const NumericBoxRow& entry : mirrored) rows.push_back({entry.box, entry.rule});
    for (const NumericBoxRow& entry : customSize) rows.push_back({entry.box, kDigitsAsTyped});
    BindNumericBoxes(dialog, rows);

    for (const NumericBoxRow& entry : mirrored) {
        BindSpin(dialog, entry, boxMovesSpin);
        BindStyleClamp(dialog, entry);
    }
    for (const NumericBoxRow& entry : customSize) BindCustomSize(dialog, entry, customSizeLimits);
    BindRedraws(dialog);
    for (const ControlRef& ref : kSelectOnFocus) {
        Append(dialog.Get(ref.name, ref.index).events.gotFocus,
               std::function<void()>([&dialog] { SelectTextOnFocus(dialog); }));
    }
}

}  // namespace orbweave
