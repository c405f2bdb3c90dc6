#include "dialogs/info/system_diag.h"

#include <sys/utsname.h>

#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <array>
#include <cmath>
#include <utility>

#include "core/colour_tables.h"
#include "core/convert.h"
#include "dialogs/info/info_painting.h"
#include "platform/forms/control_rows.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/qt_text.h"
#include "platform/forms/screen.h"
#include "platform/forms/services.h"
#include "platform/registry/settings.h"
#include "platform/registry/store.h"
#include "platform/system/services.h"
#include "renderer/display/run_state.h"
#include "settings/display_values.h"

namespace orbweave {
namespace {

constexpr std::string_view kFormName = "frmSystemDiag";
constexpr std::string_view kPlacementName = "SystemDiag";
constexpr int kClientWidth = 7200;
constexpr int kClientHeight = 5280;

constexpr ControlSpec kDiagControls[] = {
    FrameRow("fraDelay", kNoIndex, {120, 60, 6960, 1740}, "Display"),
    LabelRow("lblDiagnostics", 0, {120, 330, 2880, 255}, "Width, height (twips):").In("fraDelay"),
    TextRow("txtDiagnostics", 0, {3120, 300, 1200, 300}).In("fraDelay"),
    TextRow("txtDiagnostics", 1, {4380, 300, 1200, 300}).In("fraDelay"),
    LabelRow("lblDiagnostics", 2, {120, 690, 2880, 255}, "Device Twips per pixel ratio:").In("fraDelay"),
    TextRow("txtDiagnostics", 2, {3120, 660, 1200, 300}).In("fraDelay"),
    LabelRow("lblDiagnostics", 3, {120, 1050, 2880, 255}, "Total display colors:").In("fraDelay"),
    TextRow("txtDiagnostics", 3, {3120, 1020, 2460, 300}).In("fraDelay"),
    LabelRow("lblValues", kNoIndex, {120, 1410, 5400, 255}, "Problematic values are noted in Red.").In("fraDelay"),
    FrameRow("fraOpsys", kNoIndex, {120, 1860, 6960, 720}, "Operating System"),
    LabelRow("lblDiagnostics", 4, {120, 330, 2880, 255}, "OS Version:").In("fraOpsys"),
    TextRow("txtDiagnostics", 4, {3120, 300, 1200, 300}).In("fraOpsys"),
    FrameRow("fraRegistry", kNoIndex, {120, 2640, 6960, 1980}, "Registry Access"),
    LabelRow("lblRegInfo", kNoIndex, {120, 270, 6720, 1200}, "").In("fraRegistry").Styled(kStyleWordWrap),
    LabelRow("lblDiagnostics", 5, {120, 1590, 5040, 255}, "Registry write test (passed test if value is OK):")
        .In("fraRegistry"),
    TextRow("txtDiagnostics", 5, {5280, 1560, 1560, 300}).In("fraRegistry"),
    ButtonRow("cmdSysInfo", kNoIndex, {120, 4740, 2520, 375}, "&Complete System   Info..."),
    ButtonRow("cmdHelp", kNoIndex, {4500, 4740, 1215, 375}, "&Help"),
    ButtonRow("cmdDismiss", kNoIndex, {5865, 4740, 1215, 375}, "OK"),
};

constexpr std::string_view kRegInfoText =
    "The Registry is used to store the values necessary for this product.  If the word OK appears in the test "
    "field, then you have write access.  If you do not have write access, then you will have to change your "
    "administrative privileges with respect to your user account.";

constexpr std::string_view kTestValue = "RegistryReadWriteTest";
constexpr std::string_view kTestPassed = "OK";
constexpr std::string_view kTestFailed = "No Access";
constexpr std::string_view kUnknownFigure = "???";
constexpr std::int32_t kRed = RgbOf(255, 0, 0);
constexpr int kMostColourBits = 31;

constexpr std::string_view kMsInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr std::string_view kMsInfoValue = "PATH";
constexpr std::string_view kMsInfoFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr std::string_view kMsInfoFolderValue = "MSINFO";
constexpr std::string_view kMsInfoFile = "MSINFO32.EXE";
// The desktops' own system-information tools, the first found on PATH.
constexpr std::array<const char*, 3> kLinuxInfoTools = {"hardinfo2", "hardinfo", "kinfocenter"};

DiagnosticFigures SystemFigures() {
    DiagnosticFigures figures;
    figures.widthTwips = runState.Screen.size.width;
    figures.heightTwips = runState.Screen.size.height;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const double dpi = screen->logicalDotsPerInchX();
        if (dpi > 0.0) figures.twipsPerPixel = kTwipsPerInch / dpi;
    }
    figures.bitsPerPixel = colourTables.DisplayBpp;
    utsname names{};
    if (uname(&names) == 0) figures.kernelRelease = names.release;
    return figures;
}

DiagnosticsSource& Source() {
    static DiagnosticsSource source;
    return source;
}

DiagnosticFigures CurrentFigures() { return Source() ? Source()() : SystemFigures(); }

std::string WithThousands(std::uint64_t value) {
    std::string digits = std::to_string(value);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), ",");
    return digits;
}

int HiveOfRoot(std::int32_t root) {
    if (root == kHkeyLocalMachine) return kHiveMachine;
    if (root == kHkeyCurrentUser) return kHiveUser;
    return -1;
}

