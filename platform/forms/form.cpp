#include "platform/forms/form.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QFontMetricsF>
#include <QKeySequence>
#include <QMenuBar>
#include <QPainter>
#include <QWidget>

#include <algorithm>

#include "platform/forms/controls.h"
#include "platform/forms/dialog_look.h"
#include "platform/forms/handler_chain.h"
#include "platform/forms/picture_box.h"
#include "platform/forms/qt_text.h"
#include "platform/forms/screen.h"
#include "platform/forms/services.h"

namespace orbweave {

// The client area: holds the controls and shows the form's kept image behind them.
class ClientArea final : public QWidget {
public:
    ClientArea(Form& form, QWidget* parent) : QWidget(parent), form_(form) { setAttribute(Qt::WA_OpaquePaintEvent); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        form_.Drawing().PaintOn(painter);
    }
    void resizeEvent(QResizeEvent*) override { form_.Drawing().SurfaceResized(); }

private:
    Form& form_;
};

// The top-level window: the menu bar over the client area, the close box as
// an unload request, and the form-wide keys when no control has the focus.
class FormWindow final : public QWidget {
public:
    explicit FormWindow(Form& form) : form_(form) {}

    void LayOut() {
        const int menuHeight = form_.menuBar_ ? form_.menuBar_->sizeHint().height() : 0;
        if (form_.menuBar_) form_.menuBar_->setGeometry(0, 0, width(), menuHeight);
        if (form_.client_) form_.client_->setGeometry(0, menuHeight, width(), std::max(height() - menuHeight, 0));
    }

    // The window size that gives the client area a size in pixels.
    QSize SizeForClient(QSize client) const {
        return client + QSize(0, form_.menuBar_ ? form_.menuBar_->sizeHint().height() : 0);
    }

protected:
    void closeEvent(QCloseEvent* event) override {
        if (form_.RequestUnload(kUnloadByUser))
            event->accept();
        else
            event->ignore();
    }

    void keyPressEvent(QKeyEvent* event) override {
        if (!form_.HandleFormKey(nullptr, event->key())) QWidget::keyPressEvent(event);
    }

    void resizeEvent(QResizeEvent*) override {
        LayOut();
        Control::Raise(form_.events.resize);
    }

