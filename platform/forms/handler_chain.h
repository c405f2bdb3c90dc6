// Two handlers on one event, for the layer's own sources: the binders of
// numeric boxes and control arrays add to what a control has already.
#pragma once

#include <functional>
#include <utility>

namespace orbweave {

// Runs first, then second; either may be empty.
template <typename... Args>
std::function<void(Args...)> Chain(std::function<void(Args...)> first, std::function<void(Args...)> second) {
    if (!first) return second;
    if (!second) return first;
    return [first = std::move(first), second = std::move(second)](Args... args) {
        first(args...);
        second(args...);
    };
}

// A typed key that the first handler swallowed (set to 0) goes no further.
inline std::function<void(int&)> Chain(std::function<void(int&)> first, std::function<void(int&)> second) {
    if (!first) return second;
    if (!second) return first;
    return [first = std::move(first), second = std::move(second)](int& keyAscii) {
        first(keyAscii);
        if (keyAscii != 0) second(keyAscii);
    };
}

}  // namespace orbweave
