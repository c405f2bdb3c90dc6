// Defaults every test program starts with, however it is started (by CTest or
// by hand): sanitizers that stop at the first report, leak checking that
// ignores what the third-party GUI libraries keep, and headless Qt.
#include <cstdlib>

extern "C" const char* __asan_default_options() { return "halt_on_error=1:detect_leaks=1"; }
extern "C" const char* __ubsan_default_options() { return "halt_on_error=1:print_stacktrace=1"; }
extern "C" const char* __lsan_default_options() { return "suppressions=" ORBWEAVE_LSAN_SUPPRESSIONS; }

namespace {

// Runs before main, so before any QApplication exists. An explicit setting
// from the environment wins.
const bool kHeadlessQt = [] { return ::setenv("QT_QPA_PLATFORM", "offscreen", 0) == 0; }();

}  // namespace
