#include "platform/forms/services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QUrl>

#include <utility>

#include "platform/forms/qt_text.h"

namespace orbweave {

namespace {

bool HaveApplication() { return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr; }

std::optional<std::string> QtInputBox(std::string_view prompt, std::string_view title, std::string_view answer) {
    if (!HaveApplication()) return std::nullopt;
    bool accepted = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), ToQString(title), WithQtLineBreaks(prompt),
                                               QLineEdit::Normal, ToQString(answer), &accepted);
    return accepted ? std::optional<std::string>(FromQString(text)) : std::nullopt;
}

void QtBusyPointer(bool busy) {
    if (!HaveApplication()) return;
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

void QtHelp(std::string_view helpFile, int command, int) {
    if (command == kHelpQuit || helpFile.empty() || !HaveApplication()) return;
    const QFileInfo file(QDir(QCoreApplication::applicationDirPath()), ToQString(helpFile));
    if (file.exists()) QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
}

struct Services {
    InputBoxService inputBox = QtInputBox;
    BusyPointerService busyPointer = QtBusyPointer;
    HelpService help = QtHelp;
    bool busy = false;
};

Services& Current() {
    static Services services;
    return services;
}

template <typename Service>
Service Replace(Service& slot, Service service, Service fallback) {
    Service previous = std::move(slot);
    slot = service ? std::move(service) : std::move(fallback);
    return previous;
}

}  // namespace

std::string InputBox(std::string_view prompt, std::string_view title, std::string_view defaultAnswer) {
    const auto service = Current().inputBox;
    return service(prompt, title, defaultAnswer).value_or("");
}

InputBoxService SetInputBoxService(InputBoxService service) {
    return Replace(Current().inputBox, std::move(service), InputBoxService(QtInputBox));
}

void SetBusyPointer(bool busy) {
    Services& services = Current();
    if (services.busy == busy) return;
    services.busy = busy;
    const auto service = services.busyPointer;
    service(busy);
}

bool BusyPointerShown() { return Current().busy; }

BusyPointerService SetBusyPointerService(BusyPointerService service) {
    return Replace(Current().busyPointer, std::move(service), BusyPointerService(QtBusyPointer));
}

void ShowHelp(std::string_view helpFile, int command, int context) {
    const auto service = Current().help;
    service(helpFile, command, context);
}

HelpService SetHelpService(HelpService service) {
    return Replace(Current().help, std::move(service), HelpService(QtHelp));
}

}  // namespace orbweave
