#include "platform/forms/window_closing.h"

#include <QApplication>
#include <QWidget>

namespace orbweave {

namespace {

// The first visible top-level window, or null.
QWidget* OpenWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

}  // namespace

void CloseInnermostWindow() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        return;
    }
    QWidget* window = QApplication::activePopupWidget();
    if (window == nullptr) {
        window = QApplication::activeModalWidget();
    }
    if (window == nullptr) {
        window = OpenWindow();
    }
    if (window != nullptr) {
        window->close();
    }
}

}  // namespace orbweave
