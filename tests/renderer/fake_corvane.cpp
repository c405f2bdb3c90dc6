// A stand-in for libcorvane.so's blend exports: it records each call and
// writes nothing, so tests can check exactly what the presentation passes.
#include <cstdint>

#include "corvane/corvane.h"
#include "fake_corvane.h"

extern "C" {

static FakeBlendCall lastCall;
static int callCount = 0;

__attribute__((visibility("default"))) const FakeBlendCall* FakeCorvaneLastCall() { return &lastCall; }
__attribute__((visibility("default"))) int FakeCorvaneCallCount() { return callCount; }

static std::int32_t Record(int routine, void* s, const void* e, std::uint32_t* w, std::int32_t length,
                           std::int32_t pitch, std::int32_t factor, std::intptr_t a, std::intptr_t b) {
    lastCall = {routine, s, e, w, length, pitch, factor, a, b};
    ++callCount;
    return 0;
}

int32_t BlendPixelLongRGB15(void* s, const void* e, uint32_t* w, int32_t l, int32_t p, int32_t f, intptr_t a,
                            intptr_t b) {
    return Record(15, s, e, w, l, p, f, a, b);
}
int32_t BlendPixelLongRGB16(void* s, const void* e, uint32_t* w, int32_t l, int32_t p, int32_t f, intptr_t a,
                            intptr_t b) {
    return Record(16, s, e, w, l, p, f, a, b);
}
int32_t BlendPixelLongRGB24(void* s, const void* e, uint32_t* w, int32_t l, int32_t p, int32_t f, intptr_t a,
                            intptr_t b) {
    return Record(24, s, e, w, l, p, f, a, b);
}
// Built without it, the stand-in is a library that lacks one routine.
#ifndef FAKE_CORVANE_WITHOUT_RGB32
int32_t BlendPixelLongRGB32(void* s, const void* e, uint32_t* w, int32_t l, int32_t p, int32_t f, intptr_t a,
                            intptr_t b) {
    return Record(32, s, e, w, l, p, f, a, b);
}
#endif

}  // extern "C"
