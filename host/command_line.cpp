#include "host/command_line.h"

#include <algorithm>

#include "core/convert.h"

namespace orbweave {
namespace {

constexpr std::size_t kSwitchLength = 2;

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

std::string Upper(std::string_view text) {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(), UpperAscii);
    return upper;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool IsTemplateName(std::string_view commandLine) {
    std::string suffix(".");
    suffix += kTemplateExtension;
    return commandLine.size() >= suffix.size() &&
           Upper(commandLine.substr(commandLine.size() - suffix.size())) == suffix;
}

}  // namespace

std::int32_t SwitchNumber(std::string_view text) {
    std::string digits;
    std::copy_if(text.begin(), text.end(), std::back_inserter(digits), [](char c) { return !IsBlank(c); });
    return ToInt32(LeadingNumber(digits)).value_or(0);
}

CommandLine ParseCommandLine(std::string_view commandLine) {
    const std::string switchText = Upper(commandLine.substr(0, kSwitchLength));
    const std::string_view argument = commandLine.substr(std::min(kSwitchLength, commandLine.size()));
    if (Trim(commandLine).empty() || switchText == "/C") return {CommandMode::Configure, 0, {}};
    if (switchText == "/S") return {CommandMode::Saver, 0, {}};
    if (switchText == "/P") return {CommandMode::Preview, SwitchNumber(argument), {}};
    if (switchText == "/A") return {CommandMode::ChangePassword, SwitchNumber(argument), {}};
    if (IsTemplateName(commandLine)) return {CommandMode::ImportTemplate, 0, std::string(commandLine)};
    return {CommandMode::Default, 0, {}};
}

std::string JoinArguments(std::span<const char* const> arguments) {
    std::string line;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (i > 0) line += ' ';
        if (arguments[i] != nullptr) line += arguments[i];
    }
    return line;
}

}  // namespace orbweave
