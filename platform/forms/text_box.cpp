#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QValidator>

#include <algorithm>
#include <limits>
#include <type_traits>

#include "platform/forms/controls.h"
#include "platform/forms/key_codes.h"
#include "platform/forms/qt_text.h"

namespace orbweave {

// What a text box needs of its Qt editor, one line or several. Texts use
// Qt's line breaks (LF) and positions count Qt characters.
class TextEditor {
public:
    virtual ~TextEditor() = default;
    virtual QString PlainText() const = 0;
    virtual void SetPlainText(const QString& text) = 0;
    virtual int SelectionStart() const = 0;
    virtual QString SelectedText() const = 0;
    virtual void Select(int start, int length) = 0;
    virtual void SelectEverything() = 0;
    virtual bool ReadOnly() const = 0;
    virtual void SetReadOnly(bool readOnly) = 0;
};

namespace {

// The dialogs count a line break as the two characters CR LF; Qt as one LF.
qsizetype DialogLength(const QString& qtText) { return qtText.size() + qtText.count(QLatin1Char('\n')); }

int DialogPosition(const QString& qtText, int qtPosition) {
    return qtPosition + static_cast<int>(qtText.left(qtPosition).count(QLatin1Char('\n')));
}

// A position inside a CR LF pair maps to the start of the line break.
int QtPosition(const QString& qtText, int dialogPosition) {
    int dialog = 0;
    int qt = 0;
    while (qt < qtText.size()) {
        const int width = qtText.at(qt) == QLatin1Char('\n') ? 2 : 1;
        if (dialog + width > dialogPosition) break;
        dialog += width;
        ++qt;
    }
    return qt;
}

// The length limit as the dialogs know it: it refuses typing that would make
// the text longer than the limit, while text set by code stays whole (Qt's
// own limit would cut it). A text already too long may still be shortened.
bool TypingFits(const TextBox& box, qsizetype before, qsizetype after) {
    const qsizetype limit = box.MaxLength();
    return limit == 0 || after <= limit || after <= before;
}

// How many Qt characters from the start of `text` fit in `room` characters
// as the dialogs count them, never splitting a character in two.
qsizetype FittingPart(const QString& text, qsizetype room, bool multiLine) {
    qsizetype used = 0;
    qsizetype end = 0;
    for (; end < text.size(); ++end) {
        used += multiLine && text.at(end) == QLatin1Char('\n') ? 2 : 1;
        if (used > room) break;
    }
    if (end > 0 && end < text.size() && text.at(end - 1).isHighSurrogate()) --end;
    return end;
}

class TypingLimit final : public QValidator {
public:
    TypingLimit(const TextBox& box, QObject* parent) : QValidator(parent), box_(box) {}

    State validate(QString& input, int& cursor) const override {
        box_.FilterInsertion(input, cursor);
        return TypingFits(box_, ToQString(box_.Text()).size(), input.size()) ? Acceptable : Invalid;
    }

private:
    const TextBox& box_;
};

// The Qt editor of a box, one line (QLineEdit) or several (QPlainTextEdit):
// typed keys pass the box's KeyDown and KeyPress handlers, and the press that
// gives the focus keeps the selection that the GotFocus handler made
// (select-all on focus), as does a drag while it is held.
template <typename QtEditor>
class EditorWidget : public QtEditor, public TextEditor {
    static constexpr bool kMultiLine = std::is_same_v<QtEditor, QPlainTextEdit>;

public:
    EditorWidget(TextBox& owner, QWidget* parent) : QtEditor(parent), owner_(owner) {
        if constexpr (kMultiLine) this->setTabChangesFocus(true);
    }

