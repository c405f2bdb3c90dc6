// Check boxes, spin controls, buttons, labels, frames and menu entries.
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionGroupBox>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/key_codes.h"
#include "platform/forms/qt_text.h"
#include "platform/forms/screen.h"

namespace orbweave {

namespace {

// A frame drawn as the dialogs' layouts expect it: an etched line round the
// frame whose top runs through the middle of the caption, broken where the
// caption stands. Qt's styles draw the top line under the caption, where the
// layouts put the first row of controls.
class FrameBox final : public QGroupBox {
public:
    FrameBox(QWidget* parent, bool plainPanel) : QGroupBox(parent), plainPanel_(plainPanel) {}

    void SetCaptionLeft(int pixels) {
        captionLeft_ = pixels;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        if (plainPanel_) return;
        const QRect caption = CaptionRect();
        QPainter painter(this);
        if (!title().isEmpty())
            painter.setClipRegion(QRegion(rect()).subtracted(caption.adjusted(-kCaptionGap, 0, kCaptionGap, 0)));
        DrawEtchedBox(painter, caption.center().y());
        painter.setClipping(false);
        style()->drawItemText(&painter, caption, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(),
                              title(), QPalette::WindowText);
    }

private:
    // Blank pixels between the line and the caption on either side.
    static constexpr int kCaptionGap = 2;
    // Where the caption starts unless told otherwise: a short stretch of the
    // top line shows left of it.
    static constexpr int kCaptionIndent = 7;

    // The style's room for the caption, at its left edge.
    QRect CaptionRect() const {
        QStyleOptionGroupBox option;
        initStyleOption(&option);
        QRect caption = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
        caption.moveLeft(captionLeft_.value_or(kCaptionIndent));
        return caption;
    }

    // A shadow line with a highlight line one pixel right of and below it,
    // from the given top to the frame's edges.
    void DrawEtchedBox(QPainter& painter, int top) const {
        const int width = rect().width() - 2;
        const int height = rect().height() - 2 - top;
        painter.setPen(palette().color(QPalette::Light));
        painter.drawRect(1, top + 1, width, height);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(0, top, width, height);
    }

    bool plainPanel_;
    std::optional<int> captionLeft_;
};

// A user's click toggles between unchecked and checked; only code greys a box.
class TwoStateClickBox final : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override { setCheckState(checkState() == Qt::Unchecked ? Qt::Checked : Qt::Unchecked); }
};

bool Fits16Bits(int value) {
    return value >= std::numeric_limits<std::int16_t>::min() && value <= std::numeric_limits<std::int16_t>::max();
}

}  // namespace

// --- CheckBox ---

CheckBox::CheckBox(Form& form, const ControlSpec& row, Control* container, QWidget* parent)
    : Control(form, row, container, new TwoStateClickBox(parent)), box_(static_cast<QCheckBox*>(Widget())) {
    box_->setText(ToQString(row.caption));
    box_->setTristate(true);
    QObject::connect(box_, &QCheckBox::stateChanged, box_, [this](int state) { StateChanged(state); });
    WatchFocusOf(box_);
}

