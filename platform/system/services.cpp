#include "platform/system/services.h"

#include <iostream>
#include <utility>

namespace orbweave {
namespace {

MessageAnswer WriteToStandardError(std::string_view text, std::string_view title, const MessageStyle& style) {
    std::cerr << title << ": " << text << '\n';
    return DefaultAnswer(style);
}

MessageBoxService& MessageBoxHook() {
    static MessageBoxService hook = WriteToStandardError;
    return hook;
}

BeepService& BeepHook() {
    static BeepService hook = [] {};
    return hook;
}

bool NoUrlHandler(std::string_view) { return false; }

UrlService& UrlHook() {
    static UrlService hook = NoUrlHandler;
    return hook;
}

}  // namespace

MessageAnswer DefaultAnswer(const MessageStyle& style) {
    switch (style.buttons) {
    case MessageButtons::Ok: return MessageAnswer::Ok;
    case MessageButtons::YesNo: return style.defaultButton == 1 ? MessageAnswer::No : MessageAnswer::Yes;
    case MessageButtons::YesNoCancel:
        if (style.defaultButton == 1) return MessageAnswer::No;
        if (style.defaultButton == 2) return MessageAnswer::Cancel;
        return MessageAnswer::Yes;
    }
    return MessageAnswer::Ok;
}

MessageAnswer ShowMessage(std::string_view text, std::string_view title, const MessageStyle& style) {
    return MessageBoxHook()(text, title, style);
}

void Beep() { BeepHook()(); }

bool OpenUrl(std::string_view address) { return UrlHook()(address); }

void OpenWebPage(std::string_view address) {
    if (OpenUrl(address)) return;
    const std::string text = "The Web Page could not be reached.\r\n\r\nURL:  " + std::string(address);
    ShowMessage(text, kMessageTitle, MessageStyle{MessageIcon::Information, MessageButtons::Ok, 0});
}

MessageBoxService SetMessageBoxService(MessageBoxService service) {
    if (!service) service = WriteToStandardError;
    return std::exchange(MessageBoxHook(), std::move(service));
}

BeepService SetBeepService(BeepService service) {
    if (!service) service = [] {};
    return std::exchange(BeepHook(), std::move(service));
}

UrlService SetUrlService(UrlService service) {
    if (!service) service = NoUrlHandler;
    return std::exchange(UrlHook(), std::move(service));
}

}  // namespace orbweave
