#include "platform/forms/control.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QWidget>

#include "platform/forms/form.h"
#include "platform/forms/qt_text.h"
#include "platform/forms/screen.h"

namespace orbweave {

// Reports focus changes and the form-wide keys (Enter, Escape, F1, the
// menus' mnemonics) of the widget that takes the focus to the form, before
// the widget sees them.
class Control::Watcher final : public QObject {
public:
    Watcher(Control& control, QObject* parent) : QObject(parent), control_(control) {}

    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::FocusIn: control_.form_.FocusEntered(control_, static_cast<QFocusEvent*>(event)->reason()); break;
        case QEvent::FocusOut: control_.form_.FocusLeft(control_, static_cast<QFocusEvent*>(event)->reason()); break;
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->modifiers() == Qt::AltModifier && control_.form_.OpenMenuByMnemonic(key->key())) return true;
            if (control_.form_.HandleFormKey(&control_, key->key(), key->modifiers().testFlag(Qt::ControlModifier)))
                return true;
            // Otherwise Qt's editors type the letter of Alt+C, its lists search
            // on it and its boxes step on Alt's arrows: a change under a key no
            // mnemonic uses.
            const bool altHeld = (key->modifiers() & (Qt::AltModifier | Qt::MetaModifier)) != 0;
            return altHeld && !control_.TakesAltKey(key->key());
        }
        default: break;
        }
        return false;
    }

private:
    Control& control_;
};

Control::Control(Form& form, const ControlSpec& row, Control* container, QWidget* widget)
    : form_(form),
      name_(row.name),
      index_(row.index),
      kind_(row.kind),
      container_(container),
      widget_(widget),
      tabIndex_(row.tabIndex) {
    if (widget_ != nullptr) {
        widget_->setGeometry(TwipsToPixelsX(row.left), TwipsToPixelsY(row.top), TwipsToPixelsX(row.width),
                             TwipsToPixelsY(row.height));
        widget_->show();
    }
}

Control::~Control() {
    form_.Forget(*this);
    delete watcher_;
    if (widget_ != nullptr) {
        widget_->disconnect();
        delete widget_;
    }
}

void Control::Raise(const std::function<void()>& handler) {
    if (!handler) return;
    const auto copy = handler;
    copy();
}

void Control::WatchFocusOf(QWidget* focusWidget) {
    watcher_ = new Watcher(*this, focusWidget);
    focusWidget->installEventFilter(watcher_);
}

int Control::Left() const { return widget_ ? PixelsToTwipsX(widget_->x()) : 0; }
int Control::Top() const { return widget_ ? PixelsToTwipsY(widget_->y()) : 0; }
int Control::Width() const { return widget_ ? PixelsToTwipsX(widget_->width()) : 0; }
int Control::Height() const { return widget_ ? PixelsToTwipsY(widget_->height()) : 0; }

bool Control::Move(int left, int top, int width, int height) {
    if (widget_ == nullptr || width < 0 || height < 0) return false;
    widget_->setGeometry(TwipsToPixelsX(left), TwipsToPixelsY(top), TwipsToPixelsX(width), TwipsToPixelsY(height));
    return true;
}

bool Control::Enabled() const { return widget_ && widget_->isEnabledTo(widget_->parentWidget()); }
void Control::SetEnabled(bool enabled) {
    if (widget_) widget_->setEnabled(enabled);
}

bool Control::Visible() const { return widget_ && widget_->isVisibleTo(widget_->parentWidget()); }
void Control::SetVisible(bool visible) {
    if (widget_) widget_->setVisible(visible);
}

std::int32_t Control::ForeColor() const {
    return widget_ ? RgbFromQColor(widget_->palette().color(QPalette::WindowText)) : 0;
}

void Control::SetForeColor(std::int32_t colour) {
    if (widget_ == nullptr) return;
    QPalette palette = widget_->palette();
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, QColorFromRgb(colour));
    widget_->setPalette(palette);
}

std::int32_t Control::BackColor() const {
    return widget_ ? RgbFromQColor(widget_->palette().color(widget_->backgroundRole())) : 0;
}

void Control::SetBackColor(std::int32_t colour) {
    if (widget_ == nullptr) return;
    QPalette palette = widget_->palette();
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, QColorFromRgb(colour));
    widget_->setPalette(palette);
    widget_->setAutoFillBackground(true);
}

FontSpec Control::Font() const { return widget_ ? FontSpecFromQFont(widget_->font()) : FontSpec{}; }

void Control::SetFont(const FontSpec& font) {
    if (widget_) widget_->setFont(QFontFromSpec(font, widget_->font()));
}

void Control::ZOrder(bool toFront) {
    if (widget_ == nullptr) return;
    if (toFront)
        widget_->raise();
    else
        widget_->lower();
}

bool Control::SetFocus() {
    if (widget_ == nullptr || !widget_->isEnabled() || !widget_->isVisibleTo(form_.Window())) return false;
    form_.MoveFocusTo(*this);
    return true;
}

}  // namespace orbweave
