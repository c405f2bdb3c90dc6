#include "renderer/galaxy/galaxy_display.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <new>
#include <optional>
#include <string_view>
#include <type_traits>

#include "core/convert.h"
#include "core/random.h"
#include "platform/forms/form.h"
#include "renderer/display/animation_guard.h"
#include "renderer/galaxy/comets.h"
#include "renderer/display/display.h"
#include "renderer/display/display_settings.h"
#include "renderer/galaxy/galaxy_constants.h"
#include "renderer/galaxy/galaxy_cycle.h"
#include "renderer/galaxy/hue_tables.h"
#include "renderer/display/pacing.h"
#include "renderer/galaxy/path_tables.h"
#include "renderer/display/presentation.h"
#include "renderer/galaxy/star_colours.h"
#include "renderer/galaxy/star_generators.h"
#include "renderer/universe/tour.h"
#include "renderer/universe/type_state.h"
#include "renderer/universe/universe_run.h"
#include "renderer/universe/universe_settings.h"
#include "settings/galaxy_tables.h"
#include "settings/universe_values.h"

namespace orbweave {
namespace {

constexpr std::int16_t kLimitFrames = 1;
// The single-galaxy display is always past the tour's approach points.
constexpr std::int16_t kPastEveryControlPoint = 32000;
constexpr std::int16_t kCompositeFlag = -1;
constexpr std::int16_t kLowestWheelHue = 0;
constexpr std::int16_t kHighestWheelHue = 999;
constexpr std::int32_t kFewestPreviewStars = 10;
constexpr std::int32_t kMostPreviewStars = 99999;

// The tables of one galaxy display.
struct DisplayTables {
    GalaxyTable galaxies;
    StarTable stars;
    CometTable comets;
    GalaxyPathTables paths;

