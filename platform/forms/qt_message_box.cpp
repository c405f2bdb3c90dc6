// Qt's message box and beep for the system's service hooks.
#include <QApplication>
#include <QDesktopServices>
#include <QFontMetricsF>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>

#include <algorithm>
#include <array>
#include <cmath>

#include "platform/forms/dialog_look.h"
#include "platform/forms/qt_text.h"
#include "platform/forms/services.h"
#include "platform/system/services.h"

namespace orbweave {

namespace {

QMessageBox::Icon IconOf(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Information: break;
    }
    return QMessageBox::Information;
}

struct ButtonSet {
    std::array<QMessageBox::StandardButton, 3> buttons;
    int count;
    // The answer when the box is closed without a button.
    MessageAnswer closed;
};

ButtonSet ButtonsOf(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::YesNo:
        return {{QMessageBox::Yes, QMessageBox::No, QMessageBox::NoButton}, 2, MessageAnswer::No};
    case MessageButtons::YesNoCancel:
        return {{QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}, 3, MessageAnswer::Cancel};
    case MessageButtons::Ok: break;
    }
    return {{QMessageBox::Ok, QMessageBox::NoButton, QMessageBox::NoButton}, 1, MessageAnswer::Ok};
}

MessageAnswer AnswerOf(int button, MessageAnswer closed) {
    switch (button) {
    case QMessageBox::Ok: return MessageAnswer::Ok;
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    default: return closed;
    }
}

// Qt's message box, but wide enough to keep each line of its text on one
// line, up to two thirds of the screen's width, and centred on the window
// that opened it. Qt wraps lines longer than a fixed width, and places the
// box before it takes its final size.
class TextWideMessageBox final : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        if (QLabel* label = TextLabel()) WidenFor(*label);
        CentreOnOwner();
        sized_ = true;
    }

    // Qt sizes the box anew on each layout request, the one the widening
    // posts included, capping it below a wide text (at 800 pixels on a screen
    // 1280 wide) and cutting the label; once shown, the box keeps its size.
    bool event(QEvent* event) override {
        if (sized_ && event->type() == QEvent::LayoutRequest) return QDialog::event(event);
        return QMessageBox::event(event);
    }

private:
    static constexpr double kWidestShareOfScreen = 2.0 / 3.0;

    bool sized_ = false;

    QLabel* TextLabel() const {
        for (QLabel* label : findChildren<QLabel*>())
            if (label->text() == text()) return label;
        return nullptr;
    }

    void WidenFor(QLabel& label) {
        // Whole pixels up from the exact advance: a line a fraction wider
        // than its label wraps.
        const QFontMetricsF metrics(label.font());
        int widest = 0;
        for (const QString& line : text().split(QLatin1Char('\n')))
            widest = std::max(widest, static_cast<int>(std::ceil(metrics.horizontalAdvance(line))));
        const int besideText = width() - label.width();
        const int mostText =
            static_cast<int>(screen()->availableGeometry().width() * kWidestShareOfScreen) - besideText;
        const int textWidth = std::min(widest, mostText);
        if (textWidth <= label.width()) return;
        label.setMinimumWidth(textWidth);
        label.setWordWrap(widest > textWidth);
        // Qt fixed the box's size to the narrower text: fix it anew.
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        layout()->activate();
        const int boxWidth = layout()->totalMinimumSize().width();
        const int boxHeight = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(boxWidth)
                                                            : layout()->totalMinimumSize().height();
        setFixedSize(boxWidth, boxHeight);
    }

    // Centred on the owner's window, but kept on the screen.
    void CentreOnOwner() {
        const QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
        const QRect screenArea = screen()->availableGeometry();
        QRect place(QPoint(), size());
        place.moveCenter(owner != nullptr ? owner->geometry().center() : screenArea.center());
        place.moveLeft(std::max(screenArea.left(), std::min(place.left(), screenArea.right() + 1 - place.width())));
        place.moveTop(std::max(screenArea.top(), std::min(place.top(), screenArea.bottom() + 1 - place.height())));
        setGeometry(place);
    }
};

}  // namespace

MessageAnswer QtMessageBox(std::string_view text, std::string_view title, const MessageStyle& style) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return DefaultAnswer(style);
    UseDialogLook();
    const ButtonSet set = ButtonsOf(style.buttons);
    TextWideMessageBox box(IconOf(style.icon), ToQString(title), WithQtLineBreaks(text), QMessageBox::NoButton,
                           QApplication::activeWindow());
    for (int i = 0; i < set.count; ++i) box.addButton(set.buttons[static_cast<std::size_t>(i)]);
    if (style.defaultButton >= 0 && style.defaultButton < set.count)
        box.setDefaultButton(set.buttons[static_cast<std::size_t>(style.defaultButton)]);
    return AnswerOf(box.exec(), set.closed);
}

void QtBeep() { QApplication::beep(); }

bool QtOpenUrl(std::string_view address) { return QDesktopServices::openUrl(QUrl(ToQString(address))); }

void InstallQtServices() {
    SetMessageBoxService(QtMessageBox);
    SetBeepService(QtBeep);
    SetUrlService(QtOpenUrl);
}

}  // namespace orbweave
