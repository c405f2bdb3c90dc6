#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QValidator>

#include <algorithm>

#include "platform/forms/controls.h"
#include "platform/forms/key_codes.h"
#include "platform/forms/qt_text.h"

namespace orbweave {

namespace {

// The length limit as the dialogs know it: it refuses typing that would make
// the text longer than the limit, while text set by code stays whole (Qt's
// own limit would cut it). A text already too long may still be shortened.
class TypingLimit final : public QValidator {
public:
    TypingLimit(const TextBox& box, QObject* parent) : QValidator(parent), box_(box) {}

    State validate(QString& input, int&) const override {
        const qsizetype limit = box_.MaxLength();
        const qsizetype before = ToQString(box_.Text()).size();
        return (limit > 0 && input.size() > limit && input.size() > before) ? Invalid : Acceptable;
    }

private:
    const TextBox& box_;
};

}  // namespace

class TextBoxWidget final : public QLineEdit {
public:
    TextBoxWidget(TextBox& owner, QWidget* parent) : QLineEdit(parent), owner_(owner) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const int shift = ShiftStateOf(event->modifiers());
        if (const int code = VirtualKeyCode(event->key()); code != 0 && owner_.events.keyDown) {
            const auto handler = owner_.events.keyDown;
            handler(code, shift);
        }
        const int typed = TypedCharacter(*event);
        if (typed == 0 || !owner_.events.keyPress) {
            QLineEdit::keyPressEvent(event);
            return;
        }
        int key = typed;
        const auto handler = owner_.events.keyPress;
        handler(key);
        if (key == typed) {
            QLineEdit::keyPressEvent(event);
        } else if (key == kKeyBack) {
            backspace();
        } else if (key > 0 && key <= 0xFFFF) {
            insert(QString(QChar(static_cast<char16_t>(key))));
        }
        event->accept();
    }

    // The press that gave the focus keeps the selection that the GotFocus
    // handler made (select-all on focus), and so does a drag while it is held.
    void focusInEvent(QFocusEvent* event) override {
        pressGaveFocus_ = event->reason() == Qt::MouseFocusReason;
        QLineEdit::focusInEvent(event);
    }

    void mousePressEvent(QMouseEvent* event) override {
        holdingFocusPress_ = pressGaveFocus_ && hasSelectedText();
        pressGaveFocus_ = false;
        if (holdingFocusPress_) {
            event->accept();
            return;
        }
        QLineEdit::mousePressEvent(event);
    }

    void mouseMoveEvent(QMouseEvent* event) override {
        if (holdingFocusPress_) {
            event->accept();
            return;
        }
        QLineEdit::mouseMoveEvent(event);
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        holdingFocusPress_ = false;
        QLineEdit::mouseReleaseEvent(event);
    }

private:
    TextBox& owner_;
    bool pressGaveFocus_ = false;
    bool holdingFocusPress_ = false;
};

TextBox::TextBox(Form& form, const ControlSpec& row, Control* container, QWidget* parent)
    : Control(form, row, container, new TextBoxWidget(*this, parent)),
      edit_(static_cast<QLineEdit*>(Widget())),
      text_(row.caption) {
    edit_->setText(ToQString(text_));
    edit_->setValidator(new TypingLimit(*this, edit_));
    if (row.style & kStyleAlignCenter) edit_->setAlignment(Qt::AlignCenter);
    if (row.style & kStyleAlignRight) edit_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QObject::connect(edit_, &QLineEdit::textChanged, edit_, [this] { TextChanged(); });
    WatchFocusOf(edit_);
}

std::string TextBox::Text() const { return text_; }

bool TextBox::SetText(std::string_view text) {
    edit_->setText(ToQString(text));
    return true;
}

void TextBox::TextChanged() {
    std::string now = FromQString(edit_->text());
    if (now == text_) return;
    text_ = std::move(now);
    Raise(events.change);
}

bool TextBox::SetMaxLength(int length) {
    if (length < 0) return false;
    maxLength_ = length;
    return true;
}

bool TextBox::Locked() const { return edit_->isReadOnly(); }
void TextBox::SetLocked(bool locked) { edit_->setReadOnly(locked); }

int TextBox::SelStart() const {
    return static_cast<int>(edit_->hasSelectedText() ? edit_->selectionStart() : edit_->cursorPosition());
}

int TextBox::SelLength() const { return static_cast<int>(edit_->selectedText().size()); }

std::string TextBox::SelText() const { return FromQString(edit_->selectedText()); }

bool TextBox::SetSelection(int start, int length) {
    const int size = static_cast<int>(edit_->text().size());
    if (start < 0 || length < 0 || start > size) return false;
    edit_->setSelection(start, std::min(length, size - start));
    return true;
}

void TextBox::SelectAll() { edit_->selectAll(); }

}  // namespace orbweave
