// settings-tool: reads and writes the current user's settings from the
// end-to-end tests, through the program's own settings layer.
//   settings-tool set <section> <name> <value>
//   settings-tool get <section> <name>      (prints the value, or "<missing>")
#include <cstdio>
#include <string>
#include <string_view>

#include "platform/registry/settings.h"

int main(int argc, char** argv) {
    const std::string_view command = argc > 1 ? argv[1] : "";
    if (command == "set" && argc == 5) {
        return orbweave::SaveSettingValue(argv[2], argv[3], std::string_view(argv[4])) ? 0 : 1;
    }
    if (command == "get" && argc == 4) {
        std::puts(orbweave::GetSettingString(argv[2], argv[3], "<missing>").c_str());
        return 0;
    }
    std::fputs("usage: settings-tool set <section> <name> <value> | get <section> <name>\n", stderr);
    return 2;
}
