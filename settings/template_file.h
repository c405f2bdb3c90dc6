#pragma once

// Template files: a complete copy of a user's settings as text, for export and
// import. A file is made of lines ended by CR LF: its first line is empty,
// every section starts with an empty line and a header line "[" name "]", and
// each entry is a line key "=" value with no blanks around "=" (a value may be
// empty and may hold "=" or line feeds, never CR LF). A header is a line that
// starts with "["; an entry is found only at the start of a line, so a value
// that mentions another section or key never stands for it. Blanks and tabs
// before a header or a key are allowed, as a hand-edited file may hold them.
// A reader also takes a file saved by other editors: when a file holds no
// CR LF at all, each LF and each CR ends a line (Linux and old Mac line
// ends), and a UTF-8 byte-order mark at its start is skipped. A last line
// without a line end is read like any other line. A file in UTF-16 holds no
// header a reader can find, so it reads as no template at all.
//
// One import reads the file from disk once and answers every lookup from the
// cached text; one save writes a temporary file beside the target and renames
// it over the target when the save is complete.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace orbweave {

// The largest template file read, far above the few hundred kilobytes of a
// real one; a larger file is not read at all.
inline constexpr std::size_t kTemplateSizeLimit = std::size_t{64} << 20;

// The longest value an import takes; a longer one reads as missing. No
// setting needs more than a few hundred characters, and a huge value would
// only bloat the settings store.
inline constexpr std::size_t kTemplateValueLimit = std::size_t{64} << 10;

// The whole text of a template file, with its sections indexed by name once,
// so that thousands of lookups need no search of the whole text.
class TemplateText {
public:
    explicit TemplateText(std::string text);
    // The section index points into the text.
    TemplateText(const TemplateText&) = delete;
    TemplateText& operator=(const TemplateText&) = delete;

    // The value of the first entry "key=" in the first section named so,
    // exactly as written (names compare exactly, case included). Empty when
    // the section or the key is missing.
    std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;

    // Whether a header names this section (exactly, case included).
    bool HasSection(std::string_view section) const { return sections_.contains(section); }

    const std::string& Text() const { return text_; }

private:
    struct Section {
        std::size_t begin;  // first entry line
        std::size_t end;    // start of the next header line, or the end of the text
    };

    std::string text_;
    bool crLfLines_;                                          // CR LF ends lines; else each CR and each LF
    std::unordered_map<std::string_view, Section> sections_;  // the first section of each name
};

// The cached text of the file being imported; nullptr when none is loaded.
const TemplateText* TemplateTextCache();

// The descriptor of the file being written by a save; 0 when none is open.
int TemplateFileNumber();

// The section of the last entry written; a new file starts without one, so
// every file begins with an empty line and its first header.
const std::string& TemplateLastSection();

// Whether the cached template has a section of this name; false when no
// template is loaded. An import leaves a part of the settings whose section
// the file does not hold as it was.
bool TemplateHoldsSection(std::string_view section);

// Loads the whole file into the cache unless a file is cached already, a
// UTF-8 byte-order mark at its start left out.
// False when the file is missing or cannot be read, is not a regular file (a
// folder, a FIFO, a device) or is larger than kTemplateSizeLimit: nothing is
// cached, at once, and the next load tries again.
bool LoadTemplateText(std::string_view file);

// Forgets the cached text; an import calls this when it is done.
void ClearTemplateTextCache();

// The value of key in section of the template being imported, or defaultText
// when the file cannot be read, holds no such entry or holds a value longer
// than kTemplateValueLimit. The file matters only when nothing is cached yet;
// without one only the cached text answers.
std::string ReadTemplateValue(std::string_view section, std::string_view key, std::string_view defaultText,
                              std::string_view file = {});

// Starts a save into file, or into the file it names when it is a symbolic
// link: the entries written until CloseTemplateFile go to a temporary file
// beside it, which gets the permissions of the file it will replace. False
// when the temporary file cannot be created: the entries of this save fail
// too. While a save is open this changes nothing and gives false.
bool OpenTemplateFile(std::string_view file);

// Appends key "=" value to the template being saved, after a new header when
// section differs from that of the previous entry. When no save is open the
// entry starts one into file (OpenTemplateFile). CR LF inside the value is
// written as LF, so the entry stays one line. False once the save has failed;
// later entries are skipped.
bool WriteTemplateEntry(std::string_view section, std::string_view key, std::string_view value,
                        std::string_view file = {});

// Ends a save: the written text replaces the target file in one step, and
// the target is left untouched when anything failed. True when the whole
// file was stored, or when nothing was written since the last close.
bool CloseTemplateFile();

}  // namespace orbweave