bool CheckBox::SetValue(int value) {
    static constexpr Qt::CheckState kStates[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
    if (value < kUnchecked || value > kGrayed) return false;
    box_->setCheckState(kStates[value]);
    return true;
}

void CheckBox::StateChanged(int qtState) {
    const int value = qtState == Qt::Checked ? kChecked : (qtState == Qt::PartiallyChecked ? kGrayed : kUnchecked);
    if (value == value_) return;
    value_ = value;
    Raise(events.click);
}

std::string CheckBox::Caption() const { return FromQString(box_->text()); }

bool CheckBox::SetCaption(std::string_view caption) {
    box_->setText(ToQString(caption));
    return true;
}

// --- SpinControl ---
// Qt's scroll bar only runs from low to high, with its upper arrow towards
// the minimum. The bar's position counts steps from Min towards Max, so the
// upper arrow always moves towards Min, whichever way the range runs.

SpinControl::SpinControl(Form& form, const ControlSpec& row, Control* container, QWidget* parent)
    : Control(form, row, container, new QScrollBar(Qt::Vertical, parent)), bar_(static_cast<QScrollBar*>(Widget())) {
    ApplyRange();
    QObject::connect(bar_, &QScrollBar::valueChanged, bar_, [this](int position) { PositionChanged(position); });
    WatchFocusOf(bar_);
}

bool SpinControl::SetMin(int min) {
    if (!Fits16Bits(min)) return false;
    min_ = min;
    ApplyRange();
    return true;
}

bool SpinControl::SetMax(int max) {
    if (!Fits16Bits(max)) return false;
    max_ = max;
    ApplyRange();
    return true;
}

bool SpinControl::SetValue(int value) {
    if (value < std::min(min_, max_) || value > std::max(min_, max_)) return false;
    bar_->setValue(PositionOf(value));
    return true;
}

int SpinControl::SmallChange() const { return bar_->singleStep(); }

bool SpinControl::SetSmallChange(int step) {
    if (step < 1 || !Fits16Bits(step)) return false;
    bar_->setSingleStep(step);
    return true;
}

void SpinControl::ApplyRange() {
    value_ = std::clamp(value_, std::min(min_, max_), std::max(min_, max_));
    const QSignalBlocker blocker(bar_);
    bar_->setRange(0, std::abs(max_ - min_));
    bar_->setValue(PositionOf(value_));
}

int SpinControl::PositionOf(int value) const { return std::abs(value - min_); }

void SpinControl::PositionChanged(int position) {
    const int value = max_ >= min_ ? min_ + position : min_ - position;
    if (value == value_) return;
    value_ = value;
    Raise(events.change);
}

// --- CommandButton ---

CommandButton::CommandButton(Form& form, const ControlSpec& row, Control* container, QWidget* parent)
    : Control(form, row, container, new QPushButton(parent)),
      wordWrap_((row.style & kStyleWordWrap) != 0),
      button_(static_cast<QPushButton*>(Widget())) {
    CommandButton::SetCaption(row.caption);
    button_->setAutoDefault(false);
    QObject::connect(button_, &QPushButton::clicked, button_, [this] { Raise(events.click); });
    WatchFocusOf(button_);
}

std::string CommandButton::Caption() const { return caption_; }

bool CommandButton::SetCaption(std::string_view caption) {
    caption_ = caption;
    QString shown = ToQString(caption);
    if (wordWrap_) shown.replace(QLatin1Char(' '), QLatin1Char('\n'));
    button_->setText(shown);
    return true;
}

bool CommandButton::IsDefault() const { return Parent().DefaultButton() == this; }

void CommandButton::SetDefault(bool isDefault) {
    Parent().SetDefaultButton(this, isDefault);
    button_->setDefault(IsDefault());
}

bool CommandButton::IsCancel() const { return Parent().CancelButton() == this; }

void CommandButton::SetCancel(bool isCancel) { Parent().SetCancelButton(this, isCancel); }

bool CommandButton::PerformClick() {
    if (!button_->isEnabled()) return false;
    Raise(events.click);
    return true;
}

// --- Label ---

class LabelWidget final : public QLabel {
public:
    LabelWidget(Label& owner, QWidget* parent) : QLabel(parent), owner_(owner) {}

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (owner_.events.mouseDown) {
            const auto handler = owner_.events.mouseDown;
            handler(MouseButtonOf(event->button()), ShiftStateOf(event->modifiers()),
                    PixelsToTwipsX(event->position().toPoint().x()), PixelsToTwipsY(event->position().toPoint().y()));
        }
        QLabel::mousePressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            Control::Raise(owner_.events.click);
        QLabel::mouseReleaseEvent(event);
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        Control::Raise(owner_.events.dblClick);
        QLabel::mouseDoubleClickEvent(event);
    }

private:
    Label& owner_;
};

