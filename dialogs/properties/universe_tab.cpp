#include "dialogs/properties/universe_tab.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "core/convert.h"
#include "dialogs/properties/dialog_lists.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/picture_box.h"
#include "platform/forms/window_utils.h"
#include "platform/system/services.h"
#include "renderer/galaxy/star_generators.h"
#include "settings/galaxy_tables.h"
#include "settings/galaxy_values.h"

namespace orbweave {
namespace {

constexpr std::int32_t kBlack = 0;

// The styles whose galaxy frame shows the shape profile.
constexpr std::array<std::int16_t, 4> kProfileStyles{0, 1, 5, 6};

// Which switches enable a tour control, by handler.
enum class TourSwitch { Tour, TourAndCamera, Camera, NotSequential };
enum class TourHandler { Tour, Camera, Sequence };

struct TourRow {
    TourHandler handler;
    ControlRef control;
    TourSwitch enabledWhen;
};

constexpr std::array<TourRow, 15> kTourRows{{
    {TourHandler::Tour, {"lblUni", 30}, TourSwitch::Tour},
    {TourHandler::Tour, {"lblUni", 31}, TourSwitch::Tour},
    {TourHandler::Tour, {"lblUni", 32}, TourSwitch::Tour},
    {TourHandler::Tour, {"txtUni", 30}, TourSwitch::Tour},
    {TourHandler::Tour, {"txtUni", 31}, TourSwitch::Tour},
    {TourHandler::Tour, {"txtUni", 32}, TourSwitch::Tour},
    {TourHandler::Tour, {"lblUni", 34}, TourSwitch::TourAndCamera},
    {TourHandler::Tour, {"txtUni", 34}, TourSwitch::TourAndCamera},
    {TourHandler::Tour, {"cboTourGalaxies"}, TourSwitch::Tour},
    {TourHandler::Tour, {"chkVisitSeq"}, TourSwitch::Tour},
    {TourHandler::Tour, {"chkRotCamera"}, TourSwitch::Tour},
    {TourHandler::Camera, {"lblUni", 34}, TourSwitch::Camera},
    {TourHandler::Camera, {"txtUni", 34}, TourSwitch::Camera},
    {TourHandler::Sequence, {"fraTripScript"}, TourSwitch::NotSequential},
    {TourHandler::Sequence, {"cboTourGalaxies"}, TourSwitch::NotSequential},
}};

bool On(const Form& dialog, std::string_view check) { return dialog.GetValue(check).value_or(0) != 0; }

bool Enabled(const Form& dialog, TourSwitch when) {
    switch (when) {
    case TourSwitch::Tour: return On(dialog, "chkUniTour");
    case TourSwitch::TourAndCamera: return On(dialog, "chkUniTour") && On(dialog, "chkRotCamera");
    case TourSwitch::Camera: return On(dialog, "chkRotCamera");
    case TourSwitch::NotSequential: return !On(dialog, "chkVisitSeq");
    }
    return false;
}

void ApplyTourRows(Form& dialog, TourHandler handler) {
    for (const TourRow& row : kTourRows) {
        if (row.handler == handler)
            dialog.SetEnabled(row.control.name, row.control.index, Enabled(dialog, row.enabledWhen));
    }
}

struct PercentReset {
    std::string_view box;
    std::string_view list;
    int count;
    std::string (*name)(int);
    std::int16_t& (*percent)(int);
};

std::string GalaxyName(int i) { return UniGalaxies[static_cast<std::size_t>(i)]._UniGalName; }
std::int16_t& GalaxyPercent(int i) { return UniGalaxies[static_cast<std::size_t>(i)]._UniGalPct; }
// An unnamed composite shows the name its list fill gives it.
std::string CompositeName(int i) {
    const std::string& name = CompGalaxies[static_cast<std::size_t>(i)]._CompGalName;
    return name.empty() ? CompositeListName(i) : name;
}
std::int16_t& CompositePercent(int i) { return CompGalaxies[static_cast<std::size_t>(i)]._CompGalPct; }

constexpr PercentReset kGalaxyReset{"txtResetGalPct", "lstUniGalaxy", kGalaxyTypeCount, GalaxyName, GalaxyPercent};
constexpr PercentReset kCompositeReset{"txtResetCompPct", "lstCompGalaxy", kCompGalaxyCount, CompositeName,
                                       CompositePercent};

void ResetPercents(Form& dialog, const PercentReset& reset) {
    auto& box = dialog.Get<TextBox>(reset.box);
    if (Trim(box.Text()).empty()) {
        ShowMessage(kResetPercentMessage, kMessageTitle, {MessageIcon::Information, MessageButtons::Ok, 0});
        box.SetFocus();
        return;
    }
    const double read =
        std::clamp(std::nearbyint(LeadingNumber(box.Text())), kGalaxyPercentRange.low, kGalaxyPercentRange.high);
    const auto percent = static_cast<std::int16_t>(read);
    auto& list = dialog.Get<ListBox>(reset.list);
    for (int i = 0; i < reset.count; ++i) {
        reset.percent(i) = percent;
        if (list.SetListIndex(i)) AddPaddedListItem(list, reset.name(i), percent, false);
    }
    list.SetTopIndex(0);
    list.SetListIndex(0);
}

}  // namespace

void DrawProfileCurve(PictureBox& pic, int profile) {
    // Drawn in pixels, the last row and column included, so that the rim
    // and a height of 0 lie inside the box.
    Canvas& canvas = pic.Drawing();
    canvas.SetScalePixels();
    canvas.Cls();
    const double width = canvas.PixelWidth() - 1;
    const double height = canvas.PixelHeight() - 1;
    if (!(width > 0) || !(height > 0)) return;
    const auto shape = ToInt16(profile).value_or(-1);
    const auto pointAt = [&](double x) {
        const float h = GetProfileHeight(shape, static_cast<float>(x / width), 1.0f, 1.0f);
        return (1.0 - std::fabs(static_cast<double>(h))) * height;
    };
    canvas.PSet(0, pointAt(0), kBlack);
    const double last = std::nearbyint(width);
    for (double x = 0; x <= last; ++x) canvas.LineTo(x, pointAt(x), kBlack);
}

void cboUniProfile_Click(Form& dialog) {
    auto& pic = dialog.Get<PictureBox>("picUniProfile");
    const int type = dialog.Get<ComboBox>("cboUniProfile").ListIndex();
    if (IsGalaxyType(type)) {
        const UniGalaxy& record = UniGalaxies[static_cast<std::size_t>(type)];
        if (std::find(kProfileStyles.begin(), kProfileStyles.end(), record.Galaxy_GalStyle) != kProfileStyles.end()) {
            DrawProfileCurve(pic, record.Galaxy_Profile);
            return;
        }
    }
    pic.Drawing().Cls();
}

void cboGalProfile_Click(Form& dialog) {
    DrawProfileCurve(dialog.Get<PictureBox>("picGalProfile"), dialog.Get<ComboBox>("cboGalProfile").ListIndex());
}

void chkUniTour_Click(Form& dialog) { ApplyTourRows(dialog, TourHandler::Tour); }
void chkRotCamera_Click(Form& dialog) { ApplyTourRows(dialog, TourHandler::Camera); }
void chkVisitSeq_Click(Form& dialog) { ApplyTourRows(dialog, TourHandler::Sequence); }

void cmdResetGalPct_Click(Form& dialog) { ResetPercents(dialog, kGalaxyReset); }
void cmdResetCompPct_Click(Form& dialog) { ResetPercents(dialog, kCompositeReset); }

}  // namespace orbweave
