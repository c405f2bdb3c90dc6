#include "platform/forms/window_utils.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QLocale>

#include <algorithm>
#include <array>
#include <limits>
#include <string>
#include <vector>

#include "core/convert.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/qt_text.h"
#include "platform/forms/screen.h"
#include "platform/forms/services.h"
#include "platform/system/services.h"

namespace orbweave {

namespace {

// Arrow steps of a spin control by the high end of its range: the first row
// whose bound lies above the high end.
struct StepRow {
    int below;
    std::int16_t step;
};
constexpr std::array<StepRow, 4> kStepsByHigh = {
    {{101, 1}, {999, 5}, {30000, 10}, {std::numeric_limits<int>::max(), 50}}};

constexpr int kSetupLengthLimit = 12;  // length limit while the set-up rewrites the text
constexpr double kPaddedColumnTwips = 2400.0;
constexpr std::int16_t kMinimumPadding = 3;
constexpr int kBackspace = 8;

template <typename T>
T Saturate(double value) {
    return value < 0 ? std::numeric_limits<T>::min() : std::numeric_limits<T>::max();
}

std::int16_t SaturatedInt16(double value) { return ToInt16(value).value_or(Saturate<std::int16_t>(value)); }
std::int32_t SaturatedInt32(double value) { return ToInt32(value).value_or(Saturate<std::int32_t>(value)); }
float SaturatedSingle(double value) {
    return ToSingle(value).value_or(value < 0 ? std::numeric_limits<float>::lowest()
                                              : std::numeric_limits<float>::max());
}

}  // namespace

// --- Centring ---

void CenterFormOnScreen(Form& form) {
    if (form.State() != WindowState::Normal) return;
    const double left = (static_cast<double>(ScreenWidthTwips()) - form.Width()) * 0.5;
    const double top = (static_cast<double>(ScreenHeightTwips()) - form.Height()) * 0.5;
    form.Move(SaturatedInt32(left), SaturatedInt32(top));
}

// --- Enabling ---

void SetContainerEnabled(Frame& container, bool enable) {
    container.SetEnabled(enable);
    for (Control* control : container.Parent().Controls()) {
        if (control->Kind() == ControlKind::Menu || control->Container() != &container) continue;
        control->SetEnabled(enable);
        if (auto* frame = dynamic_cast<Frame*>(control)) SetContainerEnabled(*frame, enable);
    }
}

// --- Numeric boxes ---

void SetupNumericField(TextBox& box, SpinControl& spin, std::int16_t low, std::int16_t high, std::int16_t maxLength,
                       std::int16_t step) {
    box.SetMaxLength(kSetupLengthLimit);
    box.SetText(NumberToText(ClampInt(SaturatedInt16(LeadingNumber(box.Text())), low, high)));
    box.SetMaxLength(maxLength);
    spin.SetMin(high);
    spin.SetMax(low);
    if (step < 1)
        step = std::find_if(kStepsByHigh.begin(), kStepsByHigh.end(), [high](const StepRow& row) {
                   return high < row.below;
               })->step;
    spin.SetSmallChange(step);
}

void ValidateNumericText(TextBox& box, BoxClamp kind, float low, float high) {
    const double value = LeadingNumber(box.Text());
    switch (kind) {
    case BoxClamp::Integer:
        box.SetText(NumberToText(ClampInt(SaturatedInt16(value), SaturatedInt16(low), SaturatedInt16(high))));
        break;
    case BoxClamp::Single:
        box.SetText(NumberToText(static_cast<double>(ClampSng(SaturatedSingle(value), low, high))));
        break;
    case BoxClamp::Long:
        box.SetText(NumberToText(ClampLng(SaturatedInt32(value), SaturatedInt32(low), SaturatedInt32(high))));
        break;
    case BoxClamp::None:
    case BoxClamp::ByStyle: break;
    }
}

void SelectTextOnFocus(Form& form) {
    auto* box = dynamic_cast<TextBox*>(form.ActiveControl());
    if (box != nullptr && !box->Locked()) box->SelectAll();
}

// --- Key filters ---

namespace {

bool IsDigitOrBackspace(int key) { return (key >= '0' && key <= '9') || key == kBackspace; }

// The decimal key of many keyboards types the locale's separator ("," in
// German or French); a decimal box takes it as the point its text holds.
bool IsLocaleDecimalSeparator(int key) {
    const QString separator = QLocale().decimalPoint();
    return separator.size() == 1 && separator.at(0).unicode() == key;
}

void Swallow(int& keyAscii) {
    keyAscii = 0;
    Beep();
}

}  // namespace

void KeyPressDigitsOnly(int& keyAscii) {
    if (!IsDigitOrBackspace(keyAscii)) Swallow(keyAscii);
}

void KeyPressDecimal(const TextBox& box, int& keyAscii) {
    if (IsDigitOrBackspace(keyAscii)) return;
    if (IsLocaleDecimalSeparator(keyAscii)) keyAscii = '.';
    if (keyAscii != '.') {
        Swallow(keyAscii);
        return;
    }
    const bool pointKept = box.Text().find('.') != std::string::npos && box.SelText().find('.') == std::string::npos;
    if (pointKept) Swallow(keyAscii);
}

// --- Lists ---

bool AddPaddedListItem(ListControl& list, std::string_view text, std::int16_t number, bool newItem) {
    const Form& form = list.Parent();
    const double textWidth = form.TextWidthUpTo(text, kPaddedColumnTwips);
    const double blankWidth = form.TextWidth(" ");
    // Without a measurable blank (no fonts) the minimum padding still separates the columns.
    const std::int16_t blanks =
        blankWidth > 0.0 ? std::max(kMinimumPadding, SaturatedInt16((kPaddedColumnTwips - textWidth) / blankWidth))
                         : kMinimumPadding;
    const std::string entry =
        std::string(text) + std::string(static_cast<std::size_t>(blanks), ' ') + NumberToText(number);
    // The blanks only come near the column; the list draws the numbers at it.
    if (auto* box = dynamic_cast<ListBox*>(&list)) box->SetNumberColumn(static_cast<int>(kPaddedColumnTwips));
    return newItem ? list.AddItem(entry) : list.SetList(list.ListIndex(), entry);
}

std::int16_t FindListIndex(const ListControl& list, std::string_view text) {
    const int count = std::min(list.ListCount(), static_cast<int>(std::numeric_limits<std::int16_t>::max()) + 1);
    for (int item = 0; item < count; ++item)
        if (list.List(item) == text) return static_cast<std::int16_t>(item);
    return 0;
}

void FillFontList(ComboBox& combo) {
    combo.Clear();
    std::vector<QString> listed;
    for (QString family : QFontDatabase::families()) {
        // Qt names a family found at several foundries "Family [Foundry]".
        if (const qsizetype bracket = family.lastIndexOf(QStringLiteral(" [")); bracket > 0 && family.endsWith(']'))
            family.truncate(bracket);
        if (std::find(listed.begin(), listed.end(), family) != listed.end()) continue;
        listed.push_back(family);
        combo.AddItem(FromQString(family));
    }
}

std::string MatchedFontFamily(std::string_view name) { return FromQString(QFontInfo(QFont(ToQString(name))).family()); }

}  // namespace orbweave
