#include "settings/template_file.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orbweave {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
// The characters that each end a line in a text without CR LF.
constexpr std::string_view kLineBreakCharacters = "\r\n";

// How the lines of a text read end: CR LF, as this system writes it, so that
// a lone LF stays inside its value; each CR and each LF alike in a text that
// holds no CR LF at all, as a Linux text editor (LF) or an old Mac one (CR)
// saves it.
bool EndsLinesWithCrLf(std::string_view text) { return text.find(kLineEnd) != std::string_view::npos; }

// One line of a text: [begin, end) without its line end; next is where the
// following line starts. A last line without a line end is a whole line.
struct Line {
    std::size_t begin;
    std::size_t end;
    std::size_t next;
};

Line LineAt(std::string_view text, std::size_t begin, bool crLfLines) {
    const std::size_t eol = crLfLines ? text.find(kLineEnd, begin) : text.find_first_of(kLineBreakCharacters, begin);
    if (eol == std::string_view::npos) return {begin, text.size(), text.size()};
    return {begin, eol, eol + (crLfLines ? kLineEnd.size() : 1)};
}

bool EndsWithLineEnd(std::string_view text, bool crLfLines) {
    if (crLfLines) return text.ends_with(kLineEnd);
    return !text.empty() && kLineBreakCharacters.find(text.back()) != std::string_view::npos;
}

// Blanks and tabs may indent a header or an entry, as a hand-edited file
// often does; they are not part of the name or the key.
constexpr std::string_view kIndent = " \t";

std::string_view Unindented(std::string_view line) {
    const std::size_t first = line.find_first_not_of(kIndent);
    return first == std::string_view::npos ? std::string_view() : line.substr(first);
}

// The unindented content of a line.
std::string_view ContentOf(std::string_view text, const Line& line) {
    return Unindented(text.substr(line.begin, line.end - line.begin));
}

bool IsHeaderLine(std::string_view content) { return !content.empty() && content.front() == '['; }

// The name of a header line: the text between its "[" and the first "]".
// A header without "]" ends the section before it but names none.
std::optional<std::string_view> HeaderName(std::string_view content) {
    const std::size_t close = content.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return content.substr(1, close - 1);
}

// Whether pos in a block that starts at the start of a line is the start
// of a line's content: only blanks and tabs stand between it and a line end.
bool StartsLineContent(std::string_view block, std::size_t pos, bool crLfLines) {
    const std::size_t indent = block.substr(0, pos).find_last_not_of(kIndent);
    const std::size_t lineStart = indent == std::string_view::npos ? 0 : indent + 1;
    return lineStart == 0 || EndsWithLineEnd(block.substr(0, lineStart), crLfLines);
}

// Editors on other systems may put a UTF-8 byte-order mark before the text.
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

std::string WithoutByteOrderMark(std::string text) {
    if (text.starts_with(kUtf8ByteOrderMark)) text.erase(0, kUtf8ByteOrderMark.size());
    return text;
}

// --- Reading files -------------------------------------------------------------

// Only a regular file within the size limit is read: a FIFO or a device
// could block the reader or never end, and a folder holds no text.
bool IsTemplateFile(const struct stat& info) {
    return S_ISREG(info.st_mode) && info.st_size >= 0 &&
           static_cast<std::uintmax_t>(info.st_size) <= kTemplateSizeLimit;
}

// Everything the descriptor gives, or nothing when reading fails or the
// text grows beyond the size limit (the file may change while it is read).
std::optional<std::string> ReadUpToLimit(int fd, std::size_t expected) {
    std::string text;
    text.reserve(expected);
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0) return text;
        if (got < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        const auto count = static_cast<std::size_t>(got);
        if (count > kTemplateSizeLimit - text.size()) return std::nullopt;
        text.append(buffer, count);
    }
}

// The whole content of a template file, or nothing when it cannot be read.
// The name is checked before the open, so that a FIFO is never opened; the
// open does not block in case the name changed in between, and the opened
// file is checked again.
std::optional<std::string> ReadWholeFile(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !IsTemplateFile(info)) return std::nullopt;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::optional<std::string> content;
    if (::fstat(fd, &info) == 0 && IsTemplateFile(info)) {
        content = ReadUpToLimit(fd, static_cast<std::size_t>(info.st_size));
    }
    ::close(fd);
    return content;
}

// --- Saving files -------------------------------------------------------------

// Links followed from the name given to the file a save replaces, as many
// as the kernel follows in one path name.
constexpr int kMaxLinkHops = 40;

// The file a save replaces: the end of a chain of symbolic links (a file
// that may not exist yet), so that the links stay and point at the new text.
// Nothing for a chain that never ends.
std::optional<std::filesystem::path> SaveTarget(std::filesystem::path path) {
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        std::error_code error;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, error))) return path;
        const std::filesystem::path next = std::filesystem::read_symlink(path, error);
        if (error) return std::nullopt;
        // A relative link names a file beside the link; an absolute one replaces the path.
        path = path.parent_path() / next;
    }
    return std::nullopt;
}

// The permissions of the saved file: the read, write and execute bits of the
// file it replaces, or what the process's file mask gives a new file.
mode_t SavedFileMode(const std::filesystem::path& target) {
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0 && S_ISREG(info.st_mode)) return info.st_mode & 0777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

// A temporary file open for writing, and the file it will replace.
struct TemporaryFile {
    std::FILE* file;
    std::string path;
    std::string targetPath;
};

