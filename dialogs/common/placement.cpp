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
// A restored window shows at least this much of itself on some screen.
constexpr int kMinimumVisiblePixels = 40;

std::string SizeField(int twips) {
    const std::string digits = NumberToText(std::clamp(twips, 0, kSizeFieldMax));
    return std::string(kSizeFieldWidth - digits.size(), '0') + digits;
}

int StoredSizeField(const std::string& stored, int field) {
    const std::size_t start = static_cast<std::size_t>(field) * kSizeFieldWidth;
    if (start >= stored.size()) return 0;
    return ToInt32(LeadingNumber(std::string_view(stored).substr(start, kSizeFieldWidth))).value_or(0);
}

// Moves a window that shows too little of itself on every screen into the primary screen.
void KeepOnScreen(Form& form) {
    const QWidget* window = form.Window();
    const QRect frame = window->frameGeometry();
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect shown = frame.intersected(screen->availableGeometry());
        if (shown.width() >= std::min(kMinimumVisiblePixels, frame.width()) &&
            shown.height() >= std::min(kMinimumVisiblePixels, frame.height()))
            return;
    }
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary == nullptr) return;
    const QRect area = primary->availableGeometry();
    const int left = std::clamp(frame.left(), area.left(), std::max(area.left(), area.right() + 1 - frame.width()));
    const int top = std::clamp(frame.top(), area.top(), std::max(area.top(), area.bottom() + 1 - frame.height()));
    form.Move(PixelsToTwipsX(left), PixelsToTwipsY(top));
}

}  // namespace

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
    KeepOnScreen(form);
}

}  // namespace orbweave