    bool Allocate(std::int32_t starCount) {
        try {
            galaxies.Allocate(1);
            stars.Allocate(starCount);
            comets.AllocateParticles();
            AllocateCometArrays(comets);
        } catch (const std::bad_alloc&) {
            return false;
        }
        return true;
    }
};

std::int16_t MajorMember(std::int16_t composite) {
    const std::int16_t major = CompGalaxies[static_cast<std::size_t>(composite)].CompGal_Type[0];
    return IsGalaxyType(major) ? major : 0;
}

// Every member of a composite equally likely (the major one when it has none).
std::int16_t AnyMember(std::int16_t composite) {
    const CompGalaxy& comp = CompGalaxies[static_cast<std::size_t>(composite)];
    const int members = std::clamp<int>(comp.CompGal_Count, 0, kCompMemberCapacity);
    const auto k = static_cast<int>(std::floor(RandomFraction() * members));
    const std::int16_t member = comp.CompGal_Type[static_cast<std::size_t>(std::clamp(k, 0, kCompMemberCapacity - 1))];
    return IsGalaxyType(member) ? member : 0;
}

std::int32_t StarsFor(std::int32_t starCount, float scale) {
    return std::max(1, ToInt32(static_cast<double>(starCount) * scale).value_or(1));
}

// --- The properties dialog's controls ---

const UniverseValue* FindUniverseValue(std::string_view name) {
    const auto found = std::find_if(kUniverseValues.begin(), kUniverseValues.end(),
                                    [&](const UniverseValue& v) { return v.name == name; });
    return found != kUniverseValues.end() ? &*found : nullptr;
}

// How a control's content becomes a number.
enum class Reading { Int16, Int32, Single, Check, ListIndex };

std::optional<double> ReadControl(const Form& dialog, std::string_view control, int index, Reading reading) {
    switch (reading) {
    case Reading::Check:
        if (const auto value = dialog.GetValue(control, index)) return *value;
        return std::nullopt;
    case Reading::ListIndex:
        if (const auto value = dialog.GetListIndex(control, index)) return *value;
        return std::nullopt;
    default: break;
    }
    const auto text = dialog.GetText(control, index);
    if (!text) return std::nullopt;
    switch (reading) {
    case Reading::Int16:
        if (const auto value = TextToInt16(*text)) return *value;
        return std::nullopt;
    case Reading::Int32:
        if (const auto value = TextToInt32(*text)) return *value;
        return std::nullopt;
    default:
        if (const auto value = TextToSingle(*text)) return *value;
        return std::nullopt;
    }
}

std::optional<double> ReadUniverseControl(const Form& dialog, std::string_view name, Reading reading) {
    const UniverseValue* value = FindUniverseValue(name);
    if (value == nullptr) return std::nullopt;
    return ReadControl(dialog, value->control, value->controlIndex, reading);
}

using Store = void (*)(UniverseSettings&, double);

// Stores a clamped value into one universe value of its own type.
template <auto Member>
void StoreAs(UniverseSettings& u, double value) {
    using Field = std::remove_reference_t<decltype(u.*Member)>;
    u.*Member = static_cast<Field>(value);
}

// One universe value the universe preview takes from the dialog: read,
// clamped to lo..hi and stored.
struct DialogValue {
    std::string_view name;  // in the universe value table, or a txtBlend box
    Reading reading;
    double lo;
    double hi;
    Store store;
};

constexpr std::string_view kBlendBox = "txtBlend";
constexpr int kBurstBlendIndex = 0;
constexpr int kTravelBlendIndex = 1;

const std::array<DialogValue, 25> kDialogValues{{
    {"Universe_Stars", Reading::Int32, 10, 99999, StoreAs<&UniverseSettings::Universe_Stars>},
    {"Universe_Galaxy", Reading::Int16, 1, 999, StoreAs<&UniverseSettings::Universe_Galaxy>},
    {"Universe_Expand", Reading::Int32, 0, 99999, StoreAs<&UniverseSettings::Universe_Expand>},
    {"Universe_ESteps", Reading::Int16, 1, 9999, StoreAs<&UniverseSettings::Universe_ESteps>},
    {"Universe_Persist", Reading::Single, 0.25, 1.0, StoreAs<&UniverseSettings::Universe_Persist>},
    {"Universe_Damping", Reading::Single, 0, 1.0, StoreAs<&UniverseSettings::Universe_Damping>},
    {"Universe_Recycle", Reading::Int16, 1, 999, StoreAs<&UniverseSettings::Universe_Recycle>},
    {"Universe_Profile", Reading::ListIndex, 0, 51, StoreAs<&UniverseSettings::Universe_Profile>},
    {"Universe_NewFreq", Reading::Int16, 0, 9999, StoreAs<&UniverseSettings::Universe_NewFreq>},
    {"Universe_NewPctStEx", Reading::Int16, 0, 100, StoreAs<&UniverseSettings::Universe_NewPctStEx>},
    {"Universe_Tour", Reading::Check, 0, 1, StoreAs<&UniverseSettings::Universe_Tour>},
    {"Universe_GVisit", Reading::Check, 0, 1, StoreAs<&UniverseSettings::Universe_GVisit>},
    {"Universe_GSteps", Reading::Int16, 1, 9999, StoreAs<&UniverseSettings::Universe_GSteps>},
    {"Universe_GPCtrl", Reading::Int16, 1, 999, StoreAs<&UniverseSettings::Universe_GPCtrl>},
    {"Universe_GCCtrl", Reading::Int16, 0, 999, StoreAs<&UniverseSettings::Universe_GCCtrl>},
    {"Universe_DstCen", Reading::Int32, 0, 999999, StoreAs<&UniverseSettings::Universe_DstCen>},
    {"Universe_AmStar", Reading::Int32, 0, 9999, StoreAs<&UniverseSettings::Universe_AmStar>},
    {"Universe_AmPers", Reading::Single, 0.25, 1.0, StoreAs<&UniverseSettings::Universe_AmPers>},
    {"Universe_AmCAge", Reading::Single, 0, 10.0, StoreAs<&UniverseSettings::Universe_AmCAge>},
    {"Universe_AmFrames", Reading::Int16, 0, 999, StoreAs<&UniverseSettings::Universe_AmFrames>},
    {"Universe_AmMaxExt", Reading::Int16, 1, 9999, StoreAs<&UniverseSettings::Universe_AmMaxExt>},
    {"Universe_GravForce", Reading::Int32, 0, 999999, StoreAs<&UniverseSettings::Universe_GravForce>},
    {"Universe_GravFrame", Reading::Int16, 1, 999, StoreAs<&UniverseSettings::Universe_GravFrame>},
    {"DX_BlendUniBurst", Reading::Int16, 0, 100, StoreAs<&UniverseSettings::DX_BlendUniBurst>},
    {"DX_BlendUniTravel", Reading::Int16, 0, 100, StoreAs<&UniverseSettings::DX_BlendUniTravel>},
}};

std::optional<double> ReadDialogValue(const Form& dialog, const DialogValue& value) {
    if (value.name == "DX_BlendUniBurst") return ReadControl(dialog, kBlendBox, kBurstBlendIndex, value.reading);
    if (value.name == "DX_BlendUniTravel") return ReadControl(dialog, kBlendBox, kTravelBlendIndex, value.reading);
    return ReadUniverseControl(dialog, value.name, value.reading);
}

void CopyUniverseControls(const Form& dialog) {
    for (const DialogValue& value : kDialogValues) {
        if (const auto read = ReadDialogValue(dialog, value)) value.store(Universe, std::clamp(*read, value.lo, value.hi));
    }
    if (const UniverseValue* tour = FindUniverseValue("Universe_GS_Idx")) {
        if (const auto text = dialog.GetText(tour->control, tour->controlIndex)) ParseTourSequence(*text);
    }
}

// The universe ramp from the dialog's hue-wheel boxes; both must hold numbers.
void BuildDialogHueWheels(const Form& dialog) {
    const auto start = ReadUniverseControl(dialog, "Universe_HW_Start", Reading::Int16);
    const auto end = ReadUniverseControl(dialog, "Universe_HW_End", Reading::Int16);
    if (!start || !end) return;
    auto wheelHue = [](double hue) {
        return ClampInt(static_cast<std::int16_t>(hue), kLowestWheelHue, kHighestWheelHue);
    };
    BuildHueWheels(wheelHue(*start), wheelHue(*end));
}

void PrepareDialogPreview(const DrawingTarget& pic, const Form& dialog) {
    LoadDisplaySettings(pic, false, 1.0f);
    BuildHueColorTables();
    BuildDialogHueWheels(dialog);
}

}  // namespace

void RunGalaxyDisplay(std::int16_t index, std::int16_t limitFrames, std::int32_t frameLimit, std::int32_t starCount,
                      bool composite, float scale) {
    if (composite ? !IsCompGalaxy(index) : !IsGalaxyType(index)) return;
    const AnimationGuard guard;
    if (!guard.Entered()) return;
    UniverseSettings& u = Universe;
    u.Universe_Stars = StarsFor(starCount, scale);
    u.Universe_Galaxy = 1;
    u.Universe_NewPctStEx = 0;

    DisplayTables tables;
    if (!tables.Allocate(u.Universe_Stars) || !LoadPropsInitDX()) return;
    PrecomputeGalaxyConstants();

    std::int16_t shown = index;
    if (composite) {
        UniGalaxies[kGalaxyTypeCount + index].Run_IsComposite = kCompositeFlag;
        shown = MajorMember(index);
        tables.galaxies.GalType[0] = static_cast<std::int16_t>(kGalaxyTypeCount + index);
    } else {
        tables.galaxies.GalType[0] = index;
    }
    tables.galaxies.GalRelZ[0] = UniGalaxies[shown].Run_Distance;
    tables.comets.CometCount = CometCountFor(shown);
    InitGalaxyTypeTables(tables.paths, 1, shown, composite ? index : std::int16_t{-1}, {});

    StarTable& stars = tables.stars;
    for (std::int32_t s = 0; s < stars.Count(); ++s) {
        stars.StarGalaxy[s] = 0;
        stars.StarMember[s] = composite ? AnyMember(index) : index;
        GenerateStar(stars, s, stars.StarMember[s], 0, tables.paths);
    }
    SetHueCycleFlags();
    BuildStarColorRamps();
    BuildPulsarTables();

    const TourFrame tour{0, shown, kPastEveryControlPoint, 0.0f, true, composite ? kShowComposite : kShowGalaxyType};
    const bool limited = limitFrames == kLimitFrames && frameLimit > 0;
    std::int32_t frames = 0;
    while (true) {
        AdvanceGalaxyAngles();
        FrameStartTick = TickCount();
        CycleGalaxyStars(tables.galaxies, stars, tables.comets, tables.paths, tour);
        BlendBlitSurface(-1);
        AdvanceNebulaPaths(tables.paths, 1, shown, {});
        // The About box steps through the types without touching the stop flag.
        if (limited && ++frames == frameLimit) return;
        if (WaitFrameDelayPreview()) return;
    }
}

void PreviewGalaxyFromDialog(const DrawingTarget& pic, bool composite) {
    const Form* dialog = pic.ParentForm();
    // A running animation keeps its geometry and colours.
    if (dialog == nullptr || AnimationRunning()) return;
    const auto selected = dialog->GetListIndex(composite ? "lstCompGalaxy" : "lstUniGalaxy");
    if (!selected || (composite ? !IsCompGalaxy(*selected) : !IsGalaxyType(*selected))) return;
    PrepareDialogPreview(pic, *dialog);
    std::int32_t starCount = Universe.Universe_Stars;
    if (const auto read = ReadUniverseControl(*dialog, "Universe_Stars", Reading::Int32)) {
        starCount = static_cast<std::int32_t>(std::clamp<double>(*read, kFewestPreviewStars, kMostPreviewStars));
    }
    RunGalaxyDisplay(static_cast<std::int16_t>(*selected), 0, 0, starCount, composite, 1.0f);
}

void PreviewUniverseFromDialog(const DrawingTarget& pic) {
    const Form* dialog = pic.ParentForm();
    if (dialog == nullptr || AnimationRunning()) return;
    PrepareDialogPreview(pic, *dialog);
    CopyUniverseControls(*dialog);
    RunUniverse();
}

}  // namespace orbweave
