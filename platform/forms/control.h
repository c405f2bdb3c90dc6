// Controls as the dialogs address them: by name and index, with the value
// semantics the dialog code relies on.
//
// A control is one element of a named array on a form (an array of one when
// it has no index). Geometry is in twips inside its container (the form or a
// frame). Setting a value that the control refuses leaves it unchanged and
// returns false; handlers run synchronously and only on a real change.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

class QWidget;

namespace orbweave {

class Form;

enum class ControlKind {
    TextBox,
    ComboBox,
    ListBox,
    CheckBox,
    SpinControl,
    Frame,
    Label,
    CommandButton,
    Menu,
    PictureBox
};

// The index of a control that is not an element of an array.
inline constexpr int kNoIndex = -1;

// A control named by array name and index; an empty name means the form itself.
struct ControlRef {
    std::string_view name;
    int index = kNoIndex;
};

// Options of a control table row, by kind.
enum ControlStyle : std::uint32_t {
    kStyleMultiSelect = 1u << 0,  // list box: extended multiple selection
    kStyleEditable = 1u << 1,     // combo box: the user may type any text
    kStyleWordWrap = 1u << 2,     // label: long captions wrap
    kStyleAlignCenter = 1u << 3,  // label, text box
    kStyleAlignRight = 1u << 4,   // label, text box
    kStyleMultiLine = 1u << 5,    // text box: several lines, Enter starts a new one
    kStylePlainPanel = 1u << 6,   // frame: no line and no caption, a plain panel that clips what it holds
    kStyleAlignMiddle = 1u << 7,  // label: the text centred top to bottom, level with a box beside it
};

// A row without a place in the Tab order.
inline constexpr int kNoTabIndex = -1;

// One row of a declarative control table. Menus use the container for their
// parent menu and have no geometry. The kind helpers of control_rows.h build
// rows; the members below change one column of a row.
struct ControlSpec {
    std::string_view name;
    int index = kNoIndex;
    ControlKind kind = ControlKind::Label;
    ControlRef container;
    int left = 0;  // twips
    int top = 0;
    int width = 0;
    int height = 0;
    std::string_view caption;  // text of text and combo boxes
    std::uint32_t style = 0;
    // Tab visits the rows that have a place in ascending order, then the
    // others in table order.
    int tabIndex = kNoTabIndex;
    // Text box: the most characters it holds; 0 for no limit.
    int maxLength = 0;

    constexpr ControlSpec In(std::string_view frame, int frameIndex = kNoIndex) const {
        ControlSpec row = *this;
        row.container = {frame, frameIndex};
        return row;
    }
    constexpr ControlSpec Styled(std::uint32_t bits) const {
        ControlSpec row = *this;
        row.style |= bits;
        return row;
    }
    constexpr ControlSpec Tab(int position) const {
        ControlSpec row = *this;
        row.tabIndex = position;
        return row;
    }
    constexpr ControlSpec Limit(int characters) const {
        ControlSpec row = *this;
        row.maxLength = characters;
        return row;
    }
};

struct FontSpec {
    std::string name;
    double size = 0.0;  // points
    bool bold = false;
};

// Key codes given to KeyDown handlers (the virtual-key numbers dialog code compares with).
inline constexpr int kKeyBack = 8;
inline constexpr int kKeyTab = 9;
inline constexpr int kKeyReturn = 13;
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeyPageUp = 33;
inline constexpr int kKeyPageDown = 34;
inline constexpr int kKeyEnd = 35;
inline constexpr int kKeyHome = 36;
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;
inline constexpr int kKeyInsert = 45;
inline constexpr int kKeyDelete = 46;
inline constexpr int kKeyF1 = 112;

// Shift-state bits of key and mouse events, and mouse button numbers.
inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

// Handlers of a control. A handler may replace itself or any other while it runs.
struct ControlEvents {
    std::function<void()> click;
    std::function<void()> dblClick;
    std::function<void()> change;
    std::function<void()> gotFocus;
    std::function<void()> lostFocus;
    // A typed character (its code, or 8 for Backspace); setting it to 0
    // swallows the key, another code types that character instead.
    std::function<void(int& keyAscii)> keyPress;
    std::function<void(int keyCode, int shift)> keyDown;
    // Position in the control's scale (twips, or a picture box's own scale).
    std::function<void(int button, int shift, double x, double y)> mouseDown;
};

class Control {
public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    const std::string& Name() const { return name_; }
    int Index() const { return index_; }
    ControlKind Kind() const { return kind_; }
    Form& Parent() const { return form_; }
    // The frame (or, for a menu entry, the menu) that holds it; null for the form.
    Control* Container() const { return container_; }

    // Geometry in twips inside the container, kept in whole pixels.
    // Menus have none: they read 0 and refuse moves.
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    virtual bool Move(int left, int top, int width, int height);
    bool SetLeft(int left) { return Move(left, Top(), Width(), Height()); }
    bool SetTop(int top) { return Move(Left(), top, Width(), Height()); }
    bool SetWidth(int width) { return Move(Left(), Top(), width, Height()); }
    bool SetHeight(int height) { return Move(Left(), Top(), Width(), height); }

    // The control's own flags; a control inside a disabled or hidden frame
    // keeps its own value.
    virtual bool Enabled() const;
    virtual void SetEnabled(bool enabled);
    virtual bool Visible() const;
    virtual void SetVisible(bool visible);

    // Captions belong to labels, buttons, frames, check boxes and menus;
    // texts to text, combo and list boxes. Other kinds read "" and refuse.
    virtual std::string Caption() const { return {}; }
    virtual bool SetCaption(std::string_view) { return false; }
    virtual std::string Text() const { return {}; }
    virtual bool SetText(std::string_view) { return false; }

    // Colours in RGB order (red in bits 0-7).
    std::int32_t ForeColor() const;
    virtual void SetForeColor(std::int32_t colour);
    std::int32_t BackColor() const;
    virtual void SetBackColor(std::int32_t colour);
    FontSpec Font() const;
    virtual void SetFont(const FontSpec& font);

    int HelpContextId() const { return helpContextId_; }
    void SetHelpContextId(int id) { helpContextId_ = id; }

    // The place in the form's Tab order given by the control's table row.
    int TabIndex() const { return tabIndex_; }

    // Brings the control in front of its siblings, or sends it behind them.
    void ZOrder(bool toFront);

    // Moves the focus here. The box being left runs its LostFocus handler
    // before this returns, even when the window is not active. Refused for a
    // disabled or hidden control and for menus.
    virtual bool SetFocus();

    ControlEvents events;

    // The Qt widget behind the control (null for menus): for the layer and tests.
    QWidget* Widget() const { return widget_; }

    // Runs a handler (when set) on a copy, so that it may replace itself while it runs.
    static void Raise(const std::function<void()>& handler);

protected:
    Control(Form& form, const ControlSpec& row, Control* container, QWidget* widget);

    // Installs the focus and form-key watcher on the widget that takes the focus.
    void WatchFocusOf(QWidget* focusWidget);
    // A key held with Alt that opens no menu reaches only the controls that take it.
    virtual bool TakesAltKey(int /*qtKey*/) const { return false; }

private:
    class Watcher;

    Form& form_;
    std::string name_;
    int index_;
    ControlKind kind_;
    Control* container_;
    QWidget* widget_;
    Watcher* watcher_ = nullptr;
    int helpContextId_ = 0;
    int tabIndex_;
};

}  // namespace orbweave
