#include "platform/forms/key_codes.h"

#include <array>
#include <utility>

#include "platform/forms/control.h"

namespace orbweave {

namespace {

constexpr std::array<std::pair<int, int>, 15> kNamedKeys = {{
    {Qt::Key_Backspace, kKeyBack},
    {Qt::Key_Tab, kKeyTab},
    {Qt::Key_Return, kKeyReturn},
    {Qt::Key_Enter, kKeyReturn},
    {Qt::Key_Escape, kKeyEscape},
    {Qt::Key_PageUp, kKeyPageUp},
    {Qt::Key_PageDown, kKeyPageDown},
    {Qt::Key_End, kKeyEnd},
    {Qt::Key_Home, kKeyHome},
    {Qt::Key_Left, kKeyLeft},
    {Qt::Key_Up, kKeyUp},
    {Qt::Key_Right, kKeyRight},
    {Qt::Key_Down, kKeyDown},
    {Qt::Key_Insert, kKeyInsert},
    {Qt::Key_Delete, kKeyDelete},
}};

constexpr int kFunctionKeyCount = 12;

}  // namespace

int VirtualKeyCode(int qtKey) {
    for (const auto& [qt, code] : kNamedKeys)
        if (qt == qtKey) return code;
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)) return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey < Qt::Key_F1 + kFunctionKeyCount) return kKeyF1 + (qtKey - Qt::Key_F1);
    return 0;
}

int ShiftStateOf(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? kShiftMask : 0) | (modifiers & Qt::ControlModifier ? kCtrlMask : 0) |
           (modifiers & Qt::AltModifier ? kAltMask : 0);
}

int MouseButtonOf(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton: return kLeftButton;
    case Qt::RightButton: return kRightButton;
    case Qt::MiddleButton: return kMiddleButton;
    default: return 0;
    }
}

int TypedCharacter(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return 0;
    if (event.key() == Qt::Key_Backspace) return kKeyBack;
    const QString text = event.text();
    if (text.size() != 1 || !text.at(0).isPrint()) return 0;
    return text.at(0).unicode();
}

}  // namespace orbweave
