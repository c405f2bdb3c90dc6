#include "dialogs/common/placement.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "core/convert.h"
#include "platform/forms/form.h"
#include "platform/forms/screen.h"
#include "platform/forms/window_utils.h"
#include "platform/registry/settings.h"

namespace orbweave {

namespace {

constexpr std::string_view kWindowStateValue = "WindowState";
constexpr std::string_view kWindowSizeValue = "WindowSize";
constexpr std::string_view kStateMaximized = "2";
constexpr std::string_view kStateOther = "0";
constexpr int kSizeFieldWidth = 5;
constexpr int kSizeFieldCount = 4;
constexpr int kSizeFieldMax = 99999;
constexpr std::int16_t kNoStoredState = -1;

std::string SizeField(int twips) {
    const std::string digits = NumberToText(std::clamp(twips, 0, kSizeFieldMax));
    return std::string(kSizeFieldWidth - digits.size(), '0') + digits;
}

int StoredSizeField(const std::string& stored, int field) {
    const std::size_t start = static_cast<std::size_t>(field) * kSizeFieldWidth;
    if (start >= stored.size()) return 0;
    return ToInt32(LeadingNumber(std::string_view(stored).substr(start, kSizeFieldWidth))).value_or(0);
}

// The screen the window's middle is on, else the primary one.
const QScreen* ScreenOf(const QRect& frame) {
    const QScreen* screen = QGuiApplication::screenAt(frame.center());
    return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

// One edge's place that keeps a span inside the area's span where it fits,
// else starts it at the area's start.
int PlaceInside(int start, int length, int areaStart, int areaLength) {
    return std::clamp(start, areaStart, std::max(areaStart, areaStart + areaLength - length));
}

// A sizable window larger than the area is reduced to it. The form's resize
// handler then runs, as showing would run it, so that a minimum size the
// dialog keeps there wins over the area.
void FitFormToArea(Form& form, const QRect& area) {
    const QRect frame = form.Window()->frameGeometry();
    if (!form.Sizable() || (frame.width() <= area.width() && frame.height() <= area.height())) return;
    form.Move(form.Left(), form.Top(), PixelsToTwipsX(std::min(frame.width(), area.width())),
              PixelsToTwipsY(std::min(frame.height(), area.height())));
    Control::Raise(form.events.resize);
}

}  // namespace

void KeepFormInsideScreen(Form& form) {
    if (form.State() != WindowState::Normal) return;
    const QScreen* screen = ScreenOf(form.Window()->frameGeometry());
    if (screen == nullptr) return;
    const QRect area = screen->availableGeometry();
    FitFormToArea(form, area);
    const QRect frame = form.Window()->frameGeometry();
    const int left = PlaceInside(frame.left(), frame.width(), area.left(), area.width());
    const int top = PlaceInside(frame.top(), frame.height(), area.top(), area.height());
    if (left != frame.left() || top != frame.top()) form.Move(PixelsToTwipsX(left), PixelsToTwipsY(top));
}

void SaveFormPlacement(const Form& form, std::string_view section) {
    const WindowState state = form.State();
    SaveSettingValue(section, kWindowStateValue, state == WindowState::Maximized ? kStateMaximized : kStateOther);
    if (state == WindowState::Minimized) return;
    const std::string size =
        SizeField(form.Left()) + SizeField(form.Top()) + SizeField(form.Width()) + SizeField(form.Height());
    SaveSettingValue(section, kWindowSizeValue, std::string_view(size));
}

bool PlacementStored(std::string_view section) {
    return GetSettingInteger(section, kWindowStateValue, kNoStoredState) != kNoStoredState;
}

void RestoreFormPlacement(Form& form, std::string_view section) {
    const std::int16_t state = GetSettingInteger(section, kWindowStateValue, kNoStoredState);
    if (state == kNoStoredState) {
        CenterFormOnScreen(form);
        return;
    }
    form.SetState(state);
    const std::string size = Trim(GetSettingString(section, kWindowSizeValue, ""));
    if (size.empty() || state != static_cast<std::int16_t>(WindowState::Normal)) return;
    std::array<int, kSizeFieldCount> field{};
    for (int i = 0; i < kSizeFieldCount; ++i) field[static_cast<std::size_t>(i)] = StoredSizeField(size, i);
    if (form.Sizable())
        form.Move(field[0], field[1], field[2], field[3]);
    else
        form.Move(field[0], field[1]);
    KeepFormInsideScreen(form);
}

}  // namespace orbweave
