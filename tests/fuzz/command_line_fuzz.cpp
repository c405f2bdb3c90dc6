// Fuzzes the command line: the mode follows the line's first two characters
// (or its ".owv" ending), a window number is the reference reading of the
// rest, a template name is kept whole, and arguments joined are the words
// with single blanks between them. The input's NUL bytes separate the words
// given to JoinArguments; the whole input is also parsed as one line.
#include <cctype>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "host/command_line.h"
#include "reference_number.h"

namespace {

using orbweave::CommandLine;
using orbweave::CommandMode;
using orbweave::fuzz::Check;

std::string Upper(std::string_view text) {
    std::string upper;
    for (const char c : text) upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

// Blanks anywhere are dropped, then the leading number is rounded halves to
// even; 0 for no number or one beyond 32 bits. Nothing for a text too long
// for the reference reading.
std::optional<std::int32_t> ReferenceSwitchNumber(std::string_view text) {
    std::string digits;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') digits += c;
    }
    if (digits.size() > orbweave::fuzz::kReferenceTextLimit) return std::nullopt;
    const auto value = orbweave::fuzz::ReferenceLeadingNumber(digits);
    if (!value) return 0;
    const double whole = std::nearbyint(*value);
    if (whole < std::numeric_limits<std::int32_t>::min() || whole > std::numeric_limits<std::int32_t>::max()) return 0;
    return static_cast<std::int32_t>(whole);
}

CommandMode ExpectedMode(std::string_view line) {
    const std::string first = Upper(line.substr(0, 2));
    if (line.find_first_not_of(' ') == std::string_view::npos || first == "/C") return CommandMode::Configure;
    if (first == "/S") return CommandMode::Saver;
    if (first == "/P") return CommandMode::Preview;
    if (first == "/A") return CommandMode::ChangePassword;
    if (line.size() >= 4 && Upper(line.substr(line.size() - 4)) == ".OWV") return CommandMode::ImportTemplate;
    return CommandMode::Default;
}

void CheckParse(std::string_view line) {
    const CommandLine parsed = orbweave::ParseCommandLine(line);
    const CommandMode mode = ExpectedMode(line);
    Check(parsed.mode == mode, "the mode follows the first two characters or the extension");
    Check(parsed.file == (mode == CommandMode::ImportTemplate ? std::string(line) : std::string()),
          "a template name is the whole line, and only a template has one");
    const bool hasWindow = mode == CommandMode::Preview || mode == CommandMode::ChangePassword;
    if (!hasWindow) {
        Check(parsed.number == 0, "only /P and /A name a window");
        return;
    }
    const std::string_view argument = line.substr(2);
    Check(parsed.number == orbweave::SwitchNumber(argument), "the window is the switch's number");
    if (const auto expected = ReferenceSwitchNumber(argument)) {
        Check(parsed.number == *expected, "the window number is the reference reading");
    }
}

void CheckJoin(std::string_view input) {
    std::vector<std::string> words;
    std::size_t start = 0;
    for (std::size_t nul = input.find('\0'); nul != std::string_view::npos; nul = input.find('\0', start)) {
        words.emplace_back(input.substr(start, nul - start));
        start = nul + 1;
    }
    words.emplace_back(input.substr(start));
    std::vector<const char*> arguments;
    for (const std::string& word : words) arguments.push_back(word.c_str());

    std::string expected(input);
    for (char& c : expected) c = c == '\0' ? ' ' : c;
    Check(orbweave::JoinArguments(arguments) == expected, "the words come back joined by single blanks");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = orbweave::fuzz::AsText(data, size);
    CheckParse(input);
    CheckJoin(input);
    return 0;
}
