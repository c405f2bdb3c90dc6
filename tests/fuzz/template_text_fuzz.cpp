// Fuzzes the template reader: any input becomes a TemplateText, and every
// section and key the text itself names is looked up, together with a few
// names it may not hold. Each answer must be the rest of a line key "="
// (indented or not), after a header line that starts with "[" section "]".
// When no line of the text is indented and every header is a plain "[name]"
// line (or names nothing), the answer must also be exactly the first such
// entry of the first section of that name, and a missing one must be missing.
#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "settings/template_file.h"

namespace {

using orbweave::fuzz::Check;

// Lookups per input stay bounded, whatever the size of the text.
constexpr std::size_t kMaxNames = 12;
constexpr std::size_t kMaxKeys = 12;
constexpr std::string_view kIndent = " \t";

struct Line {
    std::size_t begin;
    std::string_view content;
};

std::string_view Unindented(std::string_view content) {
    const auto first = content.find_first_not_of(kIndent);
    return first == std::string_view::npos ? std::string_view{} : content.substr(first);
}

bool IsHeader(std::string_view content) { return !content.empty() && content.front() == '['; }

// The lines of a template text: CR LF ends them, or in a text without any
// CR LF each CR and each LF; a last line without a line end counts as well.
std::vector<Line> SplitLines(std::string_view text) {
    const bool crLf = text.find("\r\n") != std::string_view::npos;
    std::vector<Line> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t stop = std::min(crLf ? text.find("\r\n", pos) : text.find_first_of("\r\n", pos), text.size());
        lines.push_back({pos, text.substr(pos, stop - pos)});
        pos = stop == text.size() ? stop : stop + (crLf ? 2 : 1);
    }
    return lines;
}

// A text every reading agrees on: no indented line, and each header names
// exactly one section ("[name]" with no other "]") or none (no "]").
bool IsPlainText(const std::vector<Line>& lines) {
    return std::all_of(lines.begin(), lines.end(), [](const Line& line) {
        const std::string_view content = line.content;
        if (!content.empty() && kIndent.find(content.front()) != std::string_view::npos) return false;
        const auto close = content.find(']');
        return !IsHeader(content) || close == std::string_view::npos || close + 1 == content.size();
    });
}

std::optional<std::string_view> EntryValue(std::string_view content, std::string_view key) {
    if (IsHeader(content) || content.size() <= key.size() || content.substr(0, key.size()) != key ||
        content[key.size()] != '=') {
        return std::nullopt;
    }
    return content.substr(key.size() + 1);
}

// The reading of a plain text: the first section whose header is exactly
// "[section]", then its first entry of key.
std::optional<std::string_view> PlainLookup(const std::vector<Line>& lines, std::string_view section,
                                            std::string_view key) {
    const std::string header = "[" + std::string(section) + "]";
    auto it = std::find_if(lines.begin(), lines.end(), [&](const Line& line) { return line.content == header; });
    if (it == lines.end()) return std::nullopt;
    for (++it; it != lines.end() && !IsHeader(it->content); ++it) {
        if (auto value = EntryValue(it->content, key)) return value;
    }
    return std::nullopt;
}

bool SameView(std::string_view a, std::string_view b) { return a.data() == b.data() && a.size() == b.size(); }

// Whether the answer is the value of an entry of key, with or without the
// line's indentation, placed after a header line of section.
bool IsSoundAnswer(const std::vector<Line>& lines, std::string_view text, std::string_view answer,
                   std::string_view section, std::string_view key) {
    if (answer.data() < text.data() || answer.data() + answer.size() > text.data() + text.size()) return false;
    const auto offset = static_cast<std::size_t>(answer.data() - text.data());
    const auto line = std::find_if(lines.rbegin(), lines.rend(), [&](const Line& l) { return l.begin <= offset; });
    if (line == lines.rend()) return false;
    const auto asWritten = EntryValue(line->content, key);
    const auto unindented = EntryValue(Unindented(line->content), key);
    if (!(asWritten && SameView(*asWritten, answer)) && !(unindented && SameView(*unindented, answer))) return false;
    const std::string header = "[" + std::string(section) + "]";
    return std::any_of(std::next(line), lines.rend(),
                       [&](const Line& l) { return Unindented(l.content).substr(0, header.size()) == header; });
}

// Section and key names to look up: those the text spells (every prefix of a
// header up to a "]", every key up to an "=", with and without indentation)
// and a few it may not hold.
void CollectNames(const std::vector<Line>& lines, std::vector<std::string>& sections, std::vector<std::string>& keys) {
    sections = {"", "Universe"};
    keys = {"", "Key"};
    for (const Line& line : lines) {
        const std::string_view content = Unindented(line.content);
        if (IsHeader(content)) {
            for (auto close = content.find(']'); close != std::string_view::npos && sections.size() < kMaxNames;
                 close = content.find(']', close + 1)) {
                sections.emplace_back(content.substr(1, close - 1));
            }
        } else if (const auto equals = content.find('='); equals != std::string_view::npos && keys.size() < kMaxKeys) {
            keys.emplace_back(content.substr(0, equals));
            if (content.size() != line.content.size())
                keys.emplace_back(line.content.substr(0, line.content.find('=')));
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = orbweave::fuzz::AsText(data, size);
    const orbweave::TemplateText templateText{std::string(input)};
    const std::string_view text = templateText.Text();
    Check(text == input, "the text is kept as given");

    const std::vector<Line> lines = SplitLines(text);
    const bool plain = IsPlainText(lines);
    std::vector<std::string> sections;
    std::vector<std::string> keys;
    CollectNames(lines, sections, keys);

    for (const std::string& section : sections) {
        for (const std::string& key : keys) {
            const auto answer = templateText.Find(section, key);
            if (answer) Check(IsSoundAnswer(lines, text, *answer, section, key), "an answer is that key's entry");
            if (!plain) continue;
            const auto expected = PlainLookup(lines, section, key);
            Check(answer.has_value() == expected.has_value(), "an entry is found exactly when the text holds it");
            if (answer) Check(SameView(*answer, *expected), "the first entry of the first section is the answer");
        }
    }
    return 0;
}