Label::Label(Form& form, const ControlSpec& row, Control* container, QWidget* parent)
    : Control(form, row, container, new LabelWidget(*this, parent)), label_(static_cast<QLabel*>(Widget())) {
    label_->setTextFormat(Qt::PlainText);
    const Qt::Alignment across = (row.style & kStyleAlignCenter)  ? Qt::AlignHCenter
                                 : (row.style & kStyleAlignRight) ? Qt::AlignRight
                                                                  : Qt::AlignLeft;
    label_->setAlignment(across | ((row.style & kStyleAlignMiddle) ? Qt::AlignVCenter : Qt::AlignTop));
    label_->setWordWrap((row.style & kStyleWordWrap) != 0);
    SetCaption(row.caption);
}

bool Label::SetCaption(std::string_view caption) {
    caption_ = std::string(caption);
    label_->setText(WithQtLineBreaks(caption));
    return true;
}

bool Label::WordWrap() const { return label_->wordWrap(); }
void Label::SetWordWrap(bool wrap) { label_->setWordWrap(wrap); }

// --- Frame ---

Frame::Frame(Form& form, const ControlSpec& row, Control* container, QWidget* parent)
    : Control(form, row, container, new FrameBox(parent, (row.style & kStylePlainPanel) != 0)),
      box_(static_cast<QGroupBox*>(Widget())) {
    box_->setTitle(ToQString(row.caption));
    // Frames stacked in one place must hide the ones behind them.
    box_->setAutoFillBackground(true);
}

std::string Frame::Caption() const { return FromQString(box_->title()); }

bool Frame::SetCaption(std::string_view caption) {
    box_->setTitle(ToQString(caption));
    return true;
}

QWidget* Frame::ClientWidget() const { return box_; }

void Frame::SetCaptionLeft(int pixels) { static_cast<FrameBox*>(box_)->SetCaptionLeft(pixels); }

void Frame::SetFont(const FontSpec& font) {
    KeepControlsLook();
    Control::SetFont(font);
}

void Frame::SetForeColor(std::int32_t colour) {
    KeepControlsLook();
    Control::SetForeColor(colour);
}

// Gives each control inside the font and text colours it shows now as its
// own, every field set, so that none follows the frame's.
void Frame::KeepControlsLook() {
    for (QWidget* child : box_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        QFont font = child->font();
        font.setFamily(font.family());
        font.setPointSizeF(font.pointSizeF());
        font.setWeight(font.weight());
        font.setItalic(font.italic());
        child->setFont(font);
        QPalette palette = child->palette();
        // Every colour group: a disabled control must keep its enabled colours too.
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
                palette.setColor(group, role, palette.color(group, role));
        child->setPalette(palette);
    }
}

// --- MenuItem ---

MenuItem::MenuItem(Form& form, const ControlSpec& row, MenuItem* parentMenu, QAction* action)
    : Control(form, row, parentMenu, nullptr), action_(action) {
    SetCaption(row.caption);
    QObject::connect(action_, &QAction::triggered, action_, [this] { Raise(events.click); });
}

MenuItem::~MenuItem() {
    action_->disconnect();
    delete subMenu_;
    delete action_;
}

bool MenuItem::Move(int, int, int, int) { return false; }
bool MenuItem::Enabled() const { return action_->isEnabled(); }
void MenuItem::SetEnabled(bool enabled) { action_->setEnabled(enabled); }
bool MenuItem::Visible() const { return action_->isVisible(); }
void MenuItem::SetVisible(bool visible) { action_->setVisible(visible); }

bool MenuItem::SetCaption(std::string_view caption) {
    caption_ = std::string(caption);
    action_->setSeparator(IsSeparator());
    // Some styles draw a separator's text as a section title: a separator shows only its line.
    action_->setText(IsSeparator() ? QString() : ToQString(caption));
    return true;
}

QMenu* MenuItem::SubMenu() {
    if (subMenu_ == nullptr) {
        subMenu_ = new QMenu(qobject_cast<QWidget*>(action_->parent()));
        action_->setMenu(subMenu_);
    }
    return subMenu_;
}

}  // namespace orbweave