    QString PlainText() const override {
        if constexpr (kMultiLine)
            return this->toPlainText();
        else
            return this->text();
    }
    void SetPlainText(const QString& text) override {
        if constexpr (kMultiLine)
            this->setPlainText(text);
        else
            this->setText(text);
    }
    int SelectionStart() const override {
        if constexpr (kMultiLine)
            return this->textCursor().selectionStart();
        else
            return static_cast<int>(this->hasSelectedText() ? this->selectionStart() : this->cursorPosition());
    }
    QString SelectedText() const override {
        if constexpr (kMultiLine)
            return this->textCursor().selection().toPlainText();
        else
            return this->selectedText();
    }
    void Select(int start, int length) override {
        if constexpr (kMultiLine) {
            QTextCursor cursor = this->textCursor();
            cursor.setPosition(start);
            cursor.setPosition(start + length, QTextCursor::KeepAnchor);
            this->setTextCursor(cursor);
        } else {
            this->setSelection(start, length);
        }
    }
    void SelectEverything() override { this->selectAll(); }
    bool ReadOnly() const override { return this->isReadOnly(); }
    void SetReadOnly(bool readOnly) override { this->setReadOnly(readOnly); }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (BreaksLineWithCtrl(*event)) {
            Insert(QStringLiteral("\n"));
            event->accept();
            return;
        }
        const int shift = ShiftStateOf(event->modifiers());
        if (const int code = VirtualKeyCode(event->key()); code != 0 && owner_.events.keyDown) {
            const auto handler = owner_.events.keyDown;
            handler(code, shift);
        }
        const int typed = TypedCharacter(*event);
        if (typed == 0 || !owner_.events.keyPress) {
            if (FitsTheLimit(InsertedBy(*event)))
                QtEditor::keyPressEvent(event);
            else
                event->accept();
            return;
        }
        int key = typed;
        const auto handler = owner_.events.keyPress;
        handler(key);
        if (key == typed) {
            if (FitsTheLimit(InsertedBy(*event))) QtEditor::keyPressEvent(event);
        } else if (key == kKeyBack) {
            Backspace();
        } else if (key > 0 && key <= 0xFFFF) {
            Insert(QString(QChar(static_cast<char16_t>(key))));
        }
        event->accept();
    }

    void focusInEvent(QFocusEvent* event) override {
        pressGaveFocus_ = event->reason() == Qt::MouseFocusReason;
        QtEditor::focusInEvent(event);
    }

    void mousePressEvent(QMouseEvent* event) override {
        holdingFocusPress_ = pressGaveFocus_ && !SelectedText().isEmpty();
        pressGaveFocus_ = false;
        if (holdingFocusPress_) {
            event->accept();
            return;
        }
        QtEditor::mousePressEvent(event);
    }

    void mouseMoveEvent(QMouseEvent* event) override {
        if (holdingFocusPress_) {
            event->accept();
            return;
        }
        QtEditor::mouseMoveEvent(event);
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        holdingFocusPress_ = false;
        QtEditor::mouseReleaseEvent(event);
    }

private:
    // Ctrl+Enter in a box of several lines breaks the line: plain Enter
    // presses the form's default button when it has one.
    static bool BreaksLineWithCtrl(const QKeyEvent& event) {
        return kMultiLine && (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) &&
               event.modifiers().testFlag(Qt::ControlModifier);
    }

