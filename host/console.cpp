#include "host/console.h"

#include <cstdio>
#include <string>

namespace orbweave {

namespace {

MessageAnswer UnattendedAnswer(const MessageStyle& style)
{
    switch (style.buttons) {
    case MessageButtons::Ok: return MessageAnswer::Ok;
    case MessageButtons::YesNo: return MessageAnswer::No;
    case MessageButtons::YesNoCancel: return MessageAnswer::Cancel;
    }
    return MessageAnswer::Cancel;
}

}  // namespace

MessageAnswer WriteUnattendedMessage(std::string_view text, std::string_view title, const MessageStyle& style)
{
    std::string line(title);
    line += ": ";
    line += text;
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stderr);
    return UnattendedAnswer(style);
}

}  // namespace orbweave