bool StartProgram(const QString& program) { return QProcess::startDetached(program, {}); }

}  // namespace

DiagnosticsSource SetDiagnosticsSource(DiagnosticsSource source) { return std::exchange(Source(), std::move(source)); }

std::string DisplayColoursText(int bitsPerPixel) {
    if (bitsPerPixel < 0) return {};
    // Computed in 64 bits: 2^31 does not fit a 32-bit signed number.
    const std::uint64_t colours = std::uint64_t{1} << std::min(bitsPerPixel, kMostColourBits);
    return WithThousands(colours);
}

std::string KernelVersionText(std::string_view release) {
    std::string version;
    int dots = 0;
    for (const char c : release) {
        if (c == '.') {
            if (++dots == 2) break;
        } else if (c < '0' || c > '9') {
            break;
        }
        version += c;
    }
    if (!version.empty() && version.back() == '.') version.pop_back();
    return version;
}

bool GetKeyValue(std::int32_t keyRoot, std::string_view keyName, std::string_view subKeyRef, std::string& keyValue) {
    keyValue.clear();
    const int hive = HiveOfRoot(keyRoot);
    if (hive < 0) return false;
    RegistryStore* store = StoreForHive(hive);
    if (store == nullptr) return false;
    std::optional<std::string> value = store->ReadValue(NormaliseKeyPath(keyName), subKeyRef);
    if (!value) return false;
    if (!value->empty() && value->back() == '\0') value->pop_back();
    keyValue = std::move(*value);
    return true;
}

SystemDiagWindow::SystemDiagWindow() : Dialog(kFormName, kDiagControls, kPlacementName) {}

void SystemDiagWindow::Load() {
    Form& form = Frm();
    form.SetCaption("System Diagnostics");
    form.SetSizable(false);
    form.SetClientSize(kClientWidth, kClientHeight);
    for (int i = 0; i <= 5; ++i) form.Get<TextBox>("txtDiagnostics", i).SetLocked(true);
    form.Get<Label>("lblRegInfo").SetCaption(kRegInfoText);
    form.Get("cmdSysInfo").events.click = [this] { cmdSysInfo_Click(); };
    form.Get("cmdHelp").events.click = [this] { cmdHelp_Click(); };
    auto& ok = form.Get<CommandButton>("cmdDismiss");
    ok.events.click = [this] { cmdDismiss_Click(); };
    ok.SetDefault(true);
    ok.SetCancel(true);
    FillDiagnostics();
}

void SystemDiagWindow::FillDiagnostics() {
    Form& form = Frm();
    const DiagnosticFigures figures = CurrentFigures();
    const std::array<std::string, 4> display = {
        IntegerToText(figures.widthTwips), IntegerToText(figures.heightTwips),
        std::isfinite(figures.twipsPerPixel) ? NumberToText(figures.twipsPerPixel) : std::string(),
        DisplayColoursText(figures.bitsPerPixel)};
    for (int i = 0; i < static_cast<int>(display.size()); ++i) {
        auto& box = form.Get<TextBox>("txtDiagnostics", i);
        const std::string& text = display[static_cast<std::size_t>(i)];
        if (text.empty() || text == "0") {
            box.SetText(kUnknownFigure);
            box.SetBackColor(kRed);
        } else {
            box.SetText(text);
        }
    }
    form.Get<TextBox>("txtDiagnostics", 4).SetText(KernelVersionText(figures.kernelRelease));
    // The box shows what this test did: an "OK" left by an earlier test must
    // not hide a store that cannot be written now.
    const bool written = SaveSettingValue(kSectionGeneral, kTestValue, kTestPassed);
    const bool readBack = GetSettingString(kSectionGeneral, kTestValue, kTestFailed) == kTestPassed;
    form.Get<TextBox>("txtDiagnostics", 5).SetText(written && readBack ? kTestPassed : kTestFailed);
}

void SystemDiagWindow::LaunchSystemInfo() {
    std::string found;
    bool started = false;
    if (GetKeyValue(kHkeyLocalMachine, kMsInfoKey, kMsInfoValue, found)) {
        started = StartProgram(ToQString(found));
    } else if (GetKeyValue(kHkeyLocalMachine, kMsInfoFolderKey, kMsInfoFolderValue, found)) {
        const std::string file = found + "/" + std::string(kMsInfoFile);
        started = QFileInfo(ToQString(file)).isFile() && StartProgram(ToQString(file));
    } else {
        for (const char* tool : kLinuxInfoTools) {
            const QString path = QStandardPaths::findExecutable(QString::fromLatin1(tool));
            if (path.isEmpty()) continue;
            started = StartProgram(path);
            break;
        }
    }
    if (!started)
        ShowMessage(kSystemInfoUnavailable, kApplicationTitle, {MessageIcon::Information, MessageButtons::Ok, 0});
}

void SystemDiagWindow::cmdSysInfo_Click() { LaunchSystemInfo(); }

void SystemDiagWindow::cmdHelp_Click() { ShowHelp(kHelpFileName, kHelpContext, kSystemDiagHelpContext); }

void SystemDiagWindow::cmdDismiss_Click() { Frm().Unload(); }

}  // namespace orbweave
