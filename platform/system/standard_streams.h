// The three standard descriptors, made safe before anything else runs.
#pragma once

namespace orbweave {

// Opens each of descriptors 0, 1 and 2 that is closed on /dev/null. A
// launcher that starts the program with one of them closed would otherwise
// hand that number to the next descriptor opened (the X connection's
// socket), and every notice written to standard error would go into the X
// stream. Call it first thing in main, before any library opens a file.
void OpenClosedStandardStreams();

// A write to a pipe whose reader has gone (standard error piped into a
// program that has ended, a lost X connection) fails with EPIPE and is
// dropped like any failed write, instead of ending the process by SIGPIPE.
// A SIGPIPE ignored when the program started stays ignored; otherwise it is
// caught by a handler that does nothing, which, unlike an ignored signal,
// the programs this one starts do not inherit. Call it in main, before
// anything is written.
void KeepBrokenPipesHarmless();

}  // namespace orbweave
