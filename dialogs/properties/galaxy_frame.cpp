#include "dialogs/properties/galaxy_frame.h"

#include <QApplication>
#include <QPalette>

#include "dialogs/properties/preset_controls.h"
#include "dialogs/properties/style_controls.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/screen.h"
#include "platform/forms/services.h"
#include "settings/factory_presets.h"
#include "settings/galaxy_tables.h"

namespace orbweave {
namespace {

constexpr int kUniverseFrame = 1;
constexpr int kGalaxyFrame = 0;
// The frames' place: a gap of whole pixels after the preview frame, the
// dialog's top margin, and the frames' fixed width.
constexpr int kFrameGapPixels = 10;
constexpr int kFrameTop = 60;
constexpr int kFrameWidth = 4800;

constexpr std::int32_t kCyan = 0xFFFF00;  // red 0, green 255, blue 255

// The busy pointer shows for the life of this object, however the scope is left.
class BusyPointer {
public:
    BusyPointer() { SetBusyPointer(true); }
    ~BusyPointer() { SetBusyPointer(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

bool IsIfsStyle(std::int16_t style) { return style == 1 || style == 2 || style == 3 || style == 8; }

bool TypeHasIfsStyle(int type) {
    return IsGalaxyType(type) && IsIfsStyle(UniGalaxies[static_cast<std::size_t>(type)].Galaxy_GalStyle);
}

// The system's colour for the background of text boxes.
std::int32_t WindowBackgroundColour() {
    const QColor colour = QApplication::palette().color(QPalette::Base);
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

}  // namespace

void ShowUniverseFrame(Form& dialog, bool universe) {
    const BusyPointer busy;
    auto& galaxyFrame = dialog.Get("fraAni", kGalaxyFrame);
    auto& universeFrame = dialog.Get("fraAni", kUniverseFrame);
    galaxyFrame.SetVisible(!universe);
    universeFrame.SetVisible(universe);

    const auto& preview = dialog.Get("fraPreview");
    const auto& accept = dialog.Get("cmdAccept");
    const int left = preview.Left() + preview.Width() + kFrameGapPixels * ScreenTwipsPerPixelX();
    const int height = accept.Top() + accept.Height() - kFrameTop;
    (universe ? universeFrame : galaxyFrame).Move(left, kFrameTop, kFrameWidth, height);

    dialog.SetListIndex("cboGalTheme", kNoIndex, 0);
}

void cboGalStyle_Click(Form& dialog) {
    const int style = dialog.Get<ComboBox>("cboGalStyle").ListIndex();
    SetupGalaxyStyleControls(dialog, static_cast<std::int16_t>(style));
}

void cboGalTheme_Click(Form& dialog) {
    const int theme = dialog.Get<ComboBox>("cboGalTheme").ListIndex();
    const int type = dialog.Get<ListBox>("lstUniGalaxy").ListIndex();
    if (theme < 1 || theme > kGalaxyTypeCount || !IsGalaxyType(type)) return;
    GalaxyPresetToControls(dialog, GetUniGalaxyPreset(static_cast<std::int16_t>(theme)),
                           static_cast<std::int16_t>(type));
}

void cboCompMajor_Click(Form& dialog) {
    auto& name = dialog.Get("txtCompGalName");
    name.SetBackColor(CountIFSStyleTypes(dialog) >= 2 ? kCyan : WindowBackgroundColour());
}

std::int16_t CountIFSStyleTypes(const Form& dialog) {
    const int major = dialog.Get<ComboBox>("cboCompMajor").ListIndex();
    if (major < 0) return 0;
    const auto& minor = dialog.Get<ListBox>("lstCompMinor");
    std::int16_t count = TypeHasIfsStyle(major) ? 1 : 0;
    for (int j = 0; j < kGalaxyTypeCount; ++j) {
        if (j != major && minor.Selected(j) && TypeHasIfsStyle(j)) ++count;
    }
    return count;
}

}  // namespace orbweave
