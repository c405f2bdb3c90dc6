// Control table rows by kind, so that a table of a few hundred rows reads as
// kind, name, index, place and caption, with the rest added only where it
// differs:
//
//     MenuRow("mnuFile", kNoIndex, "&File"),
//     SeparatorRow("mnuFileArray", 1, {"mnuFile"}),
//     TextRow("txtUni", 0, {2000, 300, 900, 315}, "500").In("fraProps").Tab(3),
//     TextRow("txtMessage", 4, {120, 900, 3000, 900}).Styled(kStyleMultiLine),
#pragma once

#include <string_view>

#include "platform/forms/control.h"

namespace orbweave {

// Where a control sits inside its container, in twips.
struct Place {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

constexpr ControlSpec PlacedRow(ControlKind kind, std::string_view name, int index, Place at,
                                std::string_view caption = {}) {
    return ControlSpec{name, index, kind, {}, at.left, at.top, at.width, at.height, caption};
}

constexpr ControlSpec TextRow(std::string_view name, int index, Place at, std::string_view text = {}) {
    return PlacedRow(ControlKind::TextBox, name, index, at, text);
}
constexpr ControlSpec ComboRow(std::string_view name, int index, Place at, std::string_view text = {}) {
    return PlacedRow(ControlKind::ComboBox, name, index, at, text);
}
constexpr ControlSpec ListRow(std::string_view name, int index, Place at) {
    return PlacedRow(ControlKind::ListBox, name, index, at);
}
constexpr ControlSpec CheckRow(std::string_view name, int index, Place at, std::string_view caption) {
    return PlacedRow(ControlKind::CheckBox, name, index, at, caption);
}
constexpr ControlSpec SpinRow(std::string_view name, int index, Place at) {
    return PlacedRow(ControlKind::SpinControl, name, index, at);
}
constexpr ControlSpec FrameRow(std::string_view name, int index, Place at, std::string_view caption) {
    return PlacedRow(ControlKind::Frame, name, index, at, caption);
}
constexpr ControlSpec LabelRow(std::string_view name, int index, Place at, std::string_view caption) {
    return PlacedRow(ControlKind::Label, name, index, at, caption);
}
constexpr ControlSpec ButtonRow(std::string_view name, int index, Place at, std::string_view caption) {
    return PlacedRow(ControlKind::CommandButton, name, index, at, caption);
}
constexpr ControlSpec PictureRow(std::string_view name, int index, Place at) {
    return PlacedRow(ControlKind::PictureBox, name, index, at);
}

// A menu has no place: a top-level menu sits in the menu bar, an entry in
// the menu named as its parent.
constexpr ControlSpec MenuRow(std::string_view name, int index, std::string_view caption, ControlRef parent = {}) {
    return ControlSpec{name, index, ControlKind::Menu, parent, 0, 0, 0, 0, caption};
}
// A menu entry that shows only a dividing line; it keeps its index in the array.
constexpr ControlSpec SeparatorRow(std::string_view name, int index, ControlRef parent) {
    return MenuRow(name, index, "-", parent);
}

}  // namespace orbweave
