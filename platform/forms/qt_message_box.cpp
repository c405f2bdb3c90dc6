// Qt's message box and beep for the system's service hooks.
#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include <array>

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

}  // namespace

MessageAnswer QtMessageBox(std::string_view text, std::string_view title, const MessageStyle& style) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return DefaultAnswer(style);
    const ButtonSet set = ButtonsOf(style.buttons);
    QMessageBox box(IconOf(style.icon), ToQString(title), WithQtLineBreaks(text), QMessageBox::NoButton,
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