    // The text a key would put in place of the selection: what it types, or
    // a line break for Enter in a box of several lines.
    static QString InsertedBy(const QKeyEvent& event) {
        if (kMultiLine && (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) &&
            !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
            return QStringLiteral("\n");
        const QString text = event.text();
        return (text.size() == 1 && text.at(0).isPrint()) ? text : QString();
    }

protected:
    // A line edit checks its limit with its validator; several lines are checked here.
    bool FitsTheLimit(const QString& inserted) const {
        if (!kMultiLine || inserted.isEmpty()) return true;
        const QString text = PlainText();
        const qsizetype after = DialogLength(text) - DialogLength(SelectedText()) + DialogLength(inserted);
        return TypingFits(owner_, DialogLength(text), after);
    }

    // The characters an insertion in place of the selection may have.
    qsizetype RoomForInsertion() const {
        if (owner_.MaxLength() == 0) return std::numeric_limits<qsizetype>::max();
        const qsizetype now = DialogLength(PlainText());
        return std::max<qsizetype>(owner_.MaxLength(), now) - (now - DialogLength(SelectedText()));
    }

private:
    void Backspace() {
        if constexpr (kMultiLine) {
            QTextCursor cursor = this->textCursor();
            cursor.deletePreviousChar();
            this->setTextCursor(cursor);
        } else {
            this->backspace();
        }
    }

    void Insert(const QString& text) {
        if constexpr (kMultiLine) {
            if (FitsTheLimit(text)) this->insertPlainText(text);
        } else {
            this->insert(text);
        }
    }

    TextBox& owner_;
    bool pressGaveFocus_ = false;
    bool holdingFocusPress_ = false;
};

using LineWidget = EditorWidget<QLineEdit>;

// What is pasted or dropped into several lines is cut at the length limit.
class LinesWidget final : public EditorWidget<QPlainTextEdit> {
public:
    using EditorWidget::EditorWidget;

protected:
    void insertFromMimeData(const QMimeData* source) override {
        QString text = source->text();
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        const qsizetype fits = FittingPart(text, RoomForInsertion(), true);
        if (fits == text.size()) {
            EditorWidget::insertFromMimeData(source);
        } else if (fits > 0) {
            QMimeData cut;
            cut.setText(text.left(fits));
            EditorWidget::insertFromMimeData(&cut);
        }
    }
};

// The text as the dialogs see it: line breaks as CR LF.
QString DialogText(QString qtText, bool multiLine) {
    if (multiLine) qtText.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return qtText;
}

QWidget* MakeEditorWidget(TextBox& owner, const ControlSpec& row, QWidget* parent) {
    if (row.style & kStyleMultiLine) return new LinesWidget(owner, parent);
    return new LineWidget(owner, parent);
}

}  // namespace

TextBox::TextBox(Form& form, const ControlSpec& row, Control* container, QWidget* parent)
    : Control(form, row, container, MakeEditorWidget(*this, row, parent)),
      multiLine_((row.style & kStyleMultiLine) != 0) {
    SetMaxLength(row.maxLength);
    if (multiLine_) {
        auto* lines = static_cast<LinesWidget*>(Widget());
        editor_ = lines;
        QObject::connect(lines, &QPlainTextEdit::textChanged, lines, [this] { TextChanged(); });
    } else {
        auto* line = static_cast<LineWidget*>(Widget());
        editor_ = line;
        line->setValidator(new TypingLimit(*this, line));
        if (row.style & kStyleAlignCenter) line->setAlignment(Qt::AlignCenter);
        if (row.style & kStyleAlignRight) line->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QObject::connect(line, &QLineEdit::textChanged, line, [this] { TextChanged(); });
    }
    text_ = std::string(row.caption);
    SetText(row.caption);
    text_ = FromQString(DialogText(editor_->PlainText(), multiLine_));
    WatchFocusOf(Widget());
}

std::string TextBox::Text() const { return text_; }

bool TextBox::SetText(std::string_view text) {
    SetQtText(multiLine_ ? WithQtLineBreaks(text) : ToQString(text));
    return true;
}

bool TextBox::SetTextWithinLimit(std::string_view text) {
    QString qtText = multiLine_ ? WithQtLineBreaks(text) : ToQString(text);
    if (maxLength_ > 0) qtText.truncate(FittingPart(qtText, maxLength_, multiLine_));
    SetQtText(qtText);
    return true;
}

void TextBox::SetQtText(const QString& text) {
    settingByCode_ = true;
    editor_->SetPlainText(text);
    settingByCode_ = false;
}

void TextBox::FilterInsertion(QString& after, int& cursor) const {
    if (settingByCode_) return;
    const QString before = ToQString(text_);
    const qsizetype shortest = std::min(before.size(), after.size());
    qsizetype prefix = 0;
    while (prefix < shortest && before.at(prefix) == after.at(prefix)) ++prefix;
    qsizetype suffix = 0;
    while (suffix < shortest - prefix && before.at(before.size() - 1 - suffix) == after.at(after.size() - 1 - suffix))
        ++suffix;
    const QString inserted = after.mid(prefix, after.size() - prefix - suffix);
    if (inserted.isEmpty()) return;
    QString kept = insertionFilter_ ? ToQString(insertionFilter_(FromQString(inserted))) : inserted;
    // What goes beyond the limit is cut off, as a native box cuts a paste.
    if (maxLength_ > 0) {
        const qsizetype room = std::max<qsizetype>(maxLength_, before.size()) - prefix - suffix;
        kept.truncate(FittingPart(kept, room, false));
    }
    if (kept == inserted) return;
    after = after.left(prefix) + kept + after.right(suffix);
    cursor = static_cast<int>(prefix + kept.size());
}

void TextBox::TextChanged() {
    std::string now = FromQString(DialogText(editor_->PlainText(), multiLine_));
    if (now == text_) return;
    text_ = std::move(now);
    Raise(events.change);
}

bool TextBox::SetMaxLength(int length) {
    if (length < 0) return false;
    maxLength_ = length;
    return true;
}

bool TextBox::Locked() const { return editor_->ReadOnly(); }
void TextBox::SetLocked(bool locked) { editor_->SetReadOnly(locked); }

int TextBox::SelStart() const { return DialogPosition(editor_->PlainText(), editor_->SelectionStart()); }

int TextBox::SelLength() const { return static_cast<int>(DialogLength(editor_->SelectedText())); }

std::string TextBox::SelText() const { return FromQString(DialogText(editor_->SelectedText(), multiLine_)); }

bool TextBox::SetSelection(int start, int length) {
    const QString text = editor_->PlainText();
    const int size = static_cast<int>(DialogLength(text));
    if (start < 0 || length < 0 || start > size) return false;
    const int qtStart = QtPosition(text, start);
    const int qtEnd = QtPosition(text, start + std::min(length, size - start));
    editor_->Select(qtStart, qtEnd - qtStart);
    return true;
}

void TextBox::SelectAll() { editor_->SelectEverything(); }

}  // namespace orbweave
