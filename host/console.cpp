#include "host/console.h"

#include <QGuiApplication>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "host/run_modes.h"

namespace orbweave {

namespace {

constexpr const char* kHeadlessPlatforms[] = {"offscreen", "minimal"};
constexpr const char* kRuntimeFolderNotice = "QStandardPaths: XDG_RUNTIME_DIR not set";

QtMessageHandler& PassedOn() {
    static QtMessageHandler handler = nullptr;
    return handler;
}

void FilterQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String(kRuntimeFolderNotice))) {
        return;
    }
    if (PassedOn() != nullptr) {
        PassedOn()(type, context, message);
    }
    // Qt would abort once this returns.
    if (type == QtFatalMsg) {
        std::fflush(nullptr);
        std::_Exit(kExitFailure);
    }
}

MessageAnswer UnattendedAnswer(const MessageStyle& style) {
    switch (style.buttons) {
    case MessageButtons::Ok: return MessageAnswer::Ok;
    case MessageButtons::YesNo: return MessageAnswer::No;
    case MessageButtons::YesNoCancel: return MessageAnswer::Cancel;
    }
    return MessageAnswer::Cancel;
}

}  // namespace

bool WindowsCanBeSeen() {
    if (QGuiApplication::instance() == nullptr) {
        return false;
    }
    const QString platform = QGuiApplication::platformName();
    for (const char* headless : kHeadlessPlatforms) {
        if (platform == QLatin1String(headless)) {
            return false;
        }
    }
    return true;
}

MessageAnswer WriteUnattendedMessage(std::string_view text, std::string_view title, const MessageStyle& style) {
    std::string line(title);
    line += ": ";
    line += text;
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stderr);
    return UnattendedAnswer(style);
}

void FilterQtMessages() {
    const QtMessageHandler previous = qInstallMessageHandler(FilterQtMessage);
    if (previous != FilterQtMessage) {
        PassedOn() = previous;
    }
}

}  // namespace orbweave
