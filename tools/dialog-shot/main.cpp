// dialog-shot: a picture of the properties dialog as it lays itself out,
// for people to look at. It opens frmProps offscreen with a fresh private
// settings store and a memory display, shows the page or the galaxy type
// asked for, and saves the window to a PNG file:
//
//     dialog-shot --out x.png [--universe-page N] [--galaxy-type K] [--style S] [--galaxy-page P]
//
// --galaxy-type K enters galaxy-properties mode for type K (0-49); --style S
// then lays the galaxy frame out for style S (0-9), and without
// --galaxy-type picks the first factory type of that style. --galaxy-page P
// shows page P (0-2) of the galaxy frame, for type 0 unless another is named.
#include <QApplication>
#include <QPixmap>
#include <QWidget>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "dialogs/properties/properties_dialog.h"
#include "host/console.h"
#include "platform/display/memory_backend.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/pump.h"
#include "platform/forms/services.h"
#include "platform/system/services.h"
#include "renderer/display/display.h"
#include "settings/factory_presets.h"
#include "settings/galaxy_tables.h"

namespace {

using namespace orbweave;

constexpr int kUniversePages = 5;
constexpr int kGalaxyPages = 3;
constexpr int kStyles = 10;

struct Request {
    std::string out;
    std::optional<int> universePage;
    std::optional<int> galaxyType;
    std::optional<int> style;
    std::optional<int> galaxyPage;
};

constexpr const char* kUsage =
    "usage: dialog-shot --out x.png [--universe-page 0-4] [--galaxy-type 0-49] [--style 0-9] [--galaxy-page 0-2]\n";

std::optional<int> Number(std::string_view text, int low, int high) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) return std::nullopt;
    return value;
}

// Reads the options; false (after saying why) when one is unknown, lacks its
// value or lies out of range.
bool ParseArguments(int argc, char** argv, Request& request) {
    struct Option {
        std::string_view name;
        std::optional<int> Request::*field;
        int high;
    };
    const Option numbers[] = {{"--universe-page", &Request::universePage, kUniversePages - 1},
                              {"--galaxy-type", &Request::galaxyType, kGalaxyTypeCount - 1},
                              {"--style", &Request::style, kStyles - 1},
                              {"--galaxy-page", &Request::galaxyPage, kGalaxyPages - 1}};
    for (int i = 1; i < argc; i += 2) {
        const std::string_view name = argv[i];
        if (i + 1 >= argc) {
            std::fprintf(stderr, "dialog-shot: %s needs a value\n", argv[i]);
            return false;
        }
        const std::string_view value = argv[i + 1];
        if (name == "--out") {
            request.out = value;
            continue;
        }
        bool known = false;
        for (const Option& option : numbers) {
            if (name != option.name) continue;
            known = true;
            request.*option.field = Number(value, 0, option.high);
            if (!(request.*option.field)) {
                std::fprintf(stderr, "dialog-shot: %s takes 0 to %d\n", argv[i], option.high);
                return false;
            }
        }
        if (!known) {
            std::fprintf(stderr, "dialog-shot: unknown option %s\n", argv[i]);
            return false;
        }
    }
    return !request.out.empty();
}

// A private settings store, so that the dialog opens as for a new user and
// nothing of the person running the tool is read or written.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "dialog-shot-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) return;
        path_ = pattern;
        for (const char* variable : {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME"})
            ::setenv(variable, (path_ / variable).c_str(), 1);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    bool Made() const { return !path_.empty(); }

private:
    std::filesystem::path path_;
};

// The display modes the resolution list offers come from a memory display,
// so the picture does not depend on the machine's screens.
void UseMemoryDisplay() {
    auto system = display::MemoryDisplaySystem::Create(
        {display::PixelLayout::Xrgb8888, {1024, 768}, {{640, 480, 32}, {800, 600, 32}, {1024, 768, 32}}});
    SetDisplayOpener([system] { return display::OpenResult{system, display::OpenFailure::None}; });
}

int FirstTypeOfStyle(int style) {
    for (int type = 0; type < kGalaxyTypeCount; ++type)
        if (UniGalaxies[type].Galaxy_GalStyle == style) return type;
    return 0;
}

// Puts the dialog into the state asked for, through the same controls and
// handlers a user would use.
void ShowRequested(PropertiesDialog& dialog, const Request& request) {
    Form& form = dialog.Frm();
    if (request.universePage) form.Get<ComboBox>("cboUniExtras").SetListIndex(*request.universePage);
    const bool galaxyMode = request.galaxyType || request.style || request.galaxyPage;
    if (!galaxyMode) return;
    const int type = request.galaxyType.value_or(request.style ? FirstTypeOfStyle(*request.style) : 0);
    form.Get<ListBox>("lstUniGalaxy").SetListIndex(type);
    dialog.cmdGalProps_Click();
    if (request.style) form.Get<ComboBox>("cboGalStyle").SetListIndex(*request.style);
    if (request.galaxyPage) form.Get<ComboBox>("cboGalaxExtras").SetListIndex(*request.galaxyPage);
}

}  // namespace

int main(int argc, char** argv) {
    Request request;
    if (!ParseArguments(argc, argv, request)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ScratchFolder scratch;
    if (!scratch.Made()) {
        std::fputs("dialog-shot: no temporary folder\n", stderr);
        return 1;
    }
    FilterQtMessages();
    // Qt would take "--style" for its own option: it sees only the program name.
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    InstallQtServices();
    SetMessageBoxService(WriteUnattendedMessage);
    UseMemoryDisplay();
    InitUniGalaxyNames();

    int status = 0;
    {
        PropertiesDialog& dialog = PropertiesDialog::Instance();
        dialog.Show();
        ShowRequested(dialog, request);
        DoEvents();
        if (!dialog.Frm().Window()->grab().save(QString::fromStdString(request.out), "PNG")) {
            std::fprintf(stderr, "dialog-shot: cannot write %s\n", request.out.c_str());
            status = 1;
        }
    }
    PropertiesDialog::Release();
    SetDisplayOpener({});
    return status;
}
