// Replays a fuzz target's corpus as an ordinary test, without libFuzzer: every
// file in the folders named on the command line goes once, in name order,
// through the entry point the fuzzer calls. A wrong answer aborts and a
// sanitizer report ends the run, so either fails the test. Inputs that are not
// text are kept as hexadecimal digits in a file ending in ".hex" (blanks and
// line ends between the digits ignored), so the repository holds text only.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::filesystem::path> CorpusFiles(int argc, char** argv) {
    std::vector<std::filesystem::path> files;
    for (int i = 1; i < argc; ++i) {
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(argv[i], error)) {
            if (entry.is_regular_file()) files.push_back(entry.path());
        }
        if (error) std::fprintf(stderr, "cannot read the folder %s\n", argv[i]);
    }
    std::sort(files.begin(), files.end());
    return files;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::vector<std::uint8_t> FromHex(const std::vector<std::uint8_t>& text) {
    std::vector<std::uint8_t> bytes;
    int high = -1;
    for (const std::uint8_t c : text) {
        const int digit = HexDigit(static_cast<char>(c));
        if (digit < 0) continue;
        if (high < 0) {
            high = digit;
        } else {
            bytes.push_back(static_cast<std::uint8_t>(high * 16 + digit));
            high = -1;
        }
    }
    return bytes;
}

std::vector<std::uint8_t> Contents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::uint8_t> contents{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return file.extension() == ".hex" ? FromHex(contents) : contents;
}

}  // namespace

int main(int argc, char** argv) {
    const auto files = CorpusFiles(argc, argv);
    // An empty or missing corpus would pass without testing anything.
    if (files.empty()) {
        std::fprintf(stderr, "no corpus files found\n");
        return 1;
    }
    for (const auto& file : files) {
        // Named first, so that a failure shows which input caused it.
        std::printf("%s\n", file.filename().c_str());
        std::fflush(stdout);
        const auto input = Contents(file);
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    std::printf("replayed %zu inputs\n", files.size());
    return 0;
}
