// The control kinds of a form, each over one Qt widget, with the semantics
// the dialog code relies on where Qt behaves otherwise.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/forms/control.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QScrollBar;
class QString;

namespace orbweave {

class TextEditor;

// A text box, one line or (kStyleMultiLine) several. The length limit (the
// row's, or one set later) cuts what the user types, pastes or drops where it
// is reached; text set by code is kept whole, unless set within the limit.
// Change runs at once and only when the text really changes. Typed
// characters (and Backspace) pass the KeyPress handler, which may swallow or
// replace them; arrows and editing keys do not. Several lines are broken by
// CR LF, which counts as two characters in lengths and positions, and Enter
// types a line break there instead of pressing the default button.
class TextBox final : public Control {
public:
    TextBox(Form& form, const ControlSpec& row, Control* container, QWidget* parent);

    std::string Text() const override;
    bool SetText(std::string_view text) override;
    // As SetText, with no more of the text than the limit lets the user
    // type: for a value read into a box that holds no more.
    bool SetTextWithinLimit(std::string_view text);
    bool MultiLine() const { return multiLine_; }

    // 0: no limit.
    int MaxLength() const { return maxLength_; }
    bool SetMaxLength(int length);
    // A locked box shows its text but refuses typing.
    bool Locked() const;
    void SetLocked(bool locked);

    int SelStart() const;
    int SelLength() const;
    std::string SelText() const;
    bool SetSelection(int start, int length);
    void SelectAll();

    // What the user inserts into a one-line box (typing, pasting, dropping,
    // a middle click) passes the filter, which returns the part to keep;
    // text set by code does not. An empty filter keeps everything.
    using InsertionFilter = std::function<std::string(std::string_view inserted)>;
    void SetInsertionFilter(InsertionFilter filter) { insertionFilter_ = std::move(filter); }
    // Filters an insertion into the box's text (both as Qt holds them) and
    // cuts it at the length limit: the part of `after` that differs from the
    // current text is the insertion. Also moves the cursor behind what was
    // kept. For the box's validator.
    void FilterInsertion(QString& after, int& cursor) const;

private:
    void SetQtText(const QString& text);
    void TextChanged();

    bool multiLine_;
    TextEditor* editor_ = nullptr;
    std::string text_;
    int maxLength_ = 0;
    InsertionFilter insertionFilter_;
    bool settingByCode_ = false;
};

// What combo and list boxes share. List index -1 means no selection; an
// index outside -1..count-1 is refused. Filling a list selects nothing and
// raises nothing; Click runs when the selection changes, by code or by the user.
class ListControl : public Control {
public:
    static constexpr int kAtEnd = -1;

    virtual int ListCount() const = 0;
    virtual std::string List(int item) const = 0;
    virtual bool SetList(int item, std::string_view text) = 0;
    virtual int ListIndex() const = 0;
    virtual bool SetListIndex(int item) = 0;
    // Adds an entry at the end, or before the entry at an index 0..count.
    virtual bool AddItem(std::string_view text, int at = kAtEnd) = 0;
    // Removing the selected entry leaves no selection.
    virtual bool RemoveItem(int item) = 0;
    virtual void Clear() = 0;
    virtual std::int32_t ItemData(int item) const = 0;
    virtual bool SetItemData(int item, std::int32_t value) = 0;

protected:
    using Control::Control;
    bool ValidItem(int item) const { return item >= 0 && item < ListCount(); }
};

// A drop-down list, or with kStyleEditable a combo whose text may be typed
// (Change runs on typing). Setting the text of a plain drop-down list selects
// the equal entry, and is refused when there is none.
class ComboBox final : public ListControl {
public:
    ComboBox(Form& form, const ControlSpec& row, Control* container, QWidget* parent);

    int ListCount() const override;
    std::string List(int item) const override;
    bool SetList(int item, std::string_view text) override;
    int ListIndex() const override;
    bool SetListIndex(int item) override;
    bool AddItem(std::string_view text, int at = kAtEnd) override;
    bool RemoveItem(int item) override;
    void Clear() override;
    std::int32_t ItemData(int item) const override;
    bool SetItemData(int item, std::int32_t value) override;

    std::string Text() const override;
    bool SetText(std::string_view text) override;
    bool Editable() const { return editable_; }

protected:
    // Alt+Down opens the list.
    bool TakesAltKey(int qtKey) const override;

private:
    void SelectionChangedByUser(int item);
    void EditedByUser();
    // Puts the remembered selection (and typed text) back after Qt moved it on its own.
    void KeepSelection();
    // Measures every entry anew, for a new font or style.
    void MeasureEntries();
    void FitPopupWidth();

    QComboBox* combo_;
    // Each entry's width in the popup's font, measured once when the entry
    // is set: filling a list of long entries costs one measure each.
    std::vector<int> entryWidths_;
    bool editable_;
    int listIndex_ = -1;
    std::string text_;
};

// A list box, single selection or (kStyleMultiSelect) extended multiple
// selection, where ListIndex is the entry with the focus and Selected(i)
// tells each entry's state.
class ListBox final : public ListControl {
public:
    ListBox(Form& form, const ControlSpec& row, Control* container, QWidget* parent);

    int ListCount() const override;
    std::string List(int item) const override;
    bool SetList(int item, std::string_view text) override;
    int ListIndex() const override;
    bool SetListIndex(int item) override;
    bool AddItem(std::string_view text, int at = kAtEnd) override;
    bool RemoveItem(int item) override;
    void Clear() override;
    std::int32_t ItemData(int item) const override;
    bool SetItemData(int item, std::int32_t value) override;