    bool event(QEvent* event) override {
        if (event->type() == QEvent::WindowActivate) Control::Raise(form_.events.activate);
        return QWidget::event(event);
    }

private:
    Form& form_;
};

namespace {

FormWindow& WindowOf(const std::unique_ptr<QWidget>& window) { return static_cast<FormWindow&>(*window); }

}  // namespace

Form::Form(std::string name) : name_(std::move(name)), window_(std::make_unique<FormWindow>(*this)) {
    UseDialogLook();
    client_ = new ClientArea(*this, window_.get());
    canvas_ = std::make_unique<Canvas>(*client_);
    canvas_->SetBackColor(RgbFromQColor(client_->palette().color(QPalette::Window)));
    canvas_->Cls();
    window_->setWindowTitle(ToQString(name_));
    WindowOf(window_).LayOut();
}

Form::~Form() {
    destroying_ = true;
    // Controls go first, the latest first, so that menu entries go before their menus.
    while (!order_.empty()) {
        const Control* last = order_.back();
        order_.pop_back();
        controls_.erase(Key{last->Name(), last->Index()});
    }
}

// --- Controls ---

namespace {

constexpr std::string_view kKindNames[] = {"text box", "combo box", "list box",       "check box", "spin control",
                                           "frame",    "label",     "command button", "menu",      "picture box"};
static_assert(std::size(kKindNames) == static_cast<std::size_t>(ControlKind::PictureBox) + 1);

constexpr std::string_view kSkipReasons[] = {
    "the row names no control",
    "the name and index are taken already",
    "its container does not exist",
    "its container is not a frame (or, for a menu entry, not a menu)",
};
static_assert(std::size(kSkipReasons) == static_cast<std::size_t>(SkipReason::WrongContainer) + 1);

std::string ControlLabel(std::string_view name, int index) {
    std::string label(name);
    if (index != kNoIndex) label += "(" + std::to_string(index) + ")";
    return label;
}

// The array handler for one element, after the element's own: the element's
// index goes in front of the arguments.
template <typename... Args>
void AppendForElement(std::function<void(Args...)>& slot, const std::function<void(int, Args...)>& handler, int index) {
    if (!handler) return;
    slot = Chain(std::move(slot),
                 std::function<void(Args...)>([handler, index](Args... args) { handler(index, args...); }));
}

}  // namespace

std::string Describe(const SkippedRow& skipped) {
    const std::string row = "row " + std::to_string(skipped.row);
    const std::string where = skipped.name.empty() ? row : ControlLabel(skipped.name, skipped.index) + " (" + row + ")";
    return where + ": " + std::string(kSkipReasons[static_cast<std::size_t>(skipped.reason)]);
}

std::vector<SkippedRow> Form::Build(std::span<const ControlSpec> table) {
    std::vector<SkippedRow> skipped;
    for (std::size_t position = 0; position < table.size(); ++position) {
        const ControlSpec& row = table[position];
        if (const auto reason = Refusal(row)) {
            skipped.push_back({position, std::string(row.name), row.index, *reason});
            continue;
        }
        if (Control* created = CreateControl(row)) order_.push_back(created);
    }
    ApplyTabOrder();
    return skipped;
}

Control* Form::AddControl(const ControlSpec& row) {
    if (Refusal(row)) return nullptr;
    Control* created = CreateControl(row);
    if (created == nullptr) return nullptr;
    order_.push_back(created);
    ApplyTabOrder();
    return created;
}

std::optional<SkipReason> Form::Refusal(const ControlSpec& row) const {
    if (row.name.empty()) return SkipReason::NoName;
    if (Find(row.name, row.index) != nullptr) return SkipReason::NameTaken;
    if (row.container.name.empty()) return std::nullopt;
    const Control* container = Find(row.container.name, row.container.index);
    if (container == nullptr) return SkipReason::NoContainer;
    const ControlKind expected = row.kind == ControlKind::Menu ? ControlKind::Menu : ControlKind::Frame;
    if (container->Kind() != expected) return SkipReason::WrongContainer;
    return std::nullopt;
}

// The row has passed Refusal: its container, when it names one, exists and fits.
// Null only for a kind outside the enumeration.
Control* Form::CreateControl(const ControlSpec& row) {
    Control* container = row.container.name.empty() ? nullptr : Find(row.container.name, row.container.index);

    std::unique_ptr<Control> control;
    if (row.kind == ControlKind::Menu) {
        auto* parentMenu = static_cast<MenuItem*>(container);
        auto* action = new QAction(window_.get());
        if (parentMenu != nullptr)
            parentMenu->SubMenu()->addAction(action);
        else
            MenuBar().addAction(action);
        control = std::make_unique<MenuItem>(*this, row, parentMenu, action);
    } else {
        auto* frame = static_cast<Frame*>(container);
        QWidget* parent = frame ? frame->ClientWidget() : client_;
        switch (row.kind) {
        case ControlKind::TextBox: control = std::make_unique<TextBox>(*this, row, container, parent); break;
        case ControlKind::ComboBox: control = std::make_unique<ComboBox>(*this, row, container, parent); break;
        case ControlKind::ListBox: control = std::make_unique<ListBox>(*this, row, container, parent); break;
        case ControlKind::CheckBox: control = std::make_unique<CheckBox>(*this, row, container, parent); break;
        case ControlKind::SpinControl: control = std::make_unique<SpinControl>(*this, row, container, parent); break;
        case ControlKind::Frame: control = std::make_unique<Frame>(*this, row, container, parent); break;
        case ControlKind::Label: control = std::make_unique<Label>(*this, row, container, parent); break;
        case ControlKind::CommandButton:
            control = std::make_unique<CommandButton>(*this, row, container, parent);
            break;
        case ControlKind::PictureBox: control = std::make_unique<PictureBox>(*this, row, container, parent); break;
        case ControlKind::Menu: break;
        }
    }
    if (control == nullptr) return nullptr;
    Control* created = control.get();
    controls_.emplace(Key{std::string(row.name), row.index}, std::move(control));
    return created;
}

void Form::ApplyTabOrder() {
    std::vector<Control*> chain;
    for (Control* control : order_)
        if (control->Widget() != nullptr) chain.push_back(control);
    const auto placed = [](const Control* control) { return control->TabIndex() != kNoTabIndex; };
    // Without a Tab position anywhere, Qt's own order (the order of creation) is the table order already.
    if (std::none_of(chain.begin(), chain.end(), placed)) return;
    std::stable_sort(chain.begin(), chain.end(), [&placed](const Control* a, const Control* b) {
        if (placed(a) != placed(b)) return placed(a);
        return placed(a) && a->TabIndex() < b->TabIndex();
    });
    for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1]->Widget(), chain[i]->Widget());
}

