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
// One import reads the file from disk once and answers every lookup from its
// text; one save writes a temporary file beside the target and renames it over
// the target when the save is complete.

#include <cstddef>
#include <cstdio>
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

// The text of one template file, read from disk once when the reader is
// made; an import answers every lookup from it and forgets it when the
// reader goes.
class TemplateReader {
public:
    // Reads the whole file, a UTF-8 byte-order mark at its start left out.
    // Nothing is read when the file is missing or cannot be read, is not a
    // regular file (a folder, a FIFO, a device) or is larger than
    // kTemplateSizeLimit.
    explicit TemplateReader(std::string_view file);

    // Whether the file was read.
    bool Loaded() const { return text_.has_value(); }

    // Whether the file holds a section of this name; false when it was not
    // read. An import leaves a part of the settings whose section the file
    // does not hold as it was.
    bool HoldsSection(std::string_view section) const { return text_ && text_->HasSection(section); }

    // The value of key in section, or defaultText when the file was not
    // read, holds no such entry or holds a value longer than
    // kTemplateValueLimit.
    std::string Value(std::string_view section, std::string_view key, std::string_view defaultText) const;

private:
    std::optional<TemplateText> text_;
};

// One save into a template file, or into the file it names when it is a
// symbolic link: the entries go to a temporary file beside it, which gets the
// permissions of the file it will replace, and Commit renames it over the
// target. A save not committed leaves the target as it was and removes its
// temporary file.
class TemplateWriter {
public:
    // Creates the temporary file; when it cannot be created the save has
    // failed, and its entries and its commit fail too.
    explicit TemplateWriter(std::string_view file);
    ~TemplateWriter();
    TemplateWriter(const TemplateWriter&) = delete;
    TemplateWriter& operator=(const TemplateWriter&) = delete;

    // Appends key "=" value, after a new header when section differs from
    // that of the previous entry (every file begins with an empty line and
    // its first header). CR LF inside the value is written as LF, so the
    // entry stays one line. False once the save has failed; later entries
    // are skipped.
    bool Write(std::string_view section, std::string_view key, std::string_view value);

    // Whether the save has failed: its file could not be created or an
    // entry could not be written.
    bool Failed() const { return failed_; }

    // Ends the save: the written text replaces the target file in one step,
    // and the target is left untouched when anything failed. True when the
    // whole file was stored.
    bool Commit();

private:
    std::FILE* file_ = nullptr;
    std::string temporaryPath_;
    std::string targetPath_;
    bool failed_ = false;
    std::string lastSection_;
};

}  // namespace orbweave