    // The selected entry's text ("" without one); read only.
    std::string Text() const override;

    bool Selected(int item) const;
    bool SetSelected(int item, bool selected);
    int SelCount() const;

    // Pixels from the list's left edge to where the text of its entries starts.
    int TextLeft() const;

    // The first entry shown at the top.
    int TopIndex() const;
    bool SetTopIndex(int item);

    // Entries that end in blanks and a number show the number starting this
    // far (twips) right of where the text starts, or just after a name that
    // reaches beyond, so that numbers stand in one column in any font.
    void SetNumberColumn(int twips);

    // The list is a whole number of rows high: the height asked for, less
    // what a part row would take (at least one row).
    bool Move(int left, int top, int width, int height) override;

private:
    class RowPainter;

    int CurrentSelection() const;
    void SelectionChangedByUser();
    void FitWholeRows();

    QListWidget* list_;
    RowPainter* rows_;
    bool multiSelect_;
    int listIndex_ = -1;
    int askedHeight_ = 0;  // pixels
};

// A check box: 0 unchecked, 1 checked, 2 greyed. A click by the user toggles
// between 0 and 1. Click runs whenever the value changes.
class CheckBox final : public Control {
public:
    static constexpr int kUnchecked = 0;
    static constexpr int kChecked = 1;
    static constexpr int kGrayed = 2;

    CheckBox(Form& form, const ControlSpec& row, Control* container, QWidget* parent);

    int Value() const { return value_; }
    bool SetValue(int value);
    std::string Caption() const override;
    bool SetCaption(std::string_view caption) override;

private:
    void StateChanged(int qtState);

    QCheckBox* box_;
    int value_ = kUnchecked;
};

// The vertical scroll bar used as a spin control beside a box. Min may lie
// above Max: with Min the high bound the upper arrow raises the value.
// Values are 16-bit; a value outside the range is refused (Qt would clamp),
// and Change runs only on a real change.
class SpinControl final : public Control {
public:
    SpinControl(Form& form, const ControlSpec& row, Control* container, QWidget* parent);

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Value() const { return value_; }
    // A new range moves a value that falls outside it to the nearest bound
    // without raising Change: setting up a spin is no change of its box.
    bool SetMin(int min);
    bool SetMax(int max);
    bool SetValue(int value);
    int SmallChange() const;
    bool SetSmallChange(int step);

private:
    void ApplyRange();
    int PositionOf(int value) const;
    void PositionChanged(int position);

    QScrollBar* bar_;
    int min_ = 0;
    int max_ = 32767;
    int value_ = 0;
};

// A push button; at most one default button (Enter) and one cancel button
// (Escape) per form, both switchable at run time.
class CommandButton final : public Control {
public:
    CommandButton(Form& form, const ControlSpec& row, Control* container, QWidget* parent);

    std::string Caption() const override;
    bool SetCaption(std::string_view caption) override;
    bool IsDefault() const;
    void SetDefault(bool isDefault);
    bool IsCancel() const;
    void SetCancel(bool isCancel);
    // Runs the Click handler as a press of the button would, when it is enabled.
    bool PerformClick();

private:
    std::string caption_;
    // kStyleWordWrap: a tall, narrow button shows its caption one word per
    // line, as Qt's buttons never wrap.
    bool wordWrap_;
    QPushButton* button_;
};

// A caption: line breaks (CR LF) are kept, kStyleWordWrap wraps long lines.
// Without a background of its own it shows what is painted behind it.
class Label final : public Control {
public:
    Label(Form& form, const ControlSpec& row, Control* container, QWidget* parent);

    std::string Caption() const override { return caption_; }
    bool SetCaption(std::string_view caption) override;
    bool WordWrap() const;
    void SetWordWrap(bool wrap);

private:
    QLabel* label_;
    std::string caption_;
};

// A captioned frame that holds other controls; frames stacked in one place
// hide one another, so the one in front is the one seen.
class Frame final : public Control {
public:
    Frame(Form& form, const ControlSpec& row, Control* container, QWidget* parent);

    std::string Caption() const override;
    bool SetCaption(std::string_view caption) override;
    QWidget* ClientWidget() const;
    // Draws the caption from this many pixels right of the frame's left edge,
    // for instance over the columns of a list inside.
    void SetCaptionLeft(int pixels);
    // A frame's font and colour are its caption's; the controls inside keep
    // their own, where Qt would pass the frame's on to them.
    void SetFont(const FontSpec& font) override;
    void SetForeColor(std::int32_t colour) override;

private:
    void KeepControlsLook();

    QGroupBox* box_;
};

// An entry of a menu array. A top-level menu sits in the form's menu bar; an
// entry whose caption is "-" is a separator and keeps its index.
class MenuItem final : public Control {
public:
    MenuItem(Form& form, const ControlSpec& row, MenuItem* parentMenu, QAction* action);
    ~MenuItem() override;

    bool Move(int left, int top, int width, int height) override;
    bool Enabled() const override;
    void SetEnabled(bool enabled) override;
    bool Visible() const override;
    void SetVisible(bool visible) override;
    bool SetFocus() override { return false; }
    std::string Caption() const override { return caption_; }
    bool SetCaption(std::string_view caption) override;
    bool IsSeparator() const { return caption_ == "-"; }

    // The drop-down of a top-level menu, made when its first entry is added.
    QMenu* SubMenu();
    QAction* Action() const { return action_; }

private:
    QAction* action_;
    QMenu* subMenu_ = nullptr;
    std::string caption_;
};

}  // namespace orbweave