std::string Form::MissingControlMessage(std::string_view name, int index) const {
    const std::string label = name_ + ": " + ControlLabel(name, index);
    const Control* found = Find(name, index);
    if (found == nullptr) return label + " is not a control of this form";
    return label + " is a " + std::string(kKindNames[static_cast<std::size_t>(found->Kind())]) +
           ", not the kind asked for";
}

int Form::BindArray(std::string_view name, const ArrayEvents& handlers) {
    const std::vector<Control*> elements = ControlArray(name);
    for (Control* element : elements) {
        ControlEvents& events = element->events;
        const int index = element->Index();
        AppendForElement(events.click, handlers.click, index);
        AppendForElement(events.dblClick, handlers.dblClick, index);
        AppendForElement(events.change, handlers.change, index);
        AppendForElement(events.gotFocus, handlers.gotFocus, index);
        AppendForElement(events.lostFocus, handlers.lostFocus, index);
        AppendForElement(events.keyPress, handlers.keyPress, index);
        AppendForElement(events.keyDown, handlers.keyDown, index);
        AppendForElement(events.mouseDown, handlers.mouseDown, index);
    }
    return static_cast<int>(elements.size());
}

Control* Form::Find(std::string_view name, int index) const {
    const auto found = controls_.find(Key{std::string(name), index});
    return found == controls_.end() ? nullptr : found->second.get();
}

std::vector<Control*> Form::Controls() const { return order_; }

std::vector<Control*> Form::ControlArray(std::string_view name) const {
    std::vector<Control*> elements;
    for (auto it = controls_.lower_bound(Key{std::string(name), kNoIndex});
         it != controls_.end() && it->first.first == name; ++it)
        elements.push_back(it->second.get());
    return elements;
}

bool Form::SetText(std::string_view name, int index, std::string_view text) {
    Control* control = Find(name, index);
    return control != nullptr && control->SetText(text);
}

std::optional<std::string> Form::GetText(std::string_view name, int index) const {
    const Control* control = Find(name, index);
    if (control == nullptr) return std::nullopt;
    switch (control->Kind()) {
    case ControlKind::TextBox:
    case ControlKind::ComboBox:
    case ControlKind::ListBox: return control->Text();
    default: return std::nullopt;
    }
}

bool Form::SetCaption(std::string_view name, int index, std::string_view caption) {
    Control* control = Find(name, index);
    return control != nullptr && control->SetCaption(caption);
}

bool Form::SetListIndex(std::string_view name, int index, int item) {
    auto* list = Find<ListControl>(name, index);
    return list != nullptr && list->SetListIndex(item);
}

std::optional<int> Form::GetListIndex(std::string_view name, int index) const {
    const auto* list = Find<ListControl>(name, index);
    return list ? std::optional<int>(list->ListIndex()) : std::nullopt;
}

bool Form::SetValue(std::string_view name, int index, int value) {
    if (auto* check = Find<CheckBox>(name, index)) return check->SetValue(value);
    if (auto* spin = Find<SpinControl>(name, index)) return spin->SetValue(value);
    return false;
}

std::optional<int> Form::GetValue(std::string_view name, int index) const {
    if (const auto* check = Find<CheckBox>(name, index)) return check->Value();
    if (const auto* spin = Find<SpinControl>(name, index)) return spin->Value();
    return std::nullopt;
}

bool Form::SetEnabled(std::string_view name, int index, bool enabled) {
    Control* control = Find(name, index);
    if (control == nullptr) return false;
    control->SetEnabled(enabled);
    return true;
}

// --- Window ---

std::string Form::Caption() const { return FromQString(window_->windowTitle()); }
void Form::SetCaption(std::string_view caption) { window_->setWindowTitle(ToQString(caption)); }