// Creates a hidden temporary file beside the file the save replaces, so
// that the final rename stays on one file system and replaces that file in
// one step.
std::optional<TemporaryFile> CreateTemporaryFile(const std::string& name) {
    const auto target = SaveTarget(name);
    if (!target || !target->has_filename()) return std::nullopt;
    std::string hidden(".");
    hidden += target->filename().string();
    hidden += ".XXXXXX";
    std::string pattern = (target->parent_path() / hidden).string();
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    ::fchmod(fd, SavedFileMode(*target));
    std::FILE* file = ::fdopen(fd, "wb");
    if (file == nullptr) {
        ::close(fd);
        ::unlink(pattern.c_str());
        return std::nullopt;
    }
    return TemporaryFile{file, std::move(pattern), target->string()};
}

// The value as one line: every CR directly before an LF is dropped, so the
// only CR LF of an entry is the one that ends it.
std::string AsOneLine(std::string_view value) {
    std::string line;
    line.reserve(value.size());
    for (const char c : value) {
        if (c == '\n') {
            while (!line.empty() && line.back() == '\r') line.pop_back();
        }
        line.push_back(c);
    }
    return line;
}

}  // namespace

// --- TemplateText ----------------------------------------------------------------

TemplateText::TemplateText(std::string text) : text_(std::move(text)), crLfLines_(EndsLinesWithCrLf(text_)) {
    const std::string_view all(text_);
    // The section whose entries follow, while it is the first of its name.
    Section* open = nullptr;
    for (std::size_t pos = 0; pos < all.size();) {
        const Line line = LineAt(all, pos, crLfLines_);
        const std::string_view content = ContentOf(all, line);
        if (IsHeaderLine(content)) {
            if (open != nullptr) open->end = pos;
            open = nullptr;
            if (const auto name = HeaderName(content)) {
                // Only the first section of a name counts.
                const auto [where, added] = sections_.try_emplace(*name, Section{line.next, all.size()});
                if (added) open = &where->second;
            }
        }
        pos = line.next;
    }
}

std::optional<std::string_view> TemplateText::Find(std::string_view section, std::string_view key) const {
    const auto found = sections_.find(section);
    if (found == sections_.end()) return std::nullopt;
    const Section& s = found->second;
    const std::string_view block = std::string_view(text_).substr(s.begin, s.end - s.begin);
    // A search for "key=" skips through the block, where a walk line by line
    // would visit each of the millions of lines a hostile file can hold.
    std::string entry(key);
    entry += '=';
    const std::boyer_moore_horspool_searcher searcher(entry.begin(), entry.end());
    for (auto from = block.begin();;) {
        const auto match = searcher(from, block.end()).first;
        if (match == block.end()) return std::nullopt;
        const auto pos = static_cast<std::size_t>(match - block.begin());
        // A key that itself begins with a blank never starts inside another
        // line's indentation: "  =w" holds no entry of key " ".
        const bool insideIndent = pos > 0 && kIndent.find(block[pos - 1]) != std::string_view::npos &&
                                  kIndent.find(entry.front()) != std::string_view::npos;
        if (!insideIndent && StartsLineContent(block, pos, crLfLines_)) {
            const Line line = LineAt(block, pos, crLfLines_);
            return block.substr(pos + entry.size(), line.end - pos - entry.size());
        }
        from = match + 1;
    }
}

// --- TemplateReader -----------------------------------------------------------------

TemplateReader::TemplateReader(std::string_view file) {
    if (auto content = ReadWholeFile(std::string(file))) text_.emplace(WithoutByteOrderMark(std::move(*content)));
}

std::string TemplateReader::Value(std::string_view section, std::string_view key, std::string_view defaultText) const {
    if (!text_) return std::string(defaultText);
    const std::optional<std::string_view> value = text_->Find(section, key);
    if (!value || value->size() > kTemplateValueLimit) return std::string(defaultText);
    return std::string(*value);
}

// --- TemplateWriter -----------------------------------------------------------------

TemplateWriter::TemplateWriter(std::string_view file) {
    auto temporary = CreateTemporaryFile(std::string(file));
    if (!temporary) {
        failed_ = true;
        return;
    }
    file_ = temporary->file;
    temporaryPath_ = std::move(temporary->path);
    targetPath_ = std::move(temporary->targetPath);
}

// A save never committed leaves the target alone and no temporary file
// behind; the close's result does not matter, as nothing of it is kept.
TemplateWriter::~TemplateWriter() {
    if (file_ == nullptr) return;
    static_cast<void>(std::fclose(file_));
    ::unlink(temporaryPath_.c_str());
}

bool TemplateWriter::Write(std::string_view section, std::string_view key, std::string_view value) {
    if (failed_ || file_ == nullptr) return false;
    std::string text;
    if (section != lastSection_) {
        text += kLineEnd;
        text += '[';
        text += section;
        text += ']';
        text += kLineEnd;
        lastSection_ = section;
    }
    text += key;
    text += '=';
    text += AsOneLine(value);
    text += kLineEnd;
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) failed_ = true;
    return !failed_;
}

bool TemplateWriter::Commit() {
    if (file_ == nullptr) return false;
    bool ok = !failed_;
    ok = std::fflush(file_) == 0 && ok;
    ok = ::fsync(::fileno(file_)) == 0 && ok;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    ok = closed && ok && std::rename(temporaryPath_.c_str(), targetPath_.c_str()) == 0;
    if (!ok) ::unlink(temporaryPath_.c_str());
    failed_ = true;
    return ok;
}

}  // namespace orbweave
