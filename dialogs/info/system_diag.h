// The diagnostics window: the display figures the saver depends on, the
// kernel release, a write test of the settings store, and a button that
// starts the desktop's system-information tool.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/product.h"
#include "dialogs/common/dialog.h"

namespace orbweave {

// The figures the window shows, as the system reports them.
struct DiagnosticFigures {
    std::int32_t widthTwips = 0;
    std::int32_t heightTwips = 0;
    double twipsPerPixel = 0.0;  // horizontally: 1440 / logical dots per inch
    int bitsPerPixel = 0;
    std::string kernelRelease;  // as uname gives it: "6.1.0-18-amd64"
};

// Where the figures come from; the default asks the screen, the display and
// uname. Tests put their own figures in. Returns the previous source.
using DiagnosticsSource = std::function<DiagnosticFigures()>;
DiagnosticsSource SetDiagnosticsSource(DiagnosticsSource source);

class SystemDiagWindow final : public Dialog<SystemDiagWindow> {
public:
    SystemDiagWindow();

    void cmdSysInfo_Click();
    void cmdHelp_Click();
    void cmdDismiss_Click();

protected:
    // Form_Load.
    void Load() override;

private:
    void FillDiagnostics();
    void LaunchSystemInfo();
};

// Root keys of the system's settings, as GetKeyValue takes them.
inline constexpr std::int32_t kHkeyCurrentUser = static_cast<std::int32_t>(0x80000001u);
inline constexpr std::int32_t kHkeyLocalMachine = static_cast<std::int32_t>(0x80000002u);

// Reads the value `subKeyRef` of the key `keyName` (a full backslash path)
// below the root: the machine-wide store for kHkeyLocalMachine, the current
// user's for kHkeyCurrentUser. True with the text in `keyValue` (a final
// zero character dropped); false with `keyValue` empty for another root, a
// missing key or value. Never writes.
bool GetKeyValue(std::int32_t keyRoot, std::string_view keyName, std::string_view subKeyRef, std::string& keyValue);

// The colour count of a display depth: 2 to the smaller of 31 and the depth,
// with thousands separators ("2,147,483,648"); "" for a depth below 0.
std::string DisplayColoursText(int bitsPerPixel);
// "6.1" from "6.1.0-18-amd64": the release's first two numbers.
std::string KernelVersionText(std::string_view release);

inline constexpr std::string_view kSystemInfoUnavailable = "System Information Is Unavailable.";
inline constexpr int kSystemDiagHelpContext = 550;

}  // namespace orbweave