int Form::Left() const { return PixelsToTwipsX(window_->frameGeometry().x()); }
int Form::Top() const { return PixelsToTwipsY(window_->frameGeometry().y()); }
int Form::Width() const { return PixelsToTwipsX(window_->frameGeometry().width()); }
int Form::Height() const { return PixelsToTwipsY(window_->frameGeometry().height()); }

void Form::Move(int left, int top) { window_->move(TwipsToPixelsX(left), TwipsToPixelsY(top)); }

void Form::Move(int left, int top, int width, int height) {
    const QSize frameExtra = window_->frameGeometry().size() - window_->geometry().size();
    Move(left, top);
    ReleaseFixedSize();
    window_->resize(std::max(TwipsToPixelsX(width) - frameExtra.width(), 0),
                    std::max(TwipsToPixelsY(height) - frameExtra.height(), 0));
    ApplySizeLimits();
    WindowOf(window_).LayOut();
}

int Form::ScaleWidth() const { return PixelsToTwipsX(client_->width()); }
int Form::ScaleHeight() const { return PixelsToTwipsY(client_->height()); }

void Form::SetClientSize(int width, int height) {
    ReleaseFixedSize();
    window_->resize(WindowOf(window_).SizeForClient(
        QSize(std::max(TwipsToPixelsX(width), 0), std::max(TwipsToPixelsY(height), 0))));
    ApplySizeLimits();
    WindowOf(window_).LayOut();
}

void Form::SetMinimumClientSize(int width, int height) {
    minimumClient_ = QSize(std::max(TwipsToPixelsX(width), 0), std::max(TwipsToPixelsY(height), 0));
    ApplySizeLimits();
    WindowOf(window_).LayOut();
}

void Form::SetSizable(bool sizable) {
    ReleaseFixedSize();
    sizable_ = sizable;
    ApplySizeLimits();
}

