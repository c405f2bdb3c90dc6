// What the properties dialog's menus do: the File menu's templates and exit,
// the Edit menu's factory reset and advanced settings, the Help menu's help,
// diagnostics, home page and About box, and the launchers of the windows
// they open (each a hook of Launchers(), set where those windows are built).
#pragma once

#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "core/product.h"
#include "dialogs/common/launchers.h"

namespace orbweave {

class Form;

// File menu entries, by index ("-" entries keep theirs).
inline constexpr int kFileOpen = 0;
inline constexpr int kFileSave = 2;
inline constexpr int kFileSaveAs = 3;
inline constexpr int kFileExit = 5;
// Edit menu entries.
inline constexpr int kEditReset = 0;
inline constexpr int kEditAdvanced = 2;
// Help menu entries.
inline constexpr int kHelpMenuContents = 0;
inline constexpr int kHelpMenuSearch = 1;
inline constexpr int kHelpMenuDiagnostics = 3;
inline constexpr int kHelpMenuHomePage = 5;
inline constexpr int kHelpMenuAbout = 7;

inline constexpr std::string_view kTemplateFilter =
    kJoined<kProductNameText, " Templates (*.owv)|*.owv|All Files (*.*)|*.*|">;
inline constexpr std::string_view kTemplateExtension = "OWV";
inline constexpr std::string_view kOpenTemplateTitle = "Select Template to Open";
inline constexpr std::string_view kSaveTemplateTitle = "Enter or Select Template to Save";

// The File menu entry at index on the properties dialog; separators do nothing.
void FileMenuAction(Form& props, int index);
// The Help menu entry at index; separators do nothing.
void HelpMenuAction(Form& props, int index);

// The template chooser, modal; the chosen file's full path, or "" when cancelled.
// The chooser's transfer for the dialog `props`: opening loads the template
// into it, saving writes it into the template.
std::function<TransferResult(std::string_view file)> TemplateTransfer(Form& props, bool open);
std::string ShowFileDialog(Form& props, bool open, bool act, std::string_view title, std::string_view fileTypes,
                           std::string_view defaultExtension);
void ShowSystemDiag();
// `removeBlending`: the advanced settings' blending button, which clears the
// motion blur in the dialog's working store.
void ShowAdvancedDialog(std::function<void()> removeBlending);
void ShowAboutBox();

// The About box's 39 credit lines: groups of a title and its indented members,
// a blank line, then the copyright line.
std::span<const std::string_view> CreditLines();

// The Edit menu's "&Reset Properties": asks whether to back up the current
// settings, then loads the factory settings (Yes and No) or does nothing
// (Cancel). The backup goes to BackupTemplatePath(); when it cannot be
// written the user is told and nothing is reset. The current template file
// is the same afterwards in every case.
void ResetPropertiesToFactory(Form& props);
// "propsave.owv" in $XDG_DATA_HOME/orbweave (~/.local/share when unset).
std::filesystem::path BackupTemplatePath();

}  // namespace orbweave
