// A form: one window with its named control arrays, built from declarative
// control tables (name, index, kind, container, geometry in twips, caption).
//
// Dialog code finds its controls by name and index, as the settings
// transfers do; indexes may be sparse. Get is for the names of the form's own
// table and fails loudly when one is missing; Find is for lookups that may
// miss and gives null. The by-name setters report a missing control or a
// refused value by returning false, changing nothing.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <QSize>

#include "platform/forms/canvas.h"
#include "platform/forms/control.h"

class QEventLoop;
class QMenuBar;
class QWidget;

namespace orbweave {

class CommandButton;

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

// Why a form is being unloaded.
inline constexpr int kUnloadByUser = 0;  // the window's close box
inline constexpr int kUnloadByCode = 1;  // Form::Unload

// Why a table row was not built.
enum class SkipReason {
    NoName,          // the row names no control
    NameTaken,       // a control of that name and index exists already
    NoContainer,     // the container it names does not exist
    WrongContainer,  // the container is not a frame (for a menu entry: not a menu)
};

struct SkippedRow {
    std::size_t row = 0;  // position in the table
    std::string name;
    int index = kNoIndex;
    SkipReason reason = SkipReason::NoName;
};

// "txtGalaxy(3) (row 12): the name and index are taken already", or "row 5: ..."
// for a row without a name.
std::string Describe(const SkippedRow& skipped);

// Handlers shared by every element of a control array; each receives the
// index of the element that raised it. Each is empty unless set, so that a
// dialog names only the ones it uses: {.change = ...}.
struct ArrayEvents {
    std::function<void(int index)> click{};
    std::function<void(int index)> dblClick{};
    std::function<void(int index)> change{};
    std::function<void(int index)> gotFocus{};
    std::function<void(int index)> lostFocus{};
    std::function<void(int index, int& keyAscii)> keyPress{};
    std::function<void(int index, int keyCode, int shift)> keyDown{};
    std::function<void(int index, int button, int shift, double x, double y)> mouseDown{};
};

struct FormEvents {
    std::function<void()> resize;
    std::function<void()> activate;
    // Setting cancel keeps the form loaded.
    std::function<void(bool& cancel, int unloadMode)> queryUnload;
    std::function<void(bool& cancel)> unload;
};

class Form {
public:
    explicit Form(std::string name);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    ~Form();

    // The form's own name ("frmProps"), by which code recognises it.
    const std::string& Name() const { return name_; }

    // --- Controls ---
    // Adds the rows of a table in order and returns the rows it skipped: a
    // row without a name, one whose name and index are taken, and one whose
    // container is missing (or is not a frame, or for a menu not a menu).
    std::vector<SkippedRow> Build(std::span<const ControlSpec> table);
    // One control added at run time; null when refused as above.
    Control* AddControl(const ControlSpec& row);

    Control* Find(std::string_view name, int index = kNoIndex) const;
    template <typename T>
    T* Find(std::string_view name, int index = kNoIndex) const {
        return dynamic_cast<T*>(Find(name, index));
    }
    // A control of the form's own table: throws std::logic_error naming the
    // form and the control when it is missing or of another kind.
    template <typename T = Control>
    T& Get(std::string_view name, int index = kNoIndex) const {
        if (T* control = Find<T>(name, index)) return *control;
        throw std::logic_error(MissingControlMessage(name, index));
    }
    // Every control in the order it was added.
    std::vector<Control*> Controls() const;
    // The elements of one array, by ascending index.
    std::vector<Control*> ControlArray(std::string_view name) const;
    // Gives every element of the array the handlers that are set, each with
    // the element's index, and returns how many elements there are. A handler
    // an element has already runs first, so that box bindings and array
    // handlers may be installed in either order. Elements added later get none.
    int BindArray(std::string_view name, const ArrayEvents& handlers);

    // By-name access: false or empty when the control is missing or refuses.
    bool SetText(std::string_view name, int index, std::string_view text);
    std::optional<std::string> GetText(std::string_view name, int index = kNoIndex) const;
    bool SetCaption(std::string_view name, int index, std::string_view caption);
    bool SetListIndex(std::string_view name, int index, int item);
    std::optional<int> GetListIndex(std::string_view name, int index = kNoIndex) const;
    // The value of a check box or a spin control.
    bool SetValue(std::string_view name, int index, int value);
    std::optional<int> GetValue(std::string_view name, int index = kNoIndex) const;
    bool SetEnabled(std::string_view name, int index, bool enabled);