void Form::ReleaseFixedSize() {
    if (sizable_) return;
    window_->setMinimumSize(0, 0);
    window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

void Form::ApplySizeLimits() {
    if (!sizable_)
        window_->setFixedSize(window_->size());
    else
        window_->setMinimumSize(WindowOf(window_).SizeForClient(minimumClient_));
}

WindowState Form::State() const {
    const Qt::WindowStates state = window_->windowState();
    if (state & Qt::WindowMinimized) return WindowState::Minimized;
    if (state & Qt::WindowMaximized) return WindowState::Maximized;
    return WindowState::Normal;
}

bool Form::SetState(int state) {
    static constexpr Qt::WindowState kQtStates[] = {Qt::WindowNoState, Qt::WindowMinimized, Qt::WindowMaximized};
    if (state < 0 || state > static_cast<int>(WindowState::Maximized)) return false;
    window_->setWindowState(kQtStates[state]);
    return true;
}

FontSpec Form::Font() const { return FontSpecFromQFont(window_->font()); }

void Form::SetFont(const FontSpec& font) { window_->setFont(QFontFromSpec(font, window_->font())); }

double Form::TextWidth(std::string_view text) const {
    return QFontMetricsF(window_->font()).horizontalAdvance(ToQString(text)) * ScreenTwipsPerPixelX();
}

double Form::TextWidthUpTo(std::string_view text, double enough) const {
    const double twipsPerPixel = ScreenTwipsPerPixelX();
    return AdvanceUpTo(QFontMetricsF(window_->font()), ToQString(text), enough / twipsPerPixel) * twipsPerPixel;
}

double Form::TextHeight(std::string_view) const {
    return QFontMetricsF(window_->font()).height() * ScreenTwipsPerPixelY();
}

// --- Showing and unloading ---

void Form::Show() {
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void Form::ShowModal() {
    if (modalLoop_ != nullptr) return;
    QEventLoop loop;
    modalLoop_ = &loop;
    window_->setWindowModality(Qt::ApplicationModal);
    Show();
    if (window_->isVisible()) loop.exec();
    window_->setWindowModality(Qt::NonModal);
    modalLoop_ = nullptr;
}

bool Form::Visible() const { return window_->isVisible(); }

bool Form::Unload() { return RequestUnload(kUnloadByCode); }

bool Form::RequestUnload(int unloadMode) {
    bool cancel = false;
    if (const auto query = events.queryUnload) query(cancel, unloadMode);
    if (cancel) return false;
    if (const auto unload = events.unload) unload(cancel);
    if (cancel) return false;
    window_->hide();
    if (modalLoop_ != nullptr) modalLoop_->quit();
    return true;
}

// --- Focus and buttons ---

void Form::FocusEntered(Control& control, int) {
    if (destroying_) return;
    // Coming back from a popup or another window is no entry.
    if (active_ == &control) return;
    Control* left = active_;
    active_ = &control;
    if (left != nullptr) Control::Raise(left->events.lostFocus);
    if (active_ == &control) Control::Raise(control.events.gotFocus);
}

void Form::FocusLeft(Control& control, int qtReason) {
    if (destroying_ || qtReason == Qt::PopupFocusReason || qtReason == Qt::ActiveWindowFocusReason) return;
    if (active_ != &control) return;
    active_ = nullptr;
    Control::Raise(control.events.lostFocus);
}

void Form::MoveFocusTo(Control& control) {
    // The handlers run before Qt moves its focus; the events Qt sends
    // afterwards then find the focus already where they would put it.
    FocusEntered(control, Qt::OtherFocusReason);
    if (active_ == &control && control.Widget() != nullptr) control.Widget()->setFocus(Qt::OtherFocusReason);
}

void Form::CommitActiveEdit(CommandButton& button) { button.SetFocus(); }

void Form::Forget(Control& control) {
    if (active_ == &control) active_ = nullptr;
    if (defaultButton_ == &control) defaultButton_ = nullptr;
    if (cancelButton_ == &control) cancelButton_ = nullptr;
    std::erase(order_, &control);
}

bool Form::EnterInSeveralLines(bool ctrlHeld) {
    return !ctrlHeld && defaultButton_ != nullptr && defaultButton_->Widget()->isVisible() &&
           defaultButton_->PerformClick();
}

bool Form::HandleFormKey(Control* focused, int qtKey, bool ctrlHeld) {
    if (destroying_) return false;
    const auto clickIfUsable = [](CommandButton* button) {
        return button != nullptr && button->Widget()->isVisible() && button->PerformClick();
    };
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        if (const auto* box = dynamic_cast<TextBox*>(focused); box != nullptr && box->MultiLine())
            return EnterInSeveralLines(ctrlHeld);
        // A focused button takes Enter itself, as on the desktop the system came from.
        auto* focusedButton = dynamic_cast<CommandButton*>(focused);
        return clickIfUsable(focusedButton ? focusedButton : defaultButton_);
    }
    case Qt::Key_Escape: return clickIfUsable(cancelButton_);
    case Qt::Key_F1: {
        const int context = (focused && focused->HelpContextId() != 0) ? focused->HelpContextId() : helpContextId_;
        ShowHelp(kHelpFileName, context != 0 ? kHelpContext : kHelpContents, context);
        return true;
    }
    default: return false;
    }
}

// Qt's shortcut misses a mnemonic while no window is active (just after a
// message box closes, before the form is active again), so the key reaches
// the focused control instead.
bool Form::OpenMenuByMnemonic(int qtKey) {
    if (destroying_ || menuBar_ == nullptr) return false;
    const QKeySequence pressed(QKeyCombination(Qt::AltModifier, static_cast<Qt::Key>(qtKey)));
    for (QAction* menu : menuBar_->actions()) {
        if (!menu->isEnabled() || !menu->isVisible() || QKeySequence::mnemonic(menu->text()) != pressed) continue;
        menuBar_->setActiveAction(menu);
        return true;
    }
    return false;
}

void Form::SetDefaultButton(CommandButton* button, bool isDefault) {
    if (isDefault) {
        CommandButton* previous = defaultButton_;
        defaultButton_ = button;
        if (previous != nullptr && previous != button) previous->SetDefault(false);
    } else if (defaultButton_ == button) {
        defaultButton_ = nullptr;
    }
}

void Form::SetCancelButton(CommandButton* button, bool isCancel) {
    if (isCancel)
        cancelButton_ = button;
    else if (cancelButton_ == button)
        cancelButton_ = nullptr;
}

QMenuBar& Form::MenuBar() {
    if (menuBar_ == nullptr) {
        menuBar_ = new QMenuBar(window_.get());
        menuBar_->show();
        WindowOf(window_).LayOut();
    }
    return *menuBar_;
}

QWidget* Form::Window() const { return window_.get(); }
QWidget* Form::ClientWidget() const { return client_; }

}  // namespace orbweave
