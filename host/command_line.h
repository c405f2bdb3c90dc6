#pragma once

// The command line that decides how the program runs. Only the test for an
// empty line trims blanks; every other test looks at the first two
// characters, upper-cased, so " /s" is not "/S".

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace orbweave {

enum class CommandMode {
    Configure,       // "" or blanks, "/C..." : the properties dialog
    Saver,           // "/S..."               : the full-screen saver, one instance
    Preview,         // "/P <window>"         : the preview inside that window
    ChangePassword,  // "/A <window>"         : the password change, then the end
    ImportTemplate,  // "<name>.owv"          : import that template, then the saver
    Default,         // anything else         : the full-screen saver
};

struct CommandLine {
    CommandMode mode = CommandMode::Configure;
    // The window after "/P" or "/A"; 0 otherwise.
    std::int32_t number = 0;
    // The template to import: the whole command line, as it stands.
    std::string file;

    bool operator==(const CommandLine&) const = default;
};

// The extension of template files, compared without regard to case.
inline constexpr std::string_view kTemplateExtension = "OWV";

CommandLine ParseCommandLine(std::string_view commandLine);

// The number a switch's argument holds: blanks anywhere are ignored, then
// the leading decimal number is read and rounded (halves to even); 0 when the
// text does not start with a number or the number does not fit 32 bits.
// "1 234" gives 1234, ":1234" gives 0.
std::int32_t SwitchNumber(std::string_view text);

// The command line as one text: the arguments after the program's name,
// joined by single blanks.
std::string JoinArguments(std::span<const char* const> arguments);

}  // namespace orbweave