    // --- Window ---
    std::string Caption() const;
    void SetCaption(std::string_view caption);
    // The outer window, in twips.
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void Move(int left, int top);
    void Move(int left, int top, int width, int height);
    // The client area below the menu bar, in twips.
    int ScaleWidth() const;
    int ScaleHeight() const;
    void SetClientSize(int width, int height);
    // The user cannot make the client area smaller than this.
    void SetMinimumClientSize(int width, int height);

    WindowState State() const;
    bool SetState(int state);
    // A sizable border lets the user resize the window; a fixed one does not.
    bool Sizable() const { return sizable_; }
    void SetSizable(bool sizable);

    FontSpec Font() const;
    void SetFont(const FontSpec& font);
    // Width and height of a text in the form's font, in twips.
    double TextWidth(std::string_view text) const;
    // As TextWidth, but a text wider than `enough` twips is measured only as
    // far as it takes to pass it.
    double TextWidthUpTo(std::string_view text, double enough) const;
    double TextHeight(std::string_view text) const;

    // The form's kept background image, drawn in twips.
    Canvas& Drawing() { return *canvas_; }

    int HelpContextId() const { return helpContextId_; }
    void SetHelpContextId(int id) { helpContextId_ = id; }

    // --- Showing and unloading ---
    void Show();
    // Shows the form and returns once it is unloaded.
    void ShowModal();
    bool Visible() const;
    bool IsModal() const { return modalLoop_ != nullptr; }
    // Asks queryUnload and unload; true when the form was unloaded (hidden,
    // its controls kept).
    bool Unload();

    // --- Focus and buttons ---
    // The control that has the focus as the dialogs see it: losing the focus
    // to a popup, a message box or another window does not change it.
    Control* ActiveControl() const { return active_; }
    // For OK-style buttons: the box being edited is left now (its LostFocus
    // handler runs and clamps it) and the focus moves to the button. Needed
    // because Enter on a default button moves no focus.
    void CommitActiveEdit(CommandButton& button);
    CommandButton* DefaultButton() const { return defaultButton_; }
    CommandButton* CancelButton() const { return cancelButton_; }

    FormEvents events;

    // The top-level Qt window and the widget that holds the controls.
    QWidget* Window() const;
    QWidget* ClientWidget() const;

private:
    friend class Control;
    friend class CommandButton;
    friend class FormWindow;
    friend class MenuItem;

    using Key = std::pair<std::string, int>;

    // Focus bookkeeping, fed by every control's watcher.
    void FocusEntered(Control& control, int qtReason);
    void FocusLeft(Control& control, int qtReason);
    void MoveFocusTo(Control& control);
    void Forget(Control& control);
    // Enter, Escape and F1 for the whole form; true when consumed.
    bool HandleFormKey(Control* focused, int qtKey, bool ctrlHeld = false);
    // Alt with a menu's mnemonic that reached a control opens that menu; true when one opened.
    bool OpenMenuByMnemonic(int qtKey);
    // Enter in a box of several lines presses the default button; Ctrl+Enter,
    // or Enter on a form without one, breaks the line.
    bool EnterInSeveralLines(bool ctrlHeld);
    void SetDefaultButton(CommandButton* button, bool isDefault);
    void SetCancelButton(CommandButton* button, bool isCancel);
    bool RequestUnload(int unloadMode);
    QMenuBar& MenuBar();
    std::optional<SkipReason> Refusal(const ControlSpec& row) const;
    Control* CreateControl(const ControlSpec& row);
    // Links the controls that have a Tab position into the focus chain.
    void ApplyTabOrder();
    std::string MissingControlMessage(std::string_view name, int index) const;
    // A fixed border keeps the window at the size code gave it; a sizable
    // one keeps the client area at least at its minimum.
    void ReleaseFixedSize();
    void ApplySizeLimits();

    std::string name_;
    std::unique_ptr<QWidget> window_;
    QWidget* client_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    std::unique_ptr<Canvas> canvas_;
    std::map<Key, std::unique_ptr<Control>, std::less<>> controls_;
    std::vector<Control*> order_;
    Control* active_ = nullptr;
    CommandButton* defaultButton_ = nullptr;
    CommandButton* cancelButton_ = nullptr;
    QEventLoop* modalLoop_ = nullptr;
    QSize minimumClient_{0, 0};
    bool sizable_ = true;
    bool destroying_ = false;
    int helpContextId_ = 0;
};

}  // namespace orbweave
